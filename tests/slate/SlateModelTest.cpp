// The built Slate package loaded into the skin model at each of the four densities.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/SlateFixture.h"

namespace {

bool IsProgramSection(std::string_view name) {
  return std::find(kProgramSections.begin(), kProgramSections.end(), name) != kProgramSections.end();
}

class SlateAtDensity : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    for (int ppi : kSlateDensities) models_.emplace(ppi, LoadSlate(ppi));
  }
  static void TearDownTestSuite() { models_.clear(); }
  const TacSkinData& Data() const { return *models_.at(GetParam()).Data; }
  const TacOptionsFile& Options() const { return *Data().Options(); }
  const TsMaskData& Mask(std::string_view section, std::string_view key) const {
    const int index = Data().GetMaskIndex(section, key);
    if (index < 0) throw std::runtime_error(std::string(section) + " has no " + std::string(key));
    return Data().ma.at(static_cast<size_t>(index));
  }

 private:
  static inline std::map<int, SlateModel> models_;
};

TEST_P(SlateAtDensity, EverySectionTheProgramDrawsFromIsTheSkinsOwn) {
  for (std::string_view name : kProgramSections) {
    const int index = Data().GetSkinIndex(name);
    EXPECT_GE(index, 0) << name;
    EXPECT_EQ(index, Options().SectionIndex(name)) << name << " is a copy the loader added, not the skin's own";
  }
  for (size_t s = 0; s < kSectionNames.size(); ++s) {
    if (!IsProgramSection(kSectionNames[s])) continue;
    EXPECT_EQ(Data().Sections[s], Options().SectionIndex(kSectionNames[s])) << kSectionNames[s] << " resolves to a fallback";
  }
}

TEST_P(SlateAtDensity, EveryElementLiesInsideItsPicture) {
  ASSERT_FALSE(Data().ma.empty());
  for (const TsMaskData& m : Data().ma) {
    const PixelBuffer source = Data().MaskSource(m);
    const std::string what = m.ClassName + " " + m.PropertyName;
    ASSERT_FALSE(source.empty()) << what;
    EXPECT_FALSE(m.R.IsEmpty()) << what;
    EXPECT_TRUE(m.R.Left >= 0 && m.R.Top >= 0 && m.R.Right <= source.width && m.R.Bottom <= source.height) << what;
    EXPECT_LE(m.Width * m.ImageCount, m.R.Width()) << what;
    EXPECT_LE(m.Height * (m.MaskType + 1), m.R.Height()) << what;
  }
}

// Every element has a picture drawn for this density, so none is resampled.
TEST_P(SlateAtDensity, ElementsAreDrawnForThisDensity) {
  for (const TsMaskData& m : Data().ma) {
    EXPECT_EQ(m.DivPPI, GetParam()) << m.ClassName << " " << m.PropertyName;
    EXPECT_EQ(m.MulPPi, GetParam()) << m.ClassName << " " << m.PropertyName;
  }
}

// A face painted by its element (the section itself transparent) must be opaque in its
// middle and have the colour the section names: text colours are checked against it.
TEST_P(SlateAtDensity, FacesHaveTheColoursTheirSectionsName) {
  for (const TsGeneralData& section : Data().gd) {
    if (section.BorderIndex < 0 || !IsProgramSection(section.ClassName)) continue;
    const TsMaskData& m = Data().ma[static_cast<size_t>(section.BorderIndex)];
    for (int state = 0; state < std::min(section.States, 3); ++state) {
      const bool drawn = (m.DrawMode & 0x04) != 0 && !(state == 0 && (m.DrawMode & 0x02) != 0);
      if (!drawn || section.Props[static_cast<size_t>(state)].Transparency < 100) continue;
      const int image = std::min(state, m.ImageCount - 1);
      EXPECT_EQ(ElementMask(Data(), m, image, m.WL, m.WT), 0) << section.ClassName << " state " << state;
      EXPECT_EQ(ElementPixel(Data(), m, image, m.WL, m.WT, 0), section.Props[static_cast<size_t>(state)].Color)
          << section.ClassName << " state " << state;
    }
  }
}

// Title buttons are two lines lower than the title: centred in it they leave its top edge
// line and its bottom hairline alone.
TEST_P(SlateAtDensity, TitleButtonsFitTheTitle) {
  const int line = GetParam() >= 192 ? 2 : 1;
  for (int glyph = 1; glyph <= 5; ++glyph) {
    const int index = Data().TitleGlyphs[static_cast<size_t>(glyph)];
    ASSERT_GE(index, 0) << kTitleGlyphNames[static_cast<size_t>(glyph)];
    const TsMaskData& m = Data().ma[static_cast<size_t>(index)];
    EXPECT_EQ(m.ImageCount, 3);
    EXPECT_EQ(m.Height, Data().ExTitleHeight - 2 * line) << m.PropertyName;
    const int vcenter = Data().ExTitleHeight - Data().ExTitleHeight / 2;
    EXPECT_EQ(vcenter - m.Height / 2, line) << m.PropertyName << ": the top of a button centred in the title";
  }
  EXPECT_EQ(Data().TitleGlyphs[0], Data().TitleGlyphs[1]);  // close alone: the close button
}

// The thumb's dot is concentric with the track's round end.
TEST_P(SlateAtDensity, ThumbFitsTheTrack) {
  for (auto [track, thumb] : {std::pair{"SLIDER_ON", "THUMB_ON"}, std::pair{"SLIDER_OFF", "THUMB_OFF"}}) {
    const TsMaskData& t = Mask(track, "BORDERSMASK");
    EXPECT_EQ(Mask(thumb, "BORDERSMASK").Height, t.Height - 2 * Data().SliderMargin) << thumb;
    EXPECT_EQ(t.WT + t.WB + 1, t.Height) << track << ": its ends are the round margins";
  }
}

TEST_P(SlateAtDensity, WindowShadowReachesFurthestDownAndDarkensWhenActive) {
  const TRect& size = Data().FormShadowSize;
  const auto scaled = [&](int v) { return static_cast<int>(std::lround(v * GetParam() / 96.0)); };
  EXPECT_EQ(size, (TRect{scaled(12), scaled(8), scaled(12), scaled(16)}));
  ASSERT_FALSE(Data().ShdaTemplate.empty());
  ASSERT_EQ(Data().ShdaTemplate.width(), Data().ShdiTemplate.width());
  uint64_t active = 0, inactive = 0;
  for (int y = 0; y < Data().ShdaTemplate.height(); ++y)
    for (int x = 0; x < Data().ShdaTemplate.width(); ++x) {
      active += PixelA(Data().ShdaTemplate.at(x, y));
      inactive += PixelA(Data().ShdiTemplate.at(x, y));
    }
  EXPECT_GT(active, inactive + inactive / 2);
}

TEST_P(SlateAtDensity, MetricsScaleWithTheDensity) {
  const std::map<int, int> titles{{96, 30}, {120, 38}, {144, 46}, {192, 60}};
  EXPECT_EQ(Data().ExTitleHeight, titles.at(GetParam()));
  EXPECT_EQ(Data().ExBorderWidth, 4 * GetParam() / 96);
  EXPECT_EQ(Data().ExContentOffs, 0);
}

INSTANTIATE_TEST_SUITE_P(Ppi, SlateAtDensity, testing::ValuesIn(kSlateDensities),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

}  // namespace
