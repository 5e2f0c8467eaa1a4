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

  std::function<void(MenuItem& sender)> OnClick;
  void Click() {
    if (OnClick) OnClick(*this);
  }

 private:
  std::wstring name_;
  std::wstring caption_;
  UINT command_;
};

}  // namespace marv
