#pragma once
// A background request (SC_GETBG): a child asks its parent what lies under it. The parent
// describes it (a picture with an offset, or a plain colour) or, with DrawNow, paints it
// into the child's picture at once.
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/base/acPixelOps.h"

enum TacBGKind : uint8_t { bgNone = 0, bgColor = 1, bgCache = 2, bgNotReady = 3 };

struct BackgroundInfo {
  PixelBuffer Bmp;         // the parent's picture (bgCache; with FillRect also bgColor)
  uint32_t Color = 0;      // plain colour (bgColor), COLORREF-style
  TPoint Offset;           // the child's top-left inside Bmp
  TRect R;                 // where to paint in Target (DrawNow)
  TRect FillRect;          // the parent's border margins: left, top, right, bottom
  TacBGKind Kind = bgNone;
  bool DrawNow = false;
  PixelBuffer Target;      // the picture DrawNow paints into
};
