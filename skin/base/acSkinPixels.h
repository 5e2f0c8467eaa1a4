#pragma once
// Pixel rules of skin images: the key colour magenta marks transparent pixels, images
// without an alpha channel get one, and PNG elements are premultiplied for painting.
#include <cstdint>

#include "pixels/PixelBuffer.h"

inline constexpr uint32_t kKeyColor = 0xFF00FF;  // magenta marks transparent element pixels
constexpr bool IsKeyPixel(uint32_t p) { return (p & 0xFFFFFFu) == 0xFF00FFu; }
inline constexpr uint32_t kTransparentKeyPixel = 0x00FF00FF;

// An image without alpha: every pixel opaque except key-colour pixels, which get alpha 0.
void KeyColorToAlpha(const PixelBuffer& image);
// A master bitmap with alpha: fully opaque key-colour pixels get alpha 0.
void ClearOpaqueKeyAlpha(const PixelBuffer& image);
// Premultiplies a PNG element: each colour channel times alpha, shifted right by 8. Without
// desktop composition near-white pixels (every channel 245 or more) are capped at 244 instead.
void PremultiplyElement(const PixelBuffer& image, bool compositionEnabled);
// An owned copy of a view.
PixelImage CopyImage(const PixelBuffer& source);
// Copies `source` to (x, y) of `target`, clipped to the target.
void CopyInto(const PixelBuffer& target, int x, int y, const PixelBuffer& source);
