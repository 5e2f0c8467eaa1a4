#pragma once
// The program's three windows as the frame rules see them, on a Windows 10 desktop at
// 96 PPI with injected system metrics: the main window (single border, system menu and
// minimize), About (dialog border, close only) and the update notice (dialog border, no
// buttons).
#include "skin/forms/logic/acFrameGeometry.h"

inline constexpr TacSystemMetrics kWin10Metrics{.CXFrame = 4, .CXFixedFrame = 3, .CXPaddedBorder = 4,
                                                .CYCaption = 23, .CYSmCaption = 19, .CYMenu = 20};

TacFormFrame MainWindowFrame();
TacFormFrame AboutFrame();
TacFormFrame UpdateNoticeFrame();
