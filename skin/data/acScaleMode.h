#pragma once
// Display scaling modes of the skin manager and the integer arithmetic that follows them.
// Scale slots 0..3 stand for 96, 120, 144 and 192 pixels per inch (100, 125, 150, 200 %).
#include <array>
#include <cstdint>

enum TacScaleMode : uint8_t {
  sm100 = 0, sm125 = 1, sm150 = 2, sm200 = 3,  // a fixed factor: the value is the slot
  smAuto = 4,                                  // the system's font scaling
  smOldMode = 5,                               // no scaling
  smVCL = 6,                                   // the window framework scales per monitor
  smCustomPPI = 7,                             // a chosen pixels-per-inch value
};

inline constexpr std::array<int, 4> kSlotPercent{100, 125, 150, 200};

constexpr bool IsFixedScaleMode(TacScaleMode m) { return m <= sm200; }

// The scale slot of a mode: 0 for smVCL, smOldMode and in design mode, the system's slot
// for smAuto. smCustomPPI has no slot of its own; its callers use the PPI, and the slot
// of that PPI is answered here so that nothing reads a meaningless value.
int ScaleSlotOfMode(TacScaleMode mode, int sysFontScale, int customPPI, bool designing = false);

// Value scaled to a slot: +1/4, +1/2 or doubled; divisions truncate towards zero.
constexpr int ScaleToSlot(int value, int slot) {
  switch (slot) {
    case 1: return value + value / 4;
    case 2: return value + value / 2;
    case 3: return 2 * value;
    default: return value;
  }
}

// What OnScaleModeChange is told about a change of mode.
struct TScaleChangeData {
  TacScaleMode OldScaleMode = smVCL;
  TacScaleMode NewScaleMode = smVCL;
  int32_t OldScalePercent = 100;
  int32_t NewScalePercent = 100;
  int32_t OldPPI = 0;  // 0 where the mode has no density of its own
  int32_t NewPPI = 0;
};

// value * mul / div rounded to nearest, halves away from zero (the Windows MulDiv rule);
// -1 when div is 0.
constexpr int MulDivRound(int value, int mul, int div) {
  if (div == 0) return -1;
  const long long product = static_cast<long long>(value) * mul;
  const long long half = (div < 0 ? -static_cast<long long>(div) : div) / 2;
  const bool negative = (product < 0) != (div < 0);
  const long long magnitude = (product < 0 ? -product : product) + half;
  const long long q = magnitude / (div < 0 ? -static_cast<long long>(div) : div);
  return static_cast<int>(negative ? -q : q);
}
