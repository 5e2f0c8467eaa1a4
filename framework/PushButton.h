#pragma once
// A system push button; a click can end its form's modal loop with a result.
#include "framework/WinControl.h"

namespace marv {

class PushButton : public WinControl {
 public:
  using WinControl::WinControl;

  bool Default() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  void Click() override;

 protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(Message& m) override;

 private:
  bool default_ = false;
  int modalResult_ = 0;
};

}  // namespace marv
