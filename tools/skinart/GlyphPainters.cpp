// Caption buttons and check/radio marks. Caption glyphs sit on whole pixels so that their
// straight lines stay one (or, at 192 PPI, two) pixels wide; only diagonals and curves are
// smoothed.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/skinart/Painters.h"
#include "tools/skinart/Palette.h"

namespace {

// Where a caption glyph goes: a square of whole pixels centred in the button.
struct GlyphBox {
  int x, y, size, line;
};

using GlyphDraw = void (*)(Layer&, const GlyphBox&, Rgb);

struct CaptionLook {
  std::array<std::optional<Rgb>, 3> Background;  // normal, hot, pressed
  std::array<Rgb, 3> Glyph;
};

constexpr CaptionLook kPlainCaption{{std::nullopt, slate::kCaptionHot, slate::kCaptionPressed},
                                    {slate::kText, slate::kText, slate::kText}};
constexpr CaptionLook kCloseCaption{{std::nullopt, slate::kCloseHot, slate::kClosePressed},
                                    {slate::kText, slate::kWhite, slate::kWhite}};

std::vector<Layer> CaptionButton(const ElementSpec& e, const CaptionLook& look, GlyphDraw draw) {
  std::vector<Layer> states;
  const int size = static_cast<int>(std::lround(e.Dpi.Px(10)));
  const GlyphBox box{(e.StateWidth - size) / 2, (e.StateHeight - size) / 2, size, e.Dpi.Line()};
  for (int i = 0; i < e.ImageCount; ++i) {
    Layer& layer = states.emplace_back(e.StateWidth, e.StateHeight);
    const int state = std::min(i, 2);
    if (const auto& bg = look.Background[static_cast<size_t>(state)]) layer.FillRect(0, 0, e.StateWidth, e.StateHeight, *bg);
    draw(layer, box, look.Glyph[static_cast<size_t>(state)]);
  }
  return states;
}

void SquareOutline(Layer& layer, int x0, int y0, int x1, int y1, int line, Rgb c) {
  layer.FillRect(x0, y0, x1, y0 + line, c);
  layer.FillRect(x0, y1 - line, x1, y1, c);
  layer.FillRect(x0, y0, x0 + line, y1, c);
  layer.FillRect(x1 - line, y0, x1, y1, c);
}

// The round ends of the strokes reach half a line past their points: the points sit half a
// line inside the box.
void CloseGlyph(Layer& layer, const GlyphBox& b, Rgb c) {
  const double in = b.line / 2.0, x0 = b.x + in, y0 = b.y + in, x1 = b.x + b.size - in, y1 = b.y + b.size - in;
  layer.Fill(Union(Stroke({{x0, y0}, {x1, y1}}, b.line), Stroke({{x1, y0}, {x0, y1}}, b.line)), c);
}

void MaximizeGlyph(Layer& layer, const GlyphBox& b, Rgb c) {
  SquareOutline(layer, b.x, b.y, b.x + b.size, b.y + b.size, b.line, c);
}

// Two windows: the front one lower left, the one behind peeking out above and to the right.
void RestoreGlyph(Layer& layer, const GlyphBox& b, Rgb c) {
  const int shift = std::max(2, b.size / 5);
  const int x0 = b.x, y0 = b.y, x1 = b.x + b.size, y1 = b.y + b.size;
  layer.FillRect(x0 + shift, y0, x1, y0 + b.line, c);                  // back: top
  layer.FillRect(x1 - b.line, y0, x1, y1 - shift, c);                  // back: right
  layer.FillRect(x0 + shift, y0, x0 + shift + b.line, y0 + shift, c);  // back: left, above the front
  layer.FillRect(x1 - shift, y1 - shift - b.line, x1, y1 - shift, c);  // back: bottom, right of the front
  SquareOutline(layer, x0, y0 + shift, x1 - shift, y1, b.line, c);
}

void MinimizeGlyph(Layer& layer, const GlyphBox& b, Rgb c) {
  const int y = b.y + b.size / 2;
  layer.FillRect(b.x, y, b.x + b.size, y + b.line, c);
}

// The stem and the dot are whole pixels on one column; only the hook is curved.
void HelpGlyph(Layer& layer, const GlyphBox& b, Rgb c) {
  const double s = b.size, y = b.y, line = b.line;
  const double cx = b.x + (b.size - b.line) / 2 + line / 2, cy = y + s * 0.3, r = s * 0.27;
  const double end = 2 * std::numbers::pi + std::numbers::pi / 3;
  const double ex = cx + r * std::cos(end), ey = cy + r * std::sin(end);
  layer.Fill(Union(ArcStroke(cx, cy, r, std::numbers::pi * 1.05, end, line), Stroke({{ex, ey}, {cx, y + s * 0.62}}, line)), c);
  const int left = b.x + (b.size - b.line) / 2;
  layer.FillRect(left, static_cast<int>(y + s * 0.62), left + b.line, static_cast<int>(y + s * 0.75), c);
  layer.FillRect(left, b.y + b.size - b.line, left + b.line, b.y + b.size, c);
}

// A tick in a square box of `size`, drawn with a stroke of `width`.
Shape Tick(double x, double y, double size, double width) {
  return Stroke({{x + size * 0.25, y + size * 0.53}, {x + size * 0.42, y + size * 0.7}, {x + size * 0.76, y + size * 0.31}},
                width);
}

// Marks of check boxes and radio buttons: normal, hot and pressed.
constexpr std::array<Rgb, 3> kMarkEdge{slate::kSwitchOffBorder, slate::kAccent, slate::kAccentDark};
constexpr std::array<Rgb, 3> kMarkFill{slate::kWhite, slate::kWhite, Rgb{0xCC, 0xE4, 0xF7}};
constexpr std::array<Rgb, 3> kMarkAccent{slate::kAccent, Rgb{0x1A, 0x86, 0xDB}, slate::kAccentDark};

using MarkDraw = void (*)(Layer&, const ElementSpec&, int state);

std::vector<Layer> Marks(const ElementSpec& e, MarkDraw draw) {
  std::vector<Layer> states;
  for (int i = 0; i < e.ImageCount; ++i) draw(states.emplace_back(e.StateWidth, e.StateHeight), e, std::min(i, 2));
  return states;
}

Shape Box(const ElementSpec& e, double inset) {
  return RoundRect(inset, inset, e.StateWidth - inset, e.StateHeight - inset, std::max(0.0, e.Dpi.Px(2) - inset));
}

Shape Disc(const ElementSpec& e, double radius) { return Circle(e.StateWidth / 2.0, e.StateHeight / 2.0, radius); }

}  // namespace

