#include "skin/data/acOptionsFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

TEST(OptionsFile, IntegersAreDecimalOrDollarOrZeroXHex) {
  const struct {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"12", 12},
      {"-1118482", -1118482},
      {"$FF", 255},
      {"0x1f", 31},
      {"0X10", 16},
      {"$FFEEEEEE", -1118482},  // hexadecimal keeps the 32 bits: a colour with alpha
      {"-$10", -16},
      {" 7 ", 7},
      {"+3", 3},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"N/A", std::nullopt},
      {"", std::nullopt},
      {"$", std::nullopt},
      {"12a", std::nullopt},
      {"1.5", std::nullopt},
      {"--1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSkinInt(c.text), c.value) << c.text;
  EXPECT_EQ(ParseSkinInt64("4293848814"), 4293848814LL);
  EXPECT_EQ(ParseSkinInt64("$FFEEEEEE"), 4293848814LL);
  EXPECT_EQ(ParseSkinInt64("0x1FFFFFFFFFFFFFFFF"), std::nullopt);
}

TEST(OptionsFile, SectionsAndKeysKeepFileOrderAndCompareCaseSensitively) {
  const TacOptionsFile ini(
      "\xEF\xBB\xBF; a comment\r\n"
      "ORPHAN=1\r\n"
      "[GLOBALINFO]\r\n"
      "MainFont=Segoe UI\r\n"
      "FORMULA = a=b \r\n"
      "[button]\n"
      "COLOR=1\n"
      "COLOR=2\n"
      "\n"
      "  [BUTTON]  \r"
      "COLOR=3\r"
      "no equals sign\r"
      "[button]\n"
      "FONTCOLOR=4\n");
  ASSERT_EQ(ini.Sections().size(), 3u);
  EXPECT_EQ(ini.Sections()[0].Name, "GLOBALINFO");
  EXPECT_EQ(ini.Sections()[1].Name, "button");
  EXPECT_EQ(ini.Sections()[2].Name, "BUTTON");
  EXPECT_EQ(ini.SectionIndex("BUTTON"), 2);
  EXPECT_EQ(ini.SectionIndex("Button"), -1);
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "MainFont", "?"), "Segoe UI");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "MAINFONT", "?"), "?");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "FORMULA", "?"), "a=b");  // everything after the first "="
  EXPECT_EQ(ini.ReadInteger("button", "COLOR", 0), 1);                // a repeated key keeps its first value
  EXPECT_EQ(ini.ReadInteger("BUTTON", "COLOR", 0), 3);
  EXPECT_EQ(ini.ReadInteger("button", "FONTCOLOR", 0), 4);            // a repeated section continues
  ASSERT_EQ(ini.Sections()[1].Keys.size(), 2u);
  EXPECT_EQ(ini.Sections()[1].Keys[1].Name, "FONTCOLOR");
  EXPECT_EQ(ini.Value("GLOBALINFO", "ORPHAN"), nullptr);
}

TEST(OptionsFile, AbsentAndMalformedValuesTakeTheDefault) {
  const TacOptionsFile ini("[S]\nA=N/A\nB=\nC=x\nT1=TRUE\nT2=1\nF1=true\nF2=YES\nF3=0\n");
  for (const char* key : {"A", "B", "C", "MISSING"}) EXPECT_EQ(ini.ReadInteger("S", key, -7), -7) << key;
  const struct {
    const char* key;
    bool expected;
  } bools[] = {{"T1", true}, {"T2", true}, {"F1", false}, {"F2", false}, {"F3", false}};
  for (const auto& b : bools) EXPECT_EQ(ini.ReadBool("S", b.key, !b.expected), b.expected) << b.key;
  EXPECT_TRUE(ini.ReadBool("S", "A", true));  // "N/A" is absent
  EXPECT_TRUE(ini.ReadBool("S", "B", true));
  EXPECT_FALSE(ini.ReadBool("NOSECTION", "T1", false));
}
