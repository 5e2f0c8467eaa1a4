// The skin binding: sections, states, plain colours, background answers and commands,
// over a tree of fake controls.
#include <gtest/gtest.h>

#include "skin/data/sSkinManager.h"
#include "skin/base/acColorMix.h"
#include "skin/base/acSkinCommands.h"
#include "tests/skin_binding/BindingSkin.h"
#include "tests/skin_binding/FakeOwner.h"

namespace {

class Binding : public ::testing::Test {
 protected:
  // A bound fake control; kind 1 has no default section of its own.
  std::unique_ptr<FakeOwner> Node(FakeOwner* parent, TRect bounds, const char* section, bool cache = false,
                                  int kind = 1) {
    auto node = std::make_unique<FakeOwner>(parent, bounds, kind, cache, &timers);
    node->Data().SetSkinManager(skin.manager.get());
    if (section) node->Data().SetSkinSection(section);
    node->Data().Loaded(false);
    return node;
  }
  std::unique_ptr<FakeOwner> Unskinned(FakeOwner* parent, uint32_t color) {
    auto node = std::make_unique<FakeOwner>(parent, TRect{0, 0, 200, 100}, -1, false);
    node->color = color;
    return node;
  }
  intptr_t Send(FakeOwner& o, uint16_t command, intptr_t lParam = 0) { return o.SendToSelf(command, 0, lParam); }

  BindingSkin skin;
  ManualTimers timers;
};

}  // namespace

TEST_F(Binding, SectionsResolveAndSkinnedControlsSayTheyAre) {
  ASSERT_TRUE(skin.manager->IsActive());
  auto form = Node(nullptr, {0, 0, 200, 100}, "white");
  EXPECT_EQ(form->Data().SkinSection(), "WHITE");
  EXPECT_EQ(form->Data().SkinIndex(), skin.Index("WHITE"));
  EXPECT_EQ(Send(*form, SC_ISSKINNED), 1);
  EXPECT_EQ(Send(*form, SC_GETSKINDATA), reinterpret_cast<intptr_t>(&form->Data()));
  TacSkinIndexQuery query;
  Send(*form, SC_GETSKININDEX, reinterpret_cast<intptr_t>(&query));
  EXPECT_EQ(query.SkinIndex, skin.Index("WHITE"));
  // A section the skin lacks leaves the control unskinned; an unknown command is no command.
  auto missing = Node(form.get(), {0, 0, 10, 10}, "NOSUCHSECTION");
  EXPECT_FALSE(missing->Data().Skinned());
  intptr_t result = 5;
  EXPECT_FALSE(form->Data().HandleCommand(250, 0, 0, result));
  EXPECT_EQ(result, 0);
}

TEST_F(Binding, DefaultSectionComesFromTheControl) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  FakeOwner button(form.get(), {10, 10, 97, 32}, kKindSpeedButton, true, &timers);
  button.handler = [this](uint16_t c, uint16_t, intptr_t, intptr_t& r) {
    if (c != SC_DEFAULTINDEX) return false;
    r = skin.Index("SPEEDBUTTON") + 1;
    return true;
  };
  button.Data().SetSkinManager(skin.manager.get());
  button.Data().Loaded(false);
  EXPECT_EQ(button.Data().SkinIndex(), skin.Index("SPEEDBUTTON"));
}

TEST_F(Binding, SettingTheSameSectionAgainChangesNothingAnotherOneRefreshes) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  auto child = Node(form.get(), {0, 0, 10, 10}, "BLACK");
  child->received.clear();
  child->Data().SetSkinSection("BLACK");
  EXPECT_TRUE(child->received.empty());
  child->Data().SetSkinSection("white");
  EXPECT_EQ(child->Data().SkinSection(), "WHITE");
  EXPECT_EQ(child->Data().SkinIndex(), skin.Index("WHITE"));
  ASSERT_FALSE(child->received.empty());
  EXPECT_EQ(child->received.back(), SC_SKINREFRESH);
  // SC_SETSECTION does the same from a name, and says so.
  char name[] = "GRADIENT";
  EXPECT_EQ(Send(*child, SC_SETSECTION, reinterpret_cast<intptr_t>(name)), 1);
  EXPECT_EQ(child->Data().SkinIndex(), skin.Index("GRADIENT"));
  EXPECT_EQ(Send(*child, SC_SETSECTION, 0), 0);
}

