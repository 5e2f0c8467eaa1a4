#pragma once
// The notations of image elements ("masks") in options files. Every notation is rewritten
// into one fixed-width canonical string ("&" + rectangle, margins, counts, type, draw
// mode, "000000", file name) and the element is read from that.
#include <string>
#include <string_view>

#include "skin/data/sMaskData.h"

// Positions of the canonical string (0-based here).
inline constexpr size_t kCanonicalFileNamePos = 44;

// True when an upper-cased option value describes an element.
bool IsMaskValue(std::string_view upperValue);

// The canonical string of a value in any notation (the value is upper-cased first).
std::string NormaliseMask(std::string_view value);

struct TacCanonicalMask {
  TRect R;
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int ImageCount = 0;
  int MaskType = 0;
  TacImgType ImgType = TacImgType::itisaBorder;
  int DrawMode = 0;
  std::string FileName;
};

// Reads a canonical string; throws SkinLoadError when a numeric position is not a digit.
TacCanonicalMask ParseCanonicalMask(std::string_view canonical);
