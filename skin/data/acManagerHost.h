#pragma once
// What the skin manager asks of the program around it: message boxes, the program's
// folder and arguments, the screen, the forms and controls it broadcasts to, and the
// system resources a skin needs (fonts, brushes, a timer). The Windows build answers
// with the window framework (skin/windows/acFrameworkHost.h); tests record.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/Geometry.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acSystemLook.h"
#include "skin/data/sStoredSkin.h"  // PathRules

// A system resource held for the manager (a registered font, a brush, a timer); the
// destructor gives it back.
class TacHeldResource {
 public:
  virtual ~TacHeldResource() = default;
  virtual uintptr_t Handle() const = 0;
};

// A form or control as UpdateScale rescales it.
class IacScalableControl {
 public:
  virtual ~IacScalableControl() = default;
  virtual bool IsForm() const = 0;
  // Whether the framework scales the form for its monitor by itself.
  virtual void SetScaled(bool scaled) = 0;
  // The control's answer to SC_GETPPI (asked with lParam 1).
  virtual int AskPPI() = 0;
  virtual TPoint ClientSize() = 0;
  virtual TRect BoundsRect() = 0;  // on the screen for a form
  // Layout off while the framework scales the control by mul/div and makes `ppi` its density.
  virtual void ScaleBy(int mul, int div, int ppi) = 0;
  virtual void SetPosition(int left, int top) = 0;
  virtual void SetClientSize(int width, int height) = 0;
  virtual void SendSetPPI(int ppi) = 0;  // SC_SETPPI
  virtual void InvalidateOnScreen(const TRect& r) = 0;
};

// A control whose font the manager may change (UpdateFontName).
struct TacFontTarget {
  bool UsesParentFont = false;
  std::string FontName;
  bool Windowed = false;
  bool HasWindow = false;  // windowed controls
  bool HasParent = false;  // window-less controls
};

// Where a broadcast goes: everything, or only the skinned forms and dialog windows.
enum class TacBroadcastScope { All, ProviderFormsAndDialogs };

class IacManagerHost {
 public:
  virtual ~IacManagerHost() = default;

  // Messages to the user. Errors go to a box captioned "Error".
  virtual SkinErrorSink& Errors() = 0;
  virtual void ShowWarning(std::string_view text) = 0;  // warning icon, OK
  virtual void ShowInfo(std::string_view text) = 0;

  // The process: arguments after the program's path; the program's folder with a
  // trailing separator and the rules its paths follow.
  virtual std::vector<std::string> ProgramArguments() const = 0;
  virtual std::string ProgramFolder() const = 0;
  virtual PathRules PathStyle() const = 0;
  virtual const ISystemLook& SystemLook() const = 0;

  // The screen. SystemPPI: of the monitor under the main form (else the first form; 96
  // while that form has no window; the screen's without forms).
  virtual int SystemPPI() const = 0;
  virtual int ScreenPPI() const = 0;  // the screen's logical vertical pixels per inch
  virtual int MainFormPPI() const = 0;  // of the monitor under the main form; 0 without one
  virtual bool RightToLeft() const = 0;
  // The process's own message font grows or shrinks by mul/div.
  virtual void ScaleMessageFont(int mul, int div) = 0;
  // The main form's font name, or the application's default font name.
  virtual std::string DefaultFontName() const = 0;

  // Sends WM_SKINCOMMAND to every form and control, in the fixed order.
  virtual void AppBroadcast(uint16_t command, intptr_t lParam,
                            TacBroadcastScope scope = TacBroadcastScope::All) = 0;
  // While the returned object lives, skinned forms do not redraw; afterwards each redraws once.
  virtual std::unique_ptr<TacHeldResource> LockForms() = 0;
  // The same for the forms with a form-skinning provider, around a change of scaling.
  virtual std::unique_ptr<TacHeldResource> LockProviderForms() = 0;
  virtual void RedrawSkinnedDialogs() = 0;
  virtual void ForEachProviderForm(const std::function<void(IacScalableControl&)>& visit) = 0;

  // The control under the mouse: windows by handle, window-less controls by object.
  virtual bool IsWindowVisible(uintptr_t window) const = 0;
  virtual bool CursorInWindow(uintptr_t window) const = 0;
  virtual bool IsSelfOrAncestor(uintptr_t candidate, uintptr_t window) const = 0;
  virtual void SendSkinCommand(uintptr_t window, uint16_t command, intptr_t lParam) = 0;
  virtual void PerformSkinCommand(void* control, uint16_t command, intptr_t lParam) = 0;
  // The control's skin binding says the mouse is above it.
  virtual bool GraphicControlHasMouse(void* control) const = 0;
  virtual bool ControlBeingDestroyed(void* control) const = 0;
  virtual bool OwnerBeingDestroyed() const = 0;

  // System resources.
  virtual std::unique_ptr<TacHeldResource> RegisterFont(std::span<const uint8_t> fontFile, std::string_view fontName) = 0;
  virtual std::unique_ptr<TacHeldResource> CreateSolidBrush(uint32_t color) = 0;
  virtual std::unique_ptr<TacHeldResource> StartTimer(int milliseconds, std::function<void()> tick) = 0;
};
