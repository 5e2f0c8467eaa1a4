#include <gtest/gtest.h>

#include "skin/data/acSkinLoadError.h"
#include "tests/support/FixtureSkins.h"

namespace {
const TsGeneralData& Section(const LoadedModel& m, std::string_view name) {
  const int i = m.Data->GetSkinIndex(name);
  EXPECT_GE(i, 0) << name;
  return m.Data->gd.at(static_cast<size_t>(i));
}
}  // namespace

TEST(SectionTable, FileOrderFixesSkinIndexesAndNamesAreCaseSensitive) {
  const LoadedModel m = LoadModel(SmallSkin("[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n[ZETA]\n[button]\n[BUTTON]\n[ALPHA]\n"), 96);
  // Then the sections added when missing, and the copies for missing well-known sections.
  const char* order[] = {"GLOBALINFO", "ZETA", "button", "BUTTON", "ALPHA", "TRANSPARENT", "MAINCOLOR",
                         "COLHEADER", "COLHEADERA", "COLHEADERL", "COLHEADERR"};
  ASSERT_EQ(m.Data->gd.size(), std::size(order));
  for (size_t i = 0; i < std::size(order); ++i) EXPECT_EQ(m.Data->gd[i].ClassName, order[i]);
  EXPECT_EQ(m.Data->GetSkinIndex("BUTTON"), 3);
  EXPECT_EQ(m.Data->GetSkinIndex("Button"), -1);
  EXPECT_EQ(m.Data->GetSkinIndex(""), -1);
  EXPECT_EQ(m.Data->IndexGlobalInfo, 0);
  EXPECT_EQ(m.Data->Sections[ssButton], 3);
}

TEST(SectionTable, AbsentKeysAreInheritedAlongParentClass) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[BASE]\nSTATES=2\nCOLOR=255\nFONTCOLOR=65280\nGIVEOWNFONT=TRUE\nGLOW=300\nOUTBLUR=50\nOUTOFFSL=5\n"
      "GRADIENTDATA=16777215;15461355;97;0;0;15461355;15461355;0;0;0\n"
      "[MIDDLE]\nPARENTCLASS=BASE\nCOLOR=-5\nSHIFTCLICK=1\n"
      "[CHILD]\nPARENTCLASS=MIDDLE\nFONTCOLOR=N/A\nSTATES=N/A\n"
      "[OWN]\nPARENTCLASS=BASE\nCOLOR=16\nGIVEOWNFONT=FALSE\nGRADIENTDATA=N/A\n"),
      96);
  const TsGeneralData& child = Section(m, "CHILD");
  EXPECT_EQ(child.ParentClass, "MIDDLE");
  EXPECT_EQ(child.States, 2);                       // "N/A" is absent: from BASE
  EXPECT_EQ(child.Props[0].Color, 255u);            // a negative value is absent too
  EXPECT_EQ(child.Props[0].FontColor.Color, 65280u);
  EXPECT_TRUE(child.GiveOwnFont);
  EXPECT_TRUE(child.ShiftOnClick);
  EXPECT_EQ(child.GlowCount, 255);                  // capped
  EXPECT_EQ(child.OuterBlur, 30);
  EXPECT_EQ(child.OuterOffset, (TRect{5, -1, -1, -1}));  // absent offsets stay negative
  EXPECT_EQ(child.Props[0].GradientArray.size(), 2u);
  const TsGeneralData& own = Section(m, "OWN");
  EXPECT_EQ(own.Props[0].Color, 16u);
  EXPECT_FALSE(own.GiveOwnFont);
  EXPECT_TRUE(own.Props[0].GradientArray.empty());  // a written "N/A" is an empty gradient, not the parent's
  const TsGeneralData& base = Section(m, "BASE");
  EXPECT_EQ(base.OuterMode, 2);
  EXPECT_EQ(base.OuterOpacity, 200);
  EXPECT_EQ(base.OuterRadius, 9);
}

