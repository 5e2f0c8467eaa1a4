#include "update/Unit2.h"

TForm2::TForm2() : marv::Form(L"Form2") {
  SetCaption(L"关于");
  SetBorderStyle(marv::BorderStyle::Dialog);
  SetPosition(marv::FormPosition::MainFormCenter);
  SetClientSize(301, 119);
  SetColor(marv::kButtonFaceColor);
  SetFont(marv::Font(L"Tahoma", -11, DEFAULT_CHARSET, marv::kWindowTextColor));
}
