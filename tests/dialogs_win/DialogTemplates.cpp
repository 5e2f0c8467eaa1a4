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

}  // namespace

HWND CreateTextDialog(HWND owner, const std::wstring& text, SIZE staticSize) {
  std::vector<WORD> t;
  PutDword(t, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME);
  PutDword(t, 0);  // extended style
  Put(t, 1);       // one item
  Put(t, 10), Put(t, 10), Put(t, 200), Put(t, 80);
  Put(t, 0), Put(t, 0);  // no menu, the dialog class
  PutText(t, L"模板");
  AlignDword(t);
  PutDword(t, WS_CHILD | WS_VISIBLE | SS_LEFT);
  PutDword(t, 0);
  Put(t, 8), Put(t, 8), Put(t, static_cast<WORD>(staticSize.cx)), Put(t, static_cast<WORD>(staticSize.cy));
  Put(t, kTemplateStaticId);
  Put(t, 0xFFFF), Put(t, 0x0082);  // "Static"
  PutText(t, text);
  Put(t, 0);  // no creation data
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t.data()), owner,
                                    &Procedure, 0);
}