TEST(SectionTable, InheritanceCyclesOfAnyLengthEnd) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[SELF]\nPARENTCLASS=SELF\n"
      "[A]\nPARENTCLASS=B\nCOLOR=1\n"
      "[B]\nPARENTCLASS=C\nFONTCOLOR=2\nBORDERSMASK=^0000^0000^0006^0006^0001^0001^0001^0001^1^0^1\n"
      "[C]\nPARENTCLASS=A\nTRANSPARENCY=3\n"),
      96);
  const TsGeneralData& a = Section(m, "A");
  EXPECT_EQ(a.Props[0].Color, 1u);
  EXPECT_EQ(a.Props[0].FontColor.Color, 2u);
  EXPECT_EQ(a.Props[0].Transparency, 3);
  EXPECT_EQ(a.States, 3);  // nobody in the cycle has it: the default
  EXPECT_EQ(Section(m, "C").Props[0].FontColor.Color, 2u);
  EXPECT_EQ(Section(m, "SELF").Props[0].Color, 0xFFFFFFu);
  // Element lookups walk the same chains.
  const int border = m.Data->GetMaskIndex(m.Data->GetSkinIndex("B"), "BORDERSMASK");
  EXPECT_GE(border, 0);
  EXPECT_EQ(a.BorderIndex, border);
  EXPECT_EQ(Section(m, "C").BorderIndex, border);
  EXPECT_EQ(m.Data->GetMaskIndex(m.Data->GetSkinIndex("A"), "NOSUCHMASK"), -1);
  EXPECT_EQ(m.Data->GetMaskIndex(m.Data->GetSkinIndex("SELF"), "BORDERSMASK"), -1);
}

TEST(SectionTable, StateKeysCarryHotOrTwoAndTakeFixedDefaults) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[THREE]\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\nGCOL=4\nHGCOL=5\nGCOL2=6\nHGSIZE=7\nTCLEFT=8\nHOTTCLEFT=9\n"
      "TCLEFT2=10\nHOTTRANSPARENCY=50\nUSESTATE2=1\nHOTGRADIENTDATA=N/A\n"
      "GRADIENTDATA=-394759;0;12;-3223858;100;12;B\n"
      "[NOSTATE2]\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\nUSESTATE2=0\n"
      "[ONESTATE]\nSTATES=1\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\n"),
      96);
  const TsGeneralData& t = Section(m, "THREE");
  EXPECT_EQ(t.Props[0].Color, 1u);
  EXPECT_EQ(t.Props[1].Color, 2u);
  EXPECT_EQ(t.Props[2].Color, 3u);
  EXPECT_EQ(t.Props[0].GlowColor, 4u);
  EXPECT_EQ(t.Props[1].GlowColor, 5u);
  EXPECT_EQ(t.Props[2].GlowColor, 6u);
  EXPECT_EQ(t.Props[1].GlowSize, 7);
  EXPECT_EQ(t.Props[0].FontColor.Left, 8u);
  EXPECT_EQ(t.Props[1].FontColor.Left, 9u);
  EXPECT_EQ(t.Props[2].FontColor.Left, 10u);
  EXPECT_EQ(t.Props[1].Transparency, 50);
  EXPECT_EQ(t.Props[2].Transparency, 0);            // the fixed default, not state 1's value
  EXPECT_EQ(t.Props[1].FontColor.Top, kNoColor);
  EXPECT_EQ(t.Props[0].GradientArray.size(), 2u);
  EXPECT_TRUE(t.Props[1].GradientArray.empty());    // "N/A": empty, not state 0's gradient
  const TsGeneralData& n = Section(m, "NOSTATE2");
  EXPECT_FALSE(n.UseState2);
  EXPECT_EQ(n.Props[2].Color, 2u);                  // a copy of state 1
  const TsGeneralData& one = Section(m, "ONESTATE");
  EXPECT_EQ(one.Props[1].Color, 1u);                // copies of state 0 whatever the keys say
  EXPECT_EQ(one.Props[2].Color, 1u);
}

