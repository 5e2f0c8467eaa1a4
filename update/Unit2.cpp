#include "update/Unit2.h"

#include "common/uCommonFunc.h"
#include "skin/forms/acFormNavigation.h"
#include "update/UpdateAddresses.h"

TForm2::TForm2()
    : marv::Form(L"Form2"),
      lbl1(Add<TsLabel>(L"lbl1")),
      lbl2(Add<TsLabel>(L"lbl2")),
      btn2(Add<TsSpeedButton>(L"btn2")),
      btn1(Add<TsButton>(L"btn1")) {
  SetCaption(L"关于");
  SetBorderStyle(marv::BorderStyle::Dialog);
  SetPosition(marv::FormPosition::MainFormCenter);
  SetClientSize(301, 119);
  SetColor(marv::kButtonFaceColor);
  SetFont(marv::Font(L"Tahoma", -11, DEFAULT_CHARSET, marv::kWindowTextColor));

  lbl1.SetBounds(20, 24, 266, 19);
  lbl1.SetCaption(L"Windows 10预装应用管家，瘦身您的Windows ！");
  lbl1.SetFont(marv::Font(L"Segoe Print", -11, ANSI_CHARSET));

  lbl2.SetBounds(136, 56, 68, 13);
  lbl2.SetCaption(L"请多多支持~");

  // Designer labels: sized by their caption in their font.
  lbl1.SetAutoSize(true);
  lbl2.SetAutoSize(true);

  btn2.SetBounds(20, 86, 61, 22);
  btn2.SetCaption(L"检查更新");
  btn2.OnClick = [this](marv::Control& sender) { btn2Click(sender); };

  btn1.SetBounds(202, 86, 75, 25);
  btn1.SetCaption(L"确定");
  btn1.OnClick = [this](marv::Control& sender) { btn1Click(sender); };
  // "确定" is first in the tab order: it has the focus whenever the window opens.
  OnShow = [this](marv::Control&) {
    if (btn1.Handle()) SetFocus(btn1.Handle());
  };

  keyboard_ = MakeFormKeyboardFocus(*this);
  keyboard_->EscapeCloses = true;
  accessibility_ = std::make_unique<marv::ControlAccessibility>(*this, *keyboard_);
}

void TForm2::btn1Click(marv::Control&) { Close(); }

void TForm2::btn2Click(marv::Control&) { OpenUrl(ProductPageAddress()); }
