#include "skin/forms/logic/acStaticText.h"

#include <algorithm>

namespace {

constexpr unsigned kTypeMask = 0x1F;
constexpr unsigned kCenter = 0x1, kRight = 0x2, kSimple = 0x0B, kLeftNoWordWrap = 0x0C;
constexpr unsigned kNoPrefix = 0x80;
constexpr unsigned kCenterImage = 0x200;  // one line, centred vertically
constexpr unsigned kEndEllipsis = 0x4000, kPathEllipsis = 0x8000, kWordEllipsis = 0xC000;
constexpr unsigned kEllipsisMask = 0xC000;
constexpr unsigned kTabStop = 0x10000;
constexpr unsigned kExStaticEdge = 0x20000;

}  // namespace

uint32_t StaticTextFormat(unsigned style, bool rightToLeft) {
  uint32_t format = tfExpandTabs;
  switch (style & kTypeMask) {
    case kCenter: format |= tfCenter | tfWordBreak; break;
    case kRight: format |= tfRight | tfWordBreak; break;
    case kSimple: format |= tfSingleLine; break;
    case kLeftNoWordWrap: break;
    default: format |= tfWordBreak; break;
  }
  if (style & kNoPrefix) format |= tfNoPrefix;
  if (style & kCenterImage) format = (format & ~uint32_t{tfWordBreak}) | tfSingleLine | tfVCenter;
  switch (style & kEllipsisMask) {
    case kEndEllipsis: format |= tfEndEllipsis; break;
    case kPathEllipsis: format |= tfPathEllipsis; break;
    case kWordEllipsis: format |= tfWordEllipsis; break;
    default: break;
  }
  if (rightToLeft) {
    format |= tfRtlReading;
    // Left and right swap sides; centred text stays centred.
    if (!(format & tfCenter)) format ^= tfRight;
  }
  return format;
}

bool StaticKeepsSystemLook(unsigned style, unsigned exStyle) {
  return (style & kTabStop) || (exStyle & kExStaticEdge);
}

TSize StaticSizeForText(TSize window, TSize text) {
  return {std::max(window.cx, text.cx), std::max(window.cy, text.cy)};
}
