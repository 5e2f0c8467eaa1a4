// skin_editor_double <window> <record file>
// Sends the file's bytes to the window (a decimal handle) as copy-data with wParam 7, as a
// skin editor sends a preview, and exits with the window's answer (0 or 1); 2 when the
// arguments or the file are unusable, 3 when the window did not answer in time.
#include <windows.h>

#include <cwchar>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(argv[1], nullptr, 10)));
  std::ifstream file(std::filesystem::path(argv[2]), std::ios::binary);
  if (!file) return 2;
  std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  COPYDATASTRUCT data{0, static_cast<DWORD>(bytes.size()), bytes.data()};
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000, &answer))
    return 3;
  return answer == 1 ? 1 : 0;
}
