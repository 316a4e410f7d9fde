#include "core/catalogue.h"

#include <gtest/gtest.h>

#include "core/install_state.h"
#include "core/page_walk.h"
#include "wizard/product.h"
#include "wizard/wizard.h"

namespace {

// A catalogue with rows of both components in every table that the choice governs.
struct TwoComponentCatalogue {
  FileEntry files[3] = {};
  RegistryEntry registryEntries[2] = {};
  DirectoryEntry directories[2] = {};
  GroupItem groupItems[2] = {};
  GroupItemDeletion groupItemDeletions[2] = {};
  UninstallEntry uninstallEntries[2] = {};
  FileTypeEntry fileTypes[2] = {};
  OptionalRow sharedChoiceRows[2] = {};
  OptionalRow auxiliaryRows[2] = {};
  Catalogue catalogue = {};

  TwoComponentCatalogue() {
    files[0].componentKey = COMPONENT_PROGRAM;
    files[1].componentKey = COMPONENT_DATABASE;
    registryEntries[0].componentKey = COMPONENT_DATABASE;
    directories[0].componentKey = COMPONENT_DATABASE;
    groupItems[0].componentKey = COMPONENT_DATABASE;
    groupItems[1].selected = 9; // the row that names the group
    groupItemDeletions[0].componentKey = COMPONENT_DATABASE;
    groupItemDeletions[0].selected = 4;
    uninstallEntries[0].componentKey = COMPONENT_DATABASE;
    fileTypes[0].componentKey = COMPONENT_DATABASE;
    sharedChoiceRows[0].componentKey = COMPONENT_DATABASE;
    auxiliaryRows[0].componentKey = COMPONENT_DATABASE;
    catalogue.files = files;
    catalogue.registryEntries = registryEntries;
    catalogue.directories = directories;
    catalogue.groupItems = groupItems;
    catalogue.groupItemDeletions = groupItemDeletions;
    catalogue.uninstallEntries = uninstallEntries;
    catalogue.fileTypes = fileTypes;
    catalogue.sharedChoiceRows = sharedChoiceRows;
    catalogue.auxiliaryRows = auxiliaryRows;
  }
};

TEST(ComponentSelection, SelectsTheComponentInEveryGovernedTable) {
  TwoComponentCatalogue t;
  SelectComponent(t.catalogue, COMPONENT_DATABASE, ROW_SELECTED);
  EXPECT_EQ(t.files[0].selected, 0);
  EXPECT_EQ(t.files[1].selected, 1);
  EXPECT_EQ(t.registryEntries[0].selected, 1);
  EXPECT_EQ(t.directories[0].selected, 1);
  EXPECT_EQ(t.groupItems[0].selected, 1);
  EXPECT_EQ(t.uninstallEntries[0].selected, 1);
  EXPECT_EQ(t.fileTypes[0].selected, 1);
  EXPECT_EQ(t.sharedChoiceRows[0].selected, 1);
  EXPECT_EQ(t.auxiliaryRows[0].selected, 1);
}

TEST(ComponentSelection, LeavesTheGroupNameRowAndTheDeletionsAlone) {
  TwoComponentCatalogue t;
  SelectComponent(t.catalogue, ALL_COMPONENTS, ROW_SELECTED);
  EXPECT_EQ(t.groupItems[1].selected, 9);
  EXPECT_EQ(t.groupItemDeletions[0].selected, 4);
}

TEST(ComponentSelection, SkipsAbsentOptionalTables) {
  TwoComponentCatalogue t;
  t.catalogue.uninstallEntries = nullptr;
  t.catalogue.sharedChoiceRows = nullptr;
  t.catalogue.auxiliaryRows = nullptr;
  t.catalogue.groupItems = nullptr;
  t.catalogue.fileTypes = nullptr;
  SelectComponent(t.catalogue, ALL_COMPONENTS, ROW_SELECTED);
  EXPECT_EQ(t.files[1].selected, 1);
}

// Leaves the welcome page as Next does: by the action in the product's page table.
void LeaveWelcomePage() {
  Catalogue product{};
  FillCatalogue(product);
  product.pages[PAGE_WELCOME].onLeave();
}

TEST(ComponentSelection, TheProductsChoiceSelectsEveryRow) {
  ZeroMemory(&installState.catalogue, sizeof installState.catalogue);
  FillCatalogue(installState.catalogue);
  installState.programChosen = installState.databaseChosen = 1;
  LeaveWelcomePage();
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row)
    EXPECT_EQ(row->selected, ROW_SELECTED) << row->name;
  EXPECT_EQ(productRegistryEntries[0].selected, ROW_SELECTED);
  EXPECT_EQ(productGroupItems[1].selected, ROW_SELECTED);
  EXPECT_EQ(productFileTypes[0].selected, ROW_SELECTED);
}

TEST(ComponentSelection, AComponentNotChosenIsNotSelected) {
  TwoComponentCatalogue t;
  installState.catalogue = t.catalogue;
  installState.programChosen = 0;
  installState.databaseChosen = 1;
  LeaveWelcomePage();
  EXPECT_EQ(t.files[0].selected, 0);
  EXPECT_EQ(t.files[1].selected, 1);
  installState.programChosen = 1;
}

} // namespace
