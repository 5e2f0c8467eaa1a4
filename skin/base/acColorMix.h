#pragma once
// The colour mix every painter uses. Colours are COLORREF-style (red in the low byte).
#include <cstdint>

// Per channel (C1·W + C2·(255 − W)) >> 8 with W clamped to 0..255; the top byte is C1's.
// The divisor is 256, so W = 255 gives slightly less than C1 (white → 0xFEFEFE).
uint32_t MixColor(uint32_t C1, uint32_t C2, int W);