std::vector<Layer> PaintCloseButton(const ElementSpec& e) { return CaptionButton(e, kCloseCaption, CloseGlyph); }
std::vector<Layer> PaintMaximizeButton(const ElementSpec& e) { return CaptionButton(e, kPlainCaption, MaximizeGlyph); }
std::vector<Layer> PaintRestoreButton(const ElementSpec& e) { return CaptionButton(e, kPlainCaption, RestoreGlyph); }
std::vector<Layer> PaintMinimizeButton(const ElementSpec& e) { return CaptionButton(e, kPlainCaption, MinimizeGlyph); }
std::vector<Layer> PaintHelpButton(const ElementSpec& e) { return CaptionButton(e, kPlainCaption, HelpGlyph); }

std::vector<Layer> PaintMenuCheck(const ElementSpec& e) {
  return Marks(e, [](Layer& layer, const ElementSpec& e, int) {
    const double size = std::min(e.StateWidth, e.StateHeight);
    layer.Fill(Tick((e.StateWidth - size) / 2, (e.StateHeight - size) / 2, size, e.Dpi.Px(1.3)), slate::kText);
  });
}

std::vector<Layer> PaintBoxUnchecked(const ElementSpec& e) {
  return Marks(e, [](Layer& layer, const ElementSpec& e, int state) {
    layer.Fill(Box(e, 0), kMarkEdge[static_cast<size_t>(state)]);
    layer.Fill(Box(e, e.Dpi.Line()), kMarkFill[static_cast<size_t>(state)]);
  });
}

std::vector<Layer> PaintBoxChecked(const ElementSpec& e) {
  return Marks(e, [](Layer& layer, const ElementSpec& e, int state) {
    layer.Fill(Box(e, 0), kMarkAccent[static_cast<size_t>(state)]);
    layer.Fill(Tick(0, 0, e.StateWidth, e.Dpi.Px(1.4)), slate::kWhite);
  });
}

std::vector<Layer> PaintRadioUnchecked(const ElementSpec& e) {
  return Marks(e, [](Layer& layer, const ElementSpec& e, int state) {
    const double r = e.StateWidth / 2.0;
    layer.Fill(Disc(e, r), kMarkEdge[static_cast<size_t>(state)]);
    layer.Fill(Disc(e, r - e.Dpi.Line()), kMarkFill[static_cast<size_t>(state)]);
  });
}

std::vector<Layer> PaintRadioChecked(const ElementSpec& e) {
  return Marks(e, [](Layer& layer, const ElementSpec& e, int state) {
    const double r = e.StateWidth / 2.0;
    layer.Fill(Disc(e, r), kMarkAccent[static_cast<size_t>(state)]);
    layer.Fill(Disc(e, r - e.Dpi.Line()), slate::kWhite);
    layer.Fill(Disc(e, r * 0.45), kMarkAccent[static_cast<size_t>(state)]);
  });
}
