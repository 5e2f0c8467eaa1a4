#include "tools/skinart/Preview.h"

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"
#include "skin/paint/acNineSlice.h"
#include "skin/paint/sGraphUtils.h"
#include "tools/skinart/Element.h"

namespace {

class PreviewCanvas {
 public:
  explicit PreviewCanvas(const TacSkinData& data) : data_(data), picture_(kPreviewWidth, kPreviewHeight, MakePixel(0xE4, 0xE7, 0xEB)) {}

  // A control of the section in a state, over what is painted already.
  void Section(std::string_view name, int state, TRect r) {
    TacElementOwnerData owner;
    owner.Data = &data_;
    owner.Index = data_.GetSkinIndex(name);
    owner.Parent = true;
    if (owner.Index < 0) throw LayoutError("the preview needs the section " + std::string(name));
    const PixelImage parent = picture_;
    PixelImage control(r.Width(), r.Height(), 0);
    PaintElement(owner, MakeCacheInfo(parent.view()), state, control.view(), {r.Left, r.Top},
                 {0, 0, r.Width(), r.Height()}, true);
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x)
        if (picture_.view().contains(r.Left + x, r.Top + y)) picture_.at(r.Left + x, r.Top + y) = control.at(x, y) | 0xFF000000;
  }

  void Glyph(int maskIndex, int state, TPoint at) {
    const PixelImage parent = picture_;
    DrawMaskImage(picture_.view(), at, state, MakeCacheInfo(parent.view()), MaskImageOf(data_, maskIndex));
  }

  // The window shadow: the extended border picture's margins around the window.
  void Shadow(TRect window) {
    const TRect& reach = data_.FormShadowSize;
    const PixelImage parent = picture_;
    PaintNineSlice(picture_.view(),
                   {window.Left - reach.Left, window.Top - reach.Top, window.Right + reach.Right, window.Bottom + reach.Bottom},
                   MakeCacheInfo(parent.view()), MaskImageOf(data_, data_.ExBorder), 1, false);
  }

  PixelImage Take() { return std::move(picture_); }

 private:
  const TacSkinData& data_;
  PixelImage picture_;
};

}  // namespace

PixelImage DrawPreview(const std::filesystem::path& skinFolder) {
  const auto skin = TacSkinFiles::FromFolder(skinFolder);
  skin->MutableSettings().ExtendedBorders = true;
  TacSkinData data(skin.get(), 96);
  data.Init();
  PreviewCanvas canvas(data);

  const TRect window{22, 14, 258, 184};
  canvas.Shadow(window);
  canvas.Section("FORM", 1, window);
  canvas.Section("FORMTITLE", 1, {window.Left, window.Top, window.Right, window.Top + data.ExTitleHeight});
  const TsMaskData& close = data.ma[static_cast<size_t>(data.TitleGlyphs[1])];
  const int buttonTop = window.Top + 1, right = window.Right - 1;
  canvas.Glyph(data.TitleGlyphs[1], 1, {right - close.Width, buttonTop});
  canvas.Glyph(data.TitleGlyphs[3], 0, {right - 3 * close.Width, buttonTop});
  canvas.Glyph(data.TitleGlyphs[2], 0, {right - 2 * close.Width, buttonTop});

  const int top = window.Top + data.ExTitleHeight + 14;
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const int state = row == 1 && col < 2 ? col + 1 : 0;  // one hot and one pressed button
      canvas.Section("SPEEDBUTTON", state, TRect::FromSize(window.Left + 12 + col * 74, top + row * 30, 66, 22));
    }
  const int switchTop = window.Bottom - 30, thumb = 15 - 2 * data.SliderMargin;
  canvas.Section("SLIDER_ON", 0, TRect::FromSize(window.Left + 12, switchTop, 33, 15));
  canvas.Section("THUMB_ON", 0, TRect::FromSize(window.Left + 12 + data.SliderMargin, switchTop + data.SliderMargin, thumb, thumb));
  canvas.Section("SLIDER_OFF", 0, TRect::FromSize(window.Left + 56, switchTop, 33, 15));
  canvas.Section("THUMB_OFF", 0,
                 TRect::FromSize(window.Left + 56 + 33 - thumb - data.SliderMargin, switchTop + data.SliderMargin, thumb, thumb));
  canvas.Section("BUTTON", 1, TRect::FromSize(window.Right - 87, switchTop - 5, 75, 25));
  return canvas.Take();
}
