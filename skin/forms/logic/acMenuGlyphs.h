#pragma once
// The engine's own symbols for menus and caption buttons, drawn as shapes at any size:
// the check mark and radio dot of checked menu items, the move arrows of the system
// menu and the four window-button symbols. Used where a skin has no picture of its own.
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"

enum class TacGlyph : uint8_t { Check, RadioDot, MoveArrows, Minimize, Maximize, Restore, Close };

// The symbol in `color` (COLORREF-style) on a transparent square of `size` pixels; the
// alpha of each pixel is how much of it the symbol covers (straight, not premultiplied).
PixelImage DrawGlyph(TacGlyph glyph, int size, uint32_t color);

// Puts the symbol on `target` with its square's top-left at `at`, blended by coverage;
// `opacity` (0..255) scales it, as a disabled look would.
void PaintGlyph(const PixelBuffer& target, TPoint at, TacGlyph glyph, int size, uint32_t color, int opacity = 255);

// The symbol a system-menu command shows (SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE,
// SC_RESTORE); false for commands without one.
bool GlyphForSystemCommand(uint32_t command, TacGlyph& glyph);
