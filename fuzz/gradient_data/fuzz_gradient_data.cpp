// Any gradient text: either no points or points that the painters can use as they are.
#include <cstdlib>
#include <string_view>

#include "skin/base/acGradientData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto points = ParseGradientData(text);
  if (points.empty()) return 0;
  if (points.size() > 26 && points.size() > size / 10 + 1) std::abort();
  if (points.back().Percent != 100) std::abort();
  for (const TsGradPoint& p : points)
    if (p.Percent > 100) std::abort();
  return 0;
}
