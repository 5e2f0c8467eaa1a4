#include <gtest/gtest.h>

#include "skin/data/acShapeGenerator.h"
#include "skin/base/acSkinPixels.h"
#include "tests/support/FixtureSkins.h"
#include "tests/support/ImageWriters.h"

namespace {

const TsMaskData* Element(const LoadedModel& m, std::string_view section, std::string_view key) {
  const int i = m.Data->GetMaskIndex(section, key);
  return i < 0 ? nullptr : &m.Data->ma[static_cast<size_t>(i)];
}

const char kVariants[] =
    "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
    "BOXCHECKED=@0000@0000@0013@0013@1@0\n"
    "BOXCHECKED*200=@0013@0000@0039@0026@1@0\n"
    "PLAINONLY=@0000@0030@0012@0042@1@0\n"
    "GHOST*200=@0000@0000@0013@0013@1@0\n"
    "[PANEL]\nBORDERSMASK=^0040^0000^0050^0010^0001^0001^0001^0001^1^0^1\n";

}  // namespace

TEST(ElementTable, ScaledVariantIsChosenPerDensity) {
  const struct {
    int ppi;
    int divPPI;
    bool ownPicture;
    TRect r;
  } cases[] = {
      {96, 96, false, {0, 0, 13, 13}},     // 96 PPI always takes the plain key
      {110, 192, true, {0, 0, 14, 14}},    // the next larger variant, rescaled: 110 * 26 / 192
      {120, 192, true, {0, 0, 16, 16}},
      {130, 192, true, {0, 0, 17, 17}},
      {144, 192, true, {0, 0, 19, 19}},
      {192, 192, false, {13, 0, 39, 26}},  // drawn for this density: cut from the master bitmap
      {240, 192, true, {0, 0, 32, 32}},    // above 192 the largest variant is scaled up
  };
  const FixtureSkin skin = SmallSkin(kVariants);
  for (const auto& c : cases) {
    const LoadedModel m = LoadModel(skin, c.ppi);
    const TsMaskData* box = Element(m, "GLOBALINFO", "BOXCHECKED");
    ASSERT_NE(box, nullptr) << c.ppi;
    EXPECT_EQ(box->DivPPI, c.divPPI) << c.ppi;
    EXPECT_EQ(box->MulPPi, c.ppi);
    EXPECT_EQ(box->Bmp != nullptr, c.ownPicture) << c.ppi;
    EXPECT_EQ(box->R, c.r) << c.ppi;
    EXPECT_EQ(box->Width, c.r.Width());
    // A variant without its plain key is never read.
    EXPECT_EQ(Element(m, "GLOBALINFO", "GHOST"), nullptr);
    EXPECT_EQ(Element(m, "GLOBALINFO", "GHOST*200"), nullptr);
  }
  const LoadedModel at192 = LoadModel(skin, 192);
  const TsMaskData* plain = Element(at192, "GLOBALINFO", "PLAINONLY");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->DivPPI, 96);
  EXPECT_EQ(plain->R, (TRect{0, 0, 24, 24}));
  // One-pixel borders are not rescaled: they stay at their source density.
  const TsMaskData* panel = Element(at192, "PANEL", "BORDERSMASK");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Bmp, nullptr);
  EXPECT_EQ(panel->R, (TRect{40, 0, 50, 10}));
  EXPECT_EQ(panel->WL, 1);
}

TEST(ElementTable, PixelsPerInchMapToSlotsAtTheirBoundaries) {
  const struct {
    int ppi, slot;
  } cases[] = {{96, 0}, {110, 0}, {111, 1}, {134, 1}, {135, 2}, {170, 2}, {171, 3}, {192, 3}, {288, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleSlotOfPPI(c.ppi), c.slot) << c.ppi;
    EXPECT_EQ(TacSkinData(nullptr, c.ppi).ScaleValue, c.slot) << c.ppi;
  }
}

TEST(ElementTable, StateImageSizeFollowsImageCountAndMaskType) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[S]\nBORDERSMASK=^0000^0000^0030^0020^0002^0002^0002^0002^3^1^1\n"
      "GLYPHMASK=@0000@0020@0020@0030@2@0\n"
      "PATTERN=~0030~0000~0031~0040~02~1\n"
      "IMGTOPLEFT=&0000004000200052000000000000000001000000000\n"),
      96);
  const struct {
    const char* key;
    int width, height, images;
  } cases[] = {{"BORDERSMASK", 10, 10, 3}, {"GLYPHMASK", 10, 10, 2}, {"PATTERN", 1, 20, 1}, {"IMGTOPLEFT", 20, 6, 1}};
  for (const auto& c : cases) {
    const TsMaskData* e = Element(m, "S", c.key);
    ASSERT_NE(e, nullptr) << c.key;
    EXPECT_EQ(e->Width, c.width) << c.key;
    EXPECT_EQ(e->Height, c.height) << c.key;
    EXPECT_EQ(e->ImageCount, c.images) << c.key;
  }
  // Without a count of state images the margins come from the size.
  const TsMaskData* corner = Element(m, "S", "IMGTOPLEFT");
  EXPECT_EQ(corner->WL, 9);
  EXPECT_EQ(corner->WR, 9);
  EXPECT_EQ(corner->WT, 1);
  EXPECT_EQ(corner->WB, 1);
  EXPECT_EQ(m.Data->gd[1].ImgTL, m.Data->GetMaskIndex("S", "IMGTOPLEFT"));
}

