#pragma once
// Lists of strings split from delimited text.
#include <string>
#include <string_view>
#include <vector>

namespace marv {

using StringList = std::vector<std::wstring>;

// Splits at every delimiter; blanks and quotes are kept as they are, and empty text
// gives an empty list.
StringList SplitDelimited(std::wstring_view text, wchar_t delimiter);

}  // namespace marv
