#include "skin/windows/acImportPatch.h"

#include <tlhelp32.h>

#include <functional>

namespace {

// A slot is written with its page made writable for the moment; the pointer-sized store
// is atomic, so a thread calling through the slot meanwhile sees the old or the new one.
void WriteSlot(void** slot, const void* value) {
  DWORD old = 0;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) return;
  InterlockedExchangePointer(slot, const_cast<void*>(value));
  VirtualProtect(slot, sizeof *slot, old, &old);
}

std::vector<HMODULE> LoadedModules() {
  std::vector<HMODULE> modules;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
  if (snapshot == INVALID_HANDLE_VALUE) return modules;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry))
    modules.push_back(entry.hModule);
  CloseHandle(snapshot);
  return modules;
}

// Calls `visit` with every import slot (bound address) of the module.
void ForEachImportSlot(HMODULE module, const std::function<void(void**)>& visit) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) return;
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0 || imports.Size == 0) return;
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       d->Name != 0 && d->FirstThunk != 0; ++d) {
    for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); thunk->u1.Function != 0; ++thunk)
      visit(reinterpret_cast<void**>(&thunk->u1.Function));
  }
}

bool StillLoaded(HMODULE module, const void* address) {
  HMODULE holder = nullptr;
  return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &holder) &&
         holder == module;
}

}  // namespace

TacImportPatch::TacImportPatch(std::span<const TacImportRedirect> redirects) {
  for (HMODULE module : LoadedModules()) PatchModule(module, redirects);
}

void TacImportPatch::PatchModule(HMODULE module, std::span<const TacImportRedirect> redirects) {
  ForEachImportSlot(module, [&](void** slot) {
    for (const TacImportRedirect& r : redirects) {
      if (r.Original == nullptr || *slot != r.Original) continue;
      WriteSlot(slot, r.Replacement);
      if (*slot == r.Replacement) slots_.push_back({module, slot, r.Original, r.Replacement});
    }
  });
}

TacImportPatch::~TacImportPatch() {
  for (const Slot& s : slots_)
    if (StillLoaded(s.Module, s.Address) && *s.Address == s.Replacement) WriteSlot(s.Address, s.Original);
}

std::vector<const void*> ImportSlotsHolding(const void* function) {
  std::vector<const void*> found;
  for (HMODULE module : LoadedModules())
    ForEachImportSlot(module, [&](void** slot) {
      if (*slot == function) found.push_back(slot);
    });
  return found;
}
