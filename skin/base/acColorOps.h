#pragma once
// Colour adjustments of single colours and of finished pictures: saturation, hue, tone
// and grey. Colours are COLORREF-style (red in the low byte); the top byte is kept.
#include <cstdint>

#include "pixels/PixelBuffer.h"

// Amount -255..255: Y = round(0.299·R + 0.587·G + 0.114·B); each channel becomes
// ((Amount + 255)·channel - Y·Amount) >> 8, clamped. -255 is grey, 0 is not a no-op
// (255 turns into 254): callers skip 0.
uint32_t ChangeSaturation(uint32_t color, int amount);
// Turns the hue by degrees (either sign); colours without saturation stay as they are.
uint32_t ShiftHue(uint32_t color, int degrees);
// Tints towards tone: every channel becomes max(R, G, B)·(tone's channel) >> 8.
uint32_t ToneColor(uint32_t color, uint32_t tone);
// The colour's luminance Y in all three channels.
uint32_t GrayColor(uint32_t color);

enum class TacPixelOp { Saturation, Hue, Tone, Gray };

// Applies op with its argument (amount, degrees or tone colour) to every pixel of bmp
// whose colour differs from skipColor (compared on RGB; kColorUnset skips none).
void ApplyToPixels(const PixelBuffer& bmp, TacPixelOp op, int32_t argument, uint32_t skipColor);
