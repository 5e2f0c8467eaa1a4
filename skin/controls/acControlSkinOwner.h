#pragma once
// A framework control as its skin binding sees it. Made by a skinned control for itself:
// it owns the control's TsCtrlSkinData, puts its own WindowProc in front of the control's
// (given back when it goes), keeps the binding under the window property "ACSDATA" of a
// windowed control, routes skin commands (the control's own handler first, then the
// common one) and passes the window events the binding follows.
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/Control.h"
#include "skin/paint/sCommonData.h"

namespace marv {
class WinControl;
}

// The control's own answer to a skin command; true when it answered (result set).
using TacSkinCommandHandler = std::function<bool(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result)>;

class TacControlSkinOwner final : public IacSkinOwner {
 public:
  TacControlSkinOwner(marv::Control& control, int kind, bool withCache);
  ~TacControlSkinOwner() override;
  TacControlSkinOwner(const TacControlSkinOwner&) = delete;
  TacControlSkinOwner& operator=(const TacControlSkinOwner&) = delete;

  TsCtrlSkinData& Data() { return *data_; }
  marv::Control& Control() const { return control_; }
  void SetCommandHandler(TacSkinCommandHandler handler) { commands_ = std::move(handler); }
  // The binding draws for the density the control is laid out at now.
  void SyncDensity();

  // IacSkinOwner
  TRect Bounds() const override;
  bool HasParent() const override;
  bool Enabled() const override { return control_.Enabled(); }
  bool Visible() const override { return control_.Visible(); }
  bool HasFocus() const override;
  bool Destroying() const override { return destroying_; }
  bool Windowed() const override { return control_.IsWindowed(); }
  bool HasWindow() const override { return Window() != nullptr; }
  bool CursorInside() const override;
  uint32_t Color() const override;
  uint32_t ParentColor() const override;
  uint32_t FontColor() const override;
  uint32_t ParentFontColor() const override;
  void ApplyColors(uint32_t color, uint32_t fontColor) override;
  intptr_t SendToSelf(uint16_t command, uint16_t argument, intptr_t lParam) override;
  intptr_t SendToParent(uint16_t command, uint16_t argument, intptr_t lParam) override;
  void SendToChildren(uint16_t command, uint16_t argument, intptr_t lParam, bool windowedOnly) override;
  bool HasChildren() const override;
  void Redraw(bool now) override;
  void ShowPicture(const PixelBuffer& picture) override;
  void PaintChildrenInto(const PixelBuffer& picture) override;
  std::unique_ptr<TacHeldResource> StartTimer(int milliseconds, std::function<void()> tick) override;

 private:
  struct Hook;
  void OnMessage(marv::Message& m, const marv::MessageHandler& next);
  bool SkinCommand(marv::Message& m);
  HWND Window() const;
  marv::WinControl* AsWinControl() const;
  void RegisterProperty();
  void RemoveProperty();

  marv::Control& control_;
  std::unique_ptr<TsCtrlSkinData> data_;
  TacSkinCommandHandler commands_;
  std::shared_ptr<TacControlSkinOwner*> self_;  // the hook's way back; null once gone
  marv::MessageHandler previous_;
  HWND registered_ = nullptr;
  bool destroying_ = false;
};

// Copies a picture onto a DC with its top-left at (x, y).
void CopyPictureToDC(HDC dc, const PixelBuffer& picture, int x, int y);
// The same straight onto a window's client area, outside any paint cycle.
void ShowPictureOnWindow(HWND window, const PixelBuffer& picture, int x, int y);
// The binding a window carries ("ACSDATA"), for windows of this process only.
TsCommonData* SkinDataOfWindow(HWND window);
// Puts a binding under a window's "ACSDATA" property, and takes it off again.
void SetSkinDataOfWindow(HWND window, TsCommonData* data);
void RemoveSkinDataOfWindow(HWND window);
// Skin commands whose lParam points into the sender's memory: answered only for senders
// of the receiver's own thread.
bool SkinCommandCarriesPointer(uint16_t command);
