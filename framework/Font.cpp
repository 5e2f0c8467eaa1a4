#include "framework/Font.h"

#include "framework/Dpi.h"

namespace marv {

Font& Font::operator=(const Font& other) {
  if (this != &other) {
    face_ = other.face_;
    height_ = other.height_;
    charset_ = other.charset_;
    color_ = other.color_;
    handle_.reset();
    handleDpi_ = 0;
  }
  return *this;
}

int Font::HeightAt(int dpi) const { return ScaleToDpi(height_, dpi); }

HFONT Font::Handle(int dpi) const {
  if (!handle_ || handleDpi_ != dpi) {
    LOGFONTW lf{};
    lf.lfHeight = HeightAt(dpi);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    face_.copy(lf.lfFaceName, LF_FACESIZE - 1);
    handle_.reset(CreateFontIndirectW(&lf));
    handleDpi_ = dpi;
  }
  return handle_.get();
}

}  // namespace marv
