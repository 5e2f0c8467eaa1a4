#pragma once
// A soft halo around the letters of a text, for sections that ask for glowing captions.
#include <string_view>

#include "skin/paint/acTextPainter.h"

// Draws a glow of `size` pixels in color (COLORREF-style) around where text would be
// drawn with font and format in r; only r changes.
void DrawTextGlow(const TacTextCanvas& canvas, std::u16string_view text, const TacFont& font, TRect r,
                  uint32_t format, int size, uint32_t color);
