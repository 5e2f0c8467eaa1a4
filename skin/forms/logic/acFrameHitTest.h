#pragma once
// Which part of a skinned frame lies under a point: caption buttons, borders, icon,
// caption or client, in the window system's hit codes.
#include "skin/forms/logic/acFrameGeometry.h"
#include "skin/forms/logic/acSystemMenuRules.h"
#include "skin/forms/logic/acTitleLayout.h"

struct TacHitTestInput {
  TacFormFrame Form;
  TacSystemMenuRules Rules;
  const TacTitleLayout* Title = nullptr;
  int SideFrame = 0;  // FrameWidth(true)
  int TopFrame = 0;
  int SysCaptionHeight = 0;
};

// point: window coordinates.
int CalcHitTest(const TacHitTestInput& in, TPoint point);

// Codes the provider answers itself; for all others the system's own answer stands.
bool IsProviderHitCode(int code);
// Codes of buttons the provider tracks (hot, pressed).
bool IsCaptionButtonCode(int code);
