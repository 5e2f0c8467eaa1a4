// Times the first paint after the process started, and ends with that many milliseconds
// as its exit code: "plain" for a bare Win32 window, "skinned" for the program's main
// window once every one of its speed buttons has been painted from the skin.
#include <windows.h>

#include <cstdint>
#include <string>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "skin/controls/sSpeedButton.h"

namespace {

DWORD MillisecondsSinceStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  const auto value = [](FILETIME t) { return uint64_t{t.dwHighDateTime} << 32 | t.dwLowDateTime; };
  return static_cast<DWORD>((value(now) - value(created)) / 10000);
}

LRESULT CALLBACK PlainProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DrawTextW(dc, L"卸载全部", -1, &ps.rcPaint, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &ps);
    ExitProcess(MillisecondsSinceStart());
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

int Plain() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProcedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PlainProbe";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"Plain", WS_OVERLAPPEDWINDOW, 100, 100, 420, 330, nullptr,
                                nullptr, wc.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}

bool AllButtonsPainted(TForm1& form) {
  for (const auto& control : form.Controls())
    if (auto* button = dynamic_cast<TsSpeedButton*>(control.get()))
      if (!button->SkinData().Skinned() || !button->SkinData().CacheCurrent()) return false;
  return true;
}

int Skinned() {
  marv::Application app;
  CreateProgramForms(app);
  auto* form = static_cast<TForm1*>(app.MainForm());
  form->WindowProc = [form, previous = form->WindowProc](marv::Message& m) {
    previous(m);
    if (m.Msg == WM_PAINT && AllButtonsPainted(*form)) ExitProcess(MillisecondsSinceStart());
  };
  app.Run();
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"plain") return Plain();
  if (mode == L"skinned") return Skinned();
  return 0;
}
