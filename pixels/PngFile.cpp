#include "pixels/PngFile.h"

#include <zlib.h>

#include <array>
#include <string_view>

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

}  // namespace

std::vector<uint8_t> PngFromPicture(const PixelBuffer& picture) {
  const int w = picture.empty() ? 0 : picture.width, h = picture.empty() ? 0 : picture.height;
  // Rows of RGBA, each after a filter byte 0 (none).
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(h) * (static_cast<size_t>(w) * 4 + 1));
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = picture.at(x, y);
      raw.insert(raw.end(), {static_cast<uint8_t>(PixelR(p)), static_cast<uint8_t>(PixelG(p)),
                             static_cast<uint8_t>(PixelB(p)), static_cast<uint8_t>(PixelA(p))});
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
    return {};
  packed.resize(packedSize);

  std::vector<uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> header;
  Put32(header, static_cast<uint32_t>(w));
  Put32(header, static_cast<uint32_t>(h));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}