TEST(ElementTable, FileElementsAreRescaledMaskAndPictureApart) {
  FixtureSkin skin = SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[BUTTON_HUGE]\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0031!0031!0031!0031!5\n"
      "[OTHER]\nBORDERSMASK=!buttonhuge.bmp!3!1!0!0031!0031!0031!0031!5\n");
  PixelImage huge(288, 128, 0xFF2A4A6A);
  for (int x = 0; x < 288; ++x)
    for (int y = 64; y < 128; ++y) huge.at(x, y) = 0xFF000000;
  huge.at(0, 0) = 0xFFFF00FF;
  skin.Add("BUTTONHUGE.BMP", EncodeBmp(huge));

  const LoadedModel at96 = LoadModel(skin, 96);
  const TsMaskData* e96 = Element(at96, "BUTTON_HUGE", "BORDERSMASK");
  ASSERT_NE(e96, nullptr);
  EXPECT_EQ(e96->R, (TRect{0, 0, 288, 128}));
  EXPECT_EQ(e96->Width, 96);
  EXPECT_EQ(e96->Height, 64);
  EXPECT_EQ(e96->Cfg, kCfgHugeButton);
  EXPECT_EQ(e96->Bmp->at(0, 0), kTransparentKeyPixel);  // a 24-bit picture's key colour is transparent
  EXPECT_EQ(e96->Bmp->at(1, 0), 0xFF2A4A6Au);
  const TsMaskData* other = Element(at96, "OTHER", "BORDERSMASK");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->Bmp, e96->Bmp);  // one decoded picture serves every element that names the file
  EXPECT_EQ(other->Cfg, kCfgKeyColorCorners);
  EXPECT_EQ(std::count_if(at96.Data->BmpArray.begin(), at96.Data->BmpArray.end(),
                          [](const TacBmpData& e) { return e.FileName == "BUTTONHUGE.BMP"; }),
            1);

  const LoadedModel at144 = LoadModel(skin, 144);
  const TsMaskData* e = Element(at144, "BUTTON_HUGE", "BORDERSMASK");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->R, (TRect{0, 0, 432, 192}));
  EXPECT_EQ(e->Width, 144);
  EXPECT_EQ(e->Height, 96);
  EXPECT_EQ(e->WL, 46);  // 31 * 1.5 = 46.5, rounded half to even
  EXPECT_EQ(e->WR, 46);
  EXPECT_EQ(e->Bmp->at(200, 150), 0xFF000000u);                    // the mask half stays a mask
  EXPECT_EQ(e->Bmp->at(200, 40) & 0xFFFFFF, 0x2A4A6Au);            // the picture half a picture
}

TEST(ElementTable, KeyColourCornersMarkBorderElements) {
  PixelImage master(40, 8, 0xFF808080);
  master.at(0, 0) = 0xFFFF00FF;          // corner of the first element
  master.at(11, 3) = 0xFFFF00FF;         // centre of the second
  master.at(39, 7) = 0xFFFF00FF;         // corner of the third element's second state image
  FixtureSkin skin{"[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
                   "[S]\nBORDERSMASK=^0000^0000^0008^0008^0002^0002^0002^0002^1^0^1\n"
                   "IMGTOPLEFT=^0008^0000^0016^0008^0002^0002^0002^0002^1^0^1\n"
                   "IMGTOPRIGHT=^0024^0000^0040^0008^0002^0002^0002^0002^2^0^1\n",
                   {}};
  skin.Add("MASTER.PNG", EncodePng(master));
  const LoadedModel m = LoadModel(skin, 96);
  EXPECT_EQ(Element(m, "S", "BORDERSMASK")->Cfg, kCfgKeyColorCorners);
  EXPECT_EQ(Element(m, "S", "IMGTOPLEFT")->Cfg, 0);
  EXPECT_EQ(Element(m, "S", "IMGTOPRIGHT")->Cfg, kCfgKeyColorCorners);
  // The master bitmap's opaque key colour is transparent.
  EXPECT_EQ(m.Skin->MasterBitmap()->at(0, 0), kTransparentKeyPixel);
}

