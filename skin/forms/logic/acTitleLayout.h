#pragma once
// Where the title's parts go: the caption buttons from the right end leftwards (close,
// maximize, minimize, help), the icon at the left, and the caption text between them.
#include <array>

#include "pixels/Geometry.h"
#include "skin/forms/logic/acFrameGeometry.h"
#include "skin/forms/logic/acSystemMenuRules.h"

// Which title glyph mask draws a button; the order of the skin data's TitleGlyphs.
enum TacTitleGlyph : int {
  tgCloseAlone, tgClose, tgMax, tgMin, tgNormal, tgHelp, tgSmallClose, tgSmallMax, tgSmallMin,
  tgSmallNormal, tgSmallHelp, tgUser, tgNone
};

// Hit codes of the frame (the window system's numbers).
inline constexpr int kHitNowhere = 0, kHitClient = 1, kHitCaption = 2, kHitSysMenu = 3, kHitMenu = 5,
                     kHitMinButton = 8, kHitMaxButton = 9, kHitLeft = 10, kHitRight = 11, kHitTop = 12,
                     kHitTopLeft = 13, kHitTopRight = 14, kHitBottom = 15, kHitBottomLeft = 16,
                     kHitBottomRight = 17, kHitClose = 20, kHitHelp = 21;

// A caption button: state 0 normal, 1 hot, 2 pressed, -1 not in use.
struct TacCaptionButton {
  int State = -1;
  TRect Rect;  // window coordinates of the frame picture; empty when hidden
  int HitCode = 0;
  TacTitleGlyph Glyph = tgNone;
  bool Visible() const { return State >= 0; }
};

// The skin's title metrics at the form's density.
struct TacTitleSkin {
  // Each glyph mask's width and the close mask's height; 0: the skin has no such mask.
  std::array<int, 13> GlyphWidth{};
  int CloseHeight = 0;
  int Spacing = 0;
  int BILeftMargin = 0, BIRightMargin = 0, BITopMargin = 0, BISpacing = 0;
  bool BigButtons = false;
  bool CaptionSection = false;  // the skin paints a section behind the caption text
};

struct TacTitleInput {
  TacFormFrame Form;
  TacSystemMenuRules Rules;
  TPoint PictureSize;
  int SideFrame = 0;
  int TopFrame = 0;
  int CaptionHeight = 0;
  bool ShowIcon = false;  // the form shows its icon in the title
  TPoint IconSize;        // an icon of its own size; (0, 0): chosen by the caption height
};

struct TacTitleLayout {
  int VCenter = 0;
  int HeaderHeight = 0;  // the title's bottom in the picture
  TRect IconRect;        // empty width when no icon is shown
  TacCaptionButton Close, Max, Min, Help;
  int ButtonsLeft = 0;   // left edge of the leftmost button (the right limit without any)
  TRect CaptionRect;     // where the caption text goes

  // Buttons in hit-test order.
  std::array<const TacCaptionButton*, 4> Buttons() const { return {&Close, &Max, &Min, &Help}; }
  std::array<TacCaptionButton*, 4> Buttons() { return {&Close, &Max, &Min, &Help}; }
  TacCaptionButton* ButtonByHitCode(int code);
};

// The title icon's side by caption height (c = caption height − BITopMargin).
int AutoIconSize(int captionHeight, int topMargin);
// True when the form shows its icon: a single or sizable frame with a system menu.
bool FormShowsIcon(const TacFormFrame& form, bool showAppIcon = true);

TacTitleLayout LayTitleOut(const TacTitleInput& in, const TacTitleSkin& skin);
