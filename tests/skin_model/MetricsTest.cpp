#include <gtest/gtest.h>

#include "tests/support/FixtureSkins.h"
#include "tests/support/ImageWriters.h"

namespace {

const char kGlobals[] =
    "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nTITLEHEIGHT=30\nTITLEHEIGHT*150=45\nBORDERWIDTH=0\n"
    "COMBOMARGIN=1\nALIGNOFFSET=3\nWSHRAD=10\nWSHRAD*200=11\n";

// A border picture of its own: two 24 x 24 state images with 12-pixel margins.
FixtureSkin WithFileBorder(std::string options) {
  FixtureSkin skin = SmallSkin(std::move(options));
  skin.Add("FRAME.BMP", EncodeBmp(PatternPicture(48, 24)));
  return skin;
}

}  // namespace

TEST(Metrics, BasicSizesScaleWithPixelsPerInch) {
  const struct {
    int ppi, spacing, line, arrow, smallArrow, scrollBtn;
  } cases[] = {{96, 4, 2, 5, 4, 16}, {120, 5, 2, 6, 5, 20}, {144, 6, 3, 7, 6, 24}, {192, 8, 4, 10, 8, 32}};
  for (const auto& c : cases) {
    TacSkinData d(nullptr, c.ppi);
    d.LoadParams();
    EXPECT_EQ((std::array{d.Spacing, d.LineWidth, d.ArrowSize, d.SmallArrowSize, d.ScrollBtnLength}),
              (std::array{c.spacing, c.line, c.arrow, c.smallArrow, c.scrollBtn}))
        << c.ppi;
  }
}

TEST(Metrics, ScaledReadsTakeTheSlotsVariantElseScaleThePlainValue) {
  const struct {
    int ppi, titleHeight, comboMargin, alignOffset, alignOffsetR, shadowRadius;
  } cases[] = {
      {96, 30, 1, 3, 3, 10},
      {120, 37, 1, 3, 3, 12},   // 30 * 120 / 96 = 37.5, cut to 37
      {134, 41, 1, 4, 4, 13},
      {135, 45, 1, 4, 4, 14},   // the "*150" variant as written
      {144, 45, 2, 4, 4, 15},
      {192, 60, 2, 6, 6, 11},
  };
  const FixtureSkin skin = SmallSkin(kGlobals);
  for (const auto& c : cases) {
    const LoadedModel m = LoadModel(skin, c.ppi);
    const TacSkinData& d = *m.Data;
    EXPECT_EQ(d.ExTitleHeight, c.titleHeight) << c.ppi;
    EXPECT_EQ(d.ExMaxHeight, c.titleHeight) << c.ppi;
    EXPECT_EQ(d.ComboBoxMargin, c.comboMargin) << c.ppi;
    EXPECT_EQ(d.ExShadowOffs, c.alignOffset) << c.ppi;
    EXPECT_EQ(d.ExShadowOffsR, c.alignOffsetR) << c.ppi;  // the first value, not scaled twice
    EXPECT_EQ(d.ExShadowOffsB, c.alignOffsetR) << c.ppi;
    EXPECT_EQ(d.WndShadowRadius, c.shadowRadius) << c.ppi;
    EXPECT_EQ(d.ExBorderWidth, 1) << c.ppi;                // at least one pixel
    EXPECT_EQ(d.ExContentOffs, 4 * c.ppi / 96) << c.ppi;   // the system's frame width
  }
}

TEST(Metrics, BorderRelativeReadsFollowTheDensityOfTheExtendedBorder) {
  const FixtureSkin skin = WithFileBorder(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nEXBORDER=!FRAME.BMP!2!0!0!0012!0012!0012!0012!1\n"
      "EXBORDER*200=!FRAME.BMP!2!0!0!0012!0012!0012!0012!1\nTITLEHEIGHT=20\nTITLEHEIGHT*200=50\n");
  const struct {
    int ppi, titleHeight;
  } cases[] = {{96, 20}, {144, 37}, {192, 50}};
  for (const auto& c : cases) EXPECT_EQ(LoadModel(skin, c.ppi).Data->ExTitleHeight, c.titleHeight) << c.ppi;
}

