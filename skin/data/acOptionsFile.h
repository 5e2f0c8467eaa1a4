#pragma once
// A skin's options file ("Options.dat") held in memory: INI text whose sections and keys
// keep their file order (the order of sections fixes skin indexes). Names compare
// case-sensitively. Numbers are read the same way on every platform and locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Integer text of the options file: optional sign, then decimal digits, or hexadecimal
// after "$" or "0x". Hexadecimal values keep 32 bits (so "$FFEEEEEE" is negative);
// decimal values must fit a signed 32-bit integer. Blanks around the text are allowed.
std::optional<int32_t> ParseSkinInt(std::string_view text);
// The same for 64-bit values (colours written as 64-bit text numbers).
std::optional<int64_t> ParseSkinInt64(std::string_view text);

// "N/A" and an empty value count as absent for every reader.
bool IsAbsentValue(std::string_view value);

// Lets the name indexes below be searched with a string_view.
struct TacNameHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using TacNameIndex = std::unordered_map<std::string, size_t, TacNameHash, std::equal_to<>>;

struct TacIniKey {
  std::string Name;
  std::string Value;
};

struct TacIniSection {
  std::string Name;
  std::vector<TacIniKey> Keys;  // file order; a repeated key keeps its first value
  const std::string* Find(std::string_view key) const;

 private:
  friend class TacOptionsFile;
  TacNameIndex index_;
};

class TacOptionsFile {
 public:
  TacOptionsFile() = default;
  // Lines end in CR LF, LF or CR; a UTF-8 byte-order mark is skipped; lines beginning
  // with ";" are comments. A repeated section header continues the earlier section.
  explicit TacOptionsFile(std::string_view text);

  const std::vector<TacIniSection>& Sections() const { return sections_; }
  const TacIniSection* FindSection(std::string_view name) const;
  int SectionIndex(std::string_view name) const;  // -1 when absent

  // The value as written, or nullptr when the section or key does not exist.
  const std::string* Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // A value that is absent, "N/A" or not a number gives `def`.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  // "TRUE" and "1" are true, any other present value false; absent gives `def`.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

 private:
  std::vector<TacIniSection> sections_;
  TacNameIndex index_;
};
