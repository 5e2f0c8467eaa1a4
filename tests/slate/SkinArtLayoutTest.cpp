// skinart refuses option files whose elements it could not draw cleanly, and paints faces
// in the colours the options name.
#include <gtest/gtest.h>

#include "tools/skinart/SkinArt.h"

namespace {

constexpr std::string_view kHeader = "[GLOBALINFO]\nMASTERBITMAP=M.PNG\n";

std::string LayoutProblem(const std::string& sections) {
  try {
    const SkinLayout layout{TacOptionsFile(std::string(kHeader) + sections)};
    DrawSkinPictures(layout);
  } catch (const LayoutError& e) {
    return e.what();
  }
  return "";
}

TEST(SkinArtLayout, RefusesElementsItCannotDrawCleanly) {
  const struct {
    const char* options;
    const char* problem;
  } cases[] = {
      {"[BUTTON]\nCOLOR=0\nHOTCOLOR=0\nCOLOR2=0\nBORDERSMASK=^0000^0000^0021^0014^0003^0003^0003^0003^3^1^5\n"
       "[SPEEDBUTTON]\nBORDERSMASK=^0020^0000^0041^0014^0003^0003^0003^0003^3^1^5\n",
       "overlap"},
      {"[BUTTON]\nBORDERSMASK*200=^0000^0000^0039^0026^0006^0006^0006^0006^3^1^5\n", "without its plain key"},
      {"[BUTTON]\nBORDERSMASK=^0000^0000^0021^0014^0002^0002^0002^0002^3^1^5\n", "exactly one pixel"},
      {"[BUTTON]\nBORDERSMASK=^0000^0000^0020^0014^0003^0003^0003^0003^3^1^5\n", "does not divide"},
      {"[BUTTON]\nBORDERSMASK=^0000^0000^0021^0014^0003^0003^0003^0003^3^1^5\n", "names no colour"},
      {"[GAUGE]\nBORDERSMASK=^0000^0000^0021^0014^0003^0003^0003^0003^3^1^5\n", "no painter"},
      {"[DIALOG]\nPATTERN=~0000~0000~0001~0042~06~0\nHOTPATTERN=~0000~0000~0001~0042~06~0\n", ""},
      {"[SPEEDBUTTON_SMALL]\nHOTCOLOR=$FF0000\nCOLOR2=0\nBORDERSMASK=^0000^0000^0021^0014^0003^0003^0003^0003^3^1^7\n"
       "[TOOLBUTTON]\nHOTCOLOR=$00FF00\nCOLOR2=0\nBORDERSMASK=^0000^0000^0021^0014^0003^0003^0003^0003^3^1^7\n",
       "share a rectangle but draw different pictures"},
  };
  for (const auto& c : cases) {
    const std::string problem = LayoutProblem(c.options);
    if (*c.problem == '\0')
      EXPECT_EQ(problem, "") << c.options;
    else
      EXPECT_NE(problem.find(c.problem), std::string::npos) << c.options << "\ngave: " << problem;
  }
}

TEST(SkinArtLayout, ButtonFacesTakeTheirSectionsStateColours) {
  const SkinLayout layout{TacOptionsFile(std::string(kHeader) +
                                         "[BUTTON]\nCOLOR=$FFFFFF\nHOTCOLOR=$0000FF\nCOLOR2=$00FF00\n"
                                         "BORDERSMASK=^0000^0000^0021^0014^0003^0003^0003^0003^3^1^5\n")};
  const auto pictures = DrawSkinPictures(layout);
  const PixelImage& master = pictures.at("M.PNG");
  ASSERT_EQ(master.width(), 21);
  ASSERT_EQ(master.height(), 14);
  const uint32_t expected[] = {MakePixel(255, 255, 255), MakePixel(255, 0, 0), MakePixel(0, 255, 0)};
  for (int state = 0; state < 3; ++state) {
    EXPECT_EQ(master.at(state * 7 + 3, 3), expected[state]) << "state " << state;  // the one-pixel centre
    EXPECT_EQ(master.at(state * 7 + 3, 7 + 3), MakePixel(0, 0, 0)) << "its mask shows the face";
    EXPECT_GT(PixelB(master.at(state * 7, 7)), 160u) << "the rounded corner mostly shows the parent";
  }
}

}  // namespace
