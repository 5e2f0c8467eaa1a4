// What an update descriptor from the network can hold: any detail text splits into lines
// without reading past its end, versions order consistently, and only web addresses pass
// the shell rule.
#include <cstdlib>
#include <string>

#include "update/DetailText.h"
#include "update/UpdateRules.h"

namespace {

// The input as UTF-16 code units, two bytes each; the first byte picks the delimiter.
std::u16string Units(const uint8_t* data, size_t size) {
  std::u16string text;
  for (size_t i = 0; i + 1 < size; i += 2) text.push_back(char16_t(data[i] | data[i + 1] << 8));
  return text;
}

bool StartsWebScheme(std::u16string_view s) {
  auto lowerAscii = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  for (std::u16string_view scheme : {std::u16string_view(u"http://"), std::u16string_view(u"https://")}) {
    if (s.size() < scheme.size()) continue;
    bool same = true;
    for (size_t i = 0; i < scheme.size(); ++i) same = same && lowerAscii(s[i]) == scheme[i];
    if (same) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const char16_t delimiter = char16_t(data[0]);
  const std::u16string text = Units(data + 1, size - 1);

  // Every line comes from the text: together never longer than the text, and no more
  // lines than delimiters plus one.
  const std::vector<std::u16string> lines = SplitDelimitedText(text, delimiter);
  size_t total = 0;
  for (const std::u16string& line : lines) total += line.size();
  if (total > text.size()) std::abort();
  if (lines.size() > text.size() + 1) std::abort();

  // Versions: never newer than themselves, never both newer than each other.
  const size_t half = text.size() / 2;
  const std::u16string_view a(text.data(), half), b(text.data() + half, text.size() - half);
  if (IsNewerVersion(a, a)) std::abort();
  if (IsNewerVersion(a, b) && IsNewerVersion(b, a)) std::abort();

  // An address the shell may open starts with a web scheme and holds no control character.
  if (IsWebAddress(text)) {
    if (!StartsWebScheme(text)) std::abort();
    for (char16_t c : text) {
      if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) std::abort();
    }
  }
  return 0;
}
