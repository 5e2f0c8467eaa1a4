#pragma once
// TsSkinableMenus: the manager's menu skinning on Windows. It makes every popup menu of
// the application's forms owner-drawn with its own measure and draw handlers, paints each
// popup's picture once (skin/forms/logic) and each item's strip of it, gives the popup
// window its skinned border and region (at once, or through a deferred message to the
// main form while the window is not known yet), and keeps the adapters that the
// window-creation hook puts on popup menu windows.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/PopupMenu.h"
#include "skin/data/acEngineParts.h"
#include "skin/forms/acAppWindowHook.h"
#include "skin/forms/acMnuWnd.h"
#include "skin/forms/acWindowHook.h"
#include "skin/forms/logic/acMenuInfoList.h"
#include "skin/forms/logic/acMenuItemPaint.h"
#include "skin/paint/acGdiTextPainter_win.h"

class TsSkinManager;
class TacSkinData;

class TsSkinableMenus final : public IacMenuSkinning, public IacPopupWindowAdopter, public IacDeferredMenuBorders {
 public:
  explicit TsSkinableMenus(TsSkinManager& manager);
  ~TsSkinableMenus() override;

  // Margin, Spacing, BorderWidth at 96 PPI (scaled to each menu's density).
  TacMenuSettings Settings;
  int BevelWidth = 0;
  TacMenuAlignment Alignment = TacMenuAlignment::Left;
  std::optional<TacFont> CaptionFont;  // caption items; unset: the menu font
  // Called after an item is painted, on its picture.
  std::function<void(marv::MenuItem& item, TsMenuItemType type, const PixelBuffer& picture, UINT state)> OnDrawItem;

  // Hooking the application's menus.
  void InitItems(bool active);
  void HookPopupMenu(marv::PopupMenu& menu, bool active);
  void InitItem(marv::MenuItem& item, bool active);
  bool Active() const { return active_; }

  // The item handlers.
  void MeasureItem(marv::MenuItem& item, HDC dc, int& width, int& height);
  void DrawItem(marv::MenuItem& item, HDC dc, const RECT& r, UINT state);
  // Puts the popup picture's border and region on its window.
  void DrawWndBorder(HWND window, const TacMenuPicture& picture);

  // What the popup windows' adapters ask.
  bool MenusOpen() const { return open_.Open(); }
  const TacMenuInfo* InfoForWindow(HWND window) { return infos_.FindByWindow(reinterpret_cast<uintptr_t>(window)); }
  PixelImage SectionPicture(HWND window, TSize size);
  int AlphaBlend() const;
  void PopupWindowDestroyed(HWND window);
  size_t PopupWindowCount() const { return adapters_.size(); }

  // IacMenuSkinning
  void ForgetSkinData() override { infos_.Clear(); }
  void ResetBorderWidth() override;
  void UpdateAllMenus() override;
  void ApplyCustomFont() override { infos_.Clear(); }
  // IacPopupWindowAdopter
  bool Adopted(HWND window) const override;
  void AdoptPopupWindow(HWND window) override;
  void ReleasePopupWindows() override;
  // IacDeferredMenuBorders
  void BorderForPopup(uintptr_t popupKey) override;
  void BorderForWindow(HWND window) override;

 private:
  struct MeasureHook;
  struct DrawHook;
  TacSkinData* DataAt(int ppi) const;
  TacFont ItemFont(const marv::MenuItem& item, int ppi) const;
  TSize GlyphSize(const marv::MenuItem& item, int ppi) const;
  TacMenuMetrics MetricsFor(const marv::PopupMenu& menu, TacMenuInfo& info);
  TacMenuItemLook LookOf(const marv::MenuItem& item, UINT state, int ppi) const;
  void EnsurePicture(TacMenuInfo& info, const marv::PopupMenu& menu, HWND window);
  TSize ComputedPopupSize(const marv::PopupMenu& menu, const TacMenuMetrics& metrics);
  void FillBelow(const marv::MenuItem& item, HDC dc, const RECT& r, const TacMenuInfo& info, POINT offset);
  TacMnuWnd* AdapterOf(HWND window) const;
  HWND PopupWindowOf(const TacMenuInfo& info) const;

  TsSkinManager& manager_;
  TacMenuInfoList infos_;
  TacOpenMenus open_;
  std::vector<std::unique_ptr<TacMnuWnd>> adapters_;
  bool active_ = false;
  bool borderDrawing_ = false;
  TacGdiTextPainter painter_;
};
