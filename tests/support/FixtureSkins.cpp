#include "tests/support/FixtureSkins.h"

#include <cstdio>
#include <sstream>

#include "skin/data/acZLibExWriter.h"
#include "tests/support/ImageWriters.h"

FixtureSkin& FixtureSkin::Add(std::string name, std::vector<uint8_t> bytes) {
  Files.push_back({std::move(name), std::move(bytes)});
  return *this;
}

std::vector<uint8_t> FixtureSkin::Pack() const {
  std::vector<SkinPackageItem> items;
  items.push_back({"OPTIONS.DAT", {reinterpret_cast<const uint8_t*>(Options.data()), Options.size()}});
  for (const FixtureFile& f : Files) items.push_back({f.Name, f.Bytes});
  return PackSkin(items);
}

PixelImage PatternPicture(int width, int height) {
  PixelImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint32_t block = static_cast<uint32_t>((x / 8) * 7 + (y / 8) * 13);
      image.at(x, y) = MakePixel(40 + block * 29 % 200, 60 + block * 53 % 180, 30 + block * 71 % 210);
    }
  return image;
}

FixtureSkin SmallSkin(std::string options) {
  FixtureSkin skin{std::move(options), {}};
  skin.Add("MASTER.PNG", EncodePng(PatternPicture(64, 64)));
  return skin;
}

LoadedModel LoadModel(const FixtureSkin& skin, int ppi, const std::function<void(TacSkinSettings&)>& adjust) {
  LoadedModel m;
  m.Skin = TacSkinFiles::FromPackage(skin.Pack());
  if (adjust) adjust(m.Skin->MutableSettings());
  m.Data = std::make_unique<TacSkinData>(m.Skin.get(), ppi);
  m.Data->Init();
  return m;
}

namespace {

// Places elements on a master bitmap row by row and draws each: a frame in the section's
// colour around a lighter face, with key-colour corners on rounded ones.
class MasterLayout {
 public:
  MasterLayout(int width, int height) : image_(width, height, 0xFFFF00FF) {}

  // The rectangle of a new element of w x h pixels.
  std::string Place(int w, int h, uint32_t color, bool roundCorners) {
    if (x_ + w > image_.width()) x_ = 0, y_ += rowHeight_ + 1, rowHeight_ = 0;
    const int left = x_, top = y_;
    x_ += w + 1;
    rowHeight_ = std::max(rowHeight_, h);
    for (int y = top; y < top + h && y < image_.height(); ++y)
      for (int x = left; x < left + w; ++x) {
        const bool edge = x == left || y == top || x == left + w - 1 || y == top + h - 1;
        const bool corner = roundCorners && (x == left || x == left + w - 1) && (y == top || y == top + h - 1);
        image_.at(x, y) = corner ? 0xFFFF00FF : edge ? color : (color | 0xFF808080u);
      }
    char text[64];
    std::snprintf(text, sizeof text, "%04d^%04d^%04d^%04d", left, top, left + w, top + h);
    return text;
  }
  const PixelImage& Image() const { return image_; }

 private:
  PixelImage image_;
  int x_ = 0, y_ = 0, rowHeight_ = 0;
};

std::string Sep(std::string rect, char c) {
  for (char& ch : rect)
    if (ch == '^') ch = c;
  return rect;
}

}  // namespace