TEST_F(Binding, DefaultStateFollowsFocusAndMouseButNotForEveryKind) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  struct Case {
    int kind;
    bool enabled, focused, mouse, noHover;
    int expected;
  } cases[] = {
      {kKindSpeedButton, true, false, false, false, 0}, {kKindSpeedButton, true, false, true, false, 1},
      {kKindSpeedButton, true, true, false, false, 1},  {kKindSpeedButton, false, true, true, false, 0},
      {kKindSpeedButton, true, false, true, true, 0},   {kKindPanel, true, false, true, false, 0},
      {5, true, false, true, false, 0},  // option-hot kinds need the global option
  };
  for (const Case& c : cases) {
    auto node = Node(form.get(), {0, 0, 10, 10}, "THREESTATE", false, c.kind);
    node->enabled = c.enabled;
    node->Data().FFocused = c.focused;
    node->Data().FMouseAbove = c.mouse;
    skin.manager->Options().NoMouseHover = c.noHover;
    EXPECT_EQ(node->Data().DefaultState(), c.expected) << "kind " << c.kind;
  }
  skin.manager->Options().NoMouseHover = false;
}

TEST_F(Binding, StatesAreLimitedByTheSectionsNumberOfStates) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  struct Case {
    const char* section;
    int state;
    uint32_t color;
  } cases[] = {
      // A plain background has a normal and a hot colour; any state above 0 is the hot one.
      {"THREESTATE", 0, kRed}, {"THREESTATE", 1, kGreen}, {"THREESTATE", 2, kGreen}, {"THREESTATE", 7, kGreen},
      {"TWOSTATE", 2, kGreen}, {"ONESTATE", 1, kRed},     {"ONESTATE", 2, kRed},
  };
  for (const Case& c : cases) {
    auto node = Node(form.get(), {0, 0, 10, 10}, c.section);
    BackgroundInfo info;
    node->Data().AnswerBackground(info, c.state);
    EXPECT_EQ(info.Kind, bgColor) << c.section;
    EXPECT_EQ(info.Color, c.color) << c.section << " state " << c.state;
  }
}

TEST_F(Binding, BackgroundColourAnswers) {
  // The parent's plain colour shows through a section as far as the section is transparent.
  auto white = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  auto half = Node(white.get(), {0, 0, 10, 10}, "HALF");
  EXPECT_EQ(Send(*half, SC_GETBGCOLOR), 0x7E7E7E);
  auto clear = Node(white.get(), {0, 0, 10, 10}, "CLEAR");
  EXPECT_EQ(Send(*clear, SC_GETBGCOLOR), 0xFFFFFF);
  auto opaque = Node(white.get(), {0, 0, 10, 10}, "THREESTATE");
  EXPECT_EQ(Send(*opaque, SC_GETBGCOLOR), kRed);
  // Not skinned: the control's own colour.
  auto plain = Node(white.get(), {0, 0, 10, 10}, nullptr);
  plain->color = 0x123456;
  EXPECT_EQ(Send(*plain, SC_GETBGCOLOR), 0x123456);
}

TEST_F(Binding, ABlackSkinnedParentIsNotTakenForNoAnswer) {
  auto black = Node(nullptr, {0, 0, 200, 100}, "BLACK");
  black->color = 0x123456;  // the framework colour the skin paints over
  auto clear = Node(black.get(), {0, 0, 10, 10}, "CLEAR");
  EXPECT_EQ(clear->Data().StateColor(0), 0u);
  EXPECT_EQ(Send(*clear, SC_GETBGCOLOR), 0);
  BackgroundInfo info;
  GetParentBackground(info, *clear, false);
  EXPECT_EQ(info.Kind, bgColor);
  EXPECT_EQ(info.Color, 0u);
  // An unskinned parent answers nothing: its own colour counts.
  auto plainParent = Unskinned(nullptr, 0x00C0FF);
  auto child = Node(plainParent.get(), {0, 0, 10, 10}, "CLEAR");
  EXPECT_EQ(child->Data().StateColor(0), 0x00C0FFu);
  BackgroundInfo unanswered;
  GetParentBackground(unanswered, *child, false);
  EXPECT_EQ(unanswered.Kind, bgColor);
  EXPECT_EQ(unanswered.Color, 0x00C0FFu);
}

