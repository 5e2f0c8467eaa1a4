// The frame picture of a small fixture form, pixel by pixel: the form and title sections
// in the active and inactive states, the caption text, the caption buttons at full and
// half opacity, one button repainted alone, and the region's holes from key-colour corners.
#include <gtest/gtest.h>

#include "skin/forms/logic/acFramePicture.h"
#include "skin/paint/acTextRecorder.h"
#include "tests/support/FixtureSkins.h"
#include "tests/support/ImageWriters.h"

namespace {

// Form: blue 0x10 inactive, 0x20 active; title: green 0x30 / 0x40; caption text red.
// Close and minimize glyphs are 8 x 8 pieces of the pattern master, three states each.
const char* const kFrameSkin =
    "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
    "BICONCLOSE=@0000@0000@0024@0008@3@0\nBICONMIN=@0000@0008@0024@0016@3@0\n"
    "[FORM]\nSTATES=2\nCOLOR=$100000\nHOTCOLOR=$200000\n"
    "[FORMTITLE]\nSTATES=2\nCOLOR=$003000\nHOTCOLOR=$004000\nFONTCOLOR=$0000A0\nHOTFONTCOLOR=$0000B0\n"
    "[CAPTION]\nSTATES=2\nTRANSPARENCY=100\nHOTTRANSPARENCY=100\n";

constexpr uint32_t kFormActive = 0xFF000020, kFormInactive = 0xFF000010;
constexpr uint32_t kTitleActive = 0xFF004000, kTitleInactive = 0xFF003000;

struct FrameFixture : ::testing::Test {
  FrameFixture() : model(LoadModel(SmallSkin(kFrameSkin), 96)) {
    TacFormFrame form;
    form.BorderStyle = TacBorderStyle::bsSingle;
    form.Icons = {.SystemMenu = true, .Minimize = true, .Maximize = false};
    form.WindowSize = {80, 50};
    form.ClientSize = {74, 28};
    const TacSystemMenuRules rules = SystemMenuRules(form);
    in.Data = model.Data.get();
    in.Sections = FindFrameSections(*model.Data);
    in.Title = LayTitleOut({form, rules, form.WindowSize, 3, 3, 16, false, {}}, TitleSkinOf(*model.Data));
    in.Caption = u"Ab";
    in.CaptionFont.Height = -8;
    in.Painter = &text;
  }
  PixelImage Paint() {
    PixelImage picture(80, 50);
    PaintFramePicture(in, picture.view(), titleEnd);
    return picture;
  }
  // The pattern master's pixel of a glyph state image.
  uint32_t Glyph(int glyph, int state, int x, int y) const {
    const TsMaskData& m = model.Data->ma[model.Data->TitleGlyphs[glyph]];
    return model.Data->MaskSource(m).at(m.R.Left + state * m.Width + x, m.R.Top + y);
  }

  LoadedModel model;
  TacTextRecorder text;
  TacFramePictureInput in;
  PixelImage titleEnd;
};

TEST_F(FrameFixture, ButtonsSitAtTheTitlesRightEnd) {
  EXPECT_EQ(in.Title.VCenter, 9);
  EXPECT_EQ(in.Title.Close.Rect, (TRect{68, 5, 76, 13}));
  EXPECT_EQ(in.Title.Min.Rect, (TRect{60, 5, 68, 13}));
}

TEST_F(FrameFixture, ActivePictureShowsFormTitleTextAndButtons) {
  const PixelImage p = Paint();
  EXPECT_EQ(p.at(40, 40), kFormActive) << "client background";
  EXPECT_EQ(p.at(40, 1), kFormActive) << "top frame above the title";
  EXPECT_EQ(p.at(40, 17), kTitleActive) << "title";
  EXPECT_EQ(p.at(0, 10), kTitleActive) << "the title spans the whole width";
  EXPECT_EQ(p.at(40, 19), kFormActive) << "the title ends at the caption's bottom";
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      ASSERT_EQ(p.at(68 + x, 5 + y), Glyph(tgClose, 0, x, y)) << x << "," << y;
      ASSERT_EQ(p.at(60 + x, 5 + y), Glyph(tgMin, 0, x, y)) << x << "," << y;
    }
  ASSERT_FALSE(text.calls.empty());
  const TacTextRecorder::Call& caption = text.calls.back();
  EXPECT_EQ(caption.Text, u"Ab");
  EXPECT_EQ(caption.Color, 0x0000B0u) << "the title's active font colour";
  EXPECT_EQ(caption.R.Left, in.Title.CaptionRect.Left);
  EXPECT_EQ(caption.R.Top + caption.R.Bottom, 2 * (9 - 1)) << "centred a pixel above the title's centre line";
  EXPECT_EQ(caption.R.Top, 0) << "with room for glyphs taller than the line";
  EXPECT_TRUE(caption.Format & tfVCenter);
  EXPECT_TRUE(caption.Format & tfEndEllipsis);
  EXPECT_EQ(p.at(in.Title.CaptionRect.Left + 1, 9 - 1), 0xFFB00000) << "a glyph box of the text";
}

