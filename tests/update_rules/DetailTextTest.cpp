#include <gtest/gtest.h>

#include <vector>

#include "update/DetailText.h"

namespace {

using Items = std::vector<std::u16string>;

TEST(DetailText, SplitsLikeTheFrameworksLooseDelimitedText) {
  const struct {
    const char16_t* value;
    Items items;
  } cases[] = {
      {u"a&b c", {u"a", u"b", u"c"}},
      {u"first&second", {u"first", u"second"}},
      {u"", {}},
      {u"  \t ", {}},
      {u"a&", {u"a", u""}},
      {u"&", {u"", u""}},
      {u"a& ", {u"a"}},  // the delimiter is not the very last character
      {u"a&&b", {u"a", u"", u"b"}},
      {u" a & b ", {u"a", u"b"}},
      {u"\"x&y\"&z", {u"x&y", u"z"}},
      {u"\"p\"\"q\"", {u"p\"q"}},
      {u"\"with blank\"&\"\"", {u"with blank", u""}},
      {u"\"\"\"\"", {u"\""}},
      {u"\"open&end", {u"open&end"}},  // no closing quote: the rest of the value
      {u"\"a\"b&c", {u"a", u"b", u"c"}},
      {u"修复&新增 功能", {u"修复", u"新增", u"功能"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitDelimitedText(c.value, u'&'), c.items)
        << "value " << testing::PrintToString(std::u16string(c.value));
  }
}

TEST(DetailText, TheDelimiterIsTheCallersChoice) {
  EXPECT_EQ(SplitDelimitedText(u"a&b|c", u'|'), (Items{u"a&b", u"c"}));
  EXPECT_EQ(SplitDelimitedText(u"a,b", u','), (Items{u"a", u"b"}));
}

}  // namespace
