#include <gtest/gtest.h>

#include "skin/data/acSkinData.h"
#include "skin/base/acColorMix.h"
#include "skin/paint/acSkinnedText.h"
#include "skin/paint/acTextRecorder.h"

namespace {

constexpr uint32_t kFont = 0x111111, kGlobal = 0xFFFFFF;

struct TextModel {
  TacSkinData data{nullptr, 96};
  TextModel() {
    data.gd.resize(3);
    for (TsGeneralData& s : data.gd) s.States = 3;
    TsFontColor& f = data.gd[1].Props[1].FontColor;  // section 1, hot
    f.Color = kFont;
    f.Left = 0x0000FF;
    f.Right = 0x00FF00;
    f.Bottom = 0xFF0000;
    data.gd[1].Props[0].FontColor.Color = 0x222222;
    data.gd[1].Props[0].Color = 0x444444;
    data.gd[2].Props[0].FontColor.Color = 0x333333;
    data.gd[2].Props[1].FontColor.Color = 0x363636;
  }
  TacElementOwnerData Owner(int index = 1) const {
    TacElementOwnerData o;
    o.Data = &data;
    o.Index = index;
    return o;
  }
};

struct Canvas {
  PixelImage picture{40, 20, 0x00000000u};
  TacTextRecorder recorder;
  TacTextCanvas canvas{picture.view(), &recorder, TacFont{u"Test", -8, 400, false, false, 1, 0x0A0B0C}};
};

const TRect kBox{5, 5, 35, 15};

TEST(SkinnedText, ContoursThenTheTextInTheSectionColours) {
  TextModel m;
  Canvas c;
  WriteSkinnedText(c.canvas, u"Ab", true, false, 1, m.Owner(), tfSingleLine, kBox);
  ASSERT_EQ(c.recorder.calls.size(), 4u);
  const std::pair<uint32_t, TRect> expected[] = {
      {0x0000FF, kBox.Offset(-1, 0)}, {0x00FF00, kBox.Offset(1, 0)}, {0xFF0000, kBox.Offset(0, 1)}, {kFont, kBox}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(c.recorder.calls[i].Color, expected[i].first) << i;
    EXPECT_EQ(c.recorder.calls[i].R, expected[i].second) << i;
    EXPECT_EQ(c.recorder.calls[i].Text, u"Ab");
  }
}

TEST(SkinnedText, DisabledEmptyAndCustomFont) {
  TextModel m;
  {
    Canvas c;
    WriteSkinnedText(c.canvas, u"Ab", false, false, 1, m.Owner(), 0, kBox);
    ASSERT_EQ(c.recorder.calls.size(), 1u);
    EXPECT_EQ(c.recorder.calls[0].Color, MixColor(kFont, kGlobal, 100));
  }
  {
    Canvas c;
    WriteSkinnedText(c.canvas, u"", true, false, 1, m.Owner(), 0, kBox);
    EXPECT_TRUE(c.recorder.calls.empty());
  }
  {
    Canvas c;
    TacElementOwnerData own = m.Owner();
    own.OwnFont = true;
    WriteSkinnedText(c.canvas, u"Ab", true, false, 1, own, 0, kBox);
    ASSERT_EQ(c.recorder.calls.size(), 1u);
    EXPECT_EQ(c.recorder.calls[0].Color, 0x0A0B0Cu);
  }
  {
    Canvas c;
    WriteSectionText(c.canvas, u"Ab", false, m.data, 1, 1, 0, kBox);
    ASSERT_EQ(c.recorder.calls.size(), 1u);
    EXPECT_EQ(c.recorder.calls[0].Color, MixColor(0x222222, 0x444444, 100));
  }
}

TEST(SkinnedText, CaptionsOverTheParentTakeTheOpaqueSectionsColour) {
  TextModel m;
  m.data.Sections[ssSpeedButton] = 1;
  m.data.gd[1].Props[1].Transparency = 40;
  m.data.gd[0].Props[0].FontColor.Color = 0x010203;  // the skin's first section is a real one
  struct Case {
    int state;
    bool parent;
    int answer;
    uint32_t expected;
  };
  const Case cases[] = {
      {0, true, 2, 0x333333},   // normal state asks: section 2 is under it
      {0, true, 0, 0x010203},   // the first section is under it
      {0, true, -1, 0x555555},  // no opaque section: the parent's font colour
      {1, true, 2, 0x363636},   // hot but 40 % transparent: asks as well
      {0, false, 2, 0x222222},  // without a parent it keeps its own
  };
  for (const Case& k : cases) {
    Canvas c;
    TacElementOwnerData o = m.Owner();
    o.Parent = k.parent;
    o.OpaqueSection = [&](int) { return k.answer; };
    o.ParentFont = 0x555555;
    WriteSkinnedText(c.canvas, u"x", true, false, k.state, o, 0, kBox);
    ASSERT_FALSE(c.recorder.calls.empty());
    EXPECT_EQ(c.recorder.calls.back().Color, k.expected) << "state " << k.state << " answer " << k.answer;
  }
}

TEST(SkinnedText, WebButtonsUnderlineAndColoursFollowHueAndSaturation) {
  TextModel m;
  m.data.Sections[ssWebBtn] = 1;
  m.data.gd[1].Props[0].FontColor.Color = 0x0000FF;
  Canvas hot, normal;
  TacElementOwnerData o = m.Owner();
  o.Hue = 120;
  WriteSkinnedText(hot.canvas, u"x", true, false, 1, o, 0, kBox);
  WriteSkinnedText(normal.canvas, u"x", true, false, 0, o, 0, kBox);
  EXPECT_TRUE(hot.recorder.calls.back().Font.Underline);
  EXPECT_FALSE(normal.recorder.calls.back().Font.Underline);
  EXPECT_EQ(normal.recorder.calls.back().Color, 0x00FF00u);  // red turned by 120 degrees
}

TEST(SkinnedText, RecorderDrawsOpaqueBoxesWhereTheLettersGo) {
  Canvas c;
  c.recorder.Draw(c.picture.view(), u"a b", c.canvas.Font, kBox, 0x0000FF, tfCenter | tfVCenter | tfSingleLine);
  // Cells 4 x 8; three cells centred in 30 x 10 -> x 14..25, y 6..13; boxes 3 wide.
  EXPECT_EQ(c.picture.at(14, 6), 0xFFFF0000u);
  EXPECT_EQ(c.picture.at(16, 13), 0xFFFF0000u);
  EXPECT_EQ(c.picture.at(17, 6), 0u);  // the gap after a glyph
  EXPECT_EQ(c.picture.at(19, 8), 0u);  // the blank
  EXPECT_EQ(c.picture.at(22, 8), 0xFFFF0000u);
  EXPECT_EQ(c.picture.at(14, 5), 0u);
}

TEST(SkinnedText, GlowSurroundsTheLettersInsideTheBox) {
  TextModel m;
  m.data.gd[1].Props[1].GlowSize = 4;
  m.data.gd[1].Props[1].GlowColor = 0x00FF00;
  m.data.gd[1].Props[1].FontColor = TsFontColor{kFont};
  Canvas c;
  WriteSkinnedText(c.canvas, u"ab", true, true, 1, m.Owner(), tfCenter | tfVCenter | tfSingleLine, kBox);
  // Letters at x 16..23, y 6..13; glow beside them, none outside the box.
  EXPECT_EQ(c.picture.at(17, 9), 0xFF111111u);
  const uint32_t beside = c.picture.at(14, 9);
  EXPECT_GT((beside >> 8) & 0xFF, 0u);
  EXPECT_EQ(beside & 0xFF00FF, 0u);
  EXPECT_EQ(c.picture.at(4, 9), 0u);
  EXPECT_EQ(c.picture.at(17, 4), 0u);
  Canvas noGlow;
  WriteSkinnedText(noGlow.canvas, u"ab", true, false, 1, m.Owner(), tfCenter | tfVCenter | tfSingleLine, kBox);
  EXPECT_EQ(noGlow.picture.at(14, 9), 0u);
}

}  // namespace
