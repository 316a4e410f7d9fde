#include "copy_steps.h"

#include <algorithm>

#include "held_still.h"
#include "progress_bar.h"
#include "resource_ids.h"
#include "screenshot_album.h"
#include "shell_dde_servers.h"
#include "szdd/szdd_decoder.h"
#include "test_environment.h"
#include "wait.h"
#include "whole_file.h"
#include "wizard/product.h"
#include "wizard_steps.h"

namespace {

constexpr char STORED_FORMS_VARIABLE[] = "TARN_STORED_FORMS";
// The language of every resource of the program.
constexpr WORD RESOURCE_LANGUAGE = 0x040B;

} // namespace

std::string StoredForm(const FileEntry& row) {
  return ReadWholeFile(WindowsPathFromEnvironment(STORED_FORMS_VARIABLE) + "\\" + row.name);
}

std::string StandIn(const FileEntry& row) {
  const std::string stored = StoredForm(row);
  if (row.compressed == 0) return stored;
  std::string content(static_cast<size_t>(row.size), '\0');
  const SzddExpansion expanded = ExpandSzddImage(reinterpret_cast<const uint8_t*>(stored.data()), stored.size(),
                                                 reinterpret_cast<uint8_t*>(&content[0]), content.size());
  return expanded.outcome == SzddOutcome::EXPANDED ? content : "(not expandable)";
}

const FileEntry* ProductRow(const std::string& name) {
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row)
    if (name == row->name) return row;
  return nullptr;
}

AlteredSetup::AlteredSetup(const std::string& folder) : folder(folder), path(folder + "\\setup.exe") {}

namespace {

ResourceKey KeyOf(LPCSTR name) {
  return IS_INTRESOURCE(name) ? ResourceKey{std::string(), reinterpret_cast<ULONG_PTR>(name)} : ResourceKey{name, 0};
}

struct Enumeration {
  std::vector<std::pair<ResourceKey, ResourceKey>> typesAndNames;
};

BOOL CALLBACK AddName(HMODULE, LPCSTR type, LPSTR name, LONG_PTR parameter) {
  reinterpret_cast<Enumeration*>(parameter)->typesAndNames.emplace_back(KeyOf(type), KeyOf(name));
  return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR parameter) {
  EnumResourceNamesA(module, type, AddName, parameter);
  return TRUE;
}

} // namespace

std::vector<AlteredSetup::Resource> AlteredSetup::OriginalResources() const {
  std::vector<Resource> resources;
  const std::string original = WindowsPathFromEnvironment(SETUP_EXECUTABLE_VARIABLE);
  HMODULE module = LoadLibraryExA(original.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return resources;
  Enumeration found;
  EnumResourceTypesA(module, AddType, reinterpret_cast<LONG_PTR>(&found));
  for (const auto& [type, name] : found.typesAndNames) {
    Resource entry{type, name, std::string()};
    HRSRC resource = FindResourceA(module, entry.name.Pointer(), entry.type.Pointer());
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    if (loaded == nullptr) continue;
    entry.bytes.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, resource));
    resources.push_back(entry);
  }
  FreeLibrary(module);
  return resources;
}

bool AlteredSetup::Finish() {
  const std::vector<Resource> resources = OriginalResources();
  CreateDirectoryA(folder.c_str(), nullptr);
  if (resources.empty() || !CopyFileA(WindowsPathFromEnvironment(SETUP_EXECUTABLE_VARIABLE).c_str(), path.c_str(), FALSE))
    return false;
  HANDLE update = BeginUpdateResourceA(path.c_str(), TRUE);
  if (update == nullptr) return false;
  bool written = true;
  for (const Resource& resource : resources) {
    std::string bytes = resource.bytes;
    const bool payload = resource.type.text.empty() && resource.type.id == reinterpret_cast<ULONG_PTR>(RT_RCDATA) &&
                         resource.name.text.empty();
    const auto altered = payload ? alterations.find(static_cast<int>(resource.name.id)) : alterations.end();
    if (altered != alterations.end() && altered->second.removed) continue;
    if (altered != alterations.end()) bytes = altered->second.bytes;
    written = written && UpdateResourceA(update, resource.type.Pointer(), resource.name.Pointer(), RESOURCE_LANGUAGE,
                                         &bytes[0], static_cast<DWORD>(bytes.size()));
  }
  return EndUpdateResourceA(update, !written) && written;
}

std::string Installed(const std::string& name) { return std::string(INSTALL_FOLDER) + "\\" + name; }

bool ArriveAfterTheCopy(InstallerSession& setup) {
  std::string title;
  // The summary page too: a click on its Next may not have been handled yet.
  const auto beforeOrDuring = [&] { return title.empty() || title == SUMMARY_TITLE || title == COPY_TITLE; };
  WaitUntil([&] {
    title = setup.PageTitle();
    return !setup.Running() || !beforeOrDuring();
  });
  return setup.Running() && !beforeOrDuring() && title != ERROR_TITLE;
}

bool ArriveAtTheFullBar(InstallerSession& setup) {
  setup.ClickWhileHeld({setup.ButtonPoint(IDC_NEXT)});
  HWND bar = nullptr;
  bool pictured = false;
  WaitUntil([&] {
    if (bar == nullptr && setup.PageTitle() == COPY_TITLE) bar = GetDlgItem(setup.Page(), IDC_PROGRESS_BAR);
    if (bar == nullptr) return !setup.Running();
    // Looked at while the program stands still, so the page cannot move on in between.
    HeldStill held(setup.ProcessId());
    if (!IsWindow(bar) || !IsWindowVisible(bar)) return true; // gone before the bar was seen full
    if (!BarIsFull(bar)) return false;
    pictured = AddToAlbumAsShown(setup.Frame(), "Copying files, all done");
    return true;
  });
  return pictured;
}

bool ArriveAtTheGroupErrorWithoutAServer(InstallerSession& setup) {
  if (!SilenceOtherDdeServers() || !setup.Started() || !WalkTo(setup, SUMMARY_TITLE)) return false;
  setup.Click(IDC_NEXT);
  return setup.WaitForPageTitle(ERROR_TITLE) && setup.Screenshot() &&
         setup.PageText(IDC_ERROR_MESSAGE) == GROUPS_NOT_CREATED;
}

FolderSnapshot SnapshotOf(const std::string& folder) {
  FolderSnapshot snapshot;
  for (const std::string& name : FilesIn(folder)) {
    const std::string path = folder + "\\" + name;
    const std::string bytes = ReadWholeFile(path);
    uint32_t digest = 2166136261u; // FNV-1a
    for (const char byte : bytes) digest = (digest ^ static_cast<unsigned char>(byte)) * 16777619u;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    const uint64_t written = (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
    snapshot.push_back(FileFacts{name, bytes.size(), digest, written});
  }
  return snapshot;
}

void PrintTo(const FileFacts& facts, std::ostream* out) {
  *out << facts.name << " (" << facts.size << " bytes, digest " << facts.digest << ", written " << facts.written << ")";
}

bool RunRecordExists() {
  HKEY key;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TARN 12.3 setup run", &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}
