#pragma once
// One command of a popup menu.
#include <windows.h>

#include <functional>
#include <string>

namespace marv {

class MenuItem {
 public:
  MenuItem(std::wstring name, std::wstring caption, UINT command)
      : name_(std::move(name)), caption_(std::move(caption)), command_(command) {}

  const std::wstring& Name() const { return name_; }
  const std::wstring& Caption() const { return caption_; }
  // The WM_COMMAND number by which a choice of this item reaches the form.
  UINT Command() const { return command_; }
  // A hidden item is left out of the menu; a disabled one is shown grayed.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // The caption "-" makes a separator line.
  bool IsSeparator() const { return caption_ == L"-"; }

  std::function<void(MenuItem& sender)> OnClick;
  void Click() {
    if (OnClick) OnClick(*this);
  }

 private:
  std::wstring name_;
  std::wstring caption_;
  UINT command_;
  bool visible_ = true;
  bool enabled_ = true;
};

}  // namespace marv
