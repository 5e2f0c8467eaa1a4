#include <cstdio>
#include <memory>

#include "pixels/PngFile.h"
#include "tools/skinart/SkinArt.h"

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 2; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

bool WritePng(FILE* file, const PixelBuffer& picture) {
  const std::vector<uint8_t> png = PngFromPicture(picture);
  return !png.empty() && std::fwrite(png.data(), 1, png.size(), file) == png.size();
}

// A bottom-up 24-bit BMP with rows padded to four bytes.
bool WriteBmp(FILE* file, const PixelImage& picture) {
  const uint32_t rowBytes = (static_cast<uint32_t>(picture.width()) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(picture.height());
  std::vector<uint8_t> out;
  out.push_back('B'), out.push_back('M');
  Put32(out, 54 + imageBytes), Put32(out, 0), Put32(out, 54);
  Put32(out, 40), Put32(out, static_cast<uint32_t>(picture.width())), Put32(out, static_cast<uint32_t>(picture.height()));
  Put16(out, 1), Put16(out, 24), Put32(out, 0), Put32(out, imageBytes);
  Put32(out, 3780), Put32(out, 3780), Put32(out, 0), Put32(out, 0);  // 96 PPI
  for (int y = picture.height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width(); ++x) {
      const uint32_t p = picture.at(x, y);
      out.push_back(static_cast<uint8_t>(PixelB(p))), out.push_back(static_cast<uint8_t>(PixelG(p)));
      out.push_back(static_cast<uint8_t>(PixelR(p)));
    }
    out.resize(out.size() + (rowBytes - static_cast<uint32_t>(picture.width()) * 3), 0);
  }
  return std::fwrite(out.data(), 1, out.size(), file) == out.size();
}

}  // namespace

bool WritePicture(const std::string& path, const PixelImage& picture) {
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  const bool bmp = path.size() >= 4 && (path.ends_with(".BMP") || path.ends_with(".bmp"));
  const bool written = bmp ? WriteBmp(file.get(), picture) : WritePng(file.get(), picture.view());
  return std::fclose(file.release()) == 0 && written;
}