TEST(Metrics, TitleGlyphsFallBackAndShareGlowFrames) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nBICONCLOSE=@0000@0000@0030@0010@3@0\nBICONMAX=@0000@0010@0030@0020@3@0\n"
      "SICONMAX=@0000@0020@0030@0030@3@0\nBICONCLOSEGLOW=2\nBICONCLOSEGLOWMARGIN=3\n"
      "BICONCLOSEGLOW0=@0030@0000@0040@0010@1@0\nBICONCLOSEGLOW1=@0030@0010@0040@0020@1@0\n"
      "BICONMAXGLOW0=@0030@0020@0040@0030@1@0\n"),
      96);
  const TacSkinData& d = *m.Data;
  const int close = d.GetMaskIndex("GLOBALINFO", "BICONCLOSE"), max = d.GetMaskIndex("GLOBALINFO", "BICONMAX");
  EXPECT_EQ(d.TitleGlyphs[1], close);
  EXPECT_EQ(d.TitleGlyphs[0], close);  // no BICLOSEALONE: the close glyph
  EXPECT_EQ(d.TitleGlyphs[6], close);  // no SICONCLOSE: the big one
  EXPECT_EQ(d.TitleGlyphs[7], d.GetMaskIndex("GLOBALINFO", "SICONMAX"));
  EXPECT_EQ(d.TitleGlyphs[2], max);
  EXPECT_EQ(d.TitleGlyphs[11], -1);
  EXPECT_EQ(d.TitleGlyphs[12], -1);
  EXPECT_EQ(d.TitleGlows[1], (std::vector{d.GetMaskIndex("GLOBALINFO", "BICONCLOSEGLOW0"), d.GetMaskIndex("GLOBALINFO", "BICONCLOSEGLOW1")}));
  EXPECT_EQ(d.TitleGlows[2], (std::vector{d.GetMaskIndex("GLOBALINFO", "BICONMAXGLOW0"), -1}));
  EXPECT_EQ(d.TitleGlows[0], d.TitleGlows[1]);
  EXPECT_EQ(d.GlowMargins[0], 3);
  EXPECT_TRUE(d.TitleGlows[5].empty());
}

TEST(Metrics, AbsurdGlowFrameCountIsCapped) {
  const LoadedModel m = LoadModel(SmallSkin("[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nBICONCLOSEGLOW=2000000000\n"), 96);
  EXPECT_EQ(m.Data->TitleGlows[1].size(), static_cast<size_t>(kMaxTitleGlowFrames));
  EXPECT_TRUE(LoadModel(SmallSkin("[GLOBALINFO]\nBICONCLOSEGLOW=-4\n"), 96).Data->TitleGlows[1].empty());
}

