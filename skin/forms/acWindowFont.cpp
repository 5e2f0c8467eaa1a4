#include "skin/forms/acWindowFont.h"

TacFont WindowTextFont(HWND window) {
  auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW log{};
  TacFont font;
  if (!GetObjectW(handle, sizeof log, &log)) return font;
  font.Face = std::u16string(log.lfFaceName, log.lfFaceName + wcsnlen(log.lfFaceName, LF_FACESIZE));
  font.Height = log.lfHeight;
  font.Weight = log.lfWeight ? log.lfWeight : 400;
  font.Italic = log.lfItalic != 0;
  font.Underline = log.lfUnderline != 0;
  font.Charset = log.lfCharSet;
  return font;
}
