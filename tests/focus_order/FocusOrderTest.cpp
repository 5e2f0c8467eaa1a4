// The main window's controls as laid out at 96 DPI: the order Tab visits them in and where
// the arrow keys lead inside the grid of app buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/forms/logic/acFocusNavigation.h"

namespace {

using Key = TacNavigationKey;

struct Placed {
  const char* caption;
  TRect bounds;
  bool tabStop;
  bool appButton;
};

Placed App(const char* caption, int left, int top, int width) {
  return {caption, TRect::FromSize(left, top, width, 22), true, true};
}

// In the order the window creates them (not the reading order), as the program does.
std::vector<Placed> MainWindowLayout() {
  return {
      App("3D建模", 17, 8, 66), App("相机", 88, 8, 63), App("照片", 155, 8, 66), App("地图", 225, 8, 66),
      App("画图 3D", 17, 36, 66), App("天气", 88, 36, 66), App("便签", 155, 36, 66), App("财经", 225, 36, 66),
      App("新闻", 17, 64, 66), App("人脉", 88, 64, 66), App("OneNote", 155, 64, 66), App("Xbox", 225, 64, 66),
      App("Skype", 17, 92, 66), App("Wallet", 87, 92, 66), App("Print 3D", 155, 92, 66), App("消息", 225, 92, 65),
      App("闹钟和时钟", 17, 119, 87), App("电影和电视", 109, 119, 87), App("日历和邮件", 203, 119, 87),
      App("获取office", 17, 147, 87), App("应用商店", 109, 147, 87), App("棋牌游戏", 203, 147, 87),
      App("录音机", 17, 175, 87), App("计算器", 109, 175, 87), App("Groove 音乐", 203, 175, 87),
      App("获取帮助", 17, 203, 87), App("移动套餐", 109, 203, 87), App("反馈中心", 203, 203, 87),
      App("3D 查看器", 17, 231, 87), App("截图和草图", 109, 231, 87), App("使用技巧", 203, 231, 87),
      App("混合现实门户", 17, 259, 132), App("你的手机", 155, 259, 135),
      {"卸载全部", TRect::FromSize(308, 36, 85, 22), true, false},
      {"安装全部", TRect::FromSize(308, 64, 85, 22), true, false},
      {"关于", TRect::FromSize(308, 203, 85, 22), true, false},
      {"提示", TRect::FromSize(320, 176, 24, 17), false, false},
      {"switch", TRect::FromSize(347, 176, 33, 15), true, false},
      {"Marvolena", TRect::FromSize(318, 260, 65, 19), true, false},
  };
}

// The layout in reading order, as navigation items (the app buttons form grid 0).
struct OrderedLayout {
  std::vector<std::string> captions;
  std::vector<TacNavigationItem> items;

