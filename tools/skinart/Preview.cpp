#include "tools/skinart/Preview.h"

#include <cmath>

#include "tools/skinart/Painters.h"

namespace {

// The 96-PPI element of a section, resized to how the window shows it.
ElementSpec SpecOf(const SkinLayout& layout, std::string_view section, std::string_view key, int w, int h) {
  for (const auto& e : layout.Elements())
    if (e.Spec.Section == section && e.Spec.Key == key) {
      ElementSpec spec = e.Spec;
      spec.StateWidth = w, spec.StateHeight = h;
      return spec;
    }
  throw LayoutError("the preview needs [" + std::string(section) + "] " + std::string(key));
}

void Stamp(PixelImage& target, const Layer& layer, int x0, int y0) {
  for (int y = 0; y < layer.height(); ++y)
    for (int x = 0; x < layer.width(); ++x) {
      const int tx = x0 + x, ty = y0 + y;
      if (tx < 0 || ty < 0 || tx >= target.width() || ty >= target.height()) continue;
      const Layer::Pixel& p = layer.at(x, y);
      const uint32_t d = target.at(tx, ty);
      const auto mix = [&](double s, uint32_t dst) {
        return static_cast<uint32_t>(std::lround(s * 255 * p.a + dst * (1 - p.a)));
      };
      target.at(tx, ty) = MakePixel(mix(p.r, PixelR(d)), mix(p.g, PixelG(d)), mix(p.b, PixelB(d)));
    }
}

void StampState(PixelImage& target, const std::vector<Layer>& states, int state, int x, int y) {
  Stamp(target, states.at(static_cast<size_t>(state)), x, y);
}

Layer Solid(int w, int h, Rgb colour) {
  Layer layer(w, h);
  layer.FillRect(0, 0, w, h, colour);
  return layer;
}

}  // namespace

PixelImage DrawPreview(const SkinLayout& layout) {
  PixelImage picture(kPreviewWidth, kPreviewHeight, MakePixel(0xE4, 0xE7, 0xEB));
  const int wx = 22, wy = 14, ww = 236, wh = 164, title = 30;

  ElementSpec shadow = SpecOf(layout, "GLOBALINFO", "EXBORDER", 0, 0);
  shadow.StateWidth = shadow.WL + ww + shadow.WR, shadow.StateHeight = shadow.WT + wh + shadow.WB;
  shadow.ImageCount = 2;
  StampState(picture, PaintWindowShadow(shadow), 1, wx - shadow.WL, wy - shadow.WT);

  const ElementSpec form = SpecOf(layout, "FORM", "BORDERSMASK", ww, wh);
  const ElementSpec band = SpecOf(layout, "FORMTITLE", "BORDERSMASK", ww, title);
  Stamp(picture, Solid(ww, wh, form.Face(1)), wx, wy);
  StampState(picture, PaintWindowFrames(form), 1, wx, wy);
  Stamp(picture, Solid(ww, title, band.Face(1)), wx, wy);
  StampState(picture, PaintTitleFrames(band), 1, wx, wy);
  StampState(picture, PaintCloseButton(SpecOf(layout, "GLOBALINFO", "BICONCLOSE", 46, 28)), 1, wx + ww - 47, wy + 1);
  StampState(picture, PaintMinimizeButton(SpecOf(layout, "GLOBALINFO", "BICONMIN", 46, 28)), 0, wx + ww - 93, wy + 1);

  const auto buttons = PaintButtonFaces(SpecOf(layout, "SPEEDBUTTON", "BORDERSMASK", 66, 22));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      StampState(picture, buttons, row == 1 && col < 2 ? col + 1 : 0, wx + 12 + col * 74, wy + title + 14 + row * 30);

  const auto on = PaintSwitchTrackOn(SpecOf(layout, "SLIDER_ON", "BORDERSMASK", 33, 15));
  const auto off = PaintSwitchTrackOff(SpecOf(layout, "SLIDER_OFF", "BORDERSMASK", 33, 15));
  const auto thumbOn = PaintSwitchThumbOn(SpecOf(layout, "THUMB_ON", "BORDERSMASK", 13, 13));
  const auto thumbOff = PaintSwitchThumbOff(SpecOf(layout, "THUMB_OFF", "BORDERSMASK", 13, 13));
  const int sy = wy + wh - 30;
  StampState(picture, on, 0, wx + 12, sy);
  StampState(picture, thumbOn, 0, wx + 13, sy + 1);
  StampState(picture, off, 0, wx + 56, sy);
  StampState(picture, thumbOff, 0, wx + 56 + 19, sy + 1);
  StampState(picture, PaintButtonFaces(SpecOf(layout, "BUTTON", "BORDERSMASK", 75, 25)), 1, wx + ww - 87, sy - 5);
  return picture;
}