TEST(ElementTable, RectanglesOutsideTheirPictureAreClippedOrRefused) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[S]\nBORDERSMASK=^0050^0050^0080^0070^0002^0002^0002^0002^1^0^1\n"
      "GLYPHMASK=@0100@0100@0120@0120@1@0\n"
      "PATTERN=~0000~0000~0000~0000~02~0\n"),
      96);
  const TsMaskData* clipped = Element(m, "S", "BORDERSMASK");
  ASSERT_NE(clipped, nullptr);
  EXPECT_EQ(clipped->R, (TRect{50, 50, 64, 64}));
  EXPECT_EQ(Element(m, "S", "GLYPHMASK"), nullptr);  // wholly outside: no element
  const TsMaskData* whole = Element(m, "S", "PATTERN");
  ASSERT_NE(whole, nullptr);
  EXPECT_EQ(whole->R, (TRect{0, 0, 64, 64}));  // an empty rectangle stands for the whole picture
}

TEST(ElementTable, MissingOrUndecodableImagesLeaveOnlyThatElementOut) {
  FixtureSkin skin = SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[S]\nBORDERSMASK=!NOFILE.BMP!1!0!0!0002!0002!0002!0002!1\n"
      "GLYPHMASK=!BROKEN.PNG!1!0!2\n"
      "PATTERN=!GOOD.BMP!1!0!1\n"
      "HOTPATTERN=~0000~0000~0004~0004~02~0\n");
  skin.Add("BROKEN.PNG", std::vector<uint8_t>{0x89, 'P', 'N', 'G', 1, 2, 3});
  skin.Add("GOOD.BMP", EncodeBmp(PatternPicture(8, 8)));
  const LoadedModel m = LoadModel(skin, 96);
  EXPECT_EQ(Element(m, "S", "BORDERSMASK"), nullptr);
  EXPECT_EQ(Element(m, "S", "GLYPHMASK"), nullptr);
  EXPECT_NE(Element(m, "S", "PATTERN"), nullptr);
  EXPECT_NE(Element(m, "S", "HOTPATTERN"), nullptr);
  EXPECT_EQ(m.Data->gd[1].BorderIndex, -1);
  EXPECT_EQ(m.Data->gd[1].ScrollBorderOffset, -2);

  // Without a master bitmap the pieces of it are left out; file elements stay.
  FixtureSkin noMaster = skin;
  noMaster.Files.erase(noMaster.Files.begin());
  const LoadedModel n = LoadModel(noMaster, 96);
  EXPECT_NE(Element(n, "S", "PATTERN"), nullptr);
  EXPECT_EQ(Element(n, "S", "HOTPATTERN"), nullptr);
}

TEST(ElementTable, PngElementsArePremultipliedExceptBorders) {
  PixelImage picture(2, 1);
  picture.at(0, 0) = MakePixel(200, 100, 50, 128);
  picture.at(1, 0) = 0x00FFFFFF;
  FixtureSkin skin = SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[S]\nGLYPHMASK=!GLYPH.PNG!1!0!2\nBORDERSMASK=!EDGE.PNG!1!0!0!0000!0000!0000!0000!16\n");
  skin.Add("GLYPH.PNG", EncodePng(picture)).Add("EDGE.PNG", EncodePng(picture));
  const LoadedModel m = LoadModel(skin, 96);
  const TsMaskData* glyph = Element(m, "S", "GLYPHMASK");
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph->Bmp->at(0, 0), MakePixel(100, 50, 25, 128));
  EXPECT_EQ(glyph->Bmp->at(1, 0), 0u);
  const TsMaskData* edge = Element(m, "S", "BORDERSMASK");
  ASSERT_NE(edge, nullptr);
  EXPECT_EQ(edge->Bmp->at(0, 0), MakePixel(200, 100, 50, 128));
}

TEST(ElementTable, WithoutCompositionNearWhiteIsCappedInsteadOfPremultiplied) {
  PixelImage picture(3, 1);
  picture.at(0, 0) = MakePixel(250, 245, 255, 128);
  picture.at(1, 0) = MakePixel(250, 244, 255, 128);
  picture.at(2, 0) = 0x00FFFFFF;
  PremultiplyElement(picture.view(), false);
  EXPECT_EQ(picture.at(0, 0), MakePixel(244, 244, 244, 128));
  EXPECT_EQ(picture.at(1, 0), MakePixel(125, 122, 127, 128));
  EXPECT_EQ(picture.at(2, 0), 0u);
}

