#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>

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

// Every command by its fixed number (the name is the constant's, so the constant has the
// number); other windows compare the numbers. A number missing here is no command.
TEST(SkinCommands, EachCommandHasItsFixedNumber) {
  const std::pair<int, std::string_view> table[] = {
      {1, "SC_SKINLOADED"},      {2, "SC_SKINREMOVED"},        {3, "SC_SKINREFRESH"},
      {4, "SC_GETPROVIDER"},     {6, "SC_PARENTUPDATED"},      {7, "SC_ISSKINNED"},
      {8, "SC_SETUPDATING"},     {9, "SC_DEFAULTINDEX"},       {10, "SC_ISUPDATING"},
      {11, "SC_ISHALFVISIBLE"},  {13, "SC_SECTIONCHANGED"},    {15, "SC_SETSECTION"},
      {16, "SC_STOPFADE"},       {17, "SC_BGCHANGED"},         {18, "SC_REPAINT"},
      {19, "SC_ISBGVARIABLE"},   {20, "SC_CHECKMOVED"},        {21, "SC_GETBGCOLOR"},
      {22, "SC_SETHALFVISIBLE"}, {23, "SC_PREPARECACHE"},      {25, "SC_CONTROLLOADED"},
      {26, "SC_GETSKININDEX"},   {29, "SC_MOUSEENTER"},        {30, "SC_MOUSELEAVE"},
      {31, "SC_BEGINUPDATE"},    {32, "SC_ENDUPDATE"},         {33, "SC_CLEARCACHE"},
      {34, "SC_GETBG"},          {36, "SC_FONTCHANGED"},       {37, "SC_GETSKINDATA"},
      {38, "SC_SETPRINTDC"},     {40, "SC_PAINTOUTER"},        {53, "SC_FRAMECHANGED"},
      {54, "SC_GETCOLORING"},    {60, "SC_GETAPPLICATION"},    {66, "SC_GETBGSTATE"},
      {67, "SC_GETBORDERWIDTH"}, {68, "SC_SETPPI"},            {69, "SC_GETPPI"},
      {70, "SC_GETBOUNDS"},      {71, "SC_APPLYPREVIEW"},      {74, "SC_SKINCHANGED"},
      {75, "SC_SKINLISTCHANGED"}, {83, "SC_SETDRAWNONCLIENT"}, {85, "SC_PAINTSITSELF"},
      {86, "SC_GETCOMMONSKINDATA"}, {88, "SC_DEFAULTSECTION"}, {97, "SC_SKINLISTLOADING"},
  };
  std::set<int> listed;
  for (const auto& [number, name] : table) {
    EXPECT_EQ(SkinCommandName(static_cast<uint16_t>(number)), name) << number;
    listed.insert(number);
  }
  for (int n = 0; n <= 0xFFFF; ++n)
    if (!listed.count(n)) {
      EXPECT_EQ(SkinCommandName(static_cast<uint16_t>(n)), "") << n;
    }
}
