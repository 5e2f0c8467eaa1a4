#include <gtest/gtest.h>

#include "update/UpdateRules.h"

namespace {

struct VersionCase {
  const char16_t* local;
  const char16_t* remote;
  bool newer;
};

TEST(UpdateRules, VersionsCompareAsStringsNotAsNumbers) {
  const VersionCase cases[] = {
      {u"1.0", u"1.1", true},    {u"1.0", u"1.0", false},   {u"1.0", u"0.9", false},
      {u"1.0", u"1.0.1", true},  // a proper beginning is the smaller
      {u"1.0", u"10.0", true},   // "." sorts before "0"
      {u"9.0", u"10.0", false},  // character by character, not by number
      {u"1.0", u"", false},      // a descriptor without VER never announces an update
      {u"1.0", u"1.0 ", true},   {u"1.0", u"\u4E00", true},
  };
  for (const VersionCase& c : cases)
    EXPECT_EQ(IsNewerVersion(c.local, c.remote), c.newer)
        << testing::PrintToString(std::u16string(c.local)) << " vs "
        << testing::PrintToString(std::u16string(c.remote));
}

TEST(UpdateRules, DescriptorCopyGoesIntoTheTemporaryFolderWithOneSeparator) {
  EXPECT_EQ(DescriptorCopyPath(u"C:\\Users\\me\\Temp"), u"C:\\Users\\me\\Temp\\_Update.INI");
  EXPECT_EQ(DescriptorCopyPath(u"C:\\Users\\me\\Temp\\"), u"C:\\Users\\me\\Temp\\_Update.INI");
  EXPECT_EQ(DescriptorCopyPath(u"D:\\临时 文件"), u"D:\\临时 文件\\_Update.INI");
}

TEST(UpdateRules, OnlyWebAddressesWithoutControlCharactersMayReachTheShell) {
  const struct {
    const char16_t* address;
    bool allowed;
  } cases[] = {
      {u"http://www.example.com/download", true},
      {u"https://www.example.com/d?a=1&b=2", true},
      {u"HTTP://EXAMPLE.COM/", true},
      {u"hTTpS://example.com/", true},
      {u"http://", true},
      {u"", false},
      {u"file:///C:/Windows/System32/cmd.exe", false},
      {u"C:\\Windows\\System32\\cmd.exe", false},
      {u"\\\\host\\share\\setup.exe", false},
      {u"ftp://example.com/", false},
      {u"http:/example.com", false},
      {u" http://example.com/", false},
      {u"javascript:alert(1)", false},
      {u"http://example.com/\nC:\\x.exe", false},
      {u"http://example.com/\t", false},
      {u"http://example.com/\u007F", false},
      {u"http://example.com/\u0085", false},
      {u"\uFF48ttp://example.com/", false},  // full-width letters are not ASCII
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsWebAddress(c.address), c.allowed) << testing::PrintToString(std::u16string(c.address));
}

}  // namespace