TEST(ElementTable, SectionsWithGeneratedOuterImages) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[GENERATED]\nOUTERMODE=3\nOUTOFFSL=4\nOUTOFFST=4\nOUTOFFSR=4\nOUTOFFSB=6\nOUTCOLL=4210752\n"
      "[FOURSIDES]\nOUTERMODE=4\nOUTOFFSL=3\nOUTOFFST=3\nOUTOFFSR=3\nOUTOFFSB=3\nOUTCOLL=255\nOUTCOLT=65280\n"
      "[FROMKEY]\nOUTERMODE=1\nOUTERMASK=^0000^0000^0012^0024^0004^0004^0004^0004^1^1^1\n"
      "[NOOFFSETS]\nOUTERMODE=3\n"
      "[NONE]\nOUTERMODE=0\nOUTERMASK=^0000^0000^0012^0024^0004^0004^0004^0004^1^1^1\n"),
      96);
  const TacSkinData& d = *m.Data;
  const TsGeneralData& g = d.gd[static_cast<size_t>(d.GetSkinIndex("GENERATED"))];
  ASSERT_GE(g.OuterMask, 0);
  const TsMaskData& outer = d.ma[static_cast<size_t>(g.OuterMask)];
  EXPECT_EQ(outer.R, (TRect{0, 0, 8, 20}));
  EXPECT_EQ(outer.ImageCount, 1);
  EXPECT_EQ(outer.MaskType, 1);
  EXPECT_EQ(outer.DrawMode, 1);
  EXPECT_EQ((std::array{outer.WL, outer.WT, outer.WR, outer.WB}), (std::array{4, 4, 4, 6}));
  EXPECT_EQ(outer.Height, 10);
  EXPECT_EQ(d.CacheEntryOf(outer)->FileName, "Outer" + std::to_string(g.OuterMask));
  EXPECT_EQ(outer.Bmp->at(4, 5), ColorToPixel(4210752));           // picture half in the outer colour
  EXPECT_GT(PixelR(outer.Bmp->at(0, 10)), 200u);                  // mask: the corner is transparent
  const TsGeneralData& four = d.gd[static_cast<size_t>(d.GetSkinIndex("FOURSIDES"))];
  const TsMaskData& sides = d.ma[static_cast<size_t>(four.OuterMask)];
  EXPECT_EQ(sides.Bmp->at(0, 2), ColorToPixel(255));              // left side
  EXPECT_EQ(sides.Bmp->at(2, 0), ColorToPixel(65280));            // top side
  EXPECT_EQ(d.gd[static_cast<size_t>(d.GetSkinIndex("FROMKEY"))].OuterMask, d.GetMaskIndex("FROMKEY", "OUTERMASK"));
  EXPECT_EQ(d.gd[static_cast<size_t>(d.GetSkinIndex("NOOFFSETS"))].OuterMask, -1);
  EXPECT_EQ(d.gd[static_cast<size_t>(d.GetSkinIndex("NONE"))].OuterMask, -1);
}

TEST(ElementTable, SoftShapeIsOpaqueInsideAndFadesOverTheBlur) {
  const std::vector<uint8_t> a = SoftRoundRect(20, 12, 3, 4);
  const auto at = [&](int x, int y) { return a[static_cast<size_t>(y) * 20 + x]; };
  EXPECT_EQ(at(10, 6), 255);
  EXPECT_EQ(at(5, 5), 255);
  EXPECT_LT(at(0, 0), 10);
  for (int x = 1; x <= 4; ++x) EXPECT_GE(at(x, 6), at(x - 1, 6)) << x;  // rises towards the inside
  EXPECT_LT(at(0, 6), 64);
  const std::vector<uint8_t> hard = SoftRoundRect(6, 6, 0, 0);
  EXPECT_EQ(std::count(hard.begin(), hard.end(), 255), 36);
}

TEST(ElementTable, CommonSectionsPatchAndAddSections) {
  const TacOptionsFile common("[BUTTON]\nCOLOR=0x10\nGIVEOWNFONT=true\nBORDERSMASK=X\n[NEWSEC]\nPARENTCLASS=button\nSTATES=2\n");
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[BUTTON]\nCOLOR=5\nFONTCOLOR=7\nBORDERSMASK=^0000^0000^0009^0006^0002^0002^0002^0002^3^0^1\n"),
      96, [&](TacSkinSettings& s) { s.CommonSections = &common; });
  const TacSkinData& d = *m.Data;
  const TsGeneralData& button = d.gd[static_cast<size_t>(d.GetSkinIndex("BUTTON"))];
  EXPECT_EQ(button.Props[0].Color, 16u);
  EXPECT_EQ(button.Props[0].FontColor.Color, 7u);
  EXPECT_TRUE(button.GiveOwnFont);
  EXPECT_EQ(button.BorderIndex, kBorderSwitchedOff);
  const TsGeneralData& added = d.gd[static_cast<size_t>(d.GetSkinIndex("NEWSEC"))];
  EXPECT_EQ(added.States, 2);
  EXPECT_EQ(added.Props[0].FontColor.Color, 7u);
}
