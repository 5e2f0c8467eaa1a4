#include "tests/paint/PaintFixtures.h"

namespace paint_test {

namespace {
const std::map<char, uint32_t>& Palette() {
  static const std::map<char, uint32_t> p = [] {
    std::map<char, uint32_t> m{{'K', 0xFF000000u}, {'W', 0xFFFFFFFFu}, {'M', 0xFFFF00FFu}, {'R', 0xFFFF0000u},
                               {'G', 0xFF00FF00u}, {'B', 0xFF0000FFu}, {'.', 0xFF808080u}};
    for (char c = '0'; c <= '9'; ++c) m[c] = MakePixel(10 + 20 * (c - '0'), 200, 30);
    for (char c = 'a'; c <= 'z'; ++c) m[c] = MakePixel(5 * (c - 'a') + 100, 5 * (c - 'a') + 100, 5 * (c - 'a') + 100);
    return m;
  }();
  return p;
}
}  // namespace

uint32_t PixelOf(char c) { return Palette().at(c); }

PixelImage Picture(std::initializer_list<std::string> rows) {
  const int h = static_cast<int>(rows.size()), w = h ? static_cast<int>(rows.begin()->size()) : 0;
  PixelImage img(w, h);
  int y = 0;
  for (const std::string& row : rows) {
    for (int x = 0; x < w; ++x) img.at(x, y) = PixelOf(row.at(x));
    ++y;
  }
  return img;
}

std::vector<std::string> Letters(const PixelImage& img) {
  std::vector<std::string> out;
  for (int y = 0; y < img.height(); ++y) {
    std::string row;
    for (int x = 0; x < img.width(); ++x) {
      char found = '?';
      for (const auto& [c, p] : Palette())
        if (p == img.at(x, y)) found = c;
      row += found;
    }
    out.push_back(row);
  }
  return out;
}

TacMaskImage MaskOver(const PixelImage& source, int imageCount, int maskType, int drawMode, int wl, int wt, int wr,
                      int wb, int cfg) {
  TacMaskImage m;
  m.Source = source.view();
  m.R = {0, 0, source.width(), source.height()};
  m.ImageCount = imageCount;
  m.MaskType = maskType;
  m.DrawMode = drawMode;
  m.Width = source.width() / imageCount;
  m.Height = source.height() / (maskType + 1);
  m.WL = wl, m.WT = wt, m.WR = wr, m.WB = wb;
  m.Cfg = cfg;
  return m;
}

}  // namespace paint_test
