// What a screen reader gets from the main window and About: every control, window-less
// ones included, in reading order, with its name, role, description, states, place and
// default action; the default action acts.
#include <vector>

#include "tests/accessibility_win/AccessFixture.h"

namespace {

struct Expected {
  const wchar_t* name;
  long role;
  const wchar_t* description;
};

constexpr long kButton = ROLE_SYSTEM_PUSHBUTTON;
constexpr wchar_t kApp[] = L"卸载/安装";

const std::vector<Expected> kMainWindow = {
    {L"3D建模", kButton, kApp}, {L"相机", kButton, kApp}, {L"照片", kButton, kApp}, {L"地图", kButton, kApp},
    {L"画图 3D", kButton, kApp}, {L"天气", kButton, kApp}, {L"便签", kButton, kApp}, {L"财经", kButton, kApp},
    {L"新闻", kButton, kApp}, {L"人脉", kButton, kApp}, {L"OneNote", kButton, kApp}, {L"Xbox", kButton, kApp},
    {L"Skype", kButton, kApp}, {L"Wallet", kButton, kApp}, {L"Print 3D", kButton, kApp}, {L"消息", kButton, kApp},
    {L"闹钟和时钟", kButton, kApp}, {L"电影和电视", kButton, kApp}, {L"日历和邮件", kButton, kApp},
    {L"获取office", kButton, kApp}, {L"应用商店", kButton, kApp}, {L"棋牌游戏", kButton, kApp},
    {L"录音机", kButton, kApp}, {L"计算器", kButton, kApp}, {L"Groove 音乐", kButton, kApp},
    {L"获取帮助", kButton, kApp}, {L"移动套餐", kButton, kApp}, {L"反馈中心", kButton, kApp},
    {L"3D 查看器", kButton, kApp}, {L"截图和草图", kButton, kApp}, {L"使用技巧", kButton, kApp},
    {L"混合现实门户", kButton, kApp}, {L"你的手机", kButton, kApp},
    {L"卸载全部", kButton, L"(none)"}, {L"安装全部", kButton, L"(none)"},
    {L"提示", ROLE_SYSTEM_STATICTEXT, L"(none)"}, {L"提示", ROLE_SYSTEM_CHECKBUTTON, L"(none)"},
    {L"关于", kButton, L"(none)"}, {L"Marvolena", ROLE_SYSTEM_LINK, L"(none)"},
};

// The child whose name is `name` (the first one), 0 when none.
long ChildNamed(IAccessible& object, const wchar_t* name) {
  long count = 0;
  object.get_accChildCount(&count);
  for (long id = 1; id <= count; ++id)
    if (TextOf(object, id, &IAccessible::get_accName) == name) return id;
  ADD_FAILURE() << "no child named " << static_cast<int>(name[0]);
  return 0;
}

TEST_F(AccessTest, MainWindowListsEveryControlInReadingOrderWithNameRoleAndDescription) {
  AccessiblePtr window = Accessible(form_->Handle());
  ASSERT_TRUE(window);
  EXPECT_EQ(TextOf(*window, CHILDID_SELF, &IAccessible::get_accName), L"Marvolena v1.0");
  EXPECT_EQ(NumberOf(*window, CHILDID_SELF, &IAccessible::get_accRole), ROLE_SYSTEM_CLIENT);
  long count = 0;
  ASSERT_EQ(window->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, static_cast<long>(kMainWindow.size()));
  for (long id = 1; id <= count; ++id) {
    const Expected& want = kMainWindow[id - 1];
    SCOPED_TRACE(id);
    EXPECT_EQ(TextOf(*window, id, &IAccessible::get_accName), want.name);
    EXPECT_EQ(NumberOf(*window, id, &IAccessible::get_accRole), want.role);
    EXPECT_EQ(TextOf(*window, id, &IAccessible::get_accDescription), want.description);
    IDispatch* own = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(window->get_accChild(Child(id), &own), S_FALSE);  // simple elements
    EXPECT_EQ(own, nullptr);
  }
  IDispatch* none = nullptr;
  EXPECT_EQ(window->get_accChild(Child(count + 1), &none), E_INVALIDARG);
}

TEST_F(AccessTest, ChildrenSayWhereTheyAreOnTheScreenAndWhatState) {
  AccessiblePtr window = Accessible(form_->Handle());
  ASSERT_TRUE(window);
  // Places: each control's rectangle in screen coordinates.
  for (marv::Control* control : {static_cast<marv::Control*>(form_->btn9), static_cast<marv::Control*>(form_->sSlider1),
                                 static_cast<marv::Control*>(form_->lbl1)}) {
    const long id = form_->Keyboard().ChildId(control);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(window->accLocation(&left, &top, &width, &height, Child(id)), S_OK);
    POINT origin{0, 0};
    ClientToScreen(form_->Handle(), &origin);
    const RECT r = control->BoundsRect();
    EXPECT_EQ(left, origin.x + r.left);
    EXPECT_EQ(top, origin.y + r.top);
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(height, r.bottom - r.top);
    VARIANT hit;
    ASSERT_EQ(window->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, id);
  }
  const long photos = ChildNamed(*window, L"照片");
  const long label = ChildNamed(*window, L"提示");
  const long swtch = label + 1;
  const long link = ChildNamed(*window, L"Marvolena");
  EXPECT_EQ(NumberOf(*window, photos, &IAccessible::get_accState), STATE_SYSTEM_FOCUSABLE);
  EXPECT_EQ(NumberOf(*window, label, &IAccessible::get_accState), STATE_SYSTEM_READONLY);
  EXPECT_EQ(NumberOf(*window, swtch, &IAccessible::get_accState), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_CHECKED);
  EXPECT_EQ(NumberOf(*window, link, &IAccessible::get_accState), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED);
  EXPECT_EQ(TextOf(*window, photos, &IAccessible::get_accDefaultAction), L"按");
  EXPECT_EQ(TextOf(*window, swtch, &IAccessible::get_accDefaultAction), L"清除");
  EXPECT_EQ(TextOf(*window, link, &IAccessible::get_accDefaultAction), L"跳转");

  form_->btn24->SetEnabled(false);
  EXPECT_EQ(NumberOf(*window, ChildNamed(*window, L"安装全部"), &IAccessible::get_accState), STATE_SYSTEM_UNAVAILABLE);

  // The focus: the window has it, and with it the first control.
  ASSERT_EQ(GetFocus(), form_->Handle());
  VARIANT focus;
  ASSERT_EQ(window->get_accFocus(&focus), S_OK);
  EXPECT_EQ(focus.vt, VT_I4);
  EXPECT_EQ(focus.lVal, 1);
  ASSERT_EQ(window->accSelect(SELFLAG_TAKEFOCUS, Child(photos)), S_OK);
  EXPECT_EQ(form_->Keyboard().Focused(), form_->btn9);
  EXPECT_EQ(NumberOf(*window, photos, &IAccessible::get_accState), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
}

TEST_F(AccessTest, DefaultActionOpensAnAppMenuAtTheButtonAndTogglesTheSwitch) {
  AccessiblePtr window = Accessible(form_->Handle());
  ASSERT_TRUE(window);
  ASSERT_EQ(window->accDoDefaultAction(Child(ChildNamed(*window, L"照片"))), S_OK);
  EXPECT_EQ(menus_, 0);  // not while the caller waits: from the queue
  ASSERT_TRUE(uitest::PumpUntil([&] { return menus_ == 1; }, 2000));
  EXPECT_EQ(form_->sAppName, L"photos");
  EXPECT_EQ(form_->sDisName, L"照片");
  const POINT below = BelowLeft(*form_->btn9);
  EXPECT_EQ(menuAt_.x, below.x);
  EXPECT_EQ(menuAt_.y, below.y);

  const long swtch = ChildNamed(*window, L"提示") + 1;
  ASSERT_TRUE(form_->sSlider1->SliderOn());
  ASSERT_EQ(window->accDoDefaultAction(Child(swtch)), S_OK);
  ASSERT_TRUE(uitest::PumpUntil([&] { return !form_->sSlider1->SliderOn(); }, 2000));
  EXPECT_EQ(NumberOf(*window, swtch, &IAccessible::get_accState), STATE_SYSTEM_FOCUSABLE);
  EXPECT_EQ(TextOf(*window, swtch, &IAccessible::get_accDefaultAction), L"选中");
}

TEST_F(AccessTest, AnObjectKeptAfterTheWindowIsGoneAnswersDisconnected) {
  AccessiblePtr window = Accessible(form_->Handle());
  ASSERT_TRUE(window);
  app_.reset();
  long count = -1;
  EXPECT_EQ(window->get_accChildCount(&count), RPC_E_DISCONNECTED);
  BSTR name = nullptr;
  EXPECT_EQ(window->get_accName(Child(1), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(window->accDoDefaultAction(Child(1)), RPC_E_DISCONNECTED);
}

TEST_F(AccessTest, AboutListsItsTextsAndButtons) {
  TForm2& about = About();
  about.Show();
  uitest::PumpFor(20);
  AccessiblePtr window = Accessible(about.Handle());
  ASSERT_TRUE(window);
  long count = 0;
  ASSERT_EQ(window->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, 4);
  const std::vector<std::pair<std::wstring, long>> expected = {
      {L"Windows 10预装应用管家，瘦身您的Windows ！", ROLE_SYSTEM_STATICTEXT},
      {L"请多多支持~", ROLE_SYSTEM_STATICTEXT},
      {L"检查更新", ROLE_SYSTEM_PUSHBUTTON},
      {L"确定", ROLE_SYSTEM_PUSHBUTTON}};
  for (long id = 1; id <= count; ++id) {
    EXPECT_EQ(TextOf(*window, id, &IAccessible::get_accName), expected[id - 1].first) << id;
    EXPECT_EQ(NumberOf(*window, id, &IAccessible::get_accRole), expected[id - 1].second) << id;
  }
  about.Hide();
}

}  // namespace
