#include "import_patch.h"

#include <cstring>

namespace {

template <typename T>
T* At(BYTE* base, DWORD offset) {
  return reinterpret_cast<T*>(base + offset);
}

// The import address table entry of the function, or null when the program imports no such.
void** FindSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  const auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); entry->Name != 0; ++entry) {
    if (lstrcmpiA(At<char>(base, entry->Name), dll) != 0) continue;
    auto* names = At<IMAGE_THUNK_DATA>(base, entry->OriginalFirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA>(base, entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* name = At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
      if (std::strcmp(reinterpret_cast<const char*>(name->Name), function) == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

} // namespace

ImportPatch::ImportPatch(const char* dll, const char* function, void* replacement)
    : slot(FindSlot(dll, function)), original(nullptr) {
  if (slot == nullptr) return;
  original = *slot;
  Write(replacement);
}

ImportPatch::~ImportPatch() {
  if (slot != nullptr) Write(original);
}

void ImportPatch::Write(void* value) {
  DWORD before = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &before);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, before, &before);
}