TEST_F(Binding, AFlatSectionAnswersItsColourAndItsBorderStrips) {
  auto parent = Node(nullptr, {0, 0, 200, 100}, "BORDERED", true);
  BackgroundInfo info;
  parent->Data().AnswerBackground(info, 0);
  EXPECT_EQ(info.Kind, bgColor);
  EXPECT_EQ(info.Color, kGreen);
  EXPECT_EQ(info.FillRect, (TRect{3, 1, 2, 4}));
  const TCacheInfo c = BackgroundToCacheInfo(info);
  EXPECT_FALSE(c.Ready);
  EXPECT_EQ(c.FillColor, kGreen);
  EXPECT_EQ(c.FillRect, (TRect{3, 1, 2, 4}));
}

TEST_F(Binding, APictureBackgroundIsTheCacheRebuiltWhenStale) {
  auto parent = Node(nullptr, {0, 0, 40, 20}, "GRADIENT", true);
  int builds = 0;
  parent->handler = [&](uint16_t c, uint16_t, intptr_t, intptr_t& r) {
    if (c != SC_PREPARECACHE) return false;
    ++builds;
    parent->Data().InitCacheBmp();
    parent->Data().CacheBmp().view().fill(0xFF112233);
    parent->Data().BGChanged = false;
    r = 1;
    return true;
  };
  auto child = Node(parent.get(), {5, 6, 15, 16}, "CLEAR");
  const TCacheInfo c = child->Data().ParentCacheInfo();
  EXPECT_EQ(builds, 1);
  ASSERT_TRUE(c.Ready);
  EXPECT_EQ(c.Bmp.pixels, parent->Data().CacheBmp().view().pixels);
  EXPECT_EQ(c.X, 0);
  child->Data().ParentCacheInfo();
  EXPECT_EQ(builds, 1) << "a current cache is answered as it is";
  // A parent whose cache cannot be made says the background is not ready yet.
  parent->Data().BGChanged = true;
  parent->handler = [](uint16_t c, uint16_t, intptr_t, intptr_t&) { return c == SC_PREPARECACHE; };
  parent->Data().ClearCache();
  BackgroundInfo info;
  GetParentBackground(info, *child, false);
  EXPECT_EQ(info.Kind, bgNotReady);
}

TEST_F(Binding, ATransparentControlWithoutCachePassesTheQuestionOnWithItsOffset) {
  auto grand = Node(nullptr, {0, 0, 100, 100}, "GRADIENT", true);
  grand->handler = [&](uint16_t c, uint16_t, intptr_t, intptr_t& r) {
    if (c != SC_PREPARECACHE) return false;
    grand->Data().InitCacheBmp();
    grand->Data().BGChanged = false;
    r = 1;
    return true;
  };
  auto middle = Node(grand.get(), {10, 20, 60, 70}, "CLEAR", false);
  auto child = Node(middle.get(), {3, 4, 13, 14}, "CLEAR");
  BackgroundInfo info;
  GetParentBackground(info, *child, false);
  EXPECT_EQ(info.Kind, bgCache);
  EXPECT_EQ(info.Offset, (TPoint{10, 20}));
  EXPECT_EQ(info.FillRect.Left, -10);
  EXPECT_EQ(info.FillRect.Top, -20);
}

TEST_F(Binding, BackgroundVariesWithAGradientOrWhenHalfVisible) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  auto gradient = Node(form.get(), {0, 0, 10, 10}, "GRADIENT");
  EXPECT_EQ(gradient->Data().BGType, 0x02);
  EXPECT_EQ(Send(*gradient, SC_ISBGVARIABLE), 1);
  auto plain = Node(form.get(), {0, 0, 10, 10}, "BLACK");
  EXPECT_EQ(Send(*plain, SC_ISBGVARIABLE), 0);
  Send(*plain, SC_SETHALFVISIBLE);
  EXPECT_EQ(Send(*plain, SC_ISBGVARIABLE), 1);
  EXPECT_EQ(Send(*plain, SC_ISHALFVISIBLE), 1);
}

TEST_F(Binding, BackgroundStateQuestionsStopAtTheFirstOpaqueSection) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  auto seeThrough = Node(form.get(), {20, 30, 120, 80}, "CLEARBORDER");
  auto opaque = Node(form.get(), {20, 30, 120, 80}, "THREESTATE");
  EXPECT_EQ(seeThrough->Data().OpaqueSectionAt(0), skin.Index("WHITE"));
  EXPECT_EQ(opaque->Data().OpaqueSectionAt(0), skin.Index("THREESTATE"));
  // The question is shifted into the parent's coordinates on its way up.
  TacBGStateQuery query{0, -1, {1, 2, 5, 6}};
  Send(*seeThrough, SC_GETBGSTATE, reinterpret_cast<intptr_t>(&query));
  EXPECT_EQ(query.R, (TRect{21, 32, 25, 36}));
  // Nobody skinned below: no answer.
  auto plain = Unskinned(nullptr, 0xFFFFFF);
  auto orphan = Node(plain.get(), {0, 0, 10, 10}, "CLEARBORDER");
  EXPECT_EQ(orphan->Data().OpaqueSectionAt(0), -1);
}

