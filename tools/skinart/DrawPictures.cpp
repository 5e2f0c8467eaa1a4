#include <cmath>

#include "tools/skinart/SkinArt.h"

namespace {

uint32_t Byte(double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

constexpr uint32_t kWhitePixel = 0xFFFFFFFF;
constexpr uint32_t kKeyPixel = 0xFFFF00FF;

// The pixels one state image contributes, each with its place in the target picture.
struct PixelWrite {
  int x, y;
  uint32_t pixel;
};

std::vector<PixelWrite> Pixels(const PlacedElement& e, const Layer& layer, int state) {
  std::vector<PixelWrite> out;
  const int x0 = e.Mask.R.Left + state * e.Spec.StateWidth, y0 = e.Mask.R.Top;
  for (int y = 0; y < layer.height(); ++y)
    for (int x = 0; x < layer.width(); ++x) {
      const Layer::Pixel& p = layer.at(x, y);
      const uint32_t rgb = MakePixel(Byte(p.r), Byte(p.g), Byte(p.b), 255);
      if (e.Masked()) {
        // Where nothing is drawn the picture is white: the blend then leaves the background as it was.
        out.push_back({x0 + x, y0 + y, p.a > 0 ? rgb : kWhitePixel});
        const uint32_t grey = 255 - Byte(p.a);
        out.push_back({x0 + x, y0 + layer.height() + y, MakePixel(grey, grey, grey)});
      } else if (e.Alpha()) {
        out.push_back({x0 + x, y0 + y, p.a > 0 ? (rgb & 0x00FFFFFF) | (Byte(p.a) << 24) : 0});
      } else {
        if (p.a > 0 && p.a < 1) throw LayoutError(e.Spec.Key + ": a plain element cannot have soft edges");
        out.push_back({x0 + x, y0 + y, p.a > 0 ? rgb : kKeyPixel});
      }
    }
  return out;
}

}  // namespace

std::map<std::string, PixelImage> DrawSkinPictures(const SkinLayout& layout) {
  std::map<std::string, PixelImage> pictures;
  std::map<std::string, std::vector<const PlacedElement*>> owners;  // who wrote each pixel
  for (const auto& [name, size] : layout.Targets()) {
    pictures[name] = PixelImage(size.Width, size.Height, 0);
    owners[name].assign(static_cast<size_t>(size.Width) * size.Height, nullptr);
  }
  for (const auto& e : layout.Elements()) {
    const std::vector<Layer> states = e.Paint(e.Spec);
    if (static_cast<int>(states.size()) != e.Spec.ImageCount)
      throw LayoutError("[" + e.Spec.Section + "] " + e.Spec.Key + ": the painter drew the wrong number of states");
    PixelImage& picture = pictures[e.Target];
    auto& owner = owners[e.Target];
    for (int s = 0; s < e.Spec.ImageCount; ++s)
      for (const PixelWrite& w : Pixels(e, states[static_cast<size_t>(s)], s)) {
        const PlacedElement*& first = owner[static_cast<size_t>(w.y) * picture.width() + w.x];
        if (first != nullptr && picture.at(w.x, w.y) != w.pixel)
          throw LayoutError("[" + first->Spec.Section + "] " + first->Spec.Key + " and [" + e.Spec.Section + "] " +
                            e.Spec.Key + " share a rectangle but draw different pictures");
        first = &e;
        picture.at(w.x, w.y) = w.pixel;
      }
  }
  return pictures;
}
