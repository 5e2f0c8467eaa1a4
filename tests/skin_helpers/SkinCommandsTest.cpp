#include <gtest/gtest.h>

#include <set>

#include "skin/base/acSkinCommands.h"

TEST(SkinCommands, CommandTravelsInTheHighWordOnly) {
  EXPECT_EQ(WM_SKINCOMMAND, 0xA100u);
  EXPECT_EQ(SkinCommandWParam(SC_CHECKMOVED, 1), 0x00140001u);
  EXPECT_EQ(SkinCommandOf(SkinCommandWParam(SC_SETUPDATING, 1)), SC_SETUPDATING);
  EXPECT_EQ(SkinCommandArgument(SkinCommandWParam(SC_SETUPDATING, 1)), 1);
  EXPECT_EQ(SkinCommandOf(SC_ISSKINNED), 0);  // a number in the low word is no command
}

TEST(SkinCommands, EveryNumberHasOneDistinctName) {
  std::set<std::string_view> names;
  int named = 0;
  for (int n = 0; n <= 0xFFFF; ++n) {
    const auto name = SkinCommandName(static_cast<uint16_t>(n));
    if (name.empty()) continue;
    ++named;
    names.insert(name);
  }
  EXPECT_EQ(named, 48);
  EXPECT_EQ(names.size(), 48u);
  EXPECT_EQ(SkinCommandName(SC_ISSKINNED), "SC_ISSKINNED");
  EXPECT_EQ(SkinCommandName(97), "SC_SKINLISTLOADING");
  EXPECT_EQ(SkinCommandName(5), "");
}
