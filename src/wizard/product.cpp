#include "wizard/product.h"

#include "core/code_section.h"

const char PRODUCT_NUMBER[] = "KQZV 470 385/6  R12D";
const char PRODUCT_IDENTITY[] = "KQZV 470 385/6 R12D";
const char PRODUCT_KEY[] = "SOFTWARE\\Veltrum\\TARN\\CurrentVersion";
const char PRODUCT_NAME[] = "TARN 12.3";
const char PRODUCT_DISPLAY_NAME[] = "Morvane 12.3";
const char MAKER_KEY[] = "SOFTWARE\\Veltrum";
const char PRODUCT_SHORT_NAME[] = "TARN";
const char PROGRAM_FILE[] = "tarn.exe";
const char UNINSTALLER_NAME[] = "uninstal.exe";
// Kept with the code: the read-only data's block is full.
const char RUN_RECORD_KEY[] TARN_WITH_CODE = "SOFTWARE\\TARN 12.3 setup run";
const char INSTALLED_FOLDERS_KEY[] TARN_WITH_CODE = "SOFTWARE\\TARN 12.3 folders";
const char HELP_CAPTION[] = "tarn help";
const char COMPILED_HELP_FILE[] = "tarn.chm";
const char READER_SETUP_PATH[] = "..\\acrobat\\rs405eng.exe";
const char DESKTOP_FILE_NAME[] = "TARN.DSK";
const char DESKTOP_NAME[] = "TARN32A";
const char* const OBSOLETE_FILES[] = {
    "rtunzp32x.dll", "rtw243a32.dll", "rtw251a32.dll", "rtw256a32.dll", "rtw258a32.dll", "tarnunst.exe", nullptr,
};
const char* const RESTART_GUARDED_FILES[] = {UNINSTALLER_NAME, "comproxy.dll", nullptr};

namespace {
constexpr FileEntry File(const char* name, int32_t size, uint32_t checkValue, int32_t compressed,
                         int32_t firstResource, int32_t chunkCount, int32_t lastChunkSize) {
  return FileEntry{COMPONENT_PROGRAM, name, size, checkValue, compressed, 0, 0, 1,
                   firstResource, chunkCount, PAYLOAD_CHUNK_SIZE, lastChunkSize, {0, 0, 0}, ROW_NOT_SELECTED};
}
} // namespace

// A release compiles in the table that the packer wrote for the real files; the build's
// stand-ins are forged to these rows.
FileEntry productFiles[] = {
#ifdef TARN_PRODUCT_FILE_TABLE
#include TARN_PRODUCT_FILE_TABLE
#else
    File(UNINSTALLER_NAME, 53248, 0x12F6CD1B, 1, 100, 1, 30638),
    File("rtwin32.dll", 348160, 0xB398EA2C, 1, 101, 3, 51214),
    File(PROGRAM_FILE, 811008, 0xEEC70A56, 1, 104, 6, 60961),
    File(COMPILED_HELP_FILE, 74088, 0x234C0A90, 1, 110, 2, 13190),
    File("tarn.hlp", 73289, 0xDA3C52BF, 1, 112, 2, 2678),
    File("tarn.cnt", 1028, 0xAE5572D1, 1, 114, 1, 746),
    File("rtunzip32.dll", 73728, 0x8FA8E277, 1, 115, 1, 41646),
    File("trniconn.xpt", 171, 0xF7F2D8E5, 1, 116, 1, 150),
    File("rtzip32.dll", 118784, 0x04102C6B, 1, 117, 2, 12012),
    File("tarnsyst.trn", 104889, 0xA3EA03E8, 0, 119, 2, 43449),
    File("unicows.dll", 219136, 0xFB1A82F8, 1, 121, 2, 58924),
#endif
    FileEntry{},
};

RegistryEntry productRegistryEntries[] = {
    {COMPONENT_PROGRAM, 0x80000002u, "SOFTWARE\\Veltrum\\TARN\\CurrentVersion\\AppPaths", PROGRAM_FILE, 1, 0},
    RegistryEntry{},
};

DirectoryEntry productDirectories[] = {
    DirectoryEntry{},
};

GroupItem productGroupItems[] = {
    {COMPONENT_PROGRAM, PROGRAM_FILE, PRODUCT_SHORT_NAME, 1, 0, 0},
    {COMPONENT_PROGRAM, "tarn.hlp", "TARN help", 1, 0, 0},
    {COMPONENT_END, nullptr, PRODUCT_SHORT_NAME, 0, 0, 0},
};

FileTypeEntry productFileTypes[] = {
    {COMPONENT_PROGRAM, "trn", "TARN Library", PROGRAM_FILE, 599, PROGRAM_FILE, 0},
    FileTypeEntry{},
};
