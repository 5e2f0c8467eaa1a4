// Filling the list in the background: one skin per step of at least 12 ms, on the timer
// the list was given; finishing at once when the whole list is needed.
#include <gtest/gtest.h>

#include "skin/base/acSkinCommands.h"
#include "tests/skin_list/SkinListFixture.h"

namespace {

// Two internal skins and a folder of two packages with a folder between them, and a
// control that listens from before the filling starts.
struct FillingList : ListedManager {
  RecordingClient control;
  FillingList() {
    AddInternal("One (internal)");
    AddInternal("Two (internal)");
    folder.entries = {{"b.asz", false}, {"sub", true}, {"a.asz", false}};
    list->AddControl(&control);
    control.received.clear();
  }
};

int Loadings(const RecordingHost& host, intptr_t lParam) {
  int n = 0;
  for (const RecordedBroadcast& b : host.broadcasts) n += b.Command == SC_SKINLISTLOADING && b.LParam == lParam;
  return n;
}

}  // namespace

TEST(SkinListFill, AddsOneSkinPerStepOfAtLeastTwelveMilliseconds) {
  FillingList m;
  m.list->StartBackgroundScan();
  EXPECT_EQ(Loadings(m.host, 1), 1);
  EXPECT_EQ(m.timer.interval, 12);
  EXPECT_TRUE(m.list->Entries().empty());

  struct Step {
    int advance;
    size_t entries;
  };
  const Step steps[] = {
      {5, 0},   // too early: 5 ms after the start
      {7, 1},   // 12 ms: the first internal skin
      {11, 1},  // 11 ms after that one: waits
      {1, 2},   // the second internal skin
      {12, 3},  // b.asz
      {12, 3},  // the folder "sub": a step without a skin
      {30, 4},  // a.asz, the last entry: done
  };
  for (const Step& s : steps) {
    ASSERT_TRUE(m.timer.Running());
    m.timer.Tick(s.advance);
    EXPECT_EQ(m.list->Entries().size(), s.entries) << "after +" << s.advance << " ms";
  }
  EXPECT_FALSE(m.timer.Running());
  EXPECT_FALSE(m.list->UpdateNeeded());
  EXPECT_EQ(ListedNames(*m.list), (std::vector<std::string>{"One (internal)", "Two (internal)", "b", "a"}));
  EXPECT_EQ(m.control.received, std::vector<std::string>{"send 75"});
  EXPECT_EQ(Loadings(m.host, 0), 0);
}

TEST(SkinListFill, NeedingTheListFinishesTheFillingAtOnce) {
  FillingList m;
  m.list->StartBackgroundScan();
  m.timer.Tick(12);
  ASSERT_EQ(m.list->Entries().size(), 1u);

  std::vector<TacSkinNameItem> names;
  const std::string first = m.manager->GetSkinNames(names);

  EXPECT_EQ(first, "One (internal)");
  EXPECT_EQ(ListedNames(*m.list), (std::vector<std::string>{"One (internal)", "Two (internal)", "b", "a"}));
  EXPECT_FALSE(m.timer.Running());
  EXPECT_EQ(Loadings(m.host, 0), 1);
  EXPECT_EQ(m.control.received, std::vector<std::string>{"send 75"});
  m.timer.Tick(50);  // nothing is left to run
  EXPECT_EQ(m.list->Entries().size(), 4u);
}

TEST(SkinListFill, WithoutPackageFilesTheFillingEndsAfterTheInternalSkins) {
  FillingList m;
  m.manager->SetSkinsFilter({sfiInternal});
  m.control.received.clear();
  m.list->StartBackgroundScan();
  for (int i = 0; i < 3; ++i) m.timer.Tick(12);
  EXPECT_EQ(ListedNames(*m.list), (std::vector<std::string>{"One (internal)", "Two (internal)"}));
  EXPECT_FALSE(m.timer.Running());
  EXPECT_FALSE(m.list->UpdateNeeded());
  EXPECT_EQ(m.control.received, std::vector<std::string>{"send 75"});
  EXPECT_EQ(m.folder.searchesOpened, 0);
}

TEST(SkinListFill, ChangingTheFolderRestartsAndDestroyingStopsTheFilling) {
  FillingList m;
  m.list->StartBackgroundScan();
  m.timer.Tick(12);
  m.manager->SetSkinDirectory("/elsewhere");
  EXPECT_EQ(m.timer.started, 2);
  EXPECT_TRUE(m.list->Entries().empty());
  m.timer.Tick(12);
  EXPECT_EQ(ListedNames(*m.list), std::vector<std::string>{"One (internal)"});
  m.manager.reset();
  EXPECT_FALSE(m.timer.Running());
}

TEST(SkinListFill, ControlsRegisterOnceAndHearTheSkinChangeTheirWay) {
  ListedManager m;
  RecordingClient windowed, windowless;
  windowed.hasWindow = true;
  m.list->AddControl(&windowed);
  m.list->AddControl(&windowed);
  m.list->AddControl(&windowless);
  EXPECT_EQ(m.list->CtrlIndex(&windowless), 1);
  m.list->SendSkinChanged();
  m.list->DelControl(&windowed);
  EXPECT_EQ(m.list->CtrlIndex(&windowed), -1);
  EXPECT_EQ(m.list->CtrlIndex(&windowless), 1);  // its slot stays
  m.list->SendListChanged();
  EXPECT_EQ(windowed.received, (std::vector<std::string>{"send 75", "send 75", "post 74"}));
  EXPECT_EQ(windowless.received, (std::vector<std::string>{"send 75", "send 74", "send 75"}));
}
