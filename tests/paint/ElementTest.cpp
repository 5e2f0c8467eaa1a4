#include <gtest/gtest.h>

#include "skin/data/acSkinData.h"
#include "skin/paint/acBlend.h"
#include "skin/base/acColorMix.h"
#include "skin/base/acPixelOps.h"
#include "skin/paint/sGraphUtils.h"
#include "tests/paint/PaintFixtures.h"

namespace {

using paint_test::Letters;
using paint_test::Picture;
using paint_test::PixelOf;
using Rows = std::vector<std::string>;

constexpr uint32_t kRed = 0x0000FF, kWhite = 0xFFFFFF, kBlue = 0xFF0000;

// A model with one section built by hand; element pictures are owned here.
struct HandModel {
  TacSkinData data{nullptr, 96};
  std::vector<std::unique_ptr<PixelImage>> pictures;

  HandModel() { data.gd.emplace_back(); }
  TsGeneralData& section() { return data.gd[0]; }
  TsGenState& state(int s) { return data.gd[0].Props[s]; }
  int AddMask(PixelImage picture, int imageCount, int maskType, int drawMode, int margin = 0,
              TacImgType type = TacImgType::itisaBorder) {
    pictures.push_back(std::make_unique<PixelImage>(std::move(picture)));
    TsMaskData m;
    m.Bmp = pictures.back().get();
    m.R = {0, 0, m.Bmp->width(), m.Bmp->height()};
    m.ImageCount = imageCount;
    m.MaskType = maskType;
    m.DrawMode = drawMode;
    m.ImgType = type;
    m.WL = m.WT = m.WR = m.WB = margin;
    m.Width = m.Bmp->width() / imageCount;
    m.Height = m.Bmp->height() / (maskType + 1);
    data.ma.push_back(m);
    return static_cast<int>(data.ma.size()) - 1;
  }
  TacElementOwnerData Owner() const {
    TacElementOwnerData o;
    o.Data = &data;
    o.Index = 0;
    return o;
  }
};

std::vector<TsGradPoint> TwoPoints(uint32_t from, uint32_t to, uint32_t mode = 0) {
  TsGradPoint a, b;
  a.Color = TsColor::FromValue(from | 0xFF000000u);
  a.Mode = mode;
  b.Index = 1;
  b.Color = TsColor::FromValue(to | 0xFF000000u);
  b.Percent = 100;
  return {a, b};
}

// Paints the section's background into the middle 2x2 of a 4x4 picture of 'a'.
PixelImage Background(HandModel& m, const TCacheInfo& ci, uint32_t customColor = kKeyColor, TPoint offset = {}) {
  PixelImage target(4, 4, PixelOf('a'));
  FillSectionBG(0, ci, 0, customColor, m.data, target.view(), offset, {1, 1, 3, 3});
  return target;
}

TEST(SectionBackground, TransparencyAgainstWhatIsKnownBelow) {
  PixelImage parent(8, 8, PixelOf('b'));
  parent.at(4, 3) = PixelOf('R');  // under target (1, 1) with X 2, Y 1, offset (1, 1)
  TCacheInfo strips;               // parent not ready: a 5-pixel left border strip in its picture
  strips.Bmp = parent.view();
  strips.X = 2;
  strips.Y = 1;
  strips.FillColor = kBlue;
  strips.FillRect = {5, 0, 0, 0};
  struct Case {
    const char* name;
    int transparency;
    TCacheInfo ci;
    uint32_t topLeft;   // target (1, 1)
    uint32_t topRight;  // target (2, 1)
  };
  const uint32_t red = ColorToPixel(kRed), blue = ColorToPixel(kBlue);
  const Case cases[] = {
      {"opaque", 0, MakeCacheInfo(parent.view(), 2, 1), red, red},
      {"clear over a ready parent", 100, MakeCacheInfo(parent.view(), 2, 1), PixelOf('R'), PixelOf('b')},
      {"clear over a colour", 100, ColorCacheInfo(kBlue), blue, blue},
      {"clear over border strips", 100, strips, PixelOf('R'), blue},
      {"half over a colour", 50, ColorCacheInfo(kBlue), ColorToPixel(MixColor(kBlue, kRed, 127)),
       ColorToPixel(MixColor(kBlue, kRed, 127))},
      {"half over a ready parent", 50, MakeCacheInfo(parent.view(), 2, 1), KeepBlendPixel(PixelOf('R'), red, 127),
       KeepBlendPixel(PixelOf('b'), red, 127)},
      {"half over the unknown", 50, TCacheInfo{}, red, red},
  };
  for (const Case& c : cases) {
    HandModel m;
    m.state(0).Color = kRed;
    m.state(0).Transparency = c.transparency;
    const PixelImage out = Background(m, c.ci, kKeyColor, {1, 1});
    EXPECT_EQ(out.at(1, 1), c.topLeft) << c.name;
    EXPECT_EQ(out.at(2, 1), c.topRight) << c.name;
    EXPECT_EQ(Letters(out)[0], "aaaa") << c.name;  // nothing outside r
    EXPECT_EQ(Letters(out)[3], "aaaa") << c.name;
  }
}

TEST(SectionBackground, CustomColourReplacesTheSection) {
  HandModel m;
  m.state(0).Color = kRed;
  m.state(0).Transparency = 100;
  const PixelImage out = Background(m, ColorCacheInfo(kBlue), kWhite);
  EXPECT_EQ(out.at(1, 1), 0xFFFFFFFFu);
}

TEST(SectionBackground, TextureGradientAndColourShares) {
  const PixelImage tex = Picture({"RG", "BK"});
  const auto grad = TwoPoints(kWhite, kWhite);
  struct Case {
    const char* name;
    int image, gradient, textureMode;
    bool haveTexture;
    uint32_t at11;  // target (1, 1): texture pixel R (the tiling starts at r's corner)
    uint32_t at22;  // target (2, 2): texture pixel K
  };
  const uint32_t R = 0xFFFF0000u, K = 0xFF000000u, W = 0xFFFFFFFFu, blue = ColorToPixel(kBlue);
  auto over = [](uint32_t p, int keep, uint32_t color) {
    PixelImage one(1, 1, p);
    BlendColorOver(one.view(), {0, 0, 1, 1}, keep, color);
    return one.at(0, 0);
  };
  const Case cases[] = {
      {"texture only", 100, 0, 0, true, R, K},
      {"half texture, half colour", 50, 0, 0, true, over(R, 127, kBlue), over(K, 127, kBlue)},
      {"texture under a gradient", 50, 50, 0, true, KeepBlendPixel(R, W, 127), KeepBlendPixel(K, W, 127)},
      {"gradient only", 0, 100, 0, true, W, W},
      {"texture missing", 100, 0, 0, false, blue, blue},
      {"strip along the top, colour below", 100, 0, 2, true, R, blue},
  };
  for (const Case& c : cases) {
    HandModel m;
    m.state(0).Color = kBlue;
    m.state(0).ImagePercent = c.image;
    m.state(0).GradientPercent = c.gradient;
    m.state(0).GradientArray = grad;
    if (c.haveTexture) {
      m.state(0).TextureIndex = m.AddMask(tex, 1, 0, 0, 0, TacImgType::itisaTexture);
      m.data.ma[0].DrawMode = c.textureMode;
      // A strip one row high, to leave room for the colour.
      if (c.textureMode == 2) m.data.ma[0].Height = 1, m.data.ma[0].R.Bottom = 1;
    }
    const PixelImage out = Background(m, TCacheInfo{});
    EXPECT_EQ(out.at(1, 1), c.at11) << c.name;
    EXPECT_EQ(out.at(2, 2), c.at22) << c.name;
  }
}

TEST(SectionBackground, OverlayGradientIsDrawnLast) {
  HandModel m;
  m.state(0).Color = kBlue;
  m.state(0).GradientPercent = 0;  // an overlay needs no share
  m.state(0).GradientArray = TwoPoints(kWhite, kWhite, kGradOverlay);
  m.state(0).Transparency = 100;
  const PixelImage out = Background(m, ColorCacheInfo(kRed));
  EXPECT_EQ(out.at(1, 1), 0xFFFFFFFFu);
}

TEST(Element, CornerImagesSitInTheCornersOverTheBackground) {
  HandModel m;
  m.section().States = 2;
  m.state(0).Color = kBlue;
  m.state(1).Color = kRed;
  m.section().ImgTL = m.AddMask(Picture({"GM"}), 1, 0, 0, 0, TacImgType::itisaGlyph);
  m.section().ImgTR = m.AddMask(Picture({"BG"}), 1, 0, 0, 0, TacImgType::itisaGlyph);
  m.section().ImgBL = m.AddMask(Picture({"KG"}), 1, 0, 0, 0, TacImgType::itisaGlyph);
  m.section().ImgBR = m.AddMask(Picture({"MW"}), 1, 0, 0, 0, TacImgType::itisaGlyph);
  PixelImage target(6, 5, PixelOf('a'));
  PaintElement(m.Owner(), TCacheInfo{}, 5, target.view(), {}, {0, 0, 5, 4}, false);  // state 5 -> 1
  EXPECT_EQ(Letters(target), (Rows{"GRRBGa", "RRRRRa", "RRRRRa", "KGRRWa", "aaaaaa"}));
}

TEST(Element, ToneFinishesBorderedPicturesButNotSeeThroughOnes) {
  HandModel m;
  m.state(0).Color = kBlue;
  const int border = m.AddMask(Picture({"WWW", "WMW", "WWW"}), 1, 0, kBorderStretch | kBorderCentre, 1);
  TacElementOwnerData owner = m.Owner();
  owner.Tone = kRed;
  struct Case {
    const char* name;
    int borderIndex;
    int transparency;
    uint32_t edge, centre;
  };
  const Case cases[] = {
      {"border drawn", border, 0, 0xFFFE0000u, 0xFFFF00FFu},           // white toned red; key pixels stay
      {"opaque without border", -1, 0, 0xFFFE0000u, 0xFFFE0000u},     // blue toned red: m 255 -> red 254
      {"see-through without border", -1, 100, 0xFF00FF00u, 0xFF00FF00u},  // parent colour green, untouched
  };
  for (const Case& c : cases) {
    m.section().BorderIndex = c.borderIndex;
    m.state(0).Transparency = c.transparency;
    PixelImage target(5, 5, PixelOf('a'));
    PaintElement(owner, ColorCacheInfo(0x00FF00), 0, target.view(), {}, {1, 1, 4, 4}, false);
    EXPECT_EQ(target.at(1, 1), c.edge) << c.name;
    EXPECT_EQ(target.at(2, 2), c.centre) << c.name;
    EXPECT_EQ(target.at(0, 0), PixelOf('a')) << c.name;  // the tone stays inside r
  }
}

}  // namespace
