// Item kinds and sizes as the window system is told them, and popup sizes from items.
#include <gtest/gtest.h>

#include "skin/data/acSkinData.h"
#include "skin/forms/logic/acMenuMeasure.h"
#include "skin/paint/acTextRecorder.h"
#include "tests/popup_menus/MenuFixture.h"

namespace {

TEST(MenuItemKind, ComesFromTheCaption) {
  EXPECT_EQ(MenuItemTypeOf(u"-"), smDivider);
  EXPECT_EQ(MenuItemTypeOf(u"-Tools-"), smCaption);
  EXPECT_EQ(MenuItemTypeOf(u"--"), smCaption);
  EXPECT_EQ(MenuItemTypeOf(u"-Tools"), smNormal);
  EXPECT_EQ(MenuItemTypeOf(u"卸载"), smNormal);
  EXPECT_EQ(MenuItemTypeOf(u""), smNormal);
  EXPECT_EQ(CaptionItemText(u"-Tools-"), u"Tools");
}

// The recorder's cells: |height| / 2 wide, |height| high; the menu font is 12 pixels at
// 96 PPI and scales with the density.
struct MeasureCase {
  const char* name;
  int ppi;
  bool borderMask;
  std::u16string caption;
  std::u16string shortCut;
  TSize expected;
};

TEST(MenuItemSize, Table) {
  const MeasureCase cases[] = {
      // 2 x 16 + text 12 + 3 x 2 + 8; height max(12, 16) + 2 x 2 + 2.
      {"uninstall at 96", 96, true, u"卸载", u"", {58, 22}},
      {"install at 96", 96, true, u"安装", u"", {58, 22}},
      // Without a border mask the popup border is taken off: 2 x 3.
      {"uninstall at 96, no border mask", 96, false, u"卸载", u"", {52, 22}},
      // 144 PPI: glyph 24, text 18 x 18, margin 3, spacing 12, border 4.
      {"uninstall at 144", 144, true, u"卸载", u"", {87, 32}},
      {"uninstall at 144, no border mask", 144, false, u"卸载", u"", {79, 32}},
      // A caption item measures its word: 5 cells of 6; height 12 + 2 x 2 + 3.
      {"caption item", 96, true, u"-Tools-", u"", {76, 19}},
      {"divider", 96, true, u"-", u"", {47, 2}},
  };
  for (const MeasureCase& c : cases) {
    SCOPED_TRACE(c.name);
    const LoadedModel skin = LoadMenuSkin(c.ppi, c.borderMask);
    const TacMenuMetrics metrics = MenuMetricsAt(TacMenuSettings{}, c.ppi, skin.Data.get(), false);
    EXPECT_EQ(metrics.MainMenuHasBorder, c.borderMask);
    TacTextRecorder painter;
    TacFont font;
    font.Height = -12 * c.ppi / 96;
    const int glyph = 16 * c.ppi / 96;
    const TSize size = MeasureMenuItem({c.caption, c.shortCut, {glyph, glyph}, true}, metrics, painter, font);
    EXPECT_EQ(size, c.expected);
  }
}

TEST(MenuItemSize, ShortcutIsMeasuredWithTheCaptionAfterATab) {
  TacTextRecorder painter;
  TacFont font;
  TacMenuMetrics metrics;
  MeasureMenuItem({u"Open", u"Ctrl+O", {16, 16}, true}, metrics, painter, font);
  ASSERT_EQ(painter.calls.size(), 0u);  // measuring draws nothing
  const TSize alone = MeasureMenuItem({u"Open", u"", {16, 16}, true}, metrics, painter, font);
  const TSize withShortcut = MeasureMenuItem({u"Open", u"Ctrl+O", {16, 16}, true}, metrics, painter, font);
  EXPECT_GT(withShortcut.cx, alone.cx);
}

TEST(MenuItemSize, ExtraLineWidensOnlyTheFirstColumn) {
  TacTextRecorder painter;
  TacFont font;
  TacMenuSettings settings;
  settings.UseExtraLine = true;
  const TacMenuMetrics metrics = MenuMetricsAt(settings, 96, nullptr, true);
  EXPECT_EQ(metrics.ExtraLineWidth, 32);
  const TSize first = MeasureMenuItem({u"卸载", u"", {16, 16}, true}, metrics, painter, font);
  const TSize later = MeasureMenuItem({u"卸载", u"", {16, 16}, false}, metrics, painter, font);
  EXPECT_EQ(first.cx - later.cx, 32);
}

TEST(PopupSize, ColumnsAndBreaks) {
  using B = TacMenuBreak;
  struct Case {
    const char* name;
    std::vector<TacMeasuredItem> items;
    TSize expected;
  } cases[] = {
      {"the app menu", {{{58, 22}}, {{58, 22}}}, {58 + 12 + 6, 44 + 6}},
      {"empty", {}, {6, 6}},
      {"hidden items count for nothing", {{{58, 22}}, {{90, 22}, false}}, {76, 28}},
      {"a break starts a column 4 pixels on",
       {{{50, 20}}, {{40, 20}}, {{30, 25}, true, B::Break}},
       {50 + 12 + 4 + 30 + 12 + 6, 40 + 6}},
      {"a bar break too", {{{50, 20}}, {{60, 30}, true, B::BarBreak}}, {50 + 12 + 4 + 60 + 12 + 6, 30 + 6}},
      {"a break on the first item starts nothing", {{{50, 20}, true, B::Break}}, {68, 26}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PopupSizeOf(c.items, 3), c.expected);
  }
}

TEST(SkinBorderWidth, FromTheMainMenuMask) {
  EXPECT_EQ(SkinBorderWidthOf(*LoadMenuSkin(96).Data), 3);
  EXPECT_EQ(SkinBorderWidthOf(*LoadMenuSkin(96, false).Data), 0);
}

}  // namespace
