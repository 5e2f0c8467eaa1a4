// Elements made for any density from the options file (GetScaledMaskData).
#include <gtest/gtest.h>

#include "tests/skin_manager/ManagerFixtures.h"

namespace {

std::unique_ptr<TsSkinManager> ManagerWith(RecordingHost& host, const std::string& extraSection) {
  FixtureSkin skin = LookupSkin();
  skin.Options += extraSection;
  auto m = std::make_unique<TsSkinManager>(host);
  AddInternalSkin(*m, "S", skin.Pack());
  m->SetSkinName("S");
  return m;
}

}  // namespace

TEST(ScaledMask, TheDenserVariantIsChosenAndScaledToTheDensityAsked) {
  RecordingHost host;
  const auto m = ManagerWith(host,
                             "[SLIDER]\n"
                             "THUMB=^0000^0000^0012^0008^0002^0002^0002^0002^1^0^1\n"
                             "THUMB*150=^0000^0016^0018^0028^0003^0003^0003^0003^1^0^1\n"
                             "KNOB=^0000^0000^0012^0008^0002^0002^0002^0002^1^0^1\n"
                             "KNOB*200=^0000^0032^0024^0048^0004^0004^0004^0004^1^0^1\n");
  const struct {
    const char* key;
    int ppi, divPPI;
  } cases[] = {{"THUMB", 130, 144}, {"KNOB", 200, 192}, {"KNOB", 96, 192}, {"THUMB", 96, 144}, {"THUMB", 192, 144}};
  for (const auto& c : cases) {
    TsMaskData md;
    std::unique_ptr<PixelImage> image;
    ASSERT_EQ(m->GetScaledMaskData("SLIDER", c.key, c.ppi, md, image), c.ppi) << c.key << c.ppi;
    EXPECT_EQ(md.DivPPI, c.divPPI) << c.key << c.ppi;
    EXPECT_EQ(md.MulPPi, c.ppi);
    EXPECT_EQ(md.ClassName, "SLIDER");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(md.Bmp, image.get());
    EXPECT_EQ(md.R, (TRect{0, 0, image->width(), image->height()}));
  }
}

TEST(ScaledMask, AVariantForTheDensityItselfIsCopiedUnscaled) {
  RecordingHost host;
  const auto m = ManagerWith(host, "[PLAIN]\nFACE=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n");
  TsMaskData md;
  std::unique_ptr<PixelImage> image;
  ASSERT_EQ(m->GetScaledMaskData("PLAIN", "FACE", 96, md, image), 96);
  EXPECT_EQ(md.DivPPI, 96);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width(), 12);
  EXPECT_EQ(image->height(), 8);
  EXPECT_EQ(md.Width, 4);  // three states
  EXPECT_EQ(image->at(0, 0), m->MasterBitmap()->at(0, 0));
  const size_t cached = m->CommonSkinData(96).BmpArray.size();
  m->GetScaledMaskData("PLAIN", "FACE", 130, md, image);
  EXPECT_EQ(m->CommonSkinData(96).BmpArray.size(), cached);  // nothing was cached
}

TEST(ScaledMask, AMissingKeyOrSectionOrNoSkinGiveMinusOne) {
  RecordingHost host;
  const auto m = ManagerWith(host, "");
  ASSERT_TRUE(m->IsActive()) << "a valid skin, so each -1 below is the lookup's own";
  TsMaskData md;
  std::unique_ptr<PixelImage> image;
  ASSERT_EQ(m->GetScaledMaskData("BUTTON", "BORDERSMASK", 96, md, image), 96);
  EXPECT_EQ(m->GetScaledMaskData("BUTTON", "NOSUCHKEY", 96, md, image), -1);
  EXPECT_EQ(m->GetScaledMaskData("NOSUCH", "BORDERSMASK", 96, md, image), -1);
  m->SetActive(false);
  EXPECT_EQ(m->GetScaledMaskData("BUTTON", "BORDERSMASK", 96, md, image), -1);
}

// Only the variant for 200 % is malformed, and only this lookup reads it.
TEST(ScaledMask, AMalformedValueGivesMinusOne) {
  RecordingHost host;
  const auto m = ManagerWith(host,
                             "[ODD]\nMASK=^0000^0000^0012^0008^0002^0002^0002^0002^1^0^1\n"
                             "MASK*200=^00x0^0000^0012^0008^0002^0002^0002^0002^1^0^1\n");
  ASSERT_TRUE(m->IsActive()) << "the skin itself loads";
  TsMaskData md;
  std::unique_ptr<PixelImage> image;
  ASSERT_EQ(m->GetScaledMaskData("ODD", "MASK", 96, md, image), -1);
  EXPECT_EQ(image, nullptr);
}
