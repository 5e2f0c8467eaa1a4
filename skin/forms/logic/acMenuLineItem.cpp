#include "skin/forms/logic/acMenuLineItem.h"

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/forms/logic/acMenuSections.h"
#include "skin/paint/acBlend.h"
#include "skin/paint/acSkinnedText.h"
#include "skin/paint/sGraphUtils.h"

namespace {
std::u16string WithoutAccelerators(std::u16string_view caption) {
  std::u16string text(caption);
  std::erase(text, u'&');
  return text;
}
}  // namespace

TSize MeasureMenuLineItem(std::u16string_view caption, int imageWidth, int menuBarHeight, ITextPainter& painter,
                          const TacFont& font) {
  TSize size{painter.Measure(WithoutAccelerators(caption), font, tfSingleLine, 4096).cx, menuBarHeight - 1};
  if (imageWidth > 0) size.cx += imageWidth + 6;
  return size;
}

PixelImage PaintMenuLineItem(const TacSkinData& data, const PixelBuffer& line, TRect item, std::u16string_view caption,
                             TacMenuLineState state, bool enabled, const TacFont& font, ITextPainter& painter) {
  if (item.IsEmpty()) return {};
  PixelImage work(item.Width(), item.Height(), 0xFF000000);
  const PixelBuffer view = work.view();
  CopyBitmapRect(view, {0, 0, item.Width(), item.Height()}, line, {item.Left, item.Top});
  const int index = state == TacMenuLineState::Normal ? 0 : state == TacMenuLineState::Hot ? 1 : 2;
  const int menuItem = data.Sections[ssMenuItem];
  if (index > 0 && ValidMenuSection(data, menuItem))
    PaintElement(MenuSectionOwner(data, menuItem), MakeCacheInfo(view), index, view, {0, 0},
                 {0, 0, item.Width(), item.Height()}, false);
  // The caption in the menu line's colours; a skin without "MENULINE" lends the items'.
  int textSection = data.Sections[ssMenuLine];
  if (!ValidMenuSection(data, textSection)) textSection = menuItem;
  if (!ValidMenuSection(data, textSection)) return work;
  const int textState = std::min(index, std::max(data.gd[textSection].States - 1, 0));
  WriteSectionText({view, &painter, font}, caption, enabled, data, textState, textSection,
                   tfSingleLine | tfVCenter | tfCenter, {0, 0, item.Width(), item.Height()});
  return work;
}
