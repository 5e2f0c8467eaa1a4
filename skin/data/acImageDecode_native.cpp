// PNG through libpng and JPEG through the IJG API of libjpeg. Both libraries report
// errors by longjmp, so the code between setjmp and the end of a read touches only
// objects that were complete before setjmp.
#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

#include "skin/data/acImageDecode.h"

namespace {

struct PngInput {
  std::span<const uint8_t> bytes;
  size_t pos = 0;
};

void ReadPngBytes(png_structp png, png_bytep out, png_size_t count) {
  auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
  if (count > in->bytes.size() - in->pos) png_error(png, "truncated");
  std::copy_n(in->bytes.data() + in->pos, count, out);
  in->pos += count;
}

void IgnorePngWarning(png_structp, png_const_charp) {}
void QuietPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Straight 8-bit BGRA whatever the file holds; no gamma correction, as on Windows.
bool ReadPngPixels(png_structp png, png_infop info, PixelImage* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  if (!ImageSizeAllowed(width, height)) return false;
  const int colorType = png_get_color_type(png, info);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  png_set_scale_16(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != width * 4) return false;
  out->resize(static_cast<int>(width), static_cast<int>(height));
  const PixelBuffer v = out->view();
  for (int pass = 0; pass < passes; ++pass)
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, reinterpret_cast<png_bytep>(v.row(static_cast<int>(y))), nullptr);
  png_read_end(png, nullptr);
  return true;
}

struct JpegErrorTrap {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegErrorTrap*>(cinfo->err)->jump, 1); }
void JpegSilentMessage(j_common_ptr) {}

bool ReadJpegPixels(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap, std::span<const uint8_t> bytes, PixelImage* out) {
  if (setjmp(trap->jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(cinfo, TRUE);
  if (!ImageSizeAllowed(cinfo->image_width, cinfo->image_height)) return false;
  cinfo->out_color_space = JCS_RGB;
  cinfo->dct_method = JDCT_IFAST;  // the fastest decoding is good enough for skin images
  cinfo->do_fancy_upsampling = FALSE;
  jpeg_start_decompress(cinfo);
  if (cinfo->output_components != 3) return false;
  out->resize(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height));
  JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, cinfo->output_width * 3, 1);
  const PixelBuffer v = out->view();
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    if (jpeg_read_scanlines(cinfo, row, 1) != 1) return false;
    for (int x = 0; x < v.width; ++x) v.at(x, y) = MakePixel(row[0][3 * x], row[0][3 * x + 1], row[0][3 * x + 2]);
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

}  // namespace

std::optional<TacDecodedImage> DecodePng(std::span<const uint8_t> bytes) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietPngError, IgnorePngWarning);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  PngInput input{bytes, 0};
  TacDecodedImage out;
  bool ok = false;
  if (info != nullptr) {
    png_set_read_fn(png, &input, ReadPngBytes);
    ok = ReadPngPixels(png, info, &out.Pixels);
  }
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (!ok) return std::nullopt;
  out.Format = TacImageFormat::Png;
  out.HasAlpha = true;
  return out;
}

std::optional<TacDecodedImage> DecodeJpeg(std::span<const uint8_t> bytes) {
  jpeg_decompress_struct cinfo{};
  JpegErrorTrap trap{};
  cinfo.err = jpeg_std_error(&trap.mgr);
  trap.mgr.error_exit = JpegErrorExit;
  trap.mgr.output_message = JpegSilentMessage;
  TacDecodedImage out;
  const bool ok = ReadJpegPixels(&cinfo, &trap, bytes, &out.Pixels);
  jpeg_destroy_decompress(&cinfo);
  if (!ok) return std::nullopt;
  out.Format = TacImageFormat::Jpeg;
  return out;
}
