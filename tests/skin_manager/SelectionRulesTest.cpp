// The rules for skin names and the skin folder, as pure functions.
#include <gtest/gtest.h>

#include "skin/data/acSkinSelection.h"

TEST(SkinNameRules, PackageExtensionIsDroppedInAnyCaseButNeverFromTheBareExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"Slate.asz", "Slate"}, {"Slate.ASZ", "Slate"}, {"Slate.AsZ", "Slate"}, {"x.asz", "x"},
      {".asz", ".asz"},       {"Slate", "Slate"},     {"Slate.asz.bak", "Slate.asz.bak"}, {"", ""},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(StripPackageExtension(name), expected) << name;
}

TEST(SkinNameRules, NamesThatWouldLeaveTheSkinFolderAreNoPlainNames) {
  for (const char* name : {"Slate", "Slate (internal)", "Dark.Blue", "Ünïcode"}) EXPECT_TRUE(IsPlainSkinName(name)) << name;
  for (const char* name : {"", ".", "..", "..\\Windows", "../etc", "a/b", "a\\b", "C:evil", "tab\tname"})
    EXPECT_FALSE(IsPlainSkinName(name)) << name;
}

TEST(SkinFolderRules, WindowsFormsResolveAgainstTheProgramFolder) {
  const std::string program = "C:\\App\\Bin\\";
  const std::pair<const char*, const char*> cases[] = {
      {"..\\Skins", "C:\\App\\Skins\\"}, {"..", "C:\\App\\"},        {".\\S", "C:\\App\\Bin\\S\\"},
      {"./S", "C:\\App\\Bin\\S\\"},       {".", "C:\\App\\Bin\\"},    {"Skins", "C:\\App\\Bin\\Skins\\"},
      {"D:\\S", "D:\\S\\"},               {"D:\\S\\", "D:\\S\\"},     {"\\\\srv\\s", "\\\\srv\\s\\"},
      {"c:\\Skins", "c:\\Skins\\"},       {"", "C:\\App\\Bin\\"},
  };
  for (const auto& [dir, expected] : cases)
    EXPECT_EQ(FullSkinDirectory(dir, program, PathRules::Windows), expected) << dir;
}

TEST(SkinFolderRules, PosixPathsAreAbsoluteOrRelativeToTheProgramFolder) {
  const std::string program = "/opt/app/bin/";
  EXPECT_EQ(FullSkinDirectory("/srv/skins", program, PathRules::Posix), "/srv/skins/");
  EXPECT_EQ(FullSkinDirectory("Skins", program, PathRules::Posix), "/opt/app/bin/Skins/");
  EXPECT_EQ(FullSkinDirectory("../Skins", program, PathRules::Posix), "/opt/app/Skins/");
}
