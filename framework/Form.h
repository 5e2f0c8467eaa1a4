#pragma once
// A top-level window: border style and title-bar buttons, a client area laid out at
// 96 DPI and scaled to its monitor's density (again on WM_DPICHANGED), a place on the
// screen, show/hide/close, a modal loop, and the popup menus whose commands it receives.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/WinControl.h"

namespace marv {

class Application;
class MenuItem;
class PopupMenu;
class WindowLink;

enum class BorderStyle { None, Single, Sizeable, Dialog };
// Where a form goes: as designed, centred on the screen when made, or centred over the
// main form each time it is shown.
enum class FormPosition { Designed, ScreenCenter, MainFormCenter };

struct BorderIcons {
  bool systemMenu = true;
  bool minimize = true;
  bool maximize = true;
  bool help = false;  // a help button; the system shows it only without minimize and maximize
};
enum class WindowState { Normal, Minimized, Maximized };
enum class FormStyle { Normal, StayOnTop };
// Limits of the window's size in 96-DPI layout units; 0: none.
struct SizeConstraints {
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  bool Any() const { return minWidth || minHeight || maxWidth || maxHeight; }
};
// Asked before a form closes; setting canClose false keeps it open.
using CloseQueryEvent = std::function<void(Control& sender, bool& canClose)>;
using PaintEvent = std::function<void(Control& sender, HDC dc)>;

// Results of a modal form.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;

class Form : public WinControl {
 public:
  explicit Form(std::wstring name);
  ~Form() override;

  void SetBorderStyle(BorderStyle style) { borderStyle_ = style; }
  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderIcons(BorderIcons icons) { borderIcons_ = icons; }
  const BorderIcons& GetBorderIcons() const { return borderIcons_; }
  // Minimized, maximized or normal, as the window is now (as last set without one).
  WindowState GetWindowState() const;
  void SetWindowState(WindowState state);
  // The whole window drawn at AlphaBlendValue (0..255) when AlphaBlend is on.
  bool AlphaBlend() const { return alphaBlend_; }
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlend(bool on, uint8_t value = 255);
  FormStyle GetFormStyle() const { return formStyle_; }
  void SetFormStyle(FormStyle style);
  // A margin of the form's colour inside the frame, in layout units.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width) { borderWidth_ = width; }
  const SizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(SizeConstraints constraints) { constraints_ = constraints; }
  void SetPosition(FormPosition position) { position_ = position; }
  // The client area's size in 96-DPI layout units (SetBounds also sets the designed
  // position on the screen).
  void SetClientSize(int width, int height);
  SIZE ClientSizeInPixels() const;
  int CurrentDpi() const { return dpi_; }
  // Whether the form follows its monitor's density (WM_DPICHANGED); skin code that scales
  // forms by a factor of its own switches this off.
  bool Scaled() const { return scaled_; }
  void SetScaled(bool scaled) { scaled_ = scaled; }
  // Lays the form out at `dpi` where it is, as a change of monitor density would.
  void RescaleToDpi(int dpi);
  bool IsMainForm() const;

  // The window on the screen.
  RECT BoundsRect() override;
  POINT ClientToScreen(POINT p) override;

  void Show();
  void Hide();
  // Runs OnClose; the main form then ends the application, a modal form its loop, any
  // other form hides.
  void Close();
  // Shows the form and runs messages until it gets a modal result; the program's other
  // windows are disabled meanwhile.
  int ShowModal();
  bool IsModal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  NotifyEvent OnClose;
  CloseQueryEvent OnCloseQuery;
  NotifyEvent OnResize;
  // Runs after the form painted its background and content, before the child controls.
  PaintEvent OnPaint;

  PopupMenu& AddPopupMenu(std::wstring name);
  const std::vector<std::unique_ptr<PopupMenu>>& PopupMenus() const { return menus_; }
  // A WM_COMMAND number of its own for a menu item.
  UINT AllocateCommand() { return nextCommand_++; }
  // Lets other threads post to this window for as long as it exists.
  std::shared_ptr<WindowLink> Link() const { return link_; }

 protected:
  void FillCreateParams(CreateParams& params) override;
  void WindowCreated() override;
  void WindowDestroying() override;
  void WndProc(Message& m) override;
  void BoundsChanged() override;
  void Paint(HDC dc) override;

 private:
  friend class Application;
  void RunOnCreate();
  DWORD Style() const;
  DWORD ExStyle() const;
  SIZE WindowSizeFor(int dpi) const;
  void PlaceWindow();
  void FitClientArea();
  void ChangeDpi(int dpi, const RECT& suggested);
  bool DispatchMenuCommand(WPARAM wParam);
  void ApplyAlphaBlend();
  void ApplyConstraints(MINMAXINFO& info) const;
  MenuItem* FindMenuItem(UINT command) const;
  bool MeasureMenuItem(MEASUREITEMSTRUCT& measure);
  bool DrawMenuItem(const DRAWITEMSTRUCT& draw);

  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  BorderIcons borderIcons_;
  FormPosition position_ = FormPosition::Designed;
  int dpi_ = 96;
  bool scaled_ = true;
  WindowState windowState_ = WindowState::Normal;
  bool alphaBlend_ = false;
  uint8_t alphaBlendValue_ = 255;
  FormStyle formStyle_ = FormStyle::Normal;
  int borderWidth_ = 0;
  SizeConstraints constraints_;
  bool modal_ = false;
  int modalResult_ = mrNone;
  std::vector<std::unique_ptr<PopupMenu>> menus_;
  UINT nextCommand_ = 100;
  std::shared_ptr<WindowLink> link_;
};

}  // namespace marv
