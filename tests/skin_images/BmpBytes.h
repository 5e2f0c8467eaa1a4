#pragma once
// The BMP fixture files made at build time (bmp/ beside the test programs) and the
// variants the tests derive from them by rewriting their headers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pixels/PixelBuffer.h"

// The bytes of bmp/<file>; a test failure and an empty vector when it cannot be read.
std::vector<uint8_t> FixtureBytes(const std::string& file);
// bmp/<name>.rgba (raw 8-bit RGBA rows, top-down) as pixels.
PixelImage RgbaFixture(const std::string& name, int width, int height);

// What a file's headers say.
struct BmpFacts {
  uint32_t HeaderSize = 0;
  int BitCount = 0;
  uint32_t Compression = 0;
};
BmpFacts FactsOf(const std::vector<uint8_t>& bmp);

// Header fields at their file offsets (info headers of 40 bytes or more).
inline constexpr size_t kWidthAt = 18, kHeightAt = 22, kBitCountAt = 28, kCompressionAt = 30, kColoursUsedAt = 46;
inline constexpr size_t kMasksAt = 54;  // red, green, blue, alpha
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);

// A file with a 124-byte header rewritten with a smaller one: the header declares
// `declared` bytes and `kept` bytes of the old one stay (more than declared: the masks
// that follow a 40-byte header); `compression` replaces the old value when given.
std::vector<uint8_t> WithSmallerHeader(const std::vector<uint8_t>& v5, uint32_t declared, uint32_t kept,
                                       std::optional<uint32_t> compression = std::nullopt);
// An uncompressed bottom-up file with an info header stored top-down: rows reversed,
// negative height.
std::vector<uint8_t> TopDown(const std::vector<uint8_t>& bmp);

// A bottom-up file with a 40-byte header: the palette (0x00RRGGBB colours) and the pixel
// data as given.
std::vector<uint8_t> HandMadeBmp(int width, int height, int bitCount, uint32_t compression,
                                 const std::vector<uint32_t>& palette, const std::vector<uint8_t>& data);
