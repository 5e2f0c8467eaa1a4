#pragma once
// The parts of a BMP file the pixel readers need, read from its headers and checked
// against the bytes that are there (used by the BMP reader only).
#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// A file the BMP reader refuses; the text says why.
class BmpRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class BmpCompression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3, AlphaBitfields = 6 };

// One colour channel of a 16- or 32-bit pixel.
struct BmpChannel {
  uint32_t Mask = 0;
  int Shift = 0;  // of the mask's lowest bit
  int Bits = 0;   // width of the mask; 0: the channel is absent
};

struct BmpLayout {
  int Width = 0;
  int Height = 0;  // rows, whichever way they are stored
  bool TopDown = false;
  int BitCount = 0;
  BmpCompression Compression = BmpCompression::Rgb;
  std::vector<uint32_t> Palette;       // opaque pixels; only for 1, 4 and 8 bits
  std::array<BmpChannel, 4> Channels;  // red, green, blue, alpha; only for 16 and 32 bits
  // The alpha channel counts only when some pixel has alpha above 0: many files leave the
  // fourth byte 0 in pictures without alpha.
  bool AlphaChannel = false;
  std::span<const uint8_t> Data;  // from the pixel data to the end of the file
};

// Throws BmpRefusal for a file it cannot read.
BmpLayout ReadBmpLayout(std::span<const uint8_t> bytes);

// Row stride of uncompressed pixel data: whole 32-bit words.
inline size_t BmpStride(int width, int bitCount) {
  return (static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32 * 4;
}
