#pragma once
// TacMainWnd: the base of every adapter that skins a window the program did not make (a
// system dialog and its children). It subclasses the window with SetWindowSubclass, so
// that taking the adapter off never cuts a chain another subclass still relies on; keeps
// its own skin binding under the window's "ACSDATA" property; answers the skin commands
// every adapter answers alike; and gives the window back as it found it.
//
// Made in two steps: construct, then Hook (which runs the virtual setup steps).
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/forms/acWindowSkinOwner.h"
#include "skin/paint/sCommonData.h"

class TsSkinManager;

class TacMainWnd {
 public:
  TacMainWnd(HWND window, TsSkinManager& manager, int kind, const std::string& section,
             TacWindowSkinOwner::Area area = TacWindowSkinOwner::Area::Window);
  virtual ~TacMainWnd();
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;

  // Subclasses the window; false when the system refused (nothing is changed then).
  bool Hook();
  // Gives the window back: the previous procedure, no "ACSDATA", a redraw. Once.
  void Unhook();
  // Runs once the window is gone and the adapter's last message has returned; the
  // adapter may be freed from it.
  void SetOnFinished(std::function<void()> finished) { onFinished_ = std::move(finished); }

  HWND CtrlHandle() const { return window_; }
  bool Destroyed() const { return destroyed_; }
  TsCommonData& SkinData() { return *data_; }
  const std::wstring& Caption() const { return caption_; }

 protected:
  // The window's messages while hooked; whatever an adapter does not handle goes to
  // acWndProc of the base, and from there to the previous procedure.
  virtual LRESULT acWndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);
  // After subclassing: registers the binding; adapters add their own setup.
  virtual void AfterCreation();
  // The adapter's own answer to a skin command, asked before the common ones.
  virtual bool OwnSkinCommand(uint16_t /*command*/, uint16_t /*argument*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    return false;
  }
  // Paints the whole window onto dc (WM_PRINT arrives here too); false: the adapter does
  // not paint, the previous procedure does.
  virtual bool PaintTo(HDC /*dc*/) { return false; }
  // Lets go of what only painting needs (the window is being given back).
  virtual void ReleasePainting() {}

  // Runs a step that would make the system paint the window itself (state, focus, text
  // changes) with its redrawing off, then repaints the window from the skin.
  LRESULT WithoutSystemPaint(UINT message, WPARAM wParam, LPARAM lParam);
  void RepaintNow();
  void ReadCaption();
  TsSkinManager& Manager() const { return manager_; }
  TacWindowSkinOwner& Owner() { return owner_; }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT SkinCommand(WPARAM wParam, LPARAM lParam);

  HWND window_;
  TsSkinManager& manager_;
  TacWindowSkinOwner owner_;
  std::unique_ptr<TsCommonData> data_;
  std::wstring caption_;
  std::function<void()> onFinished_;
  LONG_PTR subclassEntry_ = 0;  // the window's procedure right after subclassing
  bool hooked_ = false;
  bool destroyed_ = false;
  int depth_ = 0;  // nested calls of the window procedure in progress
};
