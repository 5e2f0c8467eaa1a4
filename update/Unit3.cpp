#include "update/Unit3.h"

#include "common/uCommonFunc.h"
#include "update/UpdateRules.h"
#include "update/WideStrings.h"

TfrmVer::TfrmVer()
    : marv::Form(L"frmVer"),
      lbl1(Add<TsLabel>(L"lbl1")),
      lbl2(Add<TsLabel>(L"lbl2")),
      btn1(Add<TsButton>(L"btn1")) {
  SetBorderStyle(marv::BorderStyle::Dialog);
  SetBorderIcons(marv::BorderIcons{false, false, false});
  SetCaption(L"");
  SetPosition(marv::FormPosition::ScreenCenter);
  SetClientSize(270, 113);
  SetFont(marv::Font(L"微软雅黑", -11, ANSI_CHARSET));
  SetColor(marv::kButtonFaceColor);

  lbl1.SetBounds(24, 16, 112, 21);
  lbl1.SetCaption(L"有新版本更新：");
  lbl1.SetFont(marv::Font(L"微软雅黑", -16, ANSI_CHARSET));

  lbl2.SetBounds(24, 52, 127, 16);
  lbl2.SetCaption(L"当前版本：  服务器版本：");

  // Both captions are filled in before the notice shows: the labels follow their length.
  lbl1.SetAutoSize(true);
  lbl2.SetAutoSize(true);

  btn1.SetBounds(175, 79, 75, 25);
  btn1.SetCaption(L"立即更新");
  btn1.OnClick = [this](marv::Control& sender) { btn1Click(sender); };
}

void TfrmVer::SetUpdate(const std::wstring& serverVersion, const std::wstring& localVersion,
                        const std::wstring& url) {
  lbl1.SetCaption(L"有新版本更新：" + serverVersion);
  lbl2.SetCaption(L"当前版本： " + localVersion + L"       服务器版本：" + serverVersion);
  FUrl = url;
}

void TfrmVer::btn1Click(marv::Control&) {
  // The address comes from a descriptor fetched over plain HTTP and the program runs
  // elevated: anything but a web page (a file, a program, a share) stays unopened.
  if (IsWebAddress(ToU16(FUrl))) OpenUrl(FUrl);
  Close();
}

void ShowUpdateNotice(const std::wstring& serverVersion, const std::wstring& localVersion,
                      const std::wstring& url) {
  TfrmVer notice;
  notice.SetUpdate(serverVersion, localVersion, url);
  notice.ShowModal();
}
