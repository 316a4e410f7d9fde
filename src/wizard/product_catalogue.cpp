#include "core/catalogue.h"

#include "core/finish_page.h"
#include "core/install_state.h"
#include "core/navigation.h"
#include "core/product_tables.h"
#include "core/welcome_page.h"
#include "destination/destination_page.h"
#include "destination/directory_store.h"
#include "destination/replace_page.h"
#include "payload/copy_page.h"
#include "progman/icons_page.h"
#include "registration/registry_page.h"

const char DESTINATION_TEMPLATE[] = "DESTDIRDLG1";
const char DESTINATION_RETRY_TEMPLATE[] = "DESTDIRDLG2";

namespace {

const char* pageTemplates[PRODUCT_PAGE_COUNT] = {
    "INTRODLG", "OS32DLG", DESTINATION_TEMPLATE, "REPLACEDLG", "STARTDLG",
    "COPYFILESDLG", "REGISTRYDLG", "NEWICONDLG", "READYDLG",
};

DLGPROC pageProcedures[PRODUCT_PAGE_COUNT] = {
    WelcomePageProc, DefaultPageProc, DestinationPageProc, ReplacePageProc, DefaultPageProc,
    CopyPageProc,    RegistryPageProc, IconsPageProc,   FinishPageProc,
};

} // namespace

void FillCatalogue(Catalogue& catalogue) {
  catalogue.pageCount = PRODUCT_PAGE_COUNT;
  catalogue.firstWorkPage = PRODUCT_FIRST_WORK_PAGE;
  catalogue.pageTemplates = pageTemplates;
  catalogue.pageProcedures = pageProcedures;
  catalogue.platformFlags = PRODUCT_PLATFORM_FLAGS;
  catalogue.stampDay = PRODUCT_STAMP_DAY;
  catalogue.stampMonth = PRODUCT_STAMP_MONTH;
  catalogue.stampYear = PRODUCT_STAMP_YEAR;
  catalogue.files = productFiles;
  catalogue.registryEntries = productRegistryEntries;
  catalogue.version = PRODUCT_VERSION;
  catalogue.productNumber = PRODUCT_NUMBER;
  catalogue.productKey = PRODUCT_KEY;
  catalogue.productName = PRODUCT_NAME;
  catalogue.makerKey = MAKER_KEY;
  catalogue.directories = productDirectories;
  catalogue.groupItems = productGroupItems;
  catalogue.fileTypes = productFileTypes;
  SetDefaultDestination(PRODUCT_DEFAULT_FOLDER);
  installState.databaseChosen = 1;
  installState.programChosen = 1;
}
