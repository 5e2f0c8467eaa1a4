#include <png.h>

#include <cstdio>
#include <memory>

#include "tools/skinart/SkinArt.h"

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool WritePng(FILE* file, const PixelImage& picture) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<png_byte> rows(static_cast<size_t>(picture.width()) * picture.height() * 4);
  std::vector<png_bytep> rowPointers(static_cast<size_t>(picture.height()));
  for (int y = 0; y < picture.height(); ++y) {
    rowPointers[static_cast<size_t>(y)] = rows.data() + static_cast<size_t>(y) * picture.width() * 4;
    for (int x = 0; x < picture.width(); ++x) {
      const uint32_t p = picture.at(x, y);
      png_bytep out = rowPointers[static_cast<size_t>(y)] + x * 4;
      out[0] = static_cast<png_byte>(PixelR(p)), out[1] = static_cast<png_byte>(PixelG(p));
      out[2] = static_cast<png_byte>(PixelB(p)), out[3] = static_cast<png_byte>(PixelA(p));
    }
  }
  bool ok = false;
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width()), static_cast<png_uint_32>(picture.height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    ok = true;
  }
  png_destroy_write_struct(&png, &info);
  return ok;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 2; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
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
  const bool written = bmp ? WriteBmp(file.get(), picture) : WritePng(file.get(), picture);
  return std::fclose(file.release()) == 0 && written;
}
