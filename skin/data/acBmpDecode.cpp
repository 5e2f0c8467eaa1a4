// The BMP reader: the layout from the headers, then the pixels, whichever way they are
// stored.
#include <string>

#include "skin/data/acBmpLayout.h"
#include "skin/data/acBmpReader.h"
#include "skin/data/acBmpRle.h"

namespace {

// A channel value of `bits` bits widened to 8 by repeating its bits, so that the largest
// value gives 255.
uint32_t Widen(uint32_t value, int bits) {
  if (bits >= 8) return value >> (bits - 8);
  uint32_t wide = 0;
  for (int shift = 8 - bits; shift > -bits; shift -= bits) wide |= shift >= 0 ? value << shift : value >> -shift;
  return wide & 0xFF;
}

uint32_t PaletteColour(const BmpLayout& layout, uint32_t index) {
  if (index >= layout.Palette.size())
    throw BmpRefusal("palette index " + std::to_string(index) + " is out of range (" +
                     std::to_string(layout.Palette.size()) + " colours)");
  return layout.Palette[index];
}

uint32_t ChannelValue(uint32_t pixel, const BmpChannel& c) { return Widen((pixel & c.Mask) >> c.Shift, c.Bits); }

// One stored row into `dst`.
void ReadRow(const BmpLayout& layout, const uint8_t* src, uint32_t* dst) {
  const int bits = layout.BitCount;
  for (int x = 0; x < layout.Width; ++x) {
    if (bits <= 8) {
      const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
      const uint32_t index = (src[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      dst[x] = PaletteColour(layout, index);
    } else if (bits == 24) {
      const uint8_t* p = src + 3 * x;
      dst[x] = MakePixel(p[2], p[1], p[0]);
    } else {
      const uint8_t* p = src + static_cast<size_t>(x) * (bits / 8);
      const uint32_t v = bits == 16 ? p[0] | p[1] << 8 : p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24;
      const auto& ch = layout.Channels;
      const uint32_t a = ch[3].Bits ? ChannelValue(v, ch[3]) : 255;
      dst[x] = MakePixel(ChannelValue(v, ch[0]), ChannelValue(v, ch[1]), ChannelValue(v, ch[2]), a);
    }
  }
}

void ReadRunPixels(const BmpLayout& layout, PixelImage& out) {
  const std::vector<uint8_t> indexes = ExpandBmpRuns(layout);  // first: damaged data ends here
  out.resize(layout.Width, layout.Height);
  uint32_t* pixels = out.view().pixels;
  for (size_t i = 0; i < indexes.size(); ++i) pixels[i] = PaletteColour(layout, indexes[i]);
}

void ReadStoredRows(const BmpLayout& layout, PixelImage& out) {
  out.resize(layout.Width, layout.Height);
  const PixelBuffer view = out.view();
  const size_t stride = BmpStride(layout.Width, layout.BitCount);
  for (int y = 0; y < layout.Height; ++y) {
    const int stored = layout.TopDown ? y : layout.Height - 1 - y;
    ReadRow(layout, layout.Data.data() + stride * static_cast<size_t>(stored), view.row(y));
  }
}

TacDecodedImage ReadPixels(const BmpLayout& layout) {
  TacDecodedImage out;
  out.Format = TacImageFormat::Bmp;
  if (layout.Compression == BmpCompression::Rle8 || layout.Compression == BmpCompression::Rle4)
    ReadRunPixels(layout, out.Pixels);
  else
    ReadStoredRows(layout, out.Pixels);
  if (layout.AlphaChannel) {
    uint32_t alphaSeen = 0;
    for (uint32_t p : out.Pixels.data()) alphaSeen |= PixelA(p);
    out.HasAlpha = alphaSeen != 0;
    // Alpha that is 0 everywhere is no alpha: the picture is opaque.
    if (!out.HasAlpha) {
      const PixelBuffer view = out.Pixels.view();
      for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x) view.at(x, y) |= 0xFF000000u;
    }
  }
  return out;
}

}  // namespace

TacBmpReadResult ReadBmp(std::span<const uint8_t> bytes) {
  try {
    return {ReadPixels(ReadBmpLayout(bytes)), {}};
  } catch (const BmpRefusal& refusal) {
    return {std::nullopt, refusal.what()};
  }
}

std::optional<TacDecodedImage> DecodeBmp(std::span<const uint8_t> bytes) { return ReadBmp(bytes).Image; }
