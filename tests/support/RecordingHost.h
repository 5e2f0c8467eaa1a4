#pragma once
// A skin manager host that records what the manager asks for: boxes, broadcasts (with
// the locks around them), resources, and controls it rescales. Its screen and program
// folder are set by the test.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/acManagerHost.h"

struct RecordedBroadcast {
  uint16_t Command = 0;
  intptr_t LParam = 0;
  TacBroadcastScope Scope = TacBroadcastScope::All;
};

// Records error texts and lets a test look around while one is shown.
class ProbingErrorSink final : public SkinErrorSink {
 public:
  void ShowError(std::string_view text) override {
    errors.emplace_back(text);
    if (whileShown) whileShown();
  }
  std::vector<std::string> errors;
  std::function<void()> whileShown;
};

class RecordingHost final : public IacManagerHost {
 public:
  ProbingErrorSink errors;
  std::vector<std::string> warnings;
  std::vector<std::string> infos;
  std::vector<std::string> arguments;
  std::string programFolder = "/opt/marvolena/bin/";
  int systemPPI = 96;
  int screenPPI = 96;
  int mainFormPPI = 96;
  bool rightToLeft = false;
  std::vector<RecordedBroadcast> broadcasts;
  // Broadcast command names, "lock"/"unlock" and "provider-lock"/"provider-unlock", in order.
  std::vector<std::string> events;
  std::vector<IacScalableControl*> providerForms;
  std::vector<std::pair<int, int>> messageFontScales;
  std::vector<std::string> registeredFonts;
  int liveResources = 0;
  std::function<void()> timerTick;
  // Called for every broadcast, while it is being sent.
  std::function<void(const RecordedBroadcast&)> onBroadcast;

  // The broadcast command names only.
  std::vector<std::string> BroadcastNames() const;
  int CountOf(uint16_t command) const;

  SkinErrorSink& Errors() override { return errors; }
  void ShowWarning(std::string_view text) override { warnings.emplace_back(text); }
  void ShowInfo(std::string_view text) override { infos.emplace_back(text); }
  std::vector<std::string> ProgramArguments() const override { return arguments; }
  std::string ProgramFolder() const override { return programFolder; }
  PathRules PathStyle() const override { return PathRules::Posix; }
  const ISystemLook& SystemLook() const override { return look_; }
  int SystemPPI() const override { return systemPPI; }
  int ScreenPPI() const override { return screenPPI; }
  int MainFormPPI() const override { return mainFormPPI; }
  bool RightToLeft() const override { return rightToLeft; }
  void ScaleMessageFont(int mul, int div) override { messageFontScales.emplace_back(mul, div); }
  std::string DefaultFontName() const override { return "Tahoma"; }
  void AppBroadcast(uint16_t command, intptr_t lParam, TacBroadcastScope scope) override;
  std::unique_ptr<TacHeldResource> LockForms() override;
  std::unique_ptr<TacHeldResource> LockProviderForms() override;
  void RedrawSkinnedDialogs() override { events.emplace_back("redraw-dialogs"); }
  void ForEachProviderForm(const std::function<void(IacScalableControl&)>& visit) override;
  bool IsWindowVisible(uintptr_t) const override { return true; }
  bool CursorInWindow(uintptr_t window) const override { return window == cursorWindow; }
  bool IsSelfOrAncestor(uintptr_t candidate, uintptr_t window) const override;
  void SendSkinCommand(uintptr_t window, uint16_t command, intptr_t lParam) override;
  void PerformSkinCommand(void* control, uint16_t command, intptr_t lParam) override;
  bool GraphicControlHasMouse(void* control) const override { return control == mouseOverControl; }
  bool ControlBeingDestroyed(void*) const override { return false; }
  bool OwnerBeingDestroyed() const override { return false; }
  std::unique_ptr<TacHeldResource> RegisterFont(std::span<const uint8_t> fontFile, std::string_view fontName) override;
  std::unique_ptr<TacHeldResource> CreateSolidBrush(uint32_t color) override;
  std::unique_ptr<TacHeldResource> StartTimer(int milliseconds, std::function<void()> tick) override;

  // The control under the mouse: window handles, their parents, what was sent to them.
  uintptr_t cursorWindow = 0;
  void* mouseOverControl = nullptr;
  std::vector<std::pair<uintptr_t, uintptr_t>> parentOf;  // (window, parent)
  std::vector<std::string> sent;                          // "<command> <window or control>"

 private:
  std::unique_ptr<TacHeldResource> Held(std::string unlockEvent);
  TacFixedSystemLook look_;
};
