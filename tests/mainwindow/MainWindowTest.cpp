// The main window as the program shows it: its controls, the app menu, the About window.
#include <algorithm>

#include "tests/support/MainWindowFixture.h"
#include "update/Unit2.h"

namespace {

using marv::SpeedButton;

// Every app button: designer name, caption, the catalogue entry its tag must select.
struct AppButton {
  const wchar_t* name;
  const wchar_t* caption;
  const wchar_t* app;
};
const AppButton kAppButtons[] = {
    {L"btn1", L"3D建模", L"3dbuilder"}, {L"btn5", L"相机", L"windowscamera"},
    {L"btn9", L"照片", L"photos"}, {L"btn13", L"地图", L"windowsmaps"},
    {L"btn27", L"画图 3D", L"MSPaint"}, {L"btn21", L"天气", L"bingweather"},
    {L"btn35", L"便签", L"MicrosoftStickyNotes"}, {L"btn8", L"财经", L"bingfinance"},
    {L"btn11", L"新闻", L"bingnews"}, {L"btn16", L"人脉", L"people"},
    {L"btn15", L"OneNote", L"onenote"}, {L"btn22", L"Xbox", L"xboxapp"},
    {L"btn31", L"Skype", L"SkypeApp"}, {L"btn32", L"Wallet", L"Wallet"},
    {L"btn30", L"Print 3D", L"Print3D"}, {L"btn28", L"消息", L"Messaging"},
    {L"btn2", L"闹钟和时钟", L"windowsalarms"}, {L"btn10", L"电影和电视", L"zunevideo"},
    {L"btn3", L"日历和邮件", L"windowscommunicationsapps"}, {L"btn6", L"获取office", L"officehub"},
    {L"btn19", L"应用商店", L"windowsstore"}, {L"btn14", L"棋牌游戏", L"solitairecollection"},
    {L"btn18", L"录音机", L"soundrecorder"}, {L"btn4", L"计算器", L"windowscalculator"},
    {L"btn12", L"Groove 音乐", L"zunemusic"}, {L"btn17", L"获取帮助", L"gethelp"},
    {L"btn29", L"移动套餐", L"OneConnect"}, {L"btn33", L"反馈中心", L"FeedbackHub"},
    {L"btn26", L"3D 查看器", L"Microsoft3DViewer"}, {L"btn34", L"截图和草图", L"ScreenSketch"},
    {L"btn7", L"使用技巧", L"getstarted"}, {L"btn36", L"混合现实门户", L"MixedReality"},
    {L"btn37", L"你的手机", L"YourPhone"},
};

TEST_F(MainWindowTest, WindowIsFixedCentredAndHoldsEveryControl) {
  HWND window = form_->Handle();
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Marvolena v1.0");
  const SIZE client = form_->ClientSizeInPixels();
  EXPECT_EQ(client.cx, 412);
  EXPECT_EQ(client.cy, 290);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_NEAR(r.left - monitor.rcWork.left, monitor.rcWork.right - r.right, 1);
  EXPECT_NEAR(r.top - monitor.rcWork.top, monitor.rcWork.bottom - r.bottom, 1);

  int speedButtons = 0;
  for (const auto& control : form_->Controls()) speedButtons += dynamic_cast<SpeedButton*>(control.get()) != nullptr;
  EXPECT_EQ(speedButtons, 36);
  for (const AppButton& row : kAppButtons) {
    marv::Control* button = form_->FindControl(row.name);
    ASSERT_NE(button, nullptr) << row.name;
    EXPECT_EQ(button->Caption(), row.caption);
    EXPECT_EQ(button->Height(), 22);
  }
  EXPECT_EQ(form_->btn23->Caption(), L"卸载全部");
  EXPECT_EQ(form_->btn24->Caption(), L"安装全部");
  EXPECT_EQ(form_->btn25->Caption(), L"关于");
  EXPECT_EQ(form_->lbl2->Caption(), L"提示");
  EXPECT_EQ(form_->lbl1->Caption(), L"Marvolena");
  EXPECT_EQ(form_->lbl1->GetFont().Face(), L"Segoe Print");
  EXPECT_EQ(form_->lbl1->Cursor(), marv::MouseCursor::HandPoint);
  EXPECT_EQ(form_->GetFont().Face(), L"微软雅黑");
  EXPECT_EQ(form_->GetFont().Height(), -12);
  const RECT slider = form_->sSlider1->BoundsRect();
  EXPECT_TRUE(slider.left == 347 && slider.top == 176 && slider.right == 380 && slider.bottom == 191);
  EXPECT_TRUE(form_->sSlider1->SliderOn());
  ASSERT_EQ(form_->pm1->Items().size(), 2u);
  EXPECT_EQ(form_->pm1->Items()[0]->Caption(), L"卸载");
  EXPECT_EQ(form_->pm1->Items()[1]->Caption(), L"安装");
}

// Every control of the window as designed, at 96 DPI: place, size and tag.
struct DesignedPlace {
  const wchar_t* name;
  int left, top, width, height;
  int tag;
};
const DesignedPlace kDesignedPlaces[] = {
    {L"btn1", 17, 8, 66, 22, 0},      {L"btn5", 88, 8, 63, 22, 18},     {L"btn9", 155, 8, 66, 22, 2},
    {L"btn13", 225, 8, 66, 22, 3},    {L"btn27", 17, 36, 66, 22, 25},   {L"btn21", 88, 36, 66, 22, 5},
    {L"btn35", 155, 36, 66, 22, 24},  {L"btn8", 225, 36, 66, 22, 7},    {L"btn11", 17, 64, 66, 22, 8},
    {L"btn16", 88, 64, 66, 22, 9},    {L"btn15", 155, 64, 66, 22, 10},  {L"btn22", 225, 64, 66, 22, 11},
    {L"btn31", 17, 92, 66, 22, 28},   {L"btn32", 87, 92, 66, 22, 29},   {L"btn30", 155, 92, 66, 22, 27},
    {L"btn28", 225, 92, 65, 22, 22},  {L"btn2", 17, 119, 87, 22, 12},   {L"btn10", 109, 119, 87, 22, 13},
    {L"btn3", 203, 119, 87, 22, 14},  {L"btn6", 17, 147, 87, 22, 15},   {L"btn19", 109, 147, 87, 22, 16},
    {L"btn14", 203, 147, 87, 22, 17}, {L"btn18", 17, 175, 87, 22, 6},   {L"btn4", 109, 175, 87, 22, 19},
    {L"btn12", 203, 175, 87, 22, 20}, {L"btn17", 17, 203, 87, 22, 21},  {L"btn29", 109, 203, 87, 22, 26},
    {L"btn33", 203, 203, 87, 22, 30}, {L"btn26", 17, 231, 87, 22, 23},  {L"btn34", 109, 231, 87, 22, 1},
    {L"btn7", 203, 231, 87, 22, 4},   {L"btn36", 17, 259, 132, 22, 31}, {L"btn37", 155, 259, 135, 22, 32},
    {L"btn23", 308, 36, 85, 22, -1},  {L"btn24", 308, 64, 85, 22, 999}, {L"btn25", 308, 203, 85, 22, -1},
    {L"lbl2", 320, 176, 24, 17, 0},   {L"lbl1", 318, 260, 65, 19, 0},   {L"sSlider1", 347, 176, 33, 15, 0},
};

TEST_F(MainWindowTest, EveryControlSitsWhereDesignedWithItsTagAndTheFontsAskForTheirCharacterSet) {
  ASSERT_EQ(form_->CurrentDpi(), 96) << "the places below are at 96 DPI";
  size_t buttons = 0;
  for (const DesignedPlace& row : kDesignedPlaces) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
    marv::Control* control = form_->FindControl(row.name);
    ASSERT_NE(control, nullptr);
    buttons += dynamic_cast<SpeedButton*>(control) != nullptr;
    const RECT r = control->BoundsRect();
    EXPECT_EQ(r.left, row.left);
    EXPECT_EQ(r.top, row.top);
    EXPECT_EQ(r.right - r.left, row.width);
    EXPECT_EQ(r.bottom - r.top, row.height);
    EXPECT_EQ(control->Tag(), row.tag);
  }
  EXPECT_EQ(buttons, 36u);
  // Tags 0 to 32 each name one app.
  std::vector<int> appTags;
  for (const DesignedPlace& row : kDesignedPlaces)
    if (row.tag >= 0 && row.tag < 999 && std::wstring(row.name).starts_with(L"btn")) appTags.push_back(row.tag);
  std::sort(appTags.begin(), appTags.end());
  for (int i = 0; i < static_cast<int>(appTags.size()); ++i) EXPECT_EQ(appTags[i], i);
  EXPECT_EQ(appTags.size(), 33u);