TEST(Metrics, WindowShadowComesFromTheExtendedBorderOrIsGenerated) {
  const auto on = [](TacSkinSettings& s) { s.ExtendedBorders = true; };
  const struct {
    const char* options;
    bool extended;
    TRect shadow;
    int templateWidth;
  } cases[] = {
      {"[GLOBALINFO]\n", false, {0, 0, 0, 0}, 0},
      {"[GLOBALINFO]\n", true, {13, 11, 13, 15}, 26},
      {"[GLOBALINFO]\nWSHSIZE=10\nWSHOFFS=3\n", true, {10, 7, 10, 13}, 20},
      {"[GLOBALINFO]\nEXBORDER=!FRAME.BMP!2!0!0!0012!0012!0012!0012!1\nFORMOFFSET=4\n", true, {8, 8, 8, 8}, 24},
      {"[GLOBALINFO]\nEXBORDER=!FRAME.BMP!2!0!0!0012!0012!0012!0012!1\nFORMOFFSET=4\nBORDERMODE=1\n", true, {4, 4, 4, 4}, 24},
      // an extended border cut from the master bitmap counts as none
      {"[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nEXBORDER=^0000^0000^0048^0024^0012^0012^0012^0012^2^0^1\n", true, {13, 11, 13, 15}, 26},
  };
  for (const auto& c : cases) {
    const LoadedModel m =
        LoadModel(WithFileBorder(c.options), 96, [&](TacSkinSettings& s) { s.ExtendedBorders = c.extended; });
    const TacSkinData& d = *m.Data;
    EXPECT_EQ(d.FormShadowSize, c.shadow) << c.options;
    EXPECT_EQ(d.ShdaTemplate.width(), c.templateWidth) << c.options;
    EXPECT_EQ(d.ShdiTemplate.width(), c.templateWidth) << c.options;
  }
  const LoadedModel bordered = LoadModel(WithFileBorder(cases[3].options), 96, on);
  const TacSkinData& d = *bordered.Data;
  ASSERT_GE(d.ExBorder, 0);
  const PixelImage& frame = *d.ma[static_cast<size_t>(d.ExBorder)].Bmp;
  EXPECT_EQ(d.ShdiTemplate.at(5, 5), frame.at(5, 5));    // first state image: inactive
  EXPECT_EQ(d.ShdaTemplate.at(5, 5), frame.at(29, 5));   // second: active
  // The generated shadow is opaque under the window and fades outwards, in the shadow colour's opacity.
  const LoadedModel plain = LoadModel(WithFileBorder("[GLOBALINFO]\n"), 96, on);
  const PixelImage& active = plain.Data->ShdaTemplate;
  EXPECT_EQ(PixelA(active.at(13, 15)), 0x99u);
  EXPECT_LT(PixelA(active.at(0, 15)), 0x10u);
  EXPECT_EQ(PixelA(plain.Data->ShdiTemplate.at(13, 15)), 0x44u);
}

TEST(Metrics, OuterEffectsFromAnElementOrGenerated) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nSH_SOURCE=1\nSH_MASK=^0000^0000^0020^0040^0008^0008^0008^0008^1^1^1\n"
      "LO_COLORT=255\n"),
      96, [](TacSkinSettings& s) { s.ScaleSlot = 1; });
  const TacSkinData& d = *m.Data;
  const TacOutEffData& shadow = d.oe[1];
  ASSERT_GE(shadow.Mask, 0);
  const TsMaskData& sh = d.ma[static_cast<size_t>(shadow.Mask)];
  EXPECT_EQ(sh.ClassName, "GLOBALINFO");
  EXPECT_EQ(sh.PropertyName, "SH_MASK");
  EXPECT_EQ(sh.ImgType, TacImgType::itisaBorder);
  EXPECT_EQ(sh.Cfg, 0);
  EXPECT_EQ(sh.Bmp, nullptr);  // the plain key at 96 PPI: a piece of the master bitmap
  EXPECT_EQ((std::array{shadow.OffsetL, shadow.OffsetT, shadow.OffsetR, shadow.OffsetB}), (std::array{3, 2, 3, 6}));
  EXPECT_EQ(shadow.Opacity, 60);
  EXPECT_EQ(shadow.WidthL, -1);

  const TacOutEffData& light = d.oe[0];
  ASSERT_GE(light.Mask, 0);
  const TsMaskData& lo = d.ma[static_cast<size_t>(light.Mask)];
  EXPECT_EQ(d.CacheEntryOf(lo)->FileName, "OuterCalc");
  EXPECT_EQ((std::array{light.WidthL, light.WidthT, light.WidthR, light.WidthB}), (std::array{2, 2, 2, 5}));
  EXPECT_EQ(lo.R, (TRect{0, 0, 4, 14}));
  EXPECT_EQ(lo.Bmp->at(0, 3), ColorToPixel(0xFFFFFF));  // left side white
  EXPECT_EQ(lo.Bmp->at(2, 0), ColorToPixel(255));       // top side as given
  EXPECT_EQ(light.Opacity, 200);

  // The plain key at a larger density follows the scaling setting (here 125 %).
  const LoadedModel scaled = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nSH_SOURCE=1\nSH_MASK=^0000^0000^0020^0040^0008^0008^0008^0008^1^1^1\n"),
      144, [](TacSkinSettings& s) { s.ScaleSlot = 1; });
  const TsMaskData& big = scaled.Data->ma[static_cast<size_t>(scaled.Data->oe[1].Mask)];
  ASSERT_NE(big.Bmp, nullptr);
  EXPECT_EQ(big.R, (TRect{0, 0, 25, 50}));
  EXPECT_EQ(big.WL, 10);
}

