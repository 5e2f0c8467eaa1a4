#include "skin/forms/logic/acMenuItemPaint.h"

#include <algorithm>

#include "skin/base/acColorOps.h"
#include "skin/data/acSkinData.h"
#include "skin/paint/acBlend.h"
#include "skin/paint/acDisabledLook.h"
#include "skin/paint/acNineSlice.h"
#include "skin/paint/acSkinnedText.h"
#include "skin/paint/sGraphUtils.h"

namespace {

bool ValidSection(const TacSkinData& data, int index) { return index >= 0 && index < static_cast<int>(data.gd.size()); }

TacElementOwnerData SectionOwner(const TacSkinData& data, int index) {
  TacElementOwnerData owner;
  owner.Data = &data;
  owner.Index = index;
  return owner;
}

PixelImage PictureUnder(const TacMenuPicture& picture, TRect item) {
  PixelImage work(item.Width(), item.Height(), 0xFF000000);
  CopyBitmapRect(work.view(), {0, 0, item.Width(), item.Height()}, picture.Bmp.view(), {item.Left, item.Top});
  return work;
}

int GlobalMask(const TacSkinData& data, std::string_view name) {
  return data.IndexGlobalInfo >= 0 ? data.GetMaskIndex(data.IndexGlobalInfo, name) : -1;
}

void PaintSeparator(const TacSkinData& data, const TacMenuPicture& picture, const TacMenuItemStyle& style,
                    const TacMenuItemLook& look, const PixelBuffer& work) {
  const TacMenuMetrics& m = style.Metrics;
  int left = m.Margin + m.ExtraLineWidth;
  if (style.IcoLineVisible) left += picture.GlyphColumn + data.Spacing;
  int right = work.width - m.Margin;
  if (look.RightToLeft) {
    const int l = work.width - right;
    right = work.width - left;
    left = l;
  }
  const int divider = data.Sections[ssDividerV];
  const TacMaskImage mask = ValidSection(data, divider) ? MaskImageOf(data, data.gd[divider].BorderIndex) : TacMaskImage{};
  if (mask.Valid()) {
    PaintNineSlice(work, {left, 0, right, work.height}, MakeCacheInfo(work), mask, 0, false);
    return;
  }
  FillBitmapRect(work, {left, 0, right, 1}, style.LineColor);
}

void PaintCaptionItem(const TacSkinData& data, const TacMenuItemLook& look, const TacMenuItemStyle& style,
                      ITextPainter& painter, const PixelBuffer& work) {
  const TRect band{style.Metrics.ExtraLineWidth, 0, work.width, work.height};
  const int section = data.Sections[ssMenuCaption];
  if (ValidSection(data, section))
    PaintElement(SectionOwner(data, section), MakeCacheInfo(work), 0, work, {0, 0}, band, false);
  const TacTextCanvas canvas{work, &painter, look.CaptionFont};
  WriteSectionText(canvas, CaptionItemText(look.Caption), true, data, 0, ValidSection(data, section) ? section : -1,
                   tfSingleLine | tfVCenter | tfCenter | tfNoPrefix, band);
}

// The check mark of a checked item without a picture: the skin's mask, else our glyph.
void PaintCheckMark(const TacSkinData& data, const TacMenuItemLook& look, const TacMenuItemStyle& style,
                    uint32_t color, const PixelBuffer& work, TRect column) {
  const int maskIndex = look.Radio ? (style.OldGlyphsMode ? GlobalMask(data, "RADIOCHECKED") : -1)
                                   : GlobalMask(data, "CHECK");
  const TacMaskImage mask = MaskImageOf(data, maskIndex);
  const int state = look.Selected ? 1 : 0;
  if (mask.Valid()) {
    const TPoint at{column.Left + (column.Width() - mask.Width) / 2, column.Top + (column.Height() - mask.Height) / 2};
    DrawMaskImage(work, at, state, MakeCacheInfo(work), mask);
    return;
  }
  const int box = MenuGlyphBox(style.Metrics.PPI);
  const int size = look.Radio ? box * 3 / 4 : box;
  PaintGlyph(work, {column.Left + (column.Width() - size) / 2, column.Top + (column.Height() - size) / 2},
             look.Radio ? TacGlyph::RadioDot : TacGlyph::Check, size, color);
}

void PaintImage(const TacSkinData& data, const TacMenuItemLook& look, const PixelBuffer& work, TRect column) {
  const PixelImage& image = *look.Image;
  const TPoint at{column.Left + (column.Width() - image.width()) / 2,
                  column.Top + (column.Height() - image.height()) / 2};
  const int frame = data.Sections[ssSpeedButton_Small];
  if (look.Checked && ValidSection(data, frame)) {
    const TRect around{at.X - 1, at.Y - 1, at.X + image.width() + 1, at.Y + image.height() + 1};
    PaintElement(SectionOwner(data, frame), MakeCacheInfo(work), 2, work, {0, 0}, around, false);
  }
  if (look.Enabled) {
    AlphaCopy(work, image.view(), {0, 0, image.width(), image.height()}, 255, at);
    return;
  }
  PixelImage grey = image;
  ApplyToPixels(grey.view(), TacPixelOp::Saturation, kDisabledGrayLevel, kColorUnset);
  AlphaCopy(work, grey.view(), {0, 0, grey.width(), grey.height()}, 255, at);
}

uint32_t TextFormatFor(const TacMenuItemLook& look, std::u16string_view text) {
  uint32_t format = tfVCenter | tfExpandTabs | tfNoClip;
  format |= text.find(u'\r') != std::u16string_view::npos ? tfWordBreak : tfSingleLine;
  if (look.HidePrefix) format |= tfHidePrefix;
  if (look.RightToLeft) format |= tfRtlReading | tfRight;
  return format;
}

void PaintNormalItem(const TacSkinData& data, const TacMenuItemLook& look, const TacMenuItemStyle& style,
                     ITextPainter& painter, const PixelBuffer& work) {
  const TacMenuMetrics& m = style.Metrics;
  const int section = data.Sections[ssMenuItem];
  const bool haveSection = ValidSection(data, section);
  const int state = look.Selected && look.Enabled ? 1 : 0;
  const TRect area{m.ExtraLineWidth, 0, work.width, work.height};
  if (look.BarBreak) FillBitmapRect(work, {0, 0, 1, work.height}, haveSection ? MenuItemFontColor(data, 0) : 0x808080);
  if (haveSection && (state != 0 || data.gd[section].Props[0].Transparency < 100))
    PaintElement(SectionOwner(data, section), MakeCacheInfo(work), state, work, {0, 0}, area, false);
  const uint32_t fontColor = haveSection ? MenuItemFontColor(data, state) : 0;

  const TRect column{area.Left + m.Margin, 0, area.Left + m.Margin + look.Glyph.cx, work.height};
  if (look.Image && !look.Image->empty()) {
    PaintImage(data, look, work, column);
  } else if (look.Checked) {
    PaintCheckMark(data, look, style, fontColor, work, column);
  } else if (look.SystemGlyph) {
    const int size = MenuGlyphBox(m.PPI) * 9 / 10;
    PaintGlyph(work, {column.Left + (column.Width() - size) / 2, (work.height - size) / 2}, *look.SystemGlyph, size,
               fontColor, look.Enabled ? 255 : 128);
  }

  TacFont font = look.Font;
  if (look.Default) font.Weight = 700;
  const TacTextCanvas canvas{work, &painter, font};
  const int textLeft = area.Left + look.Glyph.cx + 2 * m.Margin + m.Spacing;
  TRect text{textLeft, m.Margin, work.width, work.height - m.Margin};
  std::u16string caption = look.Caption;
  std::u16string afterTab;
  if (const size_t tab = caption.find(u'\t'); tab != std::u16string::npos) {
    afterTab = caption.substr(tab + 1);
    caption.erase(tab);
  }
  uint32_t format = TextFormatFor(look, caption);
  if (!caption.empty() && caption.front() == u'\b') {
    caption = caption.substr(1) + u"      ";
    format |= tfRight;
  } else if (look.Alignment == TacMenuAlignment::Center) {
    format |= tfCenter;
  } else if (look.Alignment == TacMenuAlignment::Right) {
    format |= tfRight;
  }
  const int textSection = haveSection ? section : -1;
  WriteSectionText(canvas, caption, look.Enabled, data, state, textSection, format, text);
  if (!afterTab.empty()) {
    const TRect right{text.Left, text.Top, work.width - 8, text.Bottom};
    WriteSectionText(canvas, afterTab, look.Enabled, data, state, textSection, TextFormatFor(look, afterTab) | tfRight,
                     right);
  }
  if (!look.ShortCut.empty()) {
    const TRect right{text.Left, text.Top, work.width - 2 * data.Spacing, text.Bottom};
    WriteSectionText(canvas, look.ShortCut, look.Enabled, data, state, textSection,
                     TextFormatFor(look, look.ShortCut) | tfRight, right);
  }
}

}  // namespace

