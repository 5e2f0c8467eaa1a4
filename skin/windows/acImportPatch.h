#pragma once
// Points the import-table entries of every module loaded in the process at replacement
// functions, and back again. Only the table slots change, never a byte of the functions'
// code: a call that does not go through an import table (an address taken with
// GetProcAddress, a module loaded after the patch) reaches the system function as usual.
#include <windows.h>

#include <span>
#include <vector>

struct TacImportRedirect {
  const void* Original;     // the system function's address, as GetProcAddress gives it
  const void* Replacement;
};

class TacImportPatch {
 public:
  explicit TacImportPatch(std::span<const TacImportRedirect> redirects);
  // Puts every slot that still holds its replacement back to the original.
  ~TacImportPatch();
  TacImportPatch(const TacImportPatch&) = delete;
  TacImportPatch& operator=(const TacImportPatch&) = delete;

  size_t PatchedSlots() const { return slots_.size(); }

 private:
  struct Slot {
    HMODULE Module;  // the slot is only touched again while this module is loaded
    void** Address;
    const void* Original;
    const void* Replacement;
  };
  void PatchModule(HMODULE module, std::span<const TacImportRedirect> redirects);

  std::vector<Slot> slots_;
};

// The addresses of every import-table slot of the loaded modules that holds `function`.
std::vector<const void*> ImportSlotsHolding(const void* function);