// A generated effect is painted in one colour only when its bottom is the key colour; a
// key-colour top alone (the default window shadow) stays in the picture as written.
TEST(Metrics, GeneratedOuterEffectIsOneColourOnlyForAKeyColourBottom) {
  const struct {
    const char* keys;
    size_t entry;
    int width, height;
    uint32_t left, top, bottom;
  } cases[] = {
      // The shadow's top is the key colour, its other sides SH_COLORL and 0.
      {"SH_COLORL=255\n", 1, 6, 7, 255, 0xFF00FF, 0},
      {"LO_COLORL=255\nLO_COLORT=65280\nLO_COLORB=16711680\n", 0, 4, 6, 255, 65280, 16711680},
      {"LO_COLORL=255\nLO_COLORT=65280\nLO_COLORB=16711935\n", 0, 4, 6, 255, 255, 255},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    const LoadedModel m = LoadModel(SmallSkin(std::string("[GLOBALINFO]\n") + c.keys), 96);
    const TacOutEffData& effect = m.Data->oe[c.entry];
    ASSERT_GE(effect.Mask, 0);
    const TsMaskData& mask = m.Data->ma[static_cast<size_t>(effect.Mask)];
    ASSERT_NE(mask.Bmp, nullptr);
    ASSERT_EQ(mask.R, (TRect{0, 0, c.width, 2 * c.height}));  // the picture above its mask
    EXPECT_EQ(mask.Bmp->at(0, c.height / 2), ColorToPixel(c.left));
    EXPECT_EQ(mask.Bmp->at(c.width / 2, 0), ColorToPixel(c.top));
    EXPECT_EQ(mask.Bmp->at(c.width / 2, c.height - 1), ColorToPixel(c.bottom));
  }
}

