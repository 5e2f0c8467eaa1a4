#include "skin/windows/acFrameworkHost.h"

#include <shellapi.h>
#include <shellscalingapi.h>

#include "framework/Application.h"
#include "skin/base/acSkinCommands.h"
#include "skin/windows/acAppBroadcast.h"
#include "skin/windows/acFormScaling.h"
#include "skin/windows/acHeldResources.h"
#include "skin/windows/acSkinnedWindows.h"
#include "skin/windows/acWideText.h"

namespace {

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) return path.substr(0, n);
    path.resize(path.size() * 2);
  }
}

// The program's name, as the application's own boxes are captioned.
std::wstring ProgramTitle() {
  std::wstring title = ProgramPath();
  title.erase(0, title.find_last_of(L"\\/") + 1);
  if (const size_t dot = title.find_last_of(L'.'); dot != std::wstring::npos) title.erase(dot);
  return title;
}

int MonitorPPI(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  UINT x = 0, y = 0;
  if (SUCCEEDED(GetDpiForMonitor(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &x, &y)) && y)
    return static_cast<int>(y);
  return 0;
}

std::vector<marv::Form*> ApplicationForms() {
  std::vector<marv::Form*> forms;
  if (const marv::Application* app = marv::Application::Current())
    for (const auto& form : app->Forms()) forms.push_back(form.get());
  return forms;
}

}  // namespace

void TacFrameworkHost::ShowWarning(std::string_view text) {
  const std::wstring message = WideFromUtf8(text);
  MessageBoxW(GetActiveWindow(), message.c_str(), L"Warning", MB_OK | MB_ICONWARNING);
}

void TacFrameworkHost::ShowInfo(std::string_view text) {
  const std::wstring message = WideFromUtf8(text);
  MessageBoxW(GetActiveWindow(), message.c_str(), ProgramTitle().c_str(), MB_OK | MB_ICONINFORMATION);
}

std::vector<std::string> TacFrameworkHost::ProgramArguments() const { return ProcessArguments(); }

std::vector<std::string> ProcessArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; argv && i < count; ++i) arguments.push_back(Utf8FromWide(argv[i]));
  LocalFree(argv);
  return arguments;
}

std::string TacFrameworkHost::ProgramFolder() const {
  std::wstring path = ProgramPath();
  path.erase(path.find_last_of(L"\\/") + 1);
  return Utf8FromWide(path);
}

int TacFrameworkHost::ScreenPPI() const { return look_.SystemPPI(); }

int TacFrameworkHost::SystemPPI() const {
  const marv::Application* app = marv::Application::Current();
  marv::Form* form = app ? app->MainForm() : nullptr;
  if (!form && app && !app->Forms().empty()) form = app->Forms().front().get();
  if (!form) return ScreenPPI();
  if (!form->Handle()) return 96;
  const int ppi = MonitorPPI(form->Handle());
  return ppi ? ppi : ScreenPPI();
}

int TacFrameworkHost::MainFormPPI() const {
  const marv::Application* app = marv::Application::Current();
  const marv::Form* main = app ? app->MainForm() : nullptr;
  return main && main->Handle() ? MonitorPPI(main->Handle()) : 0;
}

void TacFrameworkHost::ScaleMessageFont(int mul, int div) {
  messageFontMul_ *= mul;
  messageFontDiv_ *= div;
}

int TacFrameworkHost::MessageFontHeight() const {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, 96)) return 0;
  return MulDiv(metrics.lfMessageFont.lfHeight, messageFontMul_, messageFontDiv_);
}

std::string TacFrameworkHost::DefaultFontName() const {
  const marv::Application* app = marv::Application::Current();
  if (const marv::Form* main = app ? app->MainForm() : nullptr) return Utf8FromWide(main->GetFont().Face());
  return "Tahoma";  // the framework's default font
}

void TacFrameworkHost::AppBroadcast(uint16_t command, intptr_t lParam, TacBroadcastScope scope) {
  BroadcastSkinCommand(command, lParam, scope, [command](marv::Form& form) {
    if (command == SC_SKINLOADED) FollowMonitorDensity(form);
  });
}

std::unique_ptr<TacHeldResource> TacFrameworkHost::LockForms() {
  std::vector<marv::Form*> forms = ApplicationForms();
  const auto& providers = SkinnedWindows().ProviderForms;
  forms.insert(forms.end(), providers.begin(), providers.end());
  return HoldFormsUnpainted(forms);
}

std::unique_ptr<TacHeldResource> TacFrameworkHost::LockProviderForms() {
  return HoldFormsUnpainted(SkinnedWindows().ProviderForms);
}

void TacFrameworkHost::RedrawSkinnedDialogs() {
  for (HWND dialog : SkinnedWindows().SkinnedDialogs)
    if (::IsWindowVisible(dialog))
      RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TacFrameworkHost::ForEachProviderForm(const std::function<void(IacScalableControl&)>& visit) {
  for (marv::Form* form : std::vector<marv::Form*>(SkinnedWindows().ProviderForms)) {
    TacFormScaling scaling(*form);
    visit(scaling);
  }
}

bool TacFrameworkHost::IsWindowVisible(uintptr_t window) const { return ::IsWindowVisible(reinterpret_cast<HWND>(window)); }

bool TacFrameworkHost::CursorInWindow(uintptr_t window) const {
  POINT cursor;
  RECT r;
  return GetCursorPos(&cursor) && GetWindowRect(reinterpret_cast<HWND>(window), &r) && PtInRect(&r, cursor);
}

bool TacFrameworkHost::IsSelfOrAncestor(uintptr_t candidate, uintptr_t window) const {
  const HWND c = reinterpret_cast<HWND>(candidate), w = reinterpret_cast<HWND>(window);
  return c == w || (c && IsChild(c, w));
}

void TacFrameworkHost::SendSkinCommand(uintptr_t window, uint16_t command, intptr_t lParam) {
  SendMessageW(reinterpret_cast<HWND>(window), WM_SKINCOMMAND, SkinCommandWParam(command), lParam);
}

void TacFrameworkHost::PerformSkinCommand(void* control, uint16_t command, intptr_t lParam) {
  static_cast<marv::Control*>(control)->Perform(WM_SKINCOMMAND, SkinCommandWParam(command), lParam);
}

bool TacFrameworkHost::GraphicControlHasMouse(void* control) const {
  return static_cast<const marv::Control*>(control)->MouseInside();
}

bool TacFrameworkHost::OwnerBeingDestroyed() const { return owner_ && !owner_->Handle(); }

std::unique_ptr<TacHeldResource> TacFrameworkHost::RegisterFont(std::span<const uint8_t> fontFile, std::string_view) {
  return HoldMemoryFont(fontFile);
}

std::unique_ptr<TacHeldResource> TacFrameworkHost::CreateSolidBrush(uint32_t color) { return HoldSolidBrush(color); }

std::unique_ptr<TacHeldResource> TacFrameworkHost::StartTimer(int milliseconds, std::function<void()> tick) {
  return HoldTimer(static_cast<UINT>(milliseconds), std::move(tick));
}