  int Find(const std::string& caption) const {
    for (size_t i = 0; i < captions.size(); ++i)
      if (captions[i] == caption) return static_cast<int>(i);
    ADD_FAILURE() << "no control " << caption;
    return -1;
  }
  std::string CaptionAt(int index) const { return index < 0 ? "(stays)" : captions[index]; }
};

OrderedLayout Ordered(const std::vector<Placed>& layout) {
  std::vector<TRect> bounds;
  for (const Placed& p : layout) bounds.push_back(p.bounds);
  OrderedLayout ordered;
  for (int i : ReadingOrder(bounds)) {
    ordered.captions.push_back(layout[i].caption);
    ordered.items.push_back({layout[i].bounds, layout[i].tabStop, layout[i].appButton ? 0 : -1});
  }
  return ordered;
}

const std::vector<std::string> kTabOrder = {
    "3D建模", "相机", "照片", "地图", "画图 3D", "天气", "便签", "财经", "新闻", "人脉", "OneNote", "Xbox",
    "Skype", "Wallet", "Print 3D", "消息", "闹钟和时钟", "电影和电视", "日历和邮件", "获取office", "应用商店",
    "棋牌游戏", "录音机", "计算器", "Groove 音乐", "获取帮助", "移动套餐", "反馈中心", "3D 查看器", "截图和草图",
    "使用技巧", "混合现实门户", "你的手机", "卸载全部", "安装全部", "switch", "关于", "Marvolena"};

// The controls `steps` presses of `key` visit, starting with nothing focused.
std::vector<std::string> Walk(const OrderedLayout& layout, Key key, size_t steps) {
  std::vector<std::string> seen;
  int at = -1;
  for (size_t step = 0; step < steps; ++step) {
    at = NavigationTarget(layout.items, at, key);
    seen.push_back(layout.CaptionAt(at));
  }
  return seen;
}

TEST(FocusOrder, TabVisitsAppButtonsRowByRowThenTheRightColumnAndWraps) {
  const OrderedLayout layout = Ordered(MainWindowLayout());
  std::vector<std::string> expected = kTabOrder;
  expected.push_back(kTabOrder.front());  // after the link, round to the first again
  EXPECT_EQ(Walk(layout, Key::Next, expected.size()), expected);
}

TEST(FocusOrder, ShiftTabVisitsTheSameOrderBackwards) {
  const OrderedLayout layout = Ordered(MainWindowLayout());
  std::vector<std::string> expected(kTabOrder.rbegin(), kTabOrder.rend());
  expected.push_back(kTabOrder.back());
  EXPECT_EQ(Walk(layout, Key::Previous, expected.size()), expected);
}

TEST(FocusOrder, TheLabelBesideTheSwitchIsReadButNeverFocused) {
  const OrderedLayout layout = Ordered(MainWindowLayout());
  // Read where it stands: just before the switch it names.
  EXPECT_EQ(layout.Find("提示") + 1, layout.Find("switch"));
  const std::vector<std::string> seen = Walk(layout, Key::Next, layout.items.size());
  EXPECT_EQ(std::count(seen.begin(), seen.end(), "提示"), 0);
}

TEST(FocusOrder, DisabledOrHiddenControlsAreSkipped) {
  OrderedLayout layout = Ordered(MainWindowLayout());
  layout.items[layout.Find("相机")].tabStop = false;
  layout.items[layout.Find("安装全部")].tabStop = false;
  EXPECT_EQ(layout.CaptionAt(NavigationTarget(layout.items, layout.Find("3D建模"), Key::Next)), "照片");
  EXPECT_EQ(layout.CaptionAt(NavigationTarget(layout.items, layout.Find("switch"), Key::Previous)), "卸载全部");
  // Right skips it too; Up from below it lands on the nearest centre that takes the focus
  // ("照片" 67 units away, "3D建模" 71).
  EXPECT_EQ(layout.CaptionAt(NavigationTarget(layout.items, layout.Find("3D建模"), Key::Right)), "照片");
  EXPECT_EQ(layout.CaptionAt(NavigationTarget(layout.items, layout.Find("天气"), Key::Up)), "照片");
}

TEST(FocusOrder, NothingToFocusLeavesTheFocusWhereItIs) {
  std::vector<TacNavigationItem> none = {{TRect::FromSize(0, 0, 10, 10), false, -1}};
  EXPECT_EQ(NavigationTarget(none, -1, Key::Next), -1);
  std::vector<TacNavigationItem> one = {{TRect::FromSize(0, 0, 10, 10), true, 0}};
  EXPECT_EQ(NavigationTarget(one, 0, Key::Next), -1);  // already there
  EXPECT_EQ(NavigationTarget(one, -1, Key::Previous), 0);
  EXPECT_EQ(NavigationTarget({}, -1, Key::Next), -1);
}

struct ArrowCase {
  const char* from;
  Key key;
  const char* to;  // "(stays)": no move
};

TEST(FocusOrder, ArrowsMoveInsideTheGridOfAppButtons) {
  const ArrowCase cases[] = {
      {"3D建模", Key::Right, "相机"},
      {"地图", Key::Left, "照片"},
      {"地图", Key::Right, "(stays)"},       // the row's end: no wrap into the next row
      {"3D建模", Key::Left, "(stays)"},
      {"照片", Key::Up, "(stays)"},           // the top row
      {"照片", Key::Down, "便签"},
      {"便签", Key::Up, "照片"},
      {"Wallet", Key::Down, "电影和电视"},     // four narrow buttons over three wide ones
      {"消息", Key::Down, "日历和邮件"},
      {"Skype", Key::Down, "闹钟和时钟"},
      {"电影和电视", Key::Up, "Wallet"},
      {"日历和邮件", Key::Up, "消息"},
      {"截图和草图", Key::Down, "混合现实门户"},  // the last row has two buttons
      {"使用技巧", Key::Down, "你的手机"},
      {"你的手机", Key::Up, "使用技巧"},
      {"混合现实门户", Key::Right, "你的手机"},
      {"你的手机", Key::Down, "(stays)"},      // the bottom row
      {"地图", Key::Down, "财经"},
      {"财经", Key::Right, "(stays)"},         // never out of the grid into the right column
      {"卸载全部", Key::Down, "(stays)"},      // not in a grid: arrows do nothing
      {"switch", Key::Left, "(stays)"},
  };
  const OrderedLayout layout = Ordered(MainWindowLayout());
  for (const ArrowCase& c : cases) {
    const int to = NavigationTarget(layout.items, layout.Find(c.from), c.key);
    EXPECT_EQ(layout.CaptionAt(to), c.to) << c.from << " key " << static_cast<int>(c.key);
  }
}

TEST(FocusOrder, ReadingOrderDoesNotDependOnTheOrderOfMaking) {
  std::vector<Placed> reversed = MainWindowLayout();
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(Ordered(reversed).captions, Ordered(MainWindowLayout()).captions);
}

}  // namespace