TEST_F(FrameFixture, ASeeThroughCaptionSectionLeavesTheTitleAsItIs) {
  ASSERT_GE(in.Sections.Caption, 0);
  const PixelImage with = Paint();
  in.Sections.Caption = -1;
  EXPECT_EQ(Paint(), with);
}

TEST_F(FrameFixture, InactivePictureUsesStateZeroAndHalfOpaqueButtons) {
  in.Active = false;
  const PixelImage p = Paint();
  EXPECT_EQ(p.at(40, 40), kFormInactive);
  EXPECT_EQ(p.at(40, 17), kTitleInactive);
  EXPECT_EQ(text.calls.back().Color, 0x0000A0u);
  const auto half = [](uint32_t under, uint32_t glyph) {
    uint32_t out = 0xFF000000;
    for (int shift : {0, 8, 16}) {
      const int u = static_cast<int>((under >> shift) & 0xFF), g = static_cast<int>((glyph >> shift) & 0xFF);
      out |= static_cast<uint32_t>((128 * (u - g) + g * 256) >> 8) << shift;
    }
    return out;
  };
  EXPECT_EQ(p.at(70, 6), half(kTitleInactive, Glyph(tgClose, 0, 2, 1)));
  EXPECT_NE(p.at(70, 6), Glyph(tgClose, 0, 2, 1));
  // A hot button of an inactive form is drawn fully.
  in.Title.Close.State = 1;
  const PixelImage hot = Paint();
  EXPECT_EQ(hot.at(70, 6), Glyph(tgClose, 1, 2, 1));
}

TEST_F(FrameFixture, OneButtonRepaintedAloneAndBackGivesTheSamePicture) {
  PixelImage p = Paint();
  const PixelImage before = p;
  in.Title.Close.State = 2;
  PaintCaptionButton(in, in.Title.Close, false, p.view(), titleEnd.view());
  EXPECT_EQ(p.at(70, 6), Glyph(tgClose, 2, 2, 1));
  EXPECT_EQ(p.at(62, 6), before.at(62, 6)) << "minimize untouched";
  in.Title.Close.State = 0;
  PaintCaptionButton(in, in.Title.Close, false, p.view(), titleEnd.view());
  EXPECT_EQ(p, before);
  in.Title.Close.State = 1;
  PaintCaptionButton(in, in.Title.Close, true, p.view(), titleEnd.view());
  EXPECT_EQ(p, before) << "a fading button stays in state 0 under its glyph window";
}

TEST_F(FrameFixture, ButtonImageForTheFadeIsTheGlyphOverTheTitle) {
  Paint();
  const PixelImage hot = CaptionButtonImage(in, in.Title.Close, 1, titleEnd.view(), 80);
  ASSERT_EQ(hot.width(), 8);
  EXPECT_EQ(hot.at(2, 1), Glyph(tgClose, 1, 2, 1));
}

TEST(FrameRegion, KeyColourCornersOfTheBorderMasksBecomeHoles) {
  // A 6 x 6 edge with a key pixel in its top-left and bottom-right corners, and a title
  // edge with one in its top-right corner.
  PixelImage edge(6, 6, 0xFF808080);
  edge.at(0, 0) = 0xFFFF00FF;
  edge.at(1, 0) = 0xFFFF00FF;
  edge.at(5, 5) = 0xFFFF00FF;
  PixelImage titleEdge(6, 4, 0xFF808080);
  titleEdge.at(5, 0) = 0xFFFF00FF;
  FixtureSkin skin = SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n[FORM]\nBORDERSMASK=!EDGE.PNG!1!0!0!2!2!2!2!1\n"
      "[FORMTITLE]\nBORDERSMASK=!TEDGE.PNG!1!0!0!2!1!2!1!1\n");
  skin.Add("EDGE.PNG", EncodePng(edge));
  skin.Add("TEDGE.PNG", EncodePng(titleEdge));
  const LoadedModel model = LoadModel(skin, 96);
  const std::vector<TRect> holes = FrameRegionHoles(*model.Data, FindFrameSections(*model.Data), {80, 50});
  EXPECT_EQ(holes, (std::vector<TRect>{{0, 0, 2, 1}, {79, 49, 80, 50}, {79, 0, 80, 1}}));
}

}  // namespace
