// skintool's entry: turns the command line into UTF-8 arguments and runs the tool.
#include <iostream>

#include "tools/skintool/SkinTool.h"

#ifdef _WIN32
#include <windows.h>

namespace {
std::string Utf8(const wchar_t* wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n - 1) : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, wide, -1, out.data(), n, nullptr, nullptr);
  return out;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  ToolArgs args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8(argv[i]));
  ToolIo io{std::cout, std::cerr};
  return RunSkinTool(args, io);
}
#else
int main(int argc, char** argv) {
  ToolArgs args(argv + 1, argv + argc);
  ToolIo io{std::cout, std::cerr};
  return RunSkinTool(args, io);
}
#endif
