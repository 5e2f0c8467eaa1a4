#include "update/DetailText.h"

namespace {

constexpr char16_t kQuote = u'"';

bool IsBlank(char16_t c) { return c >= 1 && c <= 32; }

void SkipBlanks(std::u16string_view text, size_t& at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
}

// Reads the quoted item that starts at `at`, leaving `at` just past its closing quote. An
// item whose closing quote is missing runs to the end of the text and keeps every
// character of it.
std::u16string ReadQuoted(std::u16string_view text, size_t& at) {
  std::u16string item;
  ++at;
  while (at < text.size()) {
    const char16_t c = text[at++];
    if (c != kQuote) {
      item += c;
    } else if (at < text.size() && text[at] == kQuote) {
      item += kQuote;
      ++at;
    } else {
      break;
    }
  }
  return item;
}

std::u16string ReadPlain(std::u16string_view text, size_t& at, char16_t delimiter) {
  const size_t start = at;
  while (at < text.size() && text[at] != delimiter && !IsBlank(text[at])) ++at;
  return std::u16string(text.substr(start, at - start));
}

}  // namespace

std::vector<std::u16string> SplitDelimitedText(std::u16string_view text, char16_t delimiter) {
  std::vector<std::u16string> items;
  size_t at = 0;
  SkipBlanks(text, at);
  while (at < text.size()) {
    items.push_back(text[at] == kQuote ? ReadQuoted(text, at) : ReadPlain(text, at, delimiter));
    SkipBlanks(text, at);
    if (at < text.size() && text[at] == delimiter) {
      ++at;
      if (at == text.size()) items.emplace_back();
      SkipBlanks(text, at);
    }
  }
  return items;
}
