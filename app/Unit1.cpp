#include "app/Unit1.h"

#include "app/AppCatalogue.h"
#include "common/uCommonFunc.h"
#include "framework/Application.h"
#include "update/Unit2.h"
#include "update/UpdateAddresses.h"

TForm1::TForm1() : marv::Form(L"Form1") {
  SetCaption(L"Marvolena v1.0");
  SetBorderStyle(marv::BorderStyle::Single);
  SetBorderIcons({.systemMenu = true, .minimize = true, .maximize = false});
  SetPosition(marv::FormPosition::ScreenCenter);
  SetClientSize(412, 290);
  SetColor(marv::kButtonFaceColor);
  SetFont(marv::Font(L"微软雅黑", -12, ANSI_CHARSET, marv::kWindowTextColor));
  CreateControls();
  CreateSkinManager();
  CreateKeyboardAccess();

  OnCreate = [this](marv::Control& sender) { FormCreate(sender); };
  OnShow = [this](marv::Control& sender) { FormShow(sender); };
  OnClose = [this](marv::Control& sender) { FormClose(sender); };
  SetMessageHandler(WM_USER, [this](marv::Message& msg) { WMStringMessage(msg); });
  SetMessageHandler(WM_BULKJOBBUSY, [this](marv::Message& msg) { BulkJobBusy(msg); });
  sSlider1->OnSliderChange = [this](TsSlider& sender) { noticesOn_->store(sender.SliderOn()); };
}

// The window goes while this object is whole, so WindowDestroying below still runs.
TForm1::~TForm1() { DestroyHandle(); }

void TForm1::FormCreate(marv::Control&) {
  sknmngr1->Loaded();  // the main window is one of the application's forms now
  highContrast_->Follow();  // no skin while the system asks for high contrast
  sApplst = std::make_unique<marv::StringList>(marv::SplitDelimited(kAppCatalogueText, L','));
}

void TForm1::FormShow(marv::Control&) {
  // Once per run, also when the window is shown again later.
  if (updateChecked_) return;
  updateChecked_ = true;
  if (ProUpdate()) {
    if (marv::Application* app = marv::Application::Current()) app->Terminate();
  }
}

void TForm1::FormClose(marv::Control&) { sApplst.reset(); }

void TForm1::btn1Click(marv::Control& Sender) {
  POINT at{};
  GetCursorPos(&at);
  OpenAppMenu(Sender, POINT{at.x - 30, at.y + 12});
}

void TForm1::OpenAppMenu(marv::Control& button, POINT at) {
  const int tag = button.Tag();
  if (!sApplst || tag < 0 || tag >= static_cast<int>(sApplst->size())) return;
  // Recorded before the menu opens; its command arrives after this handler anyway.
  sAppName = (*sApplst)[tag];
  sDisName = button.Caption();
  pm1->Popup(at.x, at.y);
}

void TForm1::btn25Click(marv::Control&) {
  marv::Application* app = marv::Application::Current();
  if (TForm2* about = app ? app->FindForm<TForm2>() : nullptr) about->ShowModal();
}

void TForm1::lbl1Click(marv::Control&) { OpenUrl(ProductPageAddress()); }

void TForm1::ShowNotice(const std::wstring& text, bool failed) {
  if (failed)
    ShowMsg(text, L"提示", MsgIcon::Warning);
  else
    ShowMsg(text, L"提示", false);
}

void TForm1::WMStringMessage(marv::Message& Msg) {
  // Only a notice this program issued: any process may post WM_USER, and a value it makes
  // up names nothing in the table. Freed when the box has closed (or could not be shown).
  std::unique_ptr<TStrMsgObject> notice = notices_->Take(Msg.LParam);
  if (notice) ShowNotice(notice->Msg(), Msg.WParam == kNoticeFailed);
}

void TForm1::WindowDestroying() {
  marv::Form::WindowDestroying();  // no post can reach the window after this
  // Notices still queued for the window would never be shown: drop them now.
  MSG pending;
  while (PeekMessageW(&pending, Handle(), WM_USER, WM_USER, PM_REMOVE)) notices_->Take(pending.lParam);
}