FixtureSkin RealisticSkin() {
  MasterLayout master(256, 400);
  std::ostringstream o;
  // Element values in the three master-bitmap notations.
  const auto border = [&](int w, int h, int images, int masked, int margin, uint32_t color, int drawMode = 1) {
    char margins[64];
    std::snprintf(margins, sizeof margins, "^%04d^%04d^%04d^%04d^", margin, margin, margin, margin);
    std::string v(1, '^');
    v += master.Place(w * images, h * (masked + 1), color, margin > 2);
    v += margins;
    v += std::to_string(images) + '^' + std::to_string(masked) + '^' + std::to_string(drawMode);
    return v;
  };
  const auto glyph = [&](int w, int h, int images, uint32_t color) {
    std::string v(1, '@');
    v += Sep(master.Place(w * images, h, color, false), '@');
    v += '@' + std::to_string(images) + "@0";
    return v;
  };
  const auto texture = [&](int w, int h, int mode) {
    std::string v(1, '~');
    v += Sep(master.Place(w, h, 0xFF406080, false), '~');
    v += mode < 10 ? "~0" : "~";
    v += std::to_string(mode) + "~0";
    return v;
  };

  o << "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nVERSION=14.01\nAUTHOR=Marvolena tests\nCOLOR=15790320\nFONTCOLOR=3355443\n"
       "BORDERCOLOR=11184810\nTITLEHEIGHT=30\nBORDERWIDTH=8\nCOMBOMARGIN=1\nSH_SOURCE=1\nLO_SOURCE=0\n"
       "BICONCLOSEGLOW=1\n";
  o << "SH_MASK=" << border(24, 24, 1, 1, 9, 0xFF202020, 1) << "\n";
  for (const char* name : {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "RADIOUNCHECKED", "RADIOCHECKED",
                           "SMALLUNCHECKED", "SMALLCHECKED", "SMALLGRAYED"})
    o << name << "=" << glyph(13, 13, 1, 0xFF3070C0) << "\n";
  o << "BOXCHECKED*200=" << glyph(26, 26, 1, 0xFF3070C0) << "\n";
  o << "RADIOCHECKED*200=" << glyph(26, 26, 1, 0xFF3070C0) << "\n";
  for (const char* name : {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP"})
    o << name << "=" << glyph(16, 16, 3, 0xFF505050) << "\n";
  o << "BICONCLOSEGLOW0=" << glyph(24, 24, 1, 0xFFE04040) << "\n";
  o << "GRIPIMAGE=" << glyph(12, 12, 1, 0xFF808080) << "\n";

  struct SectionSpec {
    const char* name;
    const char* parent;
    int states;
    uint32_t color;
  };
  const SectionSpec sections[] = {
      {"FORM", nullptr, 1, 0xFF4A6A8A},        {"FORMTITLE", nullptr, 2, 0xFF2A4A6A},
      {"DIALOG", "FORM", 1, 0xFF4A6A8A},       {"BUTTON", nullptr, 3, 0xFF3C78B4},
      {"BUTTON_HUGE", "BUTTON", 3, 0xFF3C78B4}, {"SPEEDBUTTON", "BUTTON", 3, 0xFF3C78B4},
      {"SPEEDBUTTON_SMALL", "SPEEDBUTTON", 3, 0xFF3C78B4}, {"TOOLBUTTON", "SPEEDBUTTON", 3, 0xFF3C78B4},
      {"PANEL", nullptr, 1, 0xFF606060},       {"PANEL_LOW", "PANEL", 1, 0xFF505050},
      {"SLIDER_OFF", "PANEL_LOW", 2, 0xFF707070}, {"SLIDER_ON", "PANEL_LOW", 2, 0xFF2080D0},
      {"MAINMENU", nullptr, 1, 0xFF3A3A3A},    {"MENUITEM", nullptr, 2, 0xFF3A5A7A},
      {"MENULINE", nullptr, 1, 0xFF909090},    {"DIVIDERV", nullptr, 1, 0xFF909090},
      {"DIVIDER", nullptr, 1, 0xFF909090},     {"EDIT", nullptr, 3, 0xFF808080},
      {"ALPHAEDIT", "EDIT", 3, 0xFF808080},    {"SELECTION", nullptr, 2, 0xFF3070C0},
      {"HINT", nullptr, 1, 0xFF404040},        {"GROUPBOX", nullptr, 1, 0xFF707070},
      {"CHECKBOX", nullptr, 3, 0xFF707070},    {"TOOLBAR", "PANEL", 1, 0xFF505050},
      {"STATUSBAR", "PANEL", 1, 0xFF505050},   {"COMBOBOX", "EDIT", 3, 0xFF808080},
      {"COMBOBTN", "BUTTON", 3, 0xFF3C78B4},   {"COLHEADER", "BUTTON", 3, 0xFF3C78B4},
      {"MENUCAPTION", "TOOLBAR", 1, 0xFF505050}, {"MENUBTN", "SPEEDBUTTON", 3, 0xFF3C78B4},
      {"TB_BTN", "TOOLBUTTON", 3, 0xFF3C78B4}, {"TB_TAB", nullptr, 2, 0xFF606060},
      {"TABTOP", nullptr, 3, 0xFF606060},      {"TABSHEET", "PANEL", 1, 0xFF606060},
      {"PAGECONTROL", "PANEL", 1, 0xFF606060}, {"TRACKBAR", nullptr, 2, 0xFF606060},
      {"GAUGE", nullptr, 1, 0xFF2080D0},       {"PROGRESSH", "GAUGE", 1, 0xFF2080D0},
      {"PROGRESSV", "GAUGE", 1, 0xFF2080D0},   {"SCROLLBAR1H", nullptr, 1, 0xFF505050},
      {"SCROLLBAR1V", nullptr, 1, 0xFF505050}, {"SCROLLBAR2H", "SCROLLBAR1H", 1, 0xFF505050},
      {"SCROLLBAR2V", "SCROLLBAR1V", 1, 0xFF505050}, {"SCROLLSLIDERH", "BUTTON", 3, 0xFF707070},
      {"SCROLLSLIDERV", "BUTTON", 3, 0xFF707070}, {"SCROLLBTNLEFT", "BUTTON", 3, 0xFF707070},
      {"SCROLLBTNTOP", "BUTTON", 3, 0xFF707070}, {"SCROLLBTNRIGHT", "BUTTON", 3, 0xFF707070},
      {"SCROLLBTNBOTTOM", "BUTTON", 3, 0xFF707070}, {"UPDOWNBTN", "BUTTON", 3, 0xFF707070},
      {"WEBBUTTON", nullptr, 2, 0xFF3070C0},   {"CAPTION", nullptr, 1, 0xFF2A4A6A},
  };
  for (const SectionSpec& s : sections) {
    const std::string name = s.name;
    o << "\n[" << name << "]\n";
    if (s.parent) o << "PARENTCLASS=" << s.parent << "\n";
    o << "STATES=" << s.states << "\nCOLOR=" << (PixelToColor(s.color) | 0x202020) << "\nFONTCOLOR=15790320\n"
      << "HOTCOLOR=" << (PixelToColor(s.color) | 0x404040) << "\nHOTFONTCOLOR=16777215\nTRANSPARENCY=0\n"
      << "GRADIENTDATA=" << PixelToColor(s.color) << ";" << PixelToColor(s.color) << ";100;0;0;"
      << (PixelToColor(s.color) | 0x101010) << ";0;0;0;0\n";
    if (name == "BUTTON_HUGE") {
      o << "BORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0031!0031!0031!0031!5\nOUTERMODE=1\nOUTERMASK="
        << border(20, 20, 1, 1, 6, 0xFF102030) << "\n";
      continue;
    }
    if (name == "SLIDER_ON") o << "OUTERMODE=3\nOUTOFFSL=4\nOUTOFFST=4\nOUTOFFSR=4\nOUTOFFSB=6\nOUTCOLL=4210752\n";
    if (name == "DIALOG" || name == "FORM") o << "PATTERN=" << texture(1, 60, 2) << "\n";
    if (name == "EDIT" || name == "COMBOBOX") o << "BORDERSMASK=" << border(8, 8, 3, 0, 1, s.color) << "\n";
    else if (s.parent == nullptr || name == "SPEEDBUTTON" || name == "SLIDER_ON" || name == "TB_TAB") {
      const int margin = s.states > 1 ? 4 : 3;
      o << "BORDERSMASK=" << border(12, 12, s.states, 1, margin, s.color, 5) << "\n";
      if (s.states > 1 && s.parent == nullptr)
        o << "BORDERSMASK*200=" << border(24, 24, s.states, 1, 2 * margin, s.color, 5) << "\n";
    }
    if (name == "COMBOBOX" || name == "SCROLLBTNLEFT" || name == "SCROLLBTNRIGHT") o << "GLYPHMASK=" << glyph(8, 8, 3, 0xFFC0C0C0) << "\n";
    if (name == "TRACKBAR") o << "SLIDERMASK=" << glyph(11, 18, 3, 0xFF3070C0) << "\nSLIDERCHANNEL=" << border(10, 6, 1, 0, 2, 0xFF404040) << "\n";
  }

  FixtureSkin skin{o.str(), {}};
  skin.Add("MASTER.PNG", EncodePng(master.Image()));
  // Three 96 x 64 state pictures over their mask; the picture's corners are key colour.
  PixelImage huge(288, 128, 0xFF000000);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 288; ++x) {
      const int cx = x % 96, cy = y;
      const bool corner = (cx < 4 || cx >= 92) && (cy < 4 || cy >= 60);
      huge.at(x, y) = corner ? 0xFFFF00FF : 0xFF2A4A6A + static_cast<uint32_t>(x / 96) * 0x101010;
    }
  skin.Add("BUTTONHUGE.BMP", EncodeBmp(huge));
  return skin;
}
