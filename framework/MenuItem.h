#pragma once
// One command of a popup menu: its caption and shortcut text, its check, radio, default,
// enabled and visible states, where it breaks into a new column, its picture, and how it
// is drawn when its menu is owner-drawn (measure and draw handlers; without them the
// item is drawn plainly by the framework).
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "pixels/PixelBuffer.h"

namespace marv {

class PopupMenu;

enum class MenuBreak { None, Break, BarBreak };

class MenuItem {
 public:
  MenuItem(PopupMenu& parent, std::wstring name, std::wstring caption, UINT command)
      : parent_(parent), name_(std::move(name)), caption_(std::move(caption)), command_(command) {}

  PopupMenu& Parent() const { return parent_; }
  const std::wstring& Name() const { return name_; }
  // "-" is a separator; "&" marks the access key.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
  // The WM_COMMAND number by which a choice of this item reaches the form.
  UINT Command() const { return command_; }

  std::wstring ShortCut;  // shown after the caption; empty for none
  bool Checked = false;
  bool RadioItem = false;  // a checked radio item shows a dot instead of a tick
  bool Default = false;    // drawn bold
  bool Enabled = true;
  bool Visible = true;
  MenuBreak Break = MenuBreak::None;  // the item starts a new column
  // The item's own picture (straight alpha), else ImageIndex into its menu's images.
  std::shared_ptr<const PixelImage> Bitmap;
  int ImageIndex = -1;
  // The system command an item of a window's system menu stands for (SC_MOVE, ...); 0: none.
  UINT SystemCommand = 0;

  // Owner drawing. The measure handler gets a DC with the screen's metrics; the draw
  // handler the menu window's DC, the item's rectangle in it and the ODS_* state.
  using MeasureHandler = std::function<void(MenuItem& item, HDC dc, int& width, int& height)>;
  using DrawHandler = std::function<void(MenuItem& item, HDC dc, const RECT& r, UINT state)>;
  MeasureHandler OnMeasureItem;
  DrawHandler OnAdvancedDrawItem;
  void Measure(HDC dc, int& width, int& height);
  void Draw(HDC dc, const RECT& r, UINT state);

  std::function<void(MenuItem& sender)> OnClick;
  void Click() {
    if (OnClick) OnClick(*this);
  }

 private:
  PopupMenu& parent_;
  std::wstring name_;
  std::wstring caption_;
  UINT command_;
};

}  // namespace marv
