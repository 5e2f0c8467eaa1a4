// Which files of the skin folder are listed, under what name, with what preview.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "skin/data/acZLibEx.h"
#include "tests/skin_list/SkinListFixture.h"
#include "tests/support/ImageWriters.h"
#include "tests/support/ScratchDir.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(SkinListRules, ListsOnlyPackageFilesWithTheExactExtensionUnderTheirNameWithoutIt) {
  struct Case {
    const char* name;
    bool isFolder;
    const char* listed;  // null: not listed
  };
  const Case cases[] = {
      {"A.asz", false, "A"},
      {"B.ASZ", false, nullptr},  // the extension differs in letter case
      {"C.asz", true, nullptr},   // a folder
      {".x.asz", false, nullptr},
      {"notes.txt", false, nullptr},
      {"asz", false, nullptr},
      {"my.asz.skin.asz", false, "my.asz.skin"},  // only the trailing extension goes
      {"Dark.asz.bak", false, nullptr},
  };
  for (const Case& c : cases) {
    ListedManager m;
    m.folder.entries = {{c.name, c.isFolder}};
    std::vector<TacSkinNameItem> names;
    m.manager->GetSkinNames(names);
    EXPECT_EQ(ListedNames(*m.list), c.listed ? std::vector<std::string>{c.listed} : std::vector<std::string>{})
        << c.name;
  }
}

TEST(SkinListRules, DiskFolderListsOneOfFourLookalikesWithItsPreviewHalved) {
  ScratchDir dir;
  const auto preview = PreviewPng(kRed, kBlue);
  WriteFile(dir / "A.asz", PackageWithPreview(&preview));
  WriteFile(dir / "B.ASZ", PackageWithPreview(&preview));
  WriteFile(dir / ".x.asz", PackageWithPreview(&preview));
  std::filesystem::create_directory(dir / "C.asz");

  RecordingHost host;
  TsSkinManager manager(host);
  manager.SetSkinDirectory(dir.path().string());
  TacSkinListController list(manager, host, DefaultSkinListServices(host));
  list.UpdateIfNeeded(true);

  ASSERT_EQ(ListedNames(list), std::vector<std::string>{"A"});
  EXPECT_EQ(list.Entries()[0].skSkinMode, smExtPacked);
  ASSERT_EQ(list.Entries()[0].skImageIndex, 0);
  const PixelImage& picture = list.Previews()[0];
  ASSERT_EQ(picture.width(), 140);
  ASSERT_EQ(picture.height(), 100);
  // 2:1 keeps the edge between the halves sharp: columns 0-69 red, 70-139 blue.
  EXPECT_EQ(picture.at(0, 0), kRed);
  EXPECT_EQ(picture.at(69, 99), kRed);
  EXPECT_EQ(picture.at(70, 0), kBlue);
  EXPECT_EQ(picture.at(139, 99), kBlue);
  EXPECT_FALSE(list.UpdateNeeded());
}

TEST(SkinListRules, PackageWithoutAReadablePreviewIsListedWithoutPicture) {
  struct Case {
    const char* what;
    std::optional<std::vector<uint8_t>> preview;
  };
  const Case cases[] = {
      {"no preview", std::nullopt},
      {"a BMP instead of PNG", EncodeBmp(PixelImage(280, 200, kRed))},
      {"damaged PNG", std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0}},
  };
  for (const Case& c : cases) {
    ListedManager m;
    m.folder.entries = {{"Plain.asz", false}};
    if (c.preview) m.folder.previews["Plain.asz"] = *c.preview;
    m.list->UpdateIfNeeded(true);
    ASSERT_EQ(ListedNames(*m.list), std::vector<std::string>{"Plain"}) << c.what;
    EXPECT_EQ(m.list->Entries()[0].skImageIndex, -1) << c.what;
    EXPECT_TRUE(m.list->Previews().empty()) << c.what;
  }
}

TEST(SkinListRules, InternalSkinsComeFirstWithTheirOwnPreviews) {
  ListedManager m;
  const auto preview = PreviewPng(kBlue, kBlue);
  m.AddInternal("Slate (internal)", &preview);
  m.AddInternal("Bare (internal)");
  const auto filePreview = PreviewPng(kRed, kRed);
  m.folder.entries = {{"Ext.asz", false}};
  m.folder.previews["Ext.asz"] = filePreview;
  m.list->UpdateIfNeeded(true);

  const std::vector<TacSkinListData> expected{
      {smInternal, 0, "Slate (internal)"}, {smInternal, -1, "Bare (internal)"}, {smExtPacked, 1, "Ext"}};
  EXPECT_EQ(m.list->Entries(), expected);
  EXPECT_EQ(m.list->Previews()[0].at(5, 5), kBlue);
  EXPECT_EQ(m.list->Previews()[1].at(5, 5), kRed);
}

TEST(SkinListRules, FilterDecidesWhatIsSearched) {
  struct Case {
    TacSet<TacSkinsFilterValue> filter;
    std::vector<std::string> listed;
    int searches;
  };
  const Case cases[] = {
      {{sfiInternal}, {"Slate (internal)"}, 0},
      {{sfiExternal}, {"Ext"}, 1},
      {{}, {}, 0},
  };
  for (const Case& c : cases) {
    ListedManager m;
    m.AddInternal("Slate (internal)");
    m.folder.entries = {{"Ext.asz", false}};
    m.manager->SetSkinsFilter(c.filter);
    m.list->UpdateIfNeeded(true);
    EXPECT_EQ(ListedNames(*m.list), c.listed);
    EXPECT_EQ(m.folder.searchesOpened, c.searches);
  }
}

TEST(SkinListRules, MissingFolderListsTheInternalSkinsOnly) {
  ListedManager m;
  m.AddInternal("Slate (internal)");
  m.folder.exists = false;
  m.folder.entries = {{"Ext.asz", false}};
  m.list->UpdateIfNeeded(true);
  EXPECT_EQ(ListedNames(*m.list), std::vector<std::string>{"Slate (internal)"});
  EXPECT_EQ(m.folder.searchesOpened, 0);
}
