#include "update/UpdateRules.h"

#include <algorithm>

bool IsNewerVersion(std::u16string_view local, std::u16string_view remote) {
  return local < remote;
}

std::u16string DescriptorCopyPath(std::u16string_view tempFolder) {
  std::u16string path(tempFolder);
  if (path.empty() || path.back() != u'\\') path += u'\\';
  return path + u"_Update.INI";
}

namespace {

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char16_t p, char16_t t) { return p == AsciiLower(t); });
}

bool IsControlCharacter(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool IsWebAddress(std::u16string_view address) {
  const bool web = StartsWithIgnoringAsciiCase(address, u"http://") ||
                   StartsWithIgnoringAsciiCase(address, u"https://");
  return web && std::none_of(address.begin(), address.end(), IsControlCharacter);
}
