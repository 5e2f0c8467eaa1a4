#include "framework/StringList.h"

namespace marv {

StringList SplitDelimited(std::wstring_view text, wchar_t delimiter) {
  StringList parts;
  if (text.empty()) return parts;
  for (;;) {
    const size_t end = text.find(delimiter);
    parts.emplace_back(text.substr(0, end));
    if (end == std::wstring_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parts;
}

}  // namespace marv
