#include <gtest/gtest.h>

#include "skin/data/acSkinModelText.h"
#include "tests/support/FixtureSkins.h"

TEST(ModelText, ListsSectionsAndElementsAsTabSeparatedTables) {
  const LoadedModel m = LoadModel(SmallSkin(
      "[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n"
      "[BUTTON]\nCOLOR=1193046\nFONTCOLOR=255\nBORDERSMASK=^0000^0000^0030^0020^0002^0002^0002^0002^3^1^5\n"
      "[CHILD]\nPARENTCLASS=BUTTON\nSTATES=1\nGLYPHMASK=!MASTER.PNG!1!0!2!0000!0000!0008!0008\n"),
      96);
  EXPECT_EQ(SkinModelText(*m.Data),
            "index\tname\tparent\tstates\tborder\tcolor\tfontcolor\n"
            "0\tGLOBALINFO\t\t3\t-1\t#FFFFFF\t#000000\n"
            "1\tBUTTON\t\t3\t0\t#563412\t#FF0000\n"
            "2\tCHILD\tBUTTON\t1\t0\t#563412\t#FF0000\n"
            "3\tTRANSPARENT\t\t1\t-1\t#FFFFFF\t#000000\n"
            "4\tMAINCOLOR\t\t1\t-1\t#F0F0F0\t#000000\n"
            "5\tCOLHEADER\tBUTTON\t3\t0\t#563412\t#FF0000\n"
            "6\tCOLHEADERA\tBUTTON\t3\t0\t#563412\t#FF0000\n"
            "7\tCOLHEADERL\tBUTTON\t3\t0\t#563412\t#FF0000\n"
            "8\tCOLHEADERR\tBUTTON\t3\t0\t#563412\t#FF0000\n"
            "\n"
            "index\tsection\tkey\tL\tT\tR\tB\timages\tmasktype\tdrawmode\tWL\tWT\tWR\tWB\twidth\theight\tfile\n"
            "0\tBUTTON\tBORDERSMASK\t0\t0\t30\t20\t3\t1\t5\t2\t2\t2\t2\t10\t10\t\n"
            "1\tCHILD\tGLYPHMASK\t0\t0\t64\t64\t1\t0\t0\t0\t0\t0\t0\t64\t64\tMASTER.PNG\n"
            // the generated window shadow and light outline
            "2\tGLOBALINFO\t\t0\t0\t6\t14\t1\t1\t1\t3\t2\t3\t5\t6\t7\tOuterCalc\n"
            "3\tGLOBALINFO\t\t0\t0\t4\t12\t1\t1\t1\t2\t2\t2\t4\t4\t6\tOuterCalc\n");
}

// Our realistic fixture (not the program's skin): its numbers, pinned.
TEST(ModelText, RealisticFixtureLoadsCompletelyAtEveryDensity) {
  const FixtureSkin skin = RealisticSkin();
  for (int ppi : {96, 120, 144, 192}) {
    const LoadedModel m = LoadModel(skin, ppi, [](TacSkinSettings& s) { s.ExtendedBorders = true; });
    const TacSkinData& d = *m.Data;
    EXPECT_EQ(d.gd.size(), 59u) << ppi;
    EXPECT_EQ(d.ma.size(), 52u) << ppi;
    EXPECT_EQ(d.Sections[ssDialogTitle], d.GetSkinIndex("FORMTITLE"));
    EXPECT_GE(d.GetSkinIndex("DIALOGTITLE"), 0);
    EXPECT_EQ(d.Sections[ssFormHeader], -1);
    EXPECT_EQ(d.TitleGlyphs[0], d.TitleGlyphs[1]);
    EXPECT_EQ(d.ExTitleHeight, 30 * ppi / 96);
    EXPECT_EQ(d.ExBorderWidth, 8 * ppi / 96);
    EXPECT_EQ(d.ComboBoxMargin, ppi > 143 ? 2 : 1);
    const int size = 13 * ppi / 96, offset = 2 * ppi / 96;  // the generated window shadow
    EXPECT_EQ(d.FormShadowSize, (TRect{size, size - offset, size, size + offset})) << ppi;
    const TsGeneralData& sliderOn = d.gd[static_cast<size_t>(d.GetSkinIndex("SLIDER_ON"))];
    EXPECT_GE(sliderOn.OuterMask, 0);
    const TsGeneralData& huge = d.gd[static_cast<size_t>(d.GetSkinIndex("BUTTON_HUGE"))];
    EXPECT_EQ(huge.OuterMask, d.GetMaskIndex("BUTTON_HUGE", "OUTERMASK"));
    EXPECT_EQ(d.ma[static_cast<size_t>(huge.BorderIndex)].Cfg, kCfgHugeButton);
    EXPECT_GE(d.oe[1].Mask, 0);
  }
}
