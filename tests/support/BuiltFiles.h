#pragma once
// Where the build put the program and the probe executables, as Windows paths.
#include <string>

#include "tests/support/WineHost.h"

inline std::wstring BuiltFile(const char* hostPath) { return winehost::WindowsPath(hostPath); }

// The program itself, for tests that read what it carries.
inline std::wstring ProgramPath() { return BuiltFile(MARV_PROGRAM_PATH); }
