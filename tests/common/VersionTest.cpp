// Version records: this test program carries 65535.10.0.7 (TestVersion.rc), the program
// 1.0.0.0, and two probe executables have no usable record.
#include <gtest/gtest.h>

#include "common/uCommonFunc.h"
#include "tests/support/BuiltFiles.h"

TEST(GetOwnVersion, GivesTheRequestedPartsOfTheRunningExecutablesFileVersion) {
  const std::pair<int, std::wstring> cases[] = {
      {2, L"65535.10"}, {3, L"65535.10.0"}, {4, L"65535.10.0.7"}, {1, L""}, {5, L""}, {0, L""}};
  for (const auto& [parts, expected] : cases) EXPECT_EQ(GetOwnVersion(parts), expected) << parts;
}

TEST(GetFileVersion, ProgramCarriesVersion1000) {
  EXPECT_EQ(GetFileVersion(ProgramPath(), 2), L"1.0");
  EXPECT_EQ(GetFileVersion(ProgramPath(), 4), L"1.0.0.0");
}

TEST(GetFileVersion, FileWithoutUsableRecordGivesZeros) {
  const std::wstring withoutRecord = BuiltFile(MARV_NO_VERSION_PATH);
  const std::wstring withoutFixedPart = BuiltFile(MARV_NO_FIXED_PART_PATH);
  const std::wstring missing = BuiltFile(MARV_NO_VERSION_PATH) + L".missing";
  const std::tuple<std::wstring, int, std::wstring> cases[] = {
      {withoutRecord, 2, L"0.0"},    {withoutRecord, 3, L"0.0.0"}, {withoutRecord, 4, L"0.0.0.0"},
      {withoutRecord, 5, L""},       {withoutFixedPart, 4, L"0.0.0.0"},
      {missing, 3, L"0.0.0"},
  };
  for (const auto& [path, parts, expected] : cases)
    EXPECT_EQ(GetFileVersion(path, parts), expected) << testing::PrintToString(path) << " " << parts;
}
