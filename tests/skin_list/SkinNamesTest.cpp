// The names a skin-selection control gets from the manager.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/skin_list/SkinListFixture.h"

namespace {

void TwoOfEach(ListedManager& m) {
  const auto preview = PreviewPng(0xFF102030, 0xFF102030);
  m.AddInternal("Zeta (internal)", &preview);
  m.AddInternal("alpha (internal)");
  m.folder.entries = {{"c.asz", false}, {"B.asz", false}};
  m.folder.previews["B.asz"] = preview;
}

std::vector<std::string> NamesOf(const std::vector<TacSkinNameItem>& items) {
  std::vector<std::string> names;
  for (const auto& item : items) names.push_back(item.Name);
  return names;
}

}  // namespace

TEST(SkinNames, ByTypeSortedWhileTheAnswerIsTheFirstInListOrder) {
  struct Case {
    TacSkinTypes type;
    std::vector<std::string> sorted;
    std::string first;
  };
  const Case cases[] = {
      {stPacked, {"alpha (internal)", "Zeta (internal)"}, "Zeta (internal)"},
      {stUnpacked, {"B", "c"}, "c"},
      {stAllSkins, {"alpha (internal)", "B", "c", "Zeta (internal)"}, "Zeta (internal)"},
  };
  for (const Case& c : cases) {
    ListedManager m;
    TwoOfEach(m);
    std::vector<TacSkinNameItem> names{{"stale", std::nullopt}};
    EXPECT_EQ(m.manager->GetSkinNames(names, false, c.type), c.first);
    EXPECT_EQ(NamesOf(names), c.sorted);
  }
}

TEST(SkinNames, DataObjectsCarryThePreviewIndex) {
  ListedManager m;
  TwoOfEach(m);
  std::vector<TacSkinNameItem> names;
  m.manager->GetSkinNames(names, true, stAllSkins);
  std::map<std::string, int> index;
  for (const auto& item : names) index[item.Name] = item.Data ? item.Data->ImageIndex : -99;
  EXPECT_EQ(index, (std::map<std::string, int>{{"Zeta (internal)", 0}, {"alpha (internal)", -1}, {"c", -1}, {"B", 1}}));
  m.manager->GetSkinNames(names, false, stAllSkins);
  EXPECT_FALSE(names[0].Data.has_value());
}

TEST(SkinNames, ExternalNamesAreThePackageFiles) {
  ListedManager m;
  TwoOfEach(m);
  std::vector<TacSkinNameItem> names;
  EXPECT_EQ(m.manager->GetExternalSkinNames(names), "c");
  EXPECT_EQ(NamesOf(names), (std::vector<std::string>{"B", "c"}));
}

TEST(SkinNames, RandomSkinIsOneOfTheListOrEmptyWithoutAny) {
  ListedManager none;
  EXPECT_EQ(none.manager->GetRandomSkin(), "");
  none.manager.reset();

  ListedManager m;
  TwoOfEach(m);
  const std::set<std::string> all{"alpha (internal)", "B", "c", "Zeta (internal)"};
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(all.contains(m.manager->GetRandomSkin()));
}

TEST(SkinNames, ASecondManagerOnTheSameFolderShowsACopyOfTheDefaultList) {
  ListedManager first;
  TwoOfEach(first);
  first.manager->SetSkinDirectory("/skins/Shared");
  ASSERT_TRUE(first.manager->IsDefault());

  ListedManager second;  // its own folder is empty: whatever it lists is the copy
  second.manager->SetSkinDirectory("/SKINS/shared");
  std::vector<TacSkinNameItem> names;
  second.manager->GetSkinNames(names, true);
  EXPECT_EQ(second.list->Entries(), first.list->Entries());
  EXPECT_EQ(second.list->Previews(), first.list->Previews());
  EXPECT_EQ(second.list->Previews().size(), 2u);
  EXPECT_EQ(second.folder.searchesOpened, 0);

  second.manager->SetSkinDirectory("/skins/other");
  second.manager->GetSkinNames(names);
  EXPECT_TRUE(names.empty());
}
