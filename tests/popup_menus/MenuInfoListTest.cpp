// The open popups' entries and the flag that says skinned menus are open.
#include <gtest/gtest.h>

#include "skin/forms/logic/acMenuInfoList.h"

namespace {

TEST(MenuInfoList, AKeyFromAClosedPopupFindsNothingEvenWhenANewPopupOpens) {
  TacMenuInfoList list;
  int menuA = 0, menuB = 0;
  TacMenuInfo& a = list.FindOrAdd(&menuA);
  EXPECT_EQ(&list.FindOrAdd(&menuA), &a);
  const uint64_t stale = a.Key;
  a.Wnd = 42;
  EXPECT_EQ(list.FindByWindow(42), &a);
  EXPECT_EQ(list.FindByKey(stale), &a);
  list.Clear();
  EXPECT_EQ(list.FindByKey(stale), nullptr);
  EXPECT_EQ(list.FindByWindow(42), nullptr);
  // The same menu opened again is a new popup with a new key.
  TacMenuInfo& again = list.FindOrAdd(&menuA);
  list.FindOrAdd(&menuB);
  EXPECT_NE(again.Key, stale);
  EXPECT_EQ(list.FindByKey(stale), nullptr);
  EXPECT_EQ(list.FindByWindow(0), nullptr);
}

TEST(OpenMenus, ClearedWhenTheLastPopupWindowCloses) {
  TacOpenMenus open;
  open.Measured();
  open.WindowOpened();
  open.WindowOpened();
  open.WindowClosed();
  EXPECT_TRUE(open.Open());
  open.WindowClosed();
  EXPECT_FALSE(open.Open());
}

TEST(OpenMenus, ClearedWhenAMenuClosesAfterAMeasureWithoutAWindow) {
  TacOpenMenus open;
  open.Measured();
  open.MenuClosed();
  EXPECT_FALSE(open.Open());
  // While a popup window is still up (a submenu's parent), the flag stays.
  open.Measured();
  open.WindowOpened();
  open.MenuClosed();
  EXPECT_TRUE(open.Open());
}

}  // namespace
