#include "skin/data/acBmpLayout.h"

#include <bit>
#include <string>

#include "pixels/PixelBuffer.h"
#include "skin/data/acImageDecode.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoAt = kFileHeaderSize;

class BmpBytes {
 public:
  explicit BmpBytes(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  size_t Size() const { return bytes_.size(); }
  bool Has(size_t offset, size_t count) const { return offset <= bytes_.size() && count <= bytes_.size() - offset; }
  uint32_t U32(size_t at) const {
    return bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 | uint32_t{bytes_[at + 3]} << 24;
  }
  int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8); }
  uint8_t U8(size_t at) const { return bytes_[at]; }
  std::span<const uint8_t> From(size_t at) const { return bytes_.subspan(at); }

 private:
  std::span<const uint8_t> bytes_;
};

bool KnownHeaderSize(uint32_t size) {
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool CompressionFits(BmpCompression c, int bits) {
  switch (c) {
    case BmpCompression::Rgb: return true;
    case BmpCompression::Rle8: return bits == 8;
    case BmpCompression::Rle4: return bits == 4;
    case BmpCompression::Bitfields:
    case BmpCompression::AlphaBitfields: return bits == 16 || bits == 32;
  }
  return false;
}

BmpChannel ChannelOf(uint32_t mask, const char* name, int bitCount) {
  if (mask == 0) return {};
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  // One run of bits inside the pixel: anything else has no sensible reading.
  if (std::countr_one(mask >> shift) != bits || (bitCount < 32 && (mask >> bitCount) != 0))
    throw BmpRefusal(std::string("the ") + name + " mask is not one run of bits inside the pixel");
  return {mask, shift, bits};
}

// The masks of 16- and 32-bit pixels: given in the file for bit fields, fixed otherwise.
void ReadChannels(const BmpBytes& in, uint32_t headerSize, BmpLayout& layout) {
  const bool bitfields =
      layout.Compression == BmpCompression::Bitfields || layout.Compression == BmpCompression::AlphaBitfields;
  std::array<uint32_t, 4> masks{};
  bool alphaGiven = false;
  if (!bitfields) {
    masks = layout.BitCount == 16 ? std::array<uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                  : std::array<uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0};
  } else {
    // A 40-byte header is followed by three masks (four with alpha); larger headers hold them.
    const size_t count = headerSize > 40 ? (headerSize >= 56 ? 4 : 3)
                                         : (layout.Compression == BmpCompression::AlphaBitfields ? 4 : 3);
    const size_t at = kInfoAt + 40;
    if (!in.Has(at, 4 * count)) throw BmpRefusal("the colour masks end early");
    for (size_t i = 0; i < count; ++i) masks[i] = in.U32(at + 4 * i);
    alphaGiven = count == 4;
  }
  const char* names[] = {"red", "green", "blue", "alpha"};
  for (size_t i = 0; i < 3; ++i) {
    layout.Channels[i] = ChannelOf(masks[i], names[i], layout.BitCount);
    if (layout.Channels[i].Bits == 0) throw BmpRefusal(std::string("the ") + names[i] + " mask is empty");
  }
  // Without an alpha mask, the byte 32-bit pixels leave free holds alpha.
  if (!alphaGiven && layout.BitCount == 32 && ((masks[0] | masks[1] | masks[2]) & 0xFF000000u) == 0)
    masks[3] = 0xFF000000u;
  layout.Channels[3] = ChannelOf(masks[3], names[3], layout.BitCount);
  layout.AlphaChannel = layout.Channels[3].Bits != 0;
}

void ReadPalette(const BmpBytes& in, size_t at, size_t entrySize, uint32_t coloursUsed, BmpLayout& layout) {
  const uint32_t most = uint32_t{1} << layout.BitCount;
  const uint32_t count = coloursUsed == 0 || coloursUsed > most ? most : coloursUsed;
  if (!in.Has(at, count * entrySize)) throw BmpRefusal("the palette ends early");
  layout.Palette.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t e = at + i * entrySize;
    layout.Palette.push_back(MakePixel(in.U8(e + 2), in.U8(e + 1), in.U8(e)));
  }
}

}  // namespace

BmpLayout ReadBmpLayout(std::span<const uint8_t> bytes) {
  const BmpBytes in(bytes);
  if (!in.Has(0, kFileHeaderSize) || bytes[0] != 'B' || bytes[1] != 'M') throw BmpRefusal("not a BMP file");
  if (!in.Has(kInfoAt, 4)) throw BmpRefusal("the information header ends early");
  const uint32_t headerSize = in.U32(kInfoAt);
  if (!KnownHeaderSize(headerSize)) throw BmpRefusal("header size " + std::to_string(headerSize) + " is not supported");
  if (!in.Has(kInfoAt, headerSize)) throw BmpRefusal("the information header ends early");

  BmpLayout layout;
  const bool core = headerSize == 12;
  int64_t width = 0, height = 0;
  uint32_t coloursUsed = 0;
  if (core) {
    width = in.U16(kInfoAt + 4);
    height = in.U16(kInfoAt + 6);
    layout.BitCount = in.U16(kInfoAt + 10);
  } else {
    width = in.I32(kInfoAt + 4);
    height = in.I32(kInfoAt + 8);
    layout.BitCount = in.U16(kInfoAt + 14);
    layout.Compression = static_cast<BmpCompression>(in.U32(kInfoAt + 16));
    coloursUsed = in.U32(kInfoAt + 32);
  }
  const int bits = layout.BitCount;
  const bool bitsKnown = bits == 1 || bits == 4 || bits == 8 || bits == 24 || (!core && (bits == 16 || bits == 32));
  if (!bitsKnown) throw BmpRefusal(std::to_string(bits) + " bits a pixel are not supported");
  if (!CompressionFits(layout.Compression, bits))
    throw BmpRefusal("compression " + std::to_string(static_cast<uint32_t>(layout.Compression)) +
                     " is not supported for " + std::to_string(bits) + " bits a pixel");
  layout.TopDown = height < 0;
  if (layout.TopDown) height = -height;
  if (!ImageSizeAllowed(width, height))
    throw BmpRefusal("the size " + std::to_string(width) + " x " + std::to_string(height) + " is not allowed");
  layout.Width = static_cast<int>(width);
  layout.Height = static_cast<int>(height);
  const bool compressed = layout.Compression == BmpCompression::Rle8 || layout.Compression == BmpCompression::Rle4;
  if (compressed && layout.TopDown) throw BmpRefusal("compressed pixel data cannot be stored top-down");

  if (bits <= 8) {
    // The palette follows the header (and the masks that may follow a 40-byte one).
    ReadPalette(in, kInfoAt + headerSize, core ? 3 : 4, coloursUsed, layout);
  } else if (bits == 16 || bits == 32) {
    ReadChannels(in, headerSize, layout);
  }
  const size_t dataAt = in.U32(10);
  if (dataAt > in.Size()) throw BmpRefusal("the pixel data starts past the end of the file");
  layout.Data = in.From(dataAt);
  if (!compressed) {
    // The last row may lack its padding; every pixel must be there.
    const size_t needed = BmpStride(layout.Width, bits) * static_cast<size_t>(layout.Height - 1) +
                          (static_cast<size_t>(layout.Width) * static_cast<size_t>(bits) + 7) / 8;
    if (layout.Data.size() < needed) throw BmpRefusal("the pixel data ends early");
  }
  return layout;
}
