#pragma once
// Whether an entry name can be written as a file directly inside a folder on every
// system: no separators, no drive or stream colon, no "." or "..", no characters or
// device names that Windows treats specially.
#include <string_view>

bool IsPlainFileName(std::string_view name);
