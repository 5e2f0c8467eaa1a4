#include "tests/popup_menus/MenuFixture.h"

#include <string>

#include "tests/support/ImageWriters.h"

namespace {

// Master bitmap: (0,0)-(7,7) the popup border, (8,0)-(11,2) the separator line.
PixelImage Master() {
  PixelImage m(16, 8, 0xFFFF00FF);
  const uint32_t grey = ColorToPixel(kGrey), white = MakePixel(255, 255, 255), key = 0xFFFF00FF;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) m.at(x, y) = (x == 0 || y == 0 || x == 6 || y == 6) ? grey : white;
  // Rounded corners: two key pixels on the outer row, one on the next.
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {5, 0}, {6, 0}, {6, 1}, {0, 5}, {0, 6}, {1, 6},
                             {6, 5}, {5, 6}, {6, 6}})
    m.at(x, y) = key;
  for (int y = 0; y < 2; ++y)
    for (int x = 8; x < 11; ++x) m.at(x, y) = y == 0 ? ColorToPixel(kDividerLine) : key;
  return m;
}

std::string Options(bool withBorderMasks) {
  std::string o =
      "[GLOBALINFO]\nVERSION=14.01\nMASTERBITMAP=MASTER.PNG\n"
      "[MAINMENU]\nSTATES=1\nCOLOR=16777215\nFONTCOLOR=0\n";
  if (withBorderMasks) o += "BORDERSMASK=^0000^0000^0007^0007^0003^0003^0003^0003^1^0^1\n";
  o += "[MENUITEM]\nSTATES=2\nCOLOR=16777215\nHOTCOLOR=" + std::to_string(kHot) +
       "\nFONTCOLOR=0\nHOTFONTCOLOR=" + std::to_string(kHotText) + "\n";
  o += "[MENUCAPTION]\nSTATES=1\nCOLOR=" + std::to_string(kCaptionBand) + "\nFONTCOLOR=0\n";
  o += "[DIVIDERV]\nSTATES=1\nTRANSPARENCY=100\nCOLOR=16777215\n";
  if (withBorderMasks) o += "BORDERSMASK=^0008^0000^0011^0002^0001^0001^0001^0000^1^0^1\n";
  o += "[SPEEDBUTTON_SMALL]\nSTATES=3\nCOLOR=8421504\n";
  return o;
}

}  // namespace

FixtureSkin MenuSkin(bool withBorderMasks) {
  FixtureSkin skin{Options(withBorderMasks), {}};
  skin.Add("MASTER.PNG", EncodePng(Master()));
  return skin;
}

LoadedModel LoadMenuSkin(int ppi, bool withBorderMasks) { return LoadModel(MenuSkin(withBorderMasks), ppi); }
