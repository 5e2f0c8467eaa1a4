#include "tests/support/ImageWriters.h"

#include <zlib.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string_view>

namespace {

void Put32BE(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}
void Put32LE(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 0; s < 32; s += 8) out.push_back(static_cast<uint8_t>(v >> s));
}
void Put16LE(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Chunk(std::vector<uint8_t>& png, std::string_view type, const std::vector<uint8_t>& data) {
  Put32BE(png, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type.begin(), type.end());
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  Put32BE(png, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

}  // namespace

std::vector<uint8_t> EncodePng(const PixelImage& image, PngKind kind) {
  std::map<uint32_t, uint8_t> palette;
  if (kind == PngKind::Palette)
    for (uint32_t p : image.data())
      if (!palette.contains(p)) {
        if (palette.size() == 256) throw std::invalid_argument("more than 256 colours");
        palette.emplace(p, static_cast<uint8_t>(palette.size()));
      }
  std::vector<uint8_t> raw;
  for (int y = 0; y < image.height(); ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < image.width(); ++x) {
      const uint32_t p = image.at(x, y);
      const uint8_t r = PixelR(p), g = PixelG(p), b = PixelB(p), a = PixelA(p);
      switch (kind) {
        case PngKind::Rgba: raw.insert(raw.end(), {r, g, b, a}); break;
        case PngKind::Rgb: raw.insert(raw.end(), {r, g, b}); break;
        case PngKind::Gray: raw.push_back(r); break;
        case PngKind::GrayAlpha: raw.insert(raw.end(), {r, a}); break;
        case PngKind::Palette: raw.push_back(palette.at(p)); break;
      }
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
  packed.resize(packedSize);

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> ihdr;
  Put32BE(ihdr, static_cast<uint32_t>(image.width()));
  Put32BE(ihdr, static_cast<uint32_t>(image.height()));
  const uint8_t colorType = kind == PngKind::Rgba ? 6 : kind == PngKind::Rgb ? 2 : kind == PngKind::Gray ? 0
                            : kind == PngKind::GrayAlpha ? 4 : 3;
  ihdr.insert(ihdr.end(), {8, colorType, 0, 0, 0});
  Chunk(png, "IHDR", ihdr);
  if (kind == PngKind::Palette) {
    std::vector<uint8_t> plte(palette.size() * 3), trns(palette.size());
    bool anyAlpha = false;
    for (const auto& [p, i] : palette) {
      plte[i * 3] = PixelR(p), plte[i * 3 + 1] = PixelG(p), plte[i * 3 + 2] = PixelB(p);
      trns[i] = PixelA(p);
      anyAlpha |= PixelA(p) != 255;
    }
    Chunk(png, "PLTE", plte);
    if (anyAlpha) Chunk(png, "tRNS", trns);
  }
  Chunk(png, "IDAT", packed);
  Chunk(png, "IEND", {});
  return png;
}

namespace {

std::vector<uint8_t> EncodeIndexedBmp(const PixelImage& image) {
  std::map<uint32_t, uint8_t> index;
  std::vector<uint32_t> palette;
  for (uint32_t p : image.data())
    if (!index.contains(p)) {
      if (palette.size() == 256) throw std::invalid_argument("more than 256 colours");
      index.emplace(p, static_cast<uint8_t>(palette.size()));
      palette.push_back(p);
    }
  const uint32_t stride = (static_cast<uint32_t>(image.width()) + 3) & ~3u;
  const uint32_t dataOffset = 14 + 40 + 4 * static_cast<uint32_t>(palette.size());
  std::vector<uint8_t> bmp = {'B', 'M'};
  Put32LE(bmp, dataOffset + stride * image.height());
  Put32LE(bmp, 0);
  Put32LE(bmp, dataOffset);
  Put32LE(bmp, 40);
  Put32LE(bmp, static_cast<uint32_t>(image.width()));
  Put32LE(bmp, static_cast<uint32_t>(image.height()));
  Put16LE(bmp, 1);
  Put16LE(bmp, 8);
  Put32LE(bmp, 0);  // BI_RGB
  Put32LE(bmp, stride * image.height());
  Put32LE(bmp, 2835);
  Put32LE(bmp, 2835);
  Put32LE(bmp, static_cast<uint32_t>(palette.size()));
  Put32LE(bmp, 0);
  for (uint32_t p : palette) Put32LE(bmp, p & 0xFFFFFF);
  for (int y = image.height() - 1; y >= 0; --y) {
    const size_t start = bmp.size();
    for (int x = 0; x < image.width(); ++x) bmp.push_back(index.at(image.at(x, y)));
    bmp.resize(start + stride, 0);
  }
  return bmp;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const PixelImage& image, BmpKind kind) {
  if (kind == BmpKind::Indexed8) return EncodeIndexedBmp(image);
  const bool rgb24 = kind == BmpKind::Rgb24, v5 = kind == BmpKind::Bgra32Bitfields;
  const uint32_t headerSize = v5 ? 124 : 40;
  const uint32_t stride = rgb24 ? (image.width() * 3 + 3) & ~3u : image.width() * 4;
  const uint32_t dataOffset = 14 + headerSize;
  std::vector<uint8_t> bmp = {'B', 'M'};
  Put32LE(bmp, dataOffset + stride * image.height());
  Put32LE(bmp, 0);
  Put32LE(bmp, dataOffset);
  Put32LE(bmp, headerSize);
  Put32LE(bmp, static_cast<uint32_t>(image.width()));
  Put32LE(bmp, static_cast<uint32_t>(kind == BmpKind::Bgra32TopDown ? -image.height() : image.height()));
  Put16LE(bmp, 1);
  Put16LE(bmp, rgb24 ? 24 : 32);
  Put32LE(bmp, v5 ? 3 : 0);  // compression
  Put32LE(bmp, stride * image.height());
  for (int i = 0; i < 4; ++i) Put32LE(bmp, i < 2 ? 2835 : 0);  // resolution, colours
  if (v5) {
    for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) Put32LE(bmp, mask);
    Put32LE(bmp, 0x73524742);  // 'sRGB'
    bmp.resize(14 + headerSize, 0);
  }
  for (int row = 0; row < image.height(); ++row) {
    const int y = kind == BmpKind::Bgra32TopDown ? row : image.height() - 1 - row;
    const size_t start = bmp.size();
    for (int x = 0; x < image.width(); ++x) {
      const uint32_t p = image.at(x, y);
      bmp.insert(bmp.end(), {static_cast<uint8_t>(PixelB(p)), static_cast<uint8_t>(PixelG(p)), static_cast<uint8_t>(PixelR(p))});
      if (!rgb24) bmp.push_back(static_cast<uint8_t>(PixelA(p)));
    }
    bmp.resize(start + stride, 0);
  }
  return bmp;
}

std::vector<uint8_t> SolidJpeg8x8() {
  // Written once by libjpeg (quality 95, 4:2:0) from an 8 x 8 picture of 0x3366CC.
  static const uint8_t kJpeg[] = {
      0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
      0x00, 0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02,
      0x01, 0x01, 0x01, 0x02, 0x02, 0x02, 0x02, 0x02, 0x04, 0x03, 0x02, 0x02, 0x02, 0x02, 0x05, 0x04,
      0x04, 0x03, 0x04, 0x06, 0x05, 0x06, 0x06, 0x06, 0x05, 0x06, 0x06, 0x06, 0x07, 0x09, 0x08, 0x06,
      0x07, 0x09, 0x07, 0x06, 0x06, 0x08, 0x0B, 0x08, 0x09, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x06, 0x08,
      0x0B, 0x0C, 0x0B, 0x0A, 0x0C, 0x09, 0x0A, 0x0A, 0x0A, 0xFF, 0xDB, 0x00, 0x43, 0x01, 0x02, 0x02,
      0x02, 0x02, 0x02, 0x02, 0x05, 0x03, 0x03, 0x05, 0x0A, 0x07, 0x06, 0x07, 0x0A, 0x0A, 0x0A, 0x0A,
      0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A,
      0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A,
      0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0xFF, 0xC0,
      0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x08, 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
      0x01, 0xFF, 0xC4, 0x00, 0x15, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0xFF, 0xC4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xC4,
      0x00, 0x14, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x08, 0xFF, 0xC4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xDA, 0x00, 0x0C, 0x03, 0x01,
      0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3F, 0x00, 0x83, 0x80, 0x78, 0x0E, 0xEF, 0xFF, 0xD9
  };
  return {std::begin(kJpeg), std::end(kJpeg)};
}