TEST_F(Binding, UpdatingNestsAndMovesRepaintOnlyWhereTheBackgroundShows) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  auto node = Node(form.get(), {0, 0, 10, 10}, "HALF");
  node->Data().BeginUpdate();
  node->Data().BeginUpdate();
  node->Data().EndUpdate();
  EXPECT_TRUE(node->Data().Updating());
  EXPECT_EQ(Send(*node, SC_ISUPDATING), 1);
  node->Data().EndUpdate();
  EXPECT_FALSE(node->Data().Updating());
  node->SendToSelf(SC_SETUPDATING, 1, 0);
  EXPECT_TRUE(node->Data().Updating());
  node->SendToSelf(SC_SETUPDATING, 0, 0);
  EXPECT_FALSE(node->Data().Updating());
  // Opaque sections need no repaint when moved; see-through ones over a varying background do.
  auto opaque = Node(form.get(), {0, 0, 10, 10}, "BLACK");
  EXPECT_FALSE(opaque->Data().RepaintIfMoved());
  EXPECT_FALSE(node->Data().RepaintIfMoved());
  auto gradient = Node(nullptr, {0, 0, 200, 100}, "GRADIENT");
  auto onGradient = Node(gradient.get(), {0, 0, 10, 10}, "HALF");
  EXPECT_TRUE(onGradient->Data().RepaintIfMoved());
}

TEST_F(Binding, SkinLoadedFromAnotherManagerIsIgnoredRemovedUnbinds) {
  auto form = Node(nullptr, {0, 0, 200, 100}, "WHITE");
  auto node = Node(form.get(), {0, 0, 10, 10}, "BLACK", true);
  node->Data().BGChanged = false;
  int other = 0;
  Send(*node, SC_SKINLOADED, reinterpret_cast<intptr_t>(&other));
  EXPECT_FALSE(node->Data().BGChanged);
  Send(*node, SC_SKINLOADED, reinterpret_cast<intptr_t>(skin.manager.get()));
  EXPECT_TRUE(node->Data().BGChanged);
  EXPECT_EQ(node->Data().SkinIndex(), skin.Index("BLACK"));
  intptr_t result = 0;
  EXPECT_FALSE(node->Data().HandleCommand(SC_SKINREMOVED, 0, reinterpret_cast<intptr_t>(skin.manager.get()), result))
      << "the owner goes on with its own handling";
  EXPECT_FALSE(node->Data().Skinned());
}

// Skin index 0 is a section like any other: a skin whose first section is the form's
// answers with it, and only a question nobody answered is no section.
TEST(BindingFirstSection, TheFirstSectionOfASkinAnswersTheBackgroundQuestion) {
  BindingSkin first("[PAGE]\nCOLOR=16777215\nFONTCOLOR=197121\n"
                    "[GLOBALINFO]\nVERSION=14.01\nMASTERBITMAP=MASTER.PNG\n"
                    "[CLEAR]\nCOLOR=255\nTRANSPARENCY=100\n"
                    "BORDERSMASK=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n");
  ASSERT_EQ(first.Index("PAGE"), 0);
  const auto bound = [&](FakeOwner* parent, const char* section) {
    auto node = std::make_unique<FakeOwner>(parent, TRect{0, 0, 100, 50}, 1, false);
    node->Data().SetSkinManager(first.manager.get());
    node->Data().SetSkinSection(section);
    node->Data().Loaded(false);
    return node;
  };
  auto form = bound(nullptr, "PAGE");
  auto clear = bound(form.get(), "CLEAR");
  EXPECT_EQ(clear->Data().OpaqueSectionAt(0), 0);
  FakeOwner plain(nullptr, {0, 0, 100, 50}, -1, false);
  auto orphan = bound(&plain, "CLEAR");
  EXPECT_EQ(orphan->Data().OpaqueSectionAt(0), -1);
}
