#include "skin/controls/acControlText.h"

std::u16string ToU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

TacFont TextFontOf(const marv::Control& control, int dpi) {
  const marv::Font& f = control.GetFont();
  TacFont font;
  font.Face = ToU16(f.Face());
  font.Height = f.HeightAt(dpi);
  font.Charset = f.Charset();
  font.Color = marv::ToColorRef(f.TextColor());
  return font;
}
