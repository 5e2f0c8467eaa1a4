#include "skin/forms/logic/acMenuMeasure.h"

#include <algorithm>

#include "skin/data/acSkinData.h"

TsMenuItemType MenuItemTypeOf(std::u16string_view caption) {
  if (caption == u"-") return smDivider;
  if (caption.size() > 1 && caption.front() == u'-' && caption.back() == u'-') return smCaption;
  return smNormal;
}

std::u16string CaptionItemText(std::u16string_view caption) {
  if (caption.size() < 2) return {};
  return std::u16string(caption.substr(1, caption.size() - 2));
}

namespace {
int MainMenuBorderMask(const TacSkinData& data) {
  const int index = data.Sections[ssMainMenu];
  if (index < 0 || index >= static_cast<int>(data.gd.size())) return -1;
  const int mask = data.gd[index].BorderIndex;
  return mask >= 0 && mask < static_cast<int>(data.ma.size()) ? mask : -1;
}
}  // namespace

int SkinBorderWidthOf(const TacSkinData& data) {
  const int mask = MainMenuBorderMask(data);
  if (mask < 0) return 0;
  const int width = std::min(data.ma[mask].WL, 3);
  return width < 1 ? 3 : width;
}

TacMenuMetrics MenuMetricsAt(const TacMenuSettings& settings, int ppi, const TacSkinData* data, bool haveExtraLine) {
  TacMenuMetrics m;
  m.PPI = ppi > 0 ? ppi : 96;
  const auto scale = [&](int v) { return v * m.PPI / 96; };
  m.Margin = scale(settings.Margin);
  m.Spacing = scale(settings.Spacing);
  m.BorderWidth = scale(settings.BorderWidth);
  m.ExtraLineWidth = settings.UseExtraLine && haveExtraLine ? scale(settings.ExtraLineWidth) : 0;
  m.MainMenuHasBorder = data && MainMenuBorderMask(*data) >= 0;
  return m;
}

TSize MeasureMenuItem(const TacMenuItemText& item, const TacMenuMetrics& metrics, ITextPainter& painter,
                      const TacFont& font) {
  const TsMenuItemType type = MenuItemTypeOf(item.Caption);
  TSize text;
  switch (type) {
    case smDivider:
      text = {1, 0};
      break;
    case smCaption:
      text = painter.Measure(CaptionItemText(item.Caption), font, tfSingleLine | tfNoPrefix, kMenuMeasureWidth);
      break;
    default: {
      std::u16string full = item.Caption;
      if (!item.ShortCut.empty()) full += u"\t" + item.ShortCut;
      text = painter.Measure(full, font, kMenuMeasureFormat, kMenuMeasureWidth);
      break;
    }
  }
  TSize size;
  size.cx = 2 * item.Glyph.cx + text.cx + 3 * metrics.Margin + metrics.Spacing;
  if (!metrics.MainMenuHasBorder) size.cx -= 2 * metrics.BorderWidth;
  if (item.FirstColumn) size.cx += metrics.ExtraLineWidth;
  switch (type) {
    case smDivider:
      size.cy = 2;
      break;
    case smCaption:
      size.cy = text.cy + 2 * metrics.Margin + 3;
      break;
    default:
      size.cy = std::max(text.cy, item.Glyph.cy) + 2 * metrics.Margin + 2;
      break;
  }
  return size;
}

TSize PopupSizeOf(const std::vector<TacMeasuredItem>& items, int borderWidth) {
  int width = 0, height = 0, columnWidth = 0, columnHeight = 0;
  bool anyInColumn = false;
  const auto endColumn = [&] {
    if (anyInColumn) width += columnWidth + 12;
    height = std::max(height, columnHeight);
    columnWidth = columnHeight = 0;
    anyInColumn = false;
  };
  for (const TacMeasuredItem& item : items) {
    if (!item.Visible) continue;
    if (item.Break != TacMenuBreak::None && anyInColumn) {
      endColumn();
      width += 4;
    }
    columnWidth = std::max(columnWidth, item.Size.cx);
    columnHeight += item.Size.cy;
    anyInColumn = true;
  }
  endColumn();
  return {width + 2 * borderWidth, height + 2 * borderWidth};
}
