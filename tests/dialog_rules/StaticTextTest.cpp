#include <gtest/gtest.h>

#include "skin/forms/logic/acStaticText.h"

namespace {

struct FormatCase {
  unsigned style;
  bool rtl;
  uint32_t expected;
};

TEST(StaticText, FormatFollowsTheStaticsTypeAndFlags) {
  const FormatCase cases[] = {
      {0x0, false, tfExpandTabs | tfWordBreak},                        // left, wrapped
      {0x1, false, tfExpandTabs | tfWordBreak | tfCenter},
      {0x2, false, tfExpandTabs | tfWordBreak | tfRight},
      {0xB, false, tfExpandTabs | tfSingleLine},                       // simple: one line
      {0xC, false, tfExpandTabs},                                      // left, never wrapped
      {0x80, false, tfExpandTabs | tfWordBreak | tfNoPrefix},          // a message box's text
      {0x50000080, false, tfExpandTabs | tfWordBreak | tfNoPrefix},    // window bits do not count
      {0x201, false, tfExpandTabs | tfCenter | tfSingleLine | tfVCenter},
      {0x4000, false, tfExpandTabs | tfWordBreak | tfEndEllipsis},
      {0x8000, false, tfExpandTabs | tfWordBreak | tfPathEllipsis},
      {0xC000, false, tfExpandTabs | tfWordBreak | tfWordEllipsis},
      {0x0, true, tfExpandTabs | tfWordBreak | tfRight | tfRtlReading},  // left reads as right
      {0x2, true, tfExpandTabs | tfWordBreak | tfRtlReading},
      {0x1, true, tfExpandTabs | tfWordBreak | tfCenter | tfRtlReading},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(StaticTextFormat(c.style, c.rtl), c.expected) << std::hex << c.style << " rtl " << c.rtl;
}

TEST(StaticText, TabStopsAndSunkenEdgesKeepTheSystemsLook) {
  EXPECT_FALSE(StaticKeepsSystemLook(0x50000080, 0));
  EXPECT_TRUE(StaticKeepsSystemLook(0x50010000, 0));
  EXPECT_TRUE(StaticKeepsSystemLook(0x50000000, 0x20000));
  EXPECT_FALSE(StaticKeepsSystemLook(0x50000000, 0x200));  // a client edge is painted over
}

TEST(StaticText, AWindowGrowsToItsTextButNeverShrinks) {
  EXPECT_EQ(StaticSizeForText({100, 16}, {90, 32}), (TSize{100, 32}));
  EXPECT_EQ(StaticSizeForText({100, 16}, {120, 12}), (TSize{120, 16}));
  EXPECT_EQ(StaticSizeForText({100, 40}, {10, 10}), (TSize{100, 40}));
}

}  // namespace