  EXPECT_EQ(form_->GetFont().Charset(), ANSI_CHARSET);
  EXPECT_EQ(form_->GetFont().TextColor(), marv::kWindowTextColor);
  EXPECT_EQ(form_->lbl1->GetFont().Charset(), ANSI_CHARSET);
  EXPECT_EQ(form_->lbl1->GetFont().Height(), -11);
  EXPECT_EQ(form_->lbl1->GetFont().TextColor(), marv::kWindowTextColor);
}

TEST_F(MainWindowTest, EveryAppButtonRecordsItsAppAndOpensTheMenuBelowLeftOfTheCursor) {
  SetCursorPos(500, 400);
  for (const AppButton& row : kAppButtons) {
    auto* button = static_cast<SpeedButton*>(form_->FindControl(row.name));
    menuShownAt_ = POINT{-1, -1};
    RunAppCommand(button, nullptr);
    EXPECT_EQ(form_->sAppName, row.app) << row.name;
    EXPECT_EQ(form_->sDisName, row.caption) << row.name;
    EXPECT_TRUE(menuShownAt_.x == 470 && menuShownAt_.y == 412) << row.name;
  }
  // The command buttons and the switch leave the recorded app alone.
  uitest::Click(*form_->sSlider1);
  uitest::Click(*form_->sSlider1);
  EXPECT_EQ(form_->sAppName, L"YourPhone");
  EXPECT_EQ(form_->sDisName, L"你的手机");
  EXPECT_TRUE(Runs().empty());
}

