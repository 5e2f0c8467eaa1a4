#include "skin/data/acOptionsFile.h"

#include <limits>

namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Magnitude and sign of an integer text; hexadecimal magnitudes are limited to `hexBits`.
struct ParsedNumber {
  bool negative = false;
  bool hex = false;
  uint64_t magnitude = 0;
};

std::optional<ParsedNumber> ParseNumber(std::string_view text, int hexBits) {
  text = Trim(text);
  ParsedNumber n;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    n.negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (!text.empty() && text[0] == '$') {
    n.hex = true;
    text.remove_prefix(1);
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    n.hex = true;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  const uint64_t limit = n.hex ? (hexBits >= 64 ? ~0ull : (1ull << hexBits) - 1) : ~0ull / 10 - 9;
  for (char c : text) {
    const int d = n.hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return std::nullopt;
    if (n.hex) {
      if (n.magnitude > (limit >> 4)) return std::nullopt;
      n.magnitude = n.magnitude * 16 + static_cast<uint64_t>(d);
    } else {
      if (n.magnitude > limit) return std::nullopt;
      n.magnitude = n.magnitude * 10 + static_cast<uint64_t>(d);
    }
  }
  return n;
}

template <typename Int>
std::optional<Int> ToSigned(const ParsedNumber& n) {
  using U = std::make_unsigned_t<Int>;
  if (n.hex) {  // hexadecimal keeps the bit pattern
    const U bits = static_cast<U>(n.magnitude);
    return static_cast<Int>(n.negative ? static_cast<U>(U{0} - bits) : bits);
  }
  const uint64_t maxPositive = static_cast<uint64_t>(std::numeric_limits<Int>::max());
  if (n.magnitude > maxPositive + (n.negative ? 1 : 0)) return std::nullopt;
  return n.negative ? static_cast<Int>(U{0} - static_cast<U>(n.magnitude)) : static_cast<Int>(n.magnitude);
}

}  // namespace

std::optional<int32_t> ParseSkinInt(std::string_view text) {
  const auto n = ParseNumber(text, 32);
  return n ? ToSigned<int32_t>(*n) : std::nullopt;
}

std::optional<int64_t> ParseSkinInt64(std::string_view text) {
  const auto n = ParseNumber(text, 64);
  return n ? ToSigned<int64_t>(*n) : std::nullopt;
}

bool IsAbsentValue(std::string_view value) { return value.empty() || value == "N/A"; }

const std::string* TacIniSection::Find(std::string_view key) const {
  const auto it = index_.find(key);
  return it == index_.end() ? nullptr : &Keys[it->second].Value;
}

TacOptionsFile::TacOptionsFile(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  TacIniSection* current = nullptr;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name(Trim(line.substr(1, line.size() - 2)));
      const auto [it, added] = index_.try_emplace(name, sections_.size());
      if (added) {
        sections_.emplace_back();
        sections_.back().Name = name;
      }
      current = &sections_[it->second];
      continue;
    }
    const size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    std::string key(Trim(line.substr(0, eq)));
    if (key.empty() || current->index_.contains(key)) continue;
    current->index_.emplace(key, current->Keys.size());
    current->Keys.push_back({std::move(key), std::string(Trim(line.substr(eq + 1)))});
  }
}

const TacIniSection* TacOptionsFile::FindSection(std::string_view name) const {
  const auto it = index_.find(name);
  return it == index_.end() ? nullptr : &sections_[it->second];
}

int TacOptionsFile::SectionIndex(std::string_view name) const {
  const auto it = index_.find(name);
  return it == index_.end() ? -1 : static_cast<int>(it->second);
}

const std::string* TacOptionsFile::Value(std::string_view section, std::string_view key) const {
  const TacIniSection* s = FindSection(section);
  return s ? s->Find(key) : nullptr;
}

std::string TacOptionsFile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view def) const {
  const std::string* v = Value(section, key);
  return v ? *v : std::string(def);
}

int32_t TacOptionsFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  const std::string* v = Value(section, key);
  if (v == nullptr) return def;
  return ParseSkinInt(*v).value_or(def);
}

bool TacOptionsFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  const std::string* v = Value(section, key);
  if (v == nullptr || IsAbsentValue(*v)) return def;
  return *v == "TRUE" || *v == "1";
}
