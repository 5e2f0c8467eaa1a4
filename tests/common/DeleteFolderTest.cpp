// Removing files and folder trees.
#include <gtest/gtest.h>

#include "common/uCommonFunc.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WineHost.h"

namespace {

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Writes a file and gives it the attributes, checking they took.
void MakeFile(const std::wstring& path, DWORD attributes = 0) {
  WriteBytes(path, "content");
  if (attributes == 0) return;
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes));
  ASSERT_EQ(GetFileAttributesW(path.c_str()) & attributes, attributes)
      << testing::PrintToString(path);
}

// tree\{plain.txt, hidden.txt, system.dat, sub\{deeper\both.txt, empty\}}
std::wstring MakeTree(const TempFolder& base) {
  const std::wstring tree = base / L"tree";
  CreateDirectoryW(tree.c_str(), nullptr);
  CreateDirectoryW((tree + L"\\sub").c_str(), nullptr);
  CreateDirectoryW((tree + L"\\sub\\deeper").c_str(), nullptr);
  CreateDirectoryW((tree + L"\\sub\\empty").c_str(), nullptr);
  MakeFile(tree + L"\\plain.txt");
  MakeFile(tree + L"\\hidden.txt", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(tree + L"\\system.dat", FILE_ATTRIBUTE_SYSTEM);
  MakeFile(tree + L"\\sub\\deeper\\both.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  return tree;
}

}  // namespace

TEST(DeleteFolder, RemovesTreeWithHiddenAndSystemFiles) {
  for (const wchar_t* suffix : {L"", L"\\"}) {
    TempFolder base;
    const std::wstring tree = MakeTree(base);
    ASSERT_FALSE(HasFailure());

    EXPECT_TRUE(DeleteFolder(tree + suffix)) << testing::PrintToString(suffix);

    EXPECT_FALSE(Exists(tree));
  }
}

// Read-only files are kept on purpose: the removal then fails and says so.
TEST(DeleteFolder, ReadOnlyFileStaysAndSoDoesItsFolder) {
  TempFolder base;
  const std::wstring tree = MakeTree(base);
  MakeFile(tree + L"\\sub\\deeper\\locked.txt", FILE_ATTRIBUTE_READONLY);
  ASSERT_FALSE(HasFailure());

  EXPECT_FALSE(DeleteFolder(tree));

  EXPECT_TRUE(Exists(tree + L"\\sub\\deeper\\locked.txt"));
  EXPECT_FALSE(Exists(tree + L"\\sub\\deeper\\both.txt"));
  EXPECT_FALSE(Exists(tree + L"\\plain.txt"));
  EXPECT_FALSE(Exists(tree + L"\\sub\\empty"));
}

TEST(DeleteFolder, MissingFolderGivesFalse) {
  TempFolder base;
  EXPECT_FALSE(DeleteFolder(base / L"absent"));
}

// Wine cannot make junctions or symbolic links through the Windows calls; a host symbolic
// link shows as a folder link (directory + reparse point) all the same.
TEST(DeleteFolder, NeverEntersFolderLinks) {
  TempFolder base;
  TempFolder outside;
  MakeFile(outside / L"keep.txt");
  const std::wstring tree = MakeTree(base);
  const std::wstring link = tree + L"\\link";
  winehost::StartShellScript(base, L"link.sh",
                             "ln -s '" + winehost::UnixPath(outside.path().wstring()) + "' '" +
                                 winehost::UnixPath(link) + "'\n");
  ASSERT_TRUE(winehost::WaitUntil([&] { return Exists(link); })) << "no link was made";
  ASSERT_EQ(GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT,
            DWORD{FILE_ATTRIBUTE_REPARSE_POINT});

  DeleteFolder(link);  // handed the link itself
  EXPECT_TRUE(Exists(outside / L"keep.txt"));
  DeleteFolder(tree);  // meeting the link inside
  EXPECT_TRUE(Exists(outside / L"keep.txt"));
  EXPECT_FALSE(Exists(tree + L"\\plain.txt"));
}

TEST(DeletePath, RemovesAFileOrWithTheFlagAFolder) {
  TempFolder base;
  const std::wstring file = base / L"ps.ps1";
  MakeFile(file, FILE_ATTRIBUTE_HIDDEN);
  const std::wstring tree = MakeTree(base);
  ASSERT_FALSE(HasFailure());

  DeletePath(file, false);
  DeletePath(tree, false);  // not a file: stays
  EXPECT_FALSE(Exists(file));
  EXPECT_TRUE(Exists(tree + L"\\plain.txt"));

  DeletePath(tree, true);
  EXPECT_FALSE(Exists(tree));
}
