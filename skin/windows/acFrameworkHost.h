#pragma once
// The skin manager's host in the program: the window framework's forms and controls,
// Windows message boxes, the system's fonts, brushes and timers.
#include <windows.h>

#include "skin/data/acManagerHost.h"
#include "skin/data/acSkinErrors_win.h"
#include "skin/data/acSystemLook_win.h"

namespace marv {
class Form;
}

// The process's arguments after the program's path, as UTF-8.
std::vector<std::string> ProcessArguments();

class TacFrameworkHost final : public IacManagerHost {
 public:
  // `owner` is the form the manager belongs to (null: none).
  explicit TacFrameworkHost(marv::Form* owner = nullptr) : owner_(owner) {}

  SkinErrorSink& Errors() override { return errors_; }
  void ShowWarning(std::string_view text) override;
  void ShowInfo(std::string_view text) override;
  std::vector<std::string> ProgramArguments() const override;
  std::string ProgramFolder() const override;
  PathRules PathStyle() const override { return PathRules::Windows; }
  const ISystemLook& SystemLook() const override { return look_; }
  int SystemPPI() const override;
  int ScreenPPI() const override;
  int MainFormPPI() const override;
  // The framework has no right-to-left layout.
  bool RightToLeft() const override { return false; }
  void ScaleMessageFont(int mul, int div) override;
  std::string DefaultFontName() const override;
  void AppBroadcast(uint16_t command, intptr_t lParam, TacBroadcastScope scope) override;
  std::unique_ptr<TacHeldResource> LockForms() override;
  std::unique_ptr<TacHeldResource> LockProviderForms() override;
  void RedrawSkinnedDialogs() override;
  void ForEachProviderForm(const std::function<void(IacScalableControl&)>& visit) override;
  bool IsWindowVisible(uintptr_t window) const override;
  bool CursorInWindow(uintptr_t window) const override;
  bool IsSelfOrAncestor(uintptr_t candidate, uintptr_t window) const override;
  void SendSkinCommand(uintptr_t window, uint16_t command, intptr_t lParam) override;
  // Window-less controls are marv::Control objects; the framework tracks their mouse.
  void PerformSkinCommand(void* control, uint16_t command, intptr_t lParam) override;
  bool GraphicControlHasMouse(void* control) const override;
  bool ControlBeingDestroyed(void*) const override { return false; }
  bool OwnerBeingDestroyed() const override;
  std::unique_ptr<TacHeldResource> RegisterFont(std::span<const uint8_t> fontFile, std::string_view fontName) override;
  std::unique_ptr<TacHeldResource> CreateSolidBrush(uint32_t color) override;
  std::unique_ptr<TacHeldResource> StartTimer(int milliseconds, std::function<void()> tick) override;

  // The message font as this process scales it (its height at 96 PPI).
  int MessageFontHeight() const;

 private:
  marv::Form* owner_;
  MessageBoxErrorSink errors_;
  TacWindowsSystemLook look_;
  int messageFontMul_ = 1, messageFontDiv_ = 1;
};
