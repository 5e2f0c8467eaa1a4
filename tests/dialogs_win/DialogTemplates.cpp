#include "DialogTemplates.h"

namespace {

void Put(std::vector<WORD>& out, WORD w) { out.push_back(w); }
void PutDword(std::vector<WORD>& out, DWORD d) {
  out.push_back(LOWORD(d));
  out.push_back(HIWORD(d));
}
void PutText(std::vector<WORD>& out, const std::wstring& text) {
  for (wchar_t c : text) out.push_back(static_cast<WORD>(c));
  out.push_back(0);
}
void AlignDword(std::vector<WORD>& out) {
  if (out.size() % 2) out.push_back(0);
}

INT_PTR CALLBACK Procedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

void PutItem(std::vector<WORD>& t, DWORD style, RECT r, int id, WORD classAtom, const std::wstring& text) {
  AlignDword(t);
  PutDword(t, style);
  PutDword(t, 0);
  Put(t, static_cast<WORD>(r.left)), Put(t, static_cast<WORD>(r.top));
  Put(t, static_cast<WORD>(r.right - r.left)), Put(t, static_cast<WORD>(r.bottom - r.top));
  Put(t, static_cast<WORD>(id));
  Put(t, 0xFFFF), Put(t, classAtom);
  PutText(t, text);
  Put(t, 0);  // no creation data
}

}  // namespace

HWND CreateTextDialog(HWND owner, const std::wstring& text, SIZE staticSize, bool disabledButton) {
  std::vector<WORD> t;
  PutDword(t, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME);
  PutDword(t, 0);  // extended style
  Put(t, disabledButton ? 2 : 1);  // items
  Put(t, 10), Put(t, 10), Put(t, 200), Put(t, 80);
  Put(t, 0), Put(t, 0);  // no menu, the dialog class
  PutText(t, L"模板");
  PutItem(t, WS_CHILD | WS_VISIBLE | SS_LEFT, {8, 8, 8 + staticSize.cx, 8 + staticSize.cy}, kTemplateStaticId,
          0x0082 /* "Static" */, text);
  if (disabledButton)
    PutItem(t, WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, {130, 55, 180, 69}, kTemplateButtonId,
            0x0080 /* "Button" */, L"按钮");
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t.data()), owner,
                                    &Procedure, 0);
}
