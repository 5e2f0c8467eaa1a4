#include "tests/support/PaintSkin.h"

#include "tests/support/ImageWriters.h"

namespace {

constexpr uint32_t kKey = 0xFFFF00FFu;

void Fill(PixelImage& img, int x0, int y0, int w, int h, uint32_t p) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) img.at(x, y) = p;
}

// 32 x 24: the elements the options below name, by their rectangles.
PixelImage Master() {
  PixelImage m(32, 24, kKey);
  // BUTTON (0,0)-(24,16): three 8x8 state images over their masks.
  const uint32_t frames[3] = {MakePixel(128, 128, 128), MakePixel(40, 120, 215), MakePixel(0, 80, 160)};
  for (int s = 0; s < 3; ++s) {
    const int x0 = 8 * s;
    Fill(m, x0, 0, 8, 8, frames[s]);
    Fill(m, x0 + 1, 1, 6, 6, MakePixel(250, 250, 250));
    // A centre of four colours, so that its smoothing shows.
    m.at(x0 + 3, 3) = MakePixel(255, 255, 255), m.at(x0 + 4, 3) = MakePixel(230, 240, 255);
    m.at(x0 + 3, 4) = MakePixel(220, 230, 250), m.at(x0 + 4, 4) = MakePixel(200, 215, 245);
    Fill(m, x0, 8, 8, 8, MakePixel(0, 0, 0));
    for (const auto& [cx, cy] : {std::pair{0, 0}, {7, 0}, {0, 7}, {7, 7}}) {
      m.at(x0 + cx, 8 + cy) = MakePixel(255, 255, 255);  // round corners: the background shows
      m.at(x0 + (cx ? 6 : 1), 8 + cy) = MakePixel(128, 128, 128);
      m.at(x0 + cx, 8 + (cy ? 6 : 1)) = MakePixel(128, 128, 128);
    }
  }
  // Texture (0,16)-(4,20): a 4x4 pattern.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) m.at(x, 16 + y) = (x + y) % 2 ? MakePixel(255, 200, 0) : MakePixel(120, 60, 0);
  // Corner glyph (4,16)-(7,19): a green triangle, the rest key colour.
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3 - y; ++x) m.at(4 + x, 16 + y) = MakePixel(0, 160, 60);
  // Alpha border (8,16)-(14,22): an opaque dark edge, a half-transparent ring, a faint centre.
  Fill(m, 8, 16, 6, 6, MakePixel(20, 60, 20));
  Fill(m, 9, 17, 4, 4, MakePixel(40, 200, 40, 128));
  Fill(m, 10, 18, 2, 2, MakePixel(255, 255, 255, 64));
  // Plain border with key-colour corners (14,16)-(20,22).
  Fill(m, 14, 16, 6, 6, MakePixel(160, 0, 0));
  Fill(m, 16, 18, 2, 2, MakePixel(255, 210, 210));
  for (const auto& [x, y] : {std::pair{14, 16}, {19, 16}, {14, 21}, {19, 21}}) m.at(x, y) = kKey;
  return m;
}

constexpr const char* kOptions = R"([GLOBALINFO]
MASTERBITMAP=MASTER.PNG
COLOR=$E6E6E6
FONTCOLOR=$202020

[FORM]
COLOR=$E6E6E6

[BUTTON]
STATES=3
USESTATE2=1
COLOR=$FFFFFF
HOTCOLOR=$FFF0E0
COLOR2=$F0D0B0
FONTCOLOR=$202020
BORDERSMASK=^0000^0000^0024^0016^0003^0003^0003^0003^3^1^05

[TEXTURED]
STATES=1
COLOR=$00A0FF
IMAGEPERCENT=50
GRADIENTPERCENT=50
PATTERN=~0000~0016~0004~0020~00
GRADIENTDATA=16777215;0;100;0;0;8421504;0;0;0;0

[TRIANGLES]
STATES=1
GRADIENTPERCENT=100
GRADIENTDATA=0;0;0;2;0;16777215;0;0;2;0;255;0;0;2;0;65280;0;0;2;0;16711680;0;0;2;0

[GLASS]
STATES=2
COLOR=$0080FF
TRANSPARENCY=40
HOTTRANSPARENCY=0
IMGTOPLEFT=@0004@0016@0007@0019@1@0
IMGBTMRIGHT=@0004@0016@0007@0019@1@0

[ALPHAFRAME]
STATES=1
COLOR=$C0FFC0
BORDERSMASK=^0008^0016^0014^0022^0002^0002^0002^0002^1^0^21

[KEYFRAME]
STATES=1
COLOR=$FFFFFF
BORDERSMASK=^0014^0016^0020^0022^0002^0002^0002^0002^1^0^04
)";

}  // namespace

FixtureSkin PaintSkin() {
  FixtureSkin skin{kOptions, {}};
  skin.Add("MASTER.PNG", EncodePng(Master()));
  return skin;
}
