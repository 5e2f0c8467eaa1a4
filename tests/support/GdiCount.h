#pragma once
// Live GDI objects of this process, for leak checks under Wine.
#include <windows.h>

#include <intrin.h>

#include <cstdint>

namespace gdicount {

// GetGuiResources where it is implemented, else the entries of the process's GDI handle
// table (the PEB points to it; 24-byte entries whose byte 14 holds the object type).
// -1 when neither can be read.
inline long CountGdiObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(n);
  const auto* peb = reinterpret_cast<const uint8_t*>(__readgsqword(0x60));
  const auto* table = peb ? *reinterpret_cast<const uint8_t* const*>(peb + 0xF8) : nullptr;
  if (!table) return -1;
  constexpr int kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
  long live = 0;
  for (int i = 0; i < kEntries; ++i) live += table[i * kEntrySize + kTypeOffset] != 0;
  return live;
}

// The count follows objects being made and deleted (else it counts something else).
inline bool GdiCountWorks() {
  const long before = CountGdiObjects();
  if (before < 0) return false;
  HBRUSH brushes[10];
  for (HBRUSH& b : brushes) b = CreateSolidBrush(RGB(1, 2, 3));
  const long during = CountGdiObjects();
  for (HBRUSH b : brushes) DeleteObject(b);
  return during == before + 10 && CountGdiObjects() == before;
}

}  // namespace gdicount
