// Uncompressed 24- and 32-bit BMP files, bottom-up or top-down, every length checked
// against the bytes that are there.
#include "skin/data/acImageDecode.h"

namespace {

class BmpBytes {
 public:
  explicit BmpBytes(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool Has(size_t offset, size_t count) const { return offset <= bytes_.size() && count <= bytes_.size() - offset; }
  uint32_t U32(size_t offset) const {
    return bytes_[offset] | bytes_[offset + 1] << 8 | bytes_[offset + 2] << 16 | uint32_t{bytes_[offset + 3]} << 24;
  }
  uint16_t U16(size_t offset) const { return static_cast<uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8); }
  const uint8_t* At(size_t offset) const { return bytes_.data() + offset; }

 private:
  std::span<const uint8_t> bytes_;
};

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

struct BmpLayout {
  int64_t width = 0;
  int64_t height = 0;  // negative: rows are stored top-down
  int bitCount = 0;
  bool hasAlphaChannel = false;
};

// Reads the information header; only the layouts we decode are accepted.
std::optional<BmpLayout> ReadLayout(const BmpBytes& in) {
  const size_t h = kFileHeaderSize;
  if (!in.Has(h, 4)) return std::nullopt;
  const uint32_t headerSize = in.U32(h);
  if (!in.Has(h, headerSize)) return std::nullopt;
  BmpLayout layout;
  if (headerSize == 12) {  // OS/2 core header
    layout.width = in.U16(h + 4);
    layout.height = in.U16(h + 6);
    layout.bitCount = in.U16(h + 10);
    return layout;
  }
  if (headerSize < 40) return std::nullopt;
  layout.width = static_cast<int32_t>(in.U32(h + 4));
  layout.height = static_cast<int32_t>(in.U32(h + 8));
  layout.bitCount = in.U16(h + 14);
  const uint32_t compression = in.U32(h + 16);
  if (compression == kBiBitfields) {
    // Masks follow a 40-byte header and are part of the larger ones.
    const size_t masks = h + 40;
    if (!in.Has(masks, 12) || layout.bitCount != 32) return std::nullopt;
    if (in.U32(masks) != 0xFF0000 || in.U32(masks + 4) != 0xFF00 || in.U32(masks + 8) != 0xFF) return std::nullopt;
    layout.hasAlphaChannel = headerSize < 56 || in.U32(masks + 12) == 0xFF000000u;
  } else if (compression != kBiRgb) {
    return std::nullopt;
  } else {
    layout.hasAlphaChannel = layout.bitCount == 32;
  }
  return layout;
}

}  // namespace

std::optional<TacDecodedImage> DecodeBmp(std::span<const uint8_t> bytes) {
  const BmpBytes in(bytes);
  if (!in.Has(0, kFileHeaderSize) || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const auto layout = ReadLayout(in);
  if (!layout || (layout->bitCount != 24 && layout->bitCount != 32)) return std::nullopt;
  const bool topDown = layout->height < 0;
  const int64_t width = layout->width, height = topDown ? -layout->height : layout->height;
  if (!ImageSizeAllowed(width, height)) return std::nullopt;
  const size_t bytesPerPixel = static_cast<size_t>(layout->bitCount / 8);
  const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) & ~size_t{3};
  const size_t dataOffset = in.U32(10);
  // The last row may lack its padding; every pixel must be present.
  const size_t needed = stride * static_cast<size_t>(height - 1) + static_cast<size_t>(width) * bytesPerPixel;
  if (!in.Has(dataOffset, needed)) return std::nullopt;

  TacDecodedImage out;
  out.Format = TacImageFormat::Bmp;
  out.Pixels.resize(static_cast<int>(width), static_cast<int>(height));
  uint32_t alphaSeen = 0;
  for (int64_t y = 0; y < height; ++y) {
    const uint8_t* src = in.At(dataOffset + stride * static_cast<size_t>(topDown ? y : height - 1 - y));
    uint32_t* dst = out.Pixels.view().row(static_cast<int>(y));
    for (int64_t x = 0; x < width; ++x, src += bytesPerPixel) {
      const uint32_t a = bytesPerPixel == 4 ? src[3] : 0xFF;
      alphaSeen |= a;
      dst[x] = MakePixel(src[2], src[1], src[0], a);
    }
  }
  // A 32-bit file whose alpha bytes are all zero does not use them: it is opaque.
  out.HasAlpha = layout->hasAlphaChannel && alphaSeen != 0;
  if (layout->bitCount == 32 && !out.HasAlpha) {
    const PixelBuffer v = out.Pixels.view();
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) v.at(x, y) |= 0xFF000000u;
  }
  return out;
}
