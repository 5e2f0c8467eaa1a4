// Faces: a rounded rectangle with an optional border, one per state.
#include <cmath>
#include <optional>

#include "tools/skinart/Painters.h"
#include "tools/skinart/Palette.h"

namespace {

struct FaceStyle {
  double Radius = 0;  // at 96 PPI
  double Inset = 0;   // empty margin around the face, at 96 PPI
  std::array<std::optional<Rgb>, 3> Border;  // per state; none: the face has no border
  bool Filled = true;                        // false: only the border is drawn
  bool FirstStateBlank = false;              // state 0 shows the parent only
};

std::vector<Layer> PaintFaces(const ElementSpec& e, const FaceStyle& style) {
  std::vector<Layer> states;
  for (int i = 0; i < e.ImageCount; ++i) {
    Layer& layer = states.emplace_back(e.StateWidth, e.StateHeight);
    if (i == 0 && style.FirstStateBlank) continue;
    const int state = std::min(i, 2);
    const double in = std::round(e.Dpi.Px(style.Inset));
    const double w = e.StateWidth - in, h = e.StateHeight - in;
    const double r = e.Dpi.Px(style.Radius), line = e.Dpi.Line();
    const Shape outer = RoundRect(in, in, w, h, r);
    const Shape inner = RoundRect(in + line, in + line, w - line, h - line, std::max(0.0, r - line));
    const auto& border = style.Border[static_cast<size_t>(state)];
    if (!border) {
      layer.Fill(outer, e.Face(state));
    } else if (style.Filled) {
      layer.Fill(outer, *border);
      layer.Fill(inner, e.Face(state));
    } else {
      layer.Fill(Subtract(outer, inner), *border);
    }
  }
  return states;
}

}  // namespace

std::vector<Layer> PaintButtonFaces(const ElementSpec& e) {
  return PaintFaces(e, {.Radius = 2, .Border = {slate::kControlBorder, slate::kAccent, slate::kAccentDark}});
}

std::vector<Layer> PaintHugeButtonFaces(const ElementSpec& e) {
  return PaintFaces(e, {.Radius = 4, .Border = {slate::kControlBorder, slate::kAccent, slate::kAccentDark}});
}

std::vector<Layer> PaintFlatButtonFaces(const ElementSpec& e) {
  return PaintFaces(e, {.Radius = 2, .Border = {std::nullopt, slate::kAccentSoft, slate::kAccent}, .FirstStateBlank = true});
}

std::vector<Layer> PaintMenuItemFaces(const ElementSpec& e) {
  return PaintFaces(e, {.Radius = 2, .Inset = 1, .Border = {}, .FirstStateBlank = true});
}

std::vector<Layer> PaintEditFrames(const ElementSpec& e) {
  return PaintFaces(e, {.Border = {Rgb{0x8A, 0x90, 0x99}, slate::kSwitchOffBorder, slate::kAccent}, .Filled = false});
}

std::vector<Layer> PaintPanelFrame(const ElementSpec& e) {
  return PaintFaces(e, {.Border = {slate::kControlBorder, slate::kControlBorder, slate::kControlBorder}, .Filled = false});
}
