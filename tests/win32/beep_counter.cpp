#include "beep_counter.h"

#include <windows.h>

namespace {

int beeps;

BOOL WINAPI CountingMessageBeep(UINT) {
  ++beeps;
  return TRUE;
}

template <typename T>
T* At(BYTE* base, DWORD offset) {
  return reinterpret_cast<T*>(base + offset);
}

// The import-table slot of the named function of the named DLL in this program, or null.
void** ImportSlot(const char* dll, const char* function) {
  BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* nt = At<IMAGE_NT_HEADERS>(base, reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); entry->Name != 0; ++entry) {
    if (lstrcmpiA(At<char>(base, entry->Name), dll) != 0) continue;
    auto* names = At<IMAGE_THUNK_DATA>(base, entry->OriginalFirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA>(base, entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

void Exchange(void** slot, void* value) {
  DWORD protection;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

} // namespace

BeepCounter::BeepCounter() : slot(ImportSlot("user32.dll", "MessageBeep")) {
  beeps = 0;
  if (slot == nullptr) return;
  original = *slot;
  Exchange(slot, reinterpret_cast<void*>(&CountingMessageBeep));
}

BeepCounter::~BeepCounter() {
  if (slot != nullptr) Exchange(slot, original);
}

int BeepCounter::Beeps() const { return beeps; }
