#include <gtest/gtest.h>

#include "skin/base/acGradientData.h"

namespace {

TsGradPoint Point(uint16_t index, uint32_t mode, uint32_t color, uint8_t percent) {
  return {index, mode, TsColor::FromValue(color), percent};
}

TEST(ParseGradientData, SteppedFormatExamples) {
  EXPECT_EQ(ParseGradientData("15066597;12632256;97;0;0;12632256;12632256;0;0;0"),
            (std::vector{Point(0, 0, 0xFFE5E5E5, 0), Point(1, 0, 0xFFC0C0C0, 100)}));
  EXPECT_EQ(ParseGradientData("16777215;15461355;97;0;0;15461355;15461355;0;0;0"),
            (std::vector{Point(0, 0, 0xFFFFFFFF, 0), Point(1, 0, 0xFFEBEBEB, 100)}));
}

TEST(ParseGradientData, SteppedPositionsAddUpClampedStepsAndDropTheSmoothBit) {
  // Steps 150 (taken as 100), -20 (taken as 0), 70; positions are capped at 100.
  const auto points = ParseGradientData("1;0;150;17;0;2;0;-20;1;0;3;0;70;0;0;4;0;0;0;0");
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0], Point(0, 1, 0xFF000001, 0));  // mode 17 without 0x10
  EXPECT_EQ(points[1].Percent, 100);
  EXPECT_EQ(points[2].Percent, 100);
  EXPECT_EQ(points[3], Point(3, 0, 0xFF000004, 100));
}

TEST(ParseGradientData, FourTrianglesWithFewerThanFivePointsRepeatTheLast) {
  const auto points = ParseGradientData("1;0;30;2;0;2;0;30;0;0;3;0;0;0;0");
  ASSERT_EQ(points.size(), 5u);
  EXPECT_EQ(points[2], Point(2, 0, 0xFF000003, 60));
  EXPECT_EQ(points[3], points[2]);
  EXPECT_EQ(points[4], Point(2, 0, 0xFF000003, 100));
}

TEST(ParseGradientData, LetteredFormat) {
  EXPECT_EQ(ParseGradientData("-394759;0;12;-3223858;100;12;B"),
            (std::vector{Point(0, 12, 0xFFF9F9F9, 0), Point(1, 12, 0xFFCECECE, 100)}));
  // The last point sits at 100 whatever the text says; the letter may follow the number.
  EXPECT_EQ(ParseGradientData("255;0;1;65280;40;0B"),
            (std::vector{Point(0, 1, 0x000000FF, 0), Point(1, 0, 0x0000FF00, 100)}));
  // Extra fields beyond the announced points are ignored; percent is clamped.
  EXPECT_EQ(ParseGradientData("7;-5;0;8;9;0;A"), (std::vector{Point(0, 0, 7, 100)}));
}

TEST(ParseGradientData, SmoothPointMakesTheGradientAnOverlay) {
  const auto points = ParseGradientData("1;0;0;2;50;16;3;0;0;C");
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].Mode, 0x20u);
  EXPECT_EQ(points[1].Mode, 0x10u);
}

TEST(ParseGradientData, TextsWithoutAUsableGradientGiveNoPoints) {
  for (const char* text : {"", "0", "1;0", "12;0", "1234", "ABCD",  // four characters or less
                           "1;2;3;4;x", "1;2;3;4;5;6;a",             // unknown format letter
                           "1;x;3;4;0", "1;;3;4;5;0", "1;2;3;4;5.5;0", "99999999999;0;0;0;0;0",
                           "1;2;3;4;5;C",                            // fewer fields than points
                           "1;0;0;Z", "1;2;3;4"}) {
    EXPECT_TRUE(ParseGradientData(text).empty()) << text;
  }
}

}  // namespace
