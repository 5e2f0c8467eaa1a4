// The main window's controls as designed: captions, tags and places at 96 DPI.
#include "app/Unit1.h"

namespace {

using ButtonField = marv::SpeedButton* TForm1::*;
using ClickHandler = void (TForm1::*)(marv::Control&);

struct ButtonLayout {
  ButtonField field;
  const wchar_t* name;
  const wchar_t* caption;
  int tag;
  int left, top, width;
  ClickHandler click;
};

constexpr int kButtonHeight = 22;

// App buttons row by row, then the command buttons of the right-hand column.
const ButtonLayout kButtons[] = {
    {&TForm1::btn1, L"btn1", L"3D建模", 0, 17, 8, 66, &TForm1::btn1Click},
    {&TForm1::btn5, L"btn5", L"相机", 18, 88, 8, 63, &TForm1::btn1Click},
    {&TForm1::btn9, L"btn9", L"照片", 2, 155, 8, 66, &TForm1::btn1Click},
    {&TForm1::btn13, L"btn13", L"地图", 3, 225, 8, 66, &TForm1::btn1Click},
    {&TForm1::btn27, L"btn27", L"画图 3D", 25, 17, 36, 66, &TForm1::btn1Click},
    {&TForm1::btn21, L"btn21", L"天气", 5, 88, 36, 66, &TForm1::btn1Click},
    {&TForm1::btn35, L"btn35", L"便签", 24, 155, 36, 66, &TForm1::btn1Click},
    {&TForm1::btn8, L"btn8", L"财经", 7, 225, 36, 66, &TForm1::btn1Click},
    {&TForm1::btn11, L"btn11", L"新闻", 8, 17, 64, 66, &TForm1::btn1Click},
    {&TForm1::btn16, L"btn16", L"人脉", 9, 88, 64, 66, &TForm1::btn1Click},
    {&TForm1::btn15, L"btn15", L"OneNote", 10, 155, 64, 66, &TForm1::btn1Click},
    {&TForm1::btn22, L"btn22", L"Xbox", 11, 225, 64, 66, &TForm1::btn1Click},
    {&TForm1::btn31, L"btn31", L"Skype", 28, 17, 92, 66, &TForm1::btn1Click},
    {&TForm1::btn32, L"btn32", L"Wallet", 29, 87, 92, 66, &TForm1::btn1Click},
    {&TForm1::btn30, L"btn30", L"Print 3D", 27, 155, 92, 66, &TForm1::btn1Click},
    {&TForm1::btn28, L"btn28", L"消息", 22, 225, 92, 65, &TForm1::btn1Click},
    {&TForm1::btn2, L"btn2", L"闹钟和时钟", 12, 17, 119, 87, &TForm1::btn1Click},
    {&TForm1::btn10, L"btn10", L"电影和电视", 13, 109, 119, 87, &TForm1::btn1Click},
    {&TForm1::btn3, L"btn3", L"日历和邮件", 14, 203, 119, 87, &TForm1::btn1Click},
    {&TForm1::btn6, L"btn6", L"获取office", 15, 17, 147, 87, &TForm1::btn1Click},
    {&TForm1::btn19, L"btn19", L"应用商店", 16, 109, 147, 87, &TForm1::btn1Click},
    {&TForm1::btn14, L"btn14", L"棋牌游戏", 17, 203, 147, 87, &TForm1::btn1Click},
    {&TForm1::btn18, L"btn18", L"录音机", 6, 17, 175, 87, &TForm1::btn1Click},
    {&TForm1::btn4, L"btn4", L"计算器", 19, 109, 175, 87, &TForm1::btn1Click},
    {&TForm1::btn12, L"btn12", L"Groove 音乐", 20, 203, 175, 87, &TForm1::btn1Click},
    {&TForm1::btn17, L"btn17", L"获取帮助", 21, 17, 203, 87, &TForm1::btn1Click},
    {&TForm1::btn29, L"btn29", L"移动套餐", 26, 109, 203, 87, &TForm1::btn1Click},
    {&TForm1::btn33, L"btn33", L"反馈中心", 30, 203, 203, 87, &TForm1::btn1Click},
    {&TForm1::btn26, L"btn26", L"3D 查看器", 23, 17, 231, 87, &TForm1::btn1Click},
    {&TForm1::btn34, L"btn34", L"截图和草图", 1, 109, 231, 87, &TForm1::btn1Click},
    {&TForm1::btn7, L"btn7", L"使用技巧", 4, 203, 231, 87, &TForm1::btn1Click},
    {&TForm1::btn36, L"btn36", L"混合现实门户", 31, 17, 259, 132, &TForm1::btn1Click},
    {&TForm1::btn37, L"btn37", L"你的手机", 32, 155, 259, 135, &TForm1::btn1Click},
    {&TForm1::btn23, L"btn23", L"卸载全部", -1, 308, 36, 85, &TForm1::btn23Click},
    {&TForm1::btn24, L"btn24", L"安装全部", 999, 308, 64, 85, &TForm1::btn24Click},
    {&TForm1::btn25, L"btn25", L"关于", -1, 308, 203, 85, &TForm1::btn25Click},
};

}  // namespace

void TForm1::CreateControls() {
  for (const ButtonLayout& layout : kButtons) {
    auto& button = Add<TsSpeedButton>(layout.name);
    button.SetCaption(layout.caption);
    button.SetTag(layout.tag);
    button.SetBounds(layout.left, layout.top, layout.width, kButtonHeight);
    button.OnClick = [this, click = layout.click](marv::Control& sender) { (this->*click)(sender); };
    this->*layout.field = &button;
    if (layout.click == &TForm1::btn1Click) appButtons_.push_back(&button);
  }

  lbl2 = &Add<TsLabel>(L"lbl2");
  lbl2->SetCaption(L"提示");
  lbl2->SetBounds(320, 176, 24, 17);

  sSlider1 = &Add<TsSlider>(L"sSlider1");
  sSlider1->SetBounds(347, 176, 33, 15);

  lbl1 = &Add<TsLabel>(L"lbl1");
  lbl1->SetCaption(L"Marvolena");
  lbl1->SetBounds(318, 260, 65, 19);
  lbl1->SetFont(marv::Font(L"Segoe Print", -11, ANSI_CHARSET, marv::kWindowTextColor));
  lbl1->SetCursor(marv::MouseCursor::HandPoint);
  lbl1->OnClick = [this](marv::Control& sender) { lbl1Click(sender); };

  pm1 = &AddPopupMenu(L"pm1");
  p1 = &pm1->Add(L"p1", L"卸载");
  p1->OnClick = [this](marv::MenuItem& sender) { p1Click(sender); };
  N1 = &pm1->Add(L"N1", L"安装");
  N1->OnClick = [this](marv::MenuItem& sender) { N1Click(sender); };
}
