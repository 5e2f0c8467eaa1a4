#pragma once
// Options.ChangeSysColors on Windows: GetSysColor, GetSysColorBrush and CreatePen, as the
// process's modules call them, answer from the default manager's skin while redirected.
//
// The calls are redirected by pointing the modules' import-table entries at our
// replacements (acImportPatch), under one lock, rather than by writing a jump over the
// first bytes of the system functions: a 5-byte relative jump cannot reach a replacement
// more than 2 GB away, which on x64 is the usual case between the program and user32 or
// gdi32; and code that is being rewritten while another thread runs it, or that has to
// be unpatched around every call of the original, is unsafe. The import slots are plain
// pointers written atomically, the originals are called through their own addresses, and
// the system functions' code is never touched.
#include <memory>

#include "skin/data/acEngineParts.h"

// The redirection for the default manager (the manager owns it; one is on at a time).
std::unique_ptr<IacSysColorRedirect> MakeSysColorRedirect();