TEST_F(MainWindowTest, RealMenuOpensAtTheCursorAndItsChoiceUninstallsTheAppClickedLast) {
  // The system's own menu, chosen with the keyboard: down to the first item, Enter.
  RECT menuRect{};
  watcher_.onMenu = [&](HWND menu) {
    GetWindowRect(menu, &menuRect);
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  };
  SetCursorPos(500, 400);
  uitest::Click(*form_->btn9);  // 照片
  ASSERT_TRUE(WaitForRuns(1));
  EXPECT_EQ(menuRect.left, 470);
  EXPECT_EQ(menuRect.top, 412);
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine, L"PowerShell.exe Get-AppxPackage *photos* | Remove-AppxPackage");
  EXPECT_EQ(runs[0].show, SW_HIDE);
  ASSERT_TRUE(WaitForBoxes(1));
  EXPECT_EQ(watcher_.Boxes()[0].text, L"照片 卸载完成！");
  EXPECT_EQ(watcher_.Boxes()[0].caption, kNoticeCaption);
  EXPECT_EQ(watcher_.Boxes()[0].icon, IDI_INFORMATION);
}

TEST_F(MainWindowTest, MenuCommandWithoutARecordedAppDoesNothing) {
  for (marv::MenuItem* item : {form_->p1, form_->N1})
    PostMessageW(form_->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
  uitest::PumpFor(300);
  EXPECT_TRUE(Runs().empty());
  EXPECT_TRUE(watcher_.Boxes().empty());
  EXPECT_FALSE(FileExists(tempRoot_ + L"\\ps.ps1"));
}

TEST_F(MainWindowTest, AboutButtonShowsTheAboutWindowModally) {
  watcher_.closeCaptions = {L"关于"};
  uitest::Click(*form_->btn25);  // returns when the About window has closed
  ASSERT_EQ(watcher_.Closed().size(), 1u);
  auto* about = app_->FindForm<TForm2>();
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(IsWindowVisible(about->Handle()));
  EXPECT_TRUE(IsWindowEnabled(form_->Handle()));
  // The same window again (once the watcher has seen it hidden).
  uitest::PumpFor(100);
  uitest::Click(*form_->btn25);
  EXPECT_EQ(watcher_.Closed().size(), 2u);
  EXPECT_EQ(app_->FindForm<TForm2>(), about);
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramAndReleasesTheCatalogue) {
  ASSERT_TRUE(form_->sApplst);
  PostMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  uitest::PumpFor(50);
  EXPECT_TRUE(app_->Terminated());
  EXPECT_FALSE(form_->sApplst);
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
}

}  // namespace
