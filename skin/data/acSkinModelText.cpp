#include "skin/data/acSkinModelText.h"

#include <cstdio>

#include "skin/data/acSkinData.h"

namespace {

// "#RRGGBB", red first, for a colour with red in the low byte.
std::string Html(TColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return text;
}

template <typename... Fields>
void Row(std::string& out, const Fields&... fields) {
  bool first = true;
  const auto add = [&](const auto& f) {
    if (!first) out += '\t';
    first = false;
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(f)>>) out += std::to_string(f);
    else out += f;
  };
  (add(fields), ...);
  out += '\n';
}

}  // namespace

std::string SkinModelText(const TacSkinData& data) {
  std::string out;
  Row(out, "index", "name", "parent", "states", "border", "color", "fontcolor");
  for (size_t i = 0; i < data.gd.size(); ++i) {
    const TsGeneralData& g = data.gd[i];
    Row(out, i, g.ClassName, g.ParentClass, g.States, g.BorderIndex, Html(g.Props[0].Color),
        Html(g.Props[0].FontColor.Color));
  }
  out += '\n';
  Row(out, "index", "section", "key", "L", "T", "R", "B", "images", "masktype", "drawmode", "WL", "WT", "WR", "WB",
      "width", "height", "file");
  for (size_t i = 0; i < data.ma.size(); ++i) {
    const TsMaskData& m = data.ma[i];
    const TacBmpData* cached = data.CacheEntryOf(m);
    const std::string& file = cached && !cached->FileName.empty() ? cached->FileName : m.FileName;
    Row(out, i, m.ClassName, m.PropertyName, m.R.Left, m.R.Top, m.R.Right, m.R.Bottom, m.ImageCount, m.MaskType,
        m.DrawMode, m.WL, m.WT, m.WR, m.WB, m.Width, m.Height, file);
  }
  return out;
}
