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
