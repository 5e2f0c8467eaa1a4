#pragma once
// The update notice: the version the server offers, the one that runs, and one button
// that opens the download page. The program ends after the notice closes.
#include <string>

#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"

class TfrmVer : public marv::Form {
 public:
  TfrmVer();

  // Fills the headline, the version line and the download address.
  void SetUpdate(const std::wstring& serverVersion, const std::wstring& localVersion,
                 const std::wstring& url);
  // "立即更新": opens the download page when it is a web address, then closes.
  void btn1Click(marv::Control& Sender);

  TsLabel& lbl1;
  TsLabel& lbl2;
  TsButton& btn1;
  std::wstring FUrl;
};

// Shows the notice modally and returns once it has closed.
void ShowUpdateNotice(const std::wstring& serverVersion, const std::wstring& localVersion,
                      const std::wstring& url);