TEST(SectionTable, TransparentAndMainColourSectionsAreAddedWhenMissing) {
  const LoadedModel m = LoadModel(SmallSkin("[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\nCOLOR=1193046\nFONTCOLOR=255\n"), 96);
  const TsGeneralData& transparent = Section(m, "TRANSPARENT");
  EXPECT_EQ(transparent.States, 1);
  EXPECT_EQ(transparent.Props[2].Transparency, 100);
  EXPECT_EQ(transparent.Props[0].Color, 0xFFFFFFu);
  EXPECT_EQ(transparent.Props[0].FontColor.Color, 0u);  // the palette is filled after the sections
  EXPECT_EQ(transparent.Props[0].FontColor.Left, kNoColor);
  const TsGeneralData& main = Section(m, "MAINCOLOR");
  EXPECT_EQ(main.Props[1].Color, 1193046u);
  EXPECT_EQ(main.Props[0].Transparency, 0);
  // Loaded again, the label colour of the first load is the font colour.
  m.Data->Init();
  EXPECT_EQ(Section(m, "TRANSPARENT").Props[0].FontColor.Color, 255u);
}

TEST(SectionTable, MissingWellKnownSectionsTakeTheirFallbacks) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n[TOOLBAR]\n[FORMTITLE]\nCOLOR=77\n[SPEEDBUTTON]\n[TOOLBUTTON]\n"
      "[TABTOP]\n[BUTTON]\nCOLOR=88\nBORDERSMASK=^0000^0000^0009^0006^0002^0002^0002^0002^3^0^1\n[PANEL_LOW]\n"),
      96);
  const TacSkinData& d = *m.Data;
  const struct {
    TacSection entry;
    const char* source;
  } fallbacks[] = {
      {ssMenuCaption, "TOOLBAR"}, {ssDialogTitle, "FORMTITLE"}, {ssMenuButton, "SPEEDBUTTON"},
      {ssTBBtn, "TOOLBUTTON"},    {ssTBTab, "TABTOP"},          {ssColHeader, "BUTTON"},
      {ssColHeaderA, "BUTTON"},   {ssColHeaderL, "BUTTON"},     {ssColHeaderR, "BUTTON"},
      {ssSlider_Off, "PANEL_LOW"}, {ssSlider_On, "PANEL_LOW"},
  };
  for (const auto& f : fallbacks) {
    EXPECT_EQ(d.Sections[f.entry], d.GetSkinIndex(f.source)) << kSectionNames[f.entry];
    EXPECT_GE(d.GetSkinIndex(kSectionNames[f.entry]), 0) << kSectionNames[f.entry];  // a named copy exists
  }
  for (TacSection none : {ssMenuLine, ssFormHeader, ssTBMenuBtn}) EXPECT_EQ(d.Sections[none], -1);
  EXPECT_EQ(d.GetSkinIndex("FORMHEADER"), -1);
  const TsGeneralData& title = Section(m, "DIALOGTITLE");
  EXPECT_EQ(title.Props[0].Color, 77u);
  const TsGeneralData& header = Section(m, "COLHEADERA");
  EXPECT_EQ(header.Props[0].Color, 88u);
  EXPECT_EQ(header.BorderIndex, d.gd[static_cast<size_t>(d.GetSkinIndex("BUTTON"))].BorderIndex);  // copies reach the source's elements
  EXPECT_GE(header.BorderIndex, 0);
}

// A malformed element or a button colour that is no number stops the load: nothing of it stays.
TEST(SectionTable, LoadErrorsLeaveNoHalfBuiltModel) {
  for (const char* options : {"[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n[A]\n[B]\nBORDERSMASK=^00X0^0000^0009^0006\n",
                              "[GLOBALINFO]\nBTNCOLOR1NORMAL=blue\n[BUTTON]\n"}) {
    auto files = TacSkinFiles::FromPackage(SmallSkin(options).Pack());
    TacSkinData data(files.get(), 96);
    EXPECT_THROW(data.Init(), SkinLoadError) << options;
    EXPECT_TRUE(data.gd.empty());
    EXPECT_TRUE(data.ma.empty());
    EXPECT_TRUE(data.BmpArray.empty());
    EXPECT_FALSE(data.Initializing);
  }
}
