#include "framework/Application.h"

#include <commctrl.h>

namespace marv {

namespace {
Application* gCurrent = nullptr;
}

Application::Application() { gCurrent = this; }

Application::~Application() {
  // Later forms are owned by earlier ones: destroy them first.
  while (!forms_.empty()) forms_.pop_back();
  if (gCurrent == this) gCurrent = nullptr;
}

Application* Application::Current() { return gCurrent; }

void Application::Initialize() {
  // Fails harmlessly when the manifest already made the process aware.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

void Application::AddForm(std::unique_ptr<Form> form) {
  Form& added = *form;
  if (!mainForm_) mainForm_ = &added;
  forms_.push_back(std::move(form));
  added.HandleNeeded();
  added.RunOnCreate();
}

int Application::HookMainWindow(MainWindowHook hook) {
  mainWindowHooks_.emplace_back(nextHookId_, std::move(hook));
  return nextHookId_++;
}

void Application::UnhookMainWindow(int id) {
  std::erase_if(mainWindowHooks_, [id](const auto& entry) { return entry.first == id; });
}

bool Application::RunMainWindowHooks(Message& m) {
  // By index and on a copy: a hook may add or remove hooks while it runs.
  for (size_t i = 0; i < mainWindowHooks_.size(); ++i) {
    const MainWindowHook hook = mainWindowHooks_[i].second;
    if (hook && hook(m)) return true;
  }
  return false;
}

int Application::Run() {
  if (!mainForm_ || terminated_) return 0;
  mainForm_->Show();
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void ShowErrorBox(const std::wstring& text) {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring title = path;
  title.erase(0, title.find_last_of(L"\\/") + 1);
  title.erase(title.find_last_of(L'.') == std::wstring::npos ? title.size() : title.find_last_of(L'.'));
  MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace marv