int MenuGlyphBox(int ppi) { return 14 * std::max(ppi, 1) / 96; }

uint32_t MenuItemFontColor(const TacSkinData& data, int state) {
  const int section = data.Sections[ssMenuItem];
  if (!ValidSection(data, section)) return 0;
  const TsGeneralData& gd = data.gd[section];
  return gd.Props[std::clamp(state, 0, std::max(gd.States - 1, 0))].FontColor.Color;
}

PixelImage PaintMenuItem(const TacSkinData& data, const TacMenuPicture& picture, TRect item,
                         const TacMenuItemLook& look, const TacMenuItemStyle& style, ITextPainter& painter) {
  if (item.IsEmpty()) return {};
  PixelImage work = PictureUnder(picture, item);
  const PixelBuffer view = work.view();
  switch (MenuItemTypeOf(look.Caption)) {
    case smDivider:
      PaintSeparator(data, picture, style, look, view);
      break;
    case smCaption:
      PaintCaptionItem(data, look, style, painter, view);
      break;
    default:
      PaintNormalItem(data, look, style, painter, view);
      if (!look.Enabled)
        BlendBitmaps(view, picture.Bmp.view(), kDisabledBlendValue, {item.Left, item.Top}, {0, 0, item.Width(), item.Height()});
      break;
  }
  return work;
}
