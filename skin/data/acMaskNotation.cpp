#include "skin/data/acMaskNotation.h"

#include <algorithm>
#include <vector>

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinLoadError.h"
#include "skin/data/acZLibExNames.h"

namespace {

[[noreturn]] void Malformed(std::string_view value) {
  throw SkinLoadError("\"" + std::string(value) + "\" is not a valid skin element");
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A decimal word as exactly `width` digits: shorter words are padded with "0", leading
// zeros are dropped from longer ones; anything else cannot be written.
std::string Digits(std::string_view word, size_t width, std::string_view value) {
  if (!AllDigits(word)) Malformed(value);
  while (word.size() > width && word.front() == '0') word.remove_prefix(1);
  if (word.size() > width) Malformed(value);
  return std::string(width - word.size(), '0') + std::string(word);
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// The runs of text between occurrences of the value's first character.
std::vector<std::string_view> Words(std::string_view value) {
  std::vector<std::string_view> words;
  const char sep = value.front();
  size_t pos = 1;
  while (pos <= value.size()) {
    size_t end = value.find(sep, pos);
    if (end == std::string_view::npos) end = value.size();
    if (end > pos) words.push_back(value.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

struct CanonicalFields {
  std::string Rect[4] = {"0000", "0000", "0000", "0000"};
  std::string Margins[4] = {"0000", "0000", "0000", "0000"};
  std::string ImageCount = "1";
  std::string MaskType = "0";
  int ImgType = 0;
  std::string DrawMode = "00";
  std::string FileName;

  std::string Compose() const {
    std::string s = "&";
    for (const auto& r : Rect) s += r;
    for (const auto& m : Margins) s += m;
    s += ImageCount + MaskType + std::to_string(ImgType) + DrawMode + "000000" + FileName;
    return s;
  }
};

class Normaliser {
 public:
  explicit Normaliser(std::string_view value) : value_(value), words_(Words(value)) {}

  bool Has(size_t word) const { return word <= words_.size(); }
  std::string_view Word(size_t word) const { return Has(word) ? words_[word - 1] : std::string_view{}; }
  std::string Num(size_t word, size_t width, std::string_view def) const {
    return Has(word) ? Digits(Word(word), width, value_) : std::string(def);
  }
  void Read4(std::string (&out)[4], size_t firstWord) const {
    for (size_t i = 0; i < 4; ++i) out[i] = Num(firstWord + i, 4, "0000");
  }

  CanonicalFields Border() const {
    CanonicalFields f;
    Read4(f.Rect, 1);
    Read4(f.Margins, 5);
    f.ImageCount = Num(9, 1, "1");
    f.MaskType = Num(10, 1, "0");
    f.DrawMode = Num(11, 2, "00");
    const bool noMargins = std::all_of(std::begin(f.Margins), std::end(f.Margins), [](auto& m) { return m == "0000"; });
    if (value_.size() > 47 && noMargins) DefaultMargins(f);
    return f;
  }

  CanonicalFields Glyph() const {
    CanonicalFields f;
    Read4(f.Rect, 1);
    f.ImageCount = Num(5, 1, "1");
    f.MaskType = Num(6, 1, "0");
    f.ImgType = static_cast<int>(TacImgType::itisaGlyph);
    return f;
  }

  CanonicalFields Texture() const {
    CanonicalFields f;
    Read4(f.Rect, 1);
    f.DrawMode = Num(5, 2, "00");
    // The mask type sits at a fixed character of the value.
    f.MaskType = value_.size() > 24 ? Digits(value_.substr(24, 1), 1, value_) : "0";
    f.ImgType = static_cast<int>(TacImgType::itisaTexture);
    if (words_.size() > 6) f.FileName = Word(7);
    return f;
  }

  CanonicalFields OwnFile() const {
    CanonicalFields f;
    f.FileName = Word(1);
    f.ImageCount = Num(2, 1, "1");
    f.MaskType = Num(3, 1, "0");
    const auto type = ParseSkinInt(Word(4));
    f.ImgType = std::clamp(type.value_or(0), 0, 4);
    f.DrawMode = Num(9, 2, "00");
    const bool fiveWords = words_.size() >= 5;
    switch (static_cast<TacImgType>(f.ImgType)) {
      case TacImgType::itisaBorder: Read4(f.Margins, 5); break;
      case TacImgType::itisaTexture: break;
      case TacImgType::itisaGlow:
        Read4(f.Margins, 5);
        if (!fiveWords) f.ImageCount = "1", f.MaskType = "0", f.DrawMode = "00";
        break;
      case TacImgType::itisaGlyph:
      case TacImgType::itisaPngGlyph:
        if (fiveWords) Read4(f.Rect, 5);
        break;
    }
    return f;
  }

 private:
  // Margins of a border written without any: word 12, or half a state image less one.
  void DefaultMargins(CanonicalFields& f) const {
    const std::string fallback = Num(12, 4, "0000");
    if (Number(fallback) != 0) {
      std::fill(std::begin(f.Margins), std::end(f.Margins), fallback);
      return;
    }
    const int images = std::max(1, Number(f.ImageCount));
    const int w = (Number(f.Rect[2]) - Number(f.Rect[0])) / images;
    const int h = (Number(f.Rect[3]) - Number(f.Rect[1])) / (Number(f.MaskType) + 1);
    const std::string horizontal = Digits(std::to_string(std::max(0, (w - 1) / 2)), 4, value_);
    const std::string vertical = Digits(std::to_string(std::max(0, (h - 1) / 2)), 4, value_);
    f.Margins[0] = f.Margins[2] = horizontal;
    f.Margins[1] = f.Margins[3] = vertical;
  }

  std::string_view value_;
  std::vector<std::string_view> words_;
};

}  // namespace

bool IsMaskValue(std::string_view v) {
  if (v.empty()) return false;
  if (std::string_view("!&@^~").find(v.front()) != std::string_view::npos) return true;
  return v.find(".JPG") != std::string_view::npos || v.find(".BMP") != std::string_view::npos;
}

std::string NormaliseMask(std::string_view rawValue) {
  const std::string value = AsciiUpper(rawValue);
  if (value.empty()) Malformed(value);
  const char kind = value.front();
  if (kind == '&') return value;
  const bool bare = std::string_view("^@~!").find(kind) == std::string_view::npos;
  if (value.size() < 4) {  // too short for any fields: three states, stretched
    CanonicalFields f;
    f.ImageCount.assign(1, '3');
    f.DrawMode.assign("01");
    f.ImgType = kind == '@' ? 2 : (kind == '~' || bare) ? 1 : 0;
    if (kind == '!') f.FileName = Normaliser(value).Word(1);
    if (bare) f.FileName = value;
    return f.Compose();
  }
  const Normaliser n(value);
  switch (kind) {
    case '^': return n.Border().Compose();
    case '@': return n.Glyph().Compose();
    case '~': return n.Texture().Compose();
    case '!': return n.OwnFile().Compose();
    default: break;
  }
  CanonicalFields file;  // a plain file name: a texture of the whole file
  file.ImgType = static_cast<int>(TacImgType::itisaTexture);
  file.FileName = value;
  return file.Compose();
}

TacCanonicalMask ParseCanonicalMask(std::string_view s) {
  if (s.size() < kCanonicalFileNamePos || s.front() != '&') Malformed(s);
  const auto field = [&](size_t pos, size_t len) {
    const std::string_view digits = s.substr(pos, len);
    if (!AllDigits(digits)) Malformed(s);
    return Number(digits);
  };
  TacCanonicalMask m;
  m.R = {field(1, 4), field(5, 4), field(9, 4), field(13, 4)};
  m.WL = field(17, 4);
  m.WT = field(21, 4);
  m.WR = field(25, 4);
  m.WB = field(29, 4);
  m.ImageCount = field(33, 1);
  m.MaskType = field(34, 1);
  m.ImgType = static_cast<TacImgType>(std::min(field(35, 1), 4));
  m.DrawMode = field(36, 2);
  m.FileName = std::string(s.substr(kCanonicalFileNamePos));
  return m;
}