// The elements controls ask for by role are found once per load, each at its fixed place.
TEST(Metrics, FixedElementsSitAtTheirPlaces) {
  const char* g = "@0000@0000@0010@0010@1@0\n";
  const char* b = "^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n";
  std::string o = "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n";
  for (const char* key : {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "SMALLUNCHECKED", "SMALLCHECKED", "SMALLGRAYED",
                          "RADIOUNCHECKED", "RADIOCHECKED", "GRIPVERT", "GRIPHORZ", "GRIPIMAGE"})
    o += std::string(key) + "=" + g;
  const auto section = [&](const char* name, std::initializer_list<const char*> keys) {
    o += std::string("[") + name + "]\n";
    for (const char* key : keys) o += std::string(key) + "=" + b;
  };
  section("MENUITEM", {"BORDERSMASK", "GLYPHMASK"});
  section("COMBOBTN", {"BORDERSMASK", "GLYPHMASK"});
  section("COMBOBOX", {"GLYPHMASK"});
  section("SCROLLBTNTOP", {"BORDERSMASK"});
  section("SCROLLBAR2V", {"BORDERSMASK"});
  section("UPDOWNBTN", {"BORDERSMASK"});
  section("SCROLLSLIDERV", {"BORDERSMASK"});
  section("TABRIGHTLAST", {"BORDERSMASK"});
  section("TABBOTTOM", {"BORDERSMASK"});
  section("TRACKBAR", {"BORDERSMASK", "SLIDERMASK", "SLIDERVMASK", "TICKVERT", "TICKHORZ", "PROGHORZ", "SLIDERCHANNEL"});
  const LoadedModel m = LoadModel(SmallSkin(o), 96);
  const TacSkinData& d = *m.Data;
  const auto mask = [&](const char* s, const char* key) { return d.GetMaskIndex(s, key); };
  const int updown = d.Options()->SectionIndex("UPDOWNBTN");
  const struct {
    const char* what;
    int actual, expected;
  } places[] = {
      {"CheckBox[0]", d.CheckBox[0], mask("GLOBALINFO", "BOXUNCHECKED")},
      {"CheckBox[1]", d.CheckBox[1], mask("GLOBALINFO", "BOXCHECKED")},
      {"CheckBox[2]", d.CheckBox[2], mask("GLOBALINFO", "BOXGRAYED")},
      {"SmallCheckBox[0]", d.SmallCheckBox[0], mask("GLOBALINFO", "SMALLUNCHECKED")},
      {"SmallCheckBox[2]", d.SmallCheckBox[2], mask("GLOBALINFO", "SMALLGRAYED")},
      {"RadioButton[0]", d.RadioButton[0], mask("GLOBALINFO", "RADIOUNCHECKED")},
      {"RadioButton[1]", d.RadioButton[1], mask("GLOBALINFO", "RADIOCHECKED")},
      {"GripVertical", d.GripVertical, mask("GLOBALINFO", "GRIPVERT")},
      {"GripHorizontal", d.GripHorizontal, mask("GLOBALINFO", "GRIPHORZ")},
      {"GripRightBottom", d.GripRightBottom, mask("GLOBALINFO", "GRIPIMAGE")},
      {"MenuItem.MaskIndex", d.MenuItem.MaskIndex, mask("MENUITEM", "BORDERSMASK")},
      {"MenuItem.GlyphIndex", d.MenuItem.GlyphIndex, mask("MENUITEM", "GLYPHMASK")},
      {"ComboBtn.MaskIndex", d.ComboBtn.MaskIndex, mask("COMBOBTN", "BORDERSMASK")},
      {"ComboBtn.GlyphIndex (the combo box's)", d.ComboBtn.GlyphIndex, mask("COMBOBOX", "GLYPHMASK")},
      {"ScrollBtns[asTop]", d.ScrollBtns[asTop].MaskIndex, mask("SCROLLBTNTOP", "BORDERSMASK")},
      {"Scrolls[asBottom]", d.Scrolls[asBottom].MaskIndex, mask("SCROLLBAR2V", "BORDERSMASK")},
      {"UpDownBtns[asLeft] (falls back)", d.UpDownBtns[asLeft].SkinIndex, updown},
      {"Sliders[true]", d.Sliders[1].MaskIndex, mask("SCROLLSLIDERV", "BORDERSMASK")},
      {"Sliders[false] (missing)", d.Sliders[0].MaskIndex, -1},
      {"Tabs[tlLast][asRight]", d.Tabs[tlLast][asRight].MaskIndex, mask("TABRIGHTLAST", "BORDERSMASK")},
      {"Tabs[tlSingle][asBottom]", d.Tabs[tlSingle][asBottom].MaskIndex, mask("TABBOTTOM", "BORDERSMASK")},
      {"Tabs[tlFirst][asLeft] (missing)", d.Tabs[tlFirst][asLeft].SkinIndex, -1},
      {"TrackBar[0].SliderIndex", d.TrackBar[0].SliderIndex, mask("TRACKBAR", "SLIDERVMASK")},
      {"TrackBar[1].SliderIndex", d.TrackBar[1].SliderIndex, mask("TRACKBAR", "SLIDERMASK")},
      {"TrackBar[0].TickIndex", d.TrackBar[0].TickIndex, mask("TRACKBAR", "TICKVERT")},
      {"TrackBar[1].TickIndex", d.TrackBar[1].TickIndex, mask("TRACKBAR", "TICKHORZ")},
      {"TrackBar[1].ProgIndex", d.TrackBar[1].ProgIndex, mask("TRACKBAR", "PROGHORZ")},
      {"TrackBar[0].ChannelIndex", d.TrackBar[0].ChannelIndex, mask("TRACKBAR", "SLIDERCHANNEL")},
      {"TrackBar[1].MaskIndex", d.TrackBar[1].MaskIndex, mask("TRACKBAR", "BORDERSMASK")},
  };
  int missing = 0;
  for (const auto& p : places) {
    EXPECT_EQ(p.actual, p.expected) << p.what;
    missing += p.expected < 0 ? 1 : 0;
  }
  EXPECT_EQ(missing, 2) << "only the rows marked missing: every other element is in the fixture";
}
