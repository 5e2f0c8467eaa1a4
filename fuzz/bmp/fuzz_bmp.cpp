// Any bytes handed to the BMP reader: a picture or a refusal with its reason, never a
// crash, a hang or an allocation larger than the size limits allow.
#include <cstdlib>

#include "skin/data/acBmpReader.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TacBmpReadResult result = ReadBmp({data, size});
  Check(result.Image.has_value() == result.Error.empty());
  if (result.Image) {
    const PixelImage& pixels = result.Image->Pixels;
    Check(ImageSizeAllowed(pixels.width(), pixels.height()));
    Check(result.Image->Format == TacImageFormat::Bmp);
  }
  return 0;
}
