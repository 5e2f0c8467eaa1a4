#include "skin/base/acGradientData.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace {

// A whole field as a 32-bit value: decimal with an optional sign (negative numbers keep
// their two's-complement bits, as colours with alpha are written), or hex after "$"/"0x".
std::optional<uint32_t> ParseField(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  int base = 10;
  bool negative = false;
  if (field.starts_with('-')) {
    negative = true;
    field.remove_prefix(1);
  } else if (field.starts_with('$')) {
    base = 16;
    field.remove_prefix(1);
  } else if (field.starts_with("0x") || field.starts_with("0X")) {
    base = 16;
    field.remove_prefix(2);
  }
  uint64_t value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value, base);
  if (field.empty() || ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
  if (negative ? value > 0x80000000u : value > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<uint32_t>(negative ? 0u - value : value);
}

std::optional<std::vector<uint32_t>> ParseFields(std::string_view text) {
  std::vector<uint32_t> fields;
  for (size_t start = 0;;) {
    const size_t end = std::min(text.find(';', start), text.size());
    const auto value = ParseField(text.substr(start, end - start));
    if (!value) return std::nullopt;
    fields.push_back(*value);
    if (end == text.size()) return fields;
    start = end + 1;
  }
}

uint8_t ClampPercent(uint32_t field) {
  return static_cast<uint8_t>(std::clamp(static_cast<int32_t>(field), 0, 100));
}

std::vector<TsGradPoint> ParseStepped(const std::vector<uint32_t>& f) {
  std::vector<TsGradPoint> points(f.size() / 5);
  int position = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    TsColor color = TsColor::FromValue(f[5 * k]);
    color.A = 255;
    points[k] = {static_cast<uint16_t>(k), f[5 * k + 3] & ~kGradSmooth, color,
                 static_cast<uint8_t>(std::min(position, 100))};
    position += ClampPercent(f[5 * k + 2]);
  }
  if (!points.empty() && (points[0].Mode & kGradOrientationMask) == kGradFourTriangles && points.size() < 5)
    points.resize(5, points.back());
  return points;
}

std::vector<TsGradPoint> ParseLettered(const std::vector<uint32_t>& f, size_t count) {
  if (f.size() < 3 * count) return {};
  std::vector<TsGradPoint> points(count);
  for (size_t k = 0; k < count; ++k) {
    points[k] = {static_cast<uint16_t>(k), f[3 * k + 2], TsColor::FromValue(f[3 * k]), ClampPercent(f[3 * k + 1])};
    if (points[k].Mode & kGradSmooth) points[0].Mode |= kGradOverlay;
  }
  return points;
}

// The numbers of a text in either format: the whole text, or the text before the letter.
std::optional<std::string_view> NumbersOf(std::string_view Text) {
  if (Text.size() <= 4) return std::nullopt;
  const char last = Text.back();
  if (last == '0') return Text;
  if (last < 'A' || last > 'Z') return std::nullopt;
  std::string_view numbers = Text.substr(0, Text.size() - 1);
  if (numbers.ends_with(';')) numbers.remove_suffix(1);
  return numbers;
}

}  // namespace

bool GradientFieldsAreNumbers(std::string_view Text) {
  const auto numbers = NumbersOf(Text);
  return !numbers || ParseFields(*numbers).has_value();
}

std::vector<TsGradPoint> ParseGradientData(std::string_view Text) {
  if (Text.size() <= 4) return {};
  const char last = Text.back();
  std::vector<TsGradPoint> points;
  if (last == '0') {
    if (auto fields = ParseFields(Text)) points = ParseStepped(*fields);
  } else if (last >= 'A' && last <= 'Z') {
    std::string_view numbers = Text.substr(0, Text.size() - 1);
    if (numbers.ends_with(';')) numbers.remove_suffix(1);
    if (auto fields = ParseFields(numbers)) points = ParseLettered(*fields, static_cast<size_t>(last - 'A' + 1));
  }
  if (!points.empty()) points.back().Percent = 100;
  return points;
}
