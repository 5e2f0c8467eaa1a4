#pragma once
// The About window: made hidden at start and shown modally by the main window's "关于",
// the same window every time, for the whole run.
#include <memory>

#include "framework/ControlAccessibility.h"
#include "framework/Form.h"
#include "framework/KeyboardFocus.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sSpeedButton.h"

class TForm2 : public marv::Form {
 public:
  TForm2();

  // "确定": closes the window.
  void btn1Click(marv::Control& Sender);
  // "检查更新": opens the product page; the window stays.
  void btn2Click(marv::Control& Sender);

  TsLabel& lbl1;
  TsLabel& lbl2;
  TsSpeedButton& btn2;
  TsButton& btn1;

 private:
  // Tab between the buttons, Esc closes; what screen readers see.
  std::unique_ptr<marv::KeyboardFocus> keyboard_;
  std::unique_ptr<marv::ControlAccessibility> accessibility_;
};
