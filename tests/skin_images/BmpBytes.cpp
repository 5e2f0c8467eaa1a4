#include "tests/skin_images/BmpBytes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/acZLibEx.h"

namespace {
uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t{b[at + 3]} << 24;
}
}  // namespace

std::vector<uint8_t> FixtureBytes(const std::string& file) {
  const auto bytes = ReadFileBytes(std::filesystem::path("bmp") / file);
  if (!bytes) ADD_FAILURE() << "missing fixture bmp/" << file;
  return bytes.value_or(std::vector<uint8_t>{});
}

PixelImage RgbaFixture(const std::string& name, int width, int height) {
  const std::vector<uint8_t> rgba = FixtureBytes(name + ".rgba");
  PixelImage image(width, height);
  if (rgba.size() != static_cast<size_t>(width) * height * 4) {
    ADD_FAILURE() << name << ".rgba holds " << rgba.size() << " bytes";
    return image;
  }
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
      image.at(x, y) = MakePixel(p[0], p[1], p[2], p[3]);
    }
  return image;
}

BmpFacts FactsOf(const std::vector<uint8_t>& bmp) {
  if (bmp.size() < 34) return {};
  const uint32_t size = Get32(bmp, 14);
  if (size == 12) return {size, bmp[24] | bmp[25] << 8, 0};
  return {size, bmp[kBitCountAt] | bmp[kBitCountAt + 1] << 8, Get32(bmp, kCompressionAt)};
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

std::vector<uint8_t> WithSmallerHeader(const std::vector<uint8_t>& v5, uint32_t declared, uint32_t kept,
                                       std::optional<uint32_t> compression) {
  constexpr size_t kV5End = 14 + 124;
  if (v5.size() < kV5End || Get32(v5, 14) != 124) {
    ADD_FAILURE() << "not a file with a 124-byte header";
    return {};
  }
  std::vector<uint8_t> out(v5.begin(), v5.begin() + 14 + kept);
  out.insert(out.end(), v5.begin() + kV5End, v5.end());
  Put32(out, 2, static_cast<uint32_t>(out.size()));
  Put32(out, 10, Get32(v5, 10) - (124 - kept));
  Put32(out, 14, declared);
  if (compression) Put32(out, kCompressionAt, *compression);
  return out;
}

std::vector<uint8_t> TopDown(const std::vector<uint8_t>& bmp) {
  const auto width = static_cast<int32_t>(Get32(bmp, kWidthAt)), height = static_cast<int32_t>(Get32(bmp, kHeightAt));
  const size_t stride = (static_cast<size_t>(width) * FactsOf(bmp).BitCount + 31) / 32 * 4;
  const size_t start = Get32(bmp, 10);
  std::vector<uint8_t> out = bmp;
  if (height <= 0 || start + stride * height > bmp.size()) {
    ADD_FAILURE() << "not an uncompressed bottom-up file";
    return out;
  }
  for (int32_t y = 0; y < height; ++y)
    std::copy_n(bmp.begin() + static_cast<long>(start + stride * y), stride,
                out.begin() + static_cast<long>(start + stride * (height - 1 - y)));
  Put32(out, kHeightAt, static_cast<uint32_t>(-height));
  return out;
}

std::vector<uint8_t> HandMadeBmp(int width, int height, int bitCount, uint32_t compression,
                                 const std::vector<uint32_t>& palette, const std::vector<uint8_t>& data) {
  const size_t dataAt = 14 + 40 + 4 * palette.size();
  std::vector<uint8_t> out(dataAt, 0);
  out[0] = 'B', out[1] = 'M';
  Put32(out, 2, static_cast<uint32_t>(dataAt + data.size()));
  Put32(out, 10, static_cast<uint32_t>(dataAt));
  Put32(out, 14, 40);
  Put32(out, kWidthAt, static_cast<uint32_t>(width));
  Put32(out, kHeightAt, static_cast<uint32_t>(height));
  Put16(out, 26, 1);
  Put16(out, kBitCountAt, static_cast<uint16_t>(bitCount));
  Put32(out, kCompressionAt, compression);
  Put32(out, 34, static_cast<uint32_t>(data.size()));
  Put32(out, kColoursUsedAt, static_cast<uint32_t>(palette.size()));
  for (size_t i = 0; i < palette.size(); ++i) Put32(out, 54 + 4 * i, palette[i]);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}
