#include "skin/forms/sSkinMenus.h"

#include <algorithm>
#include <string>

#include "common/GdiHandles.h"
#include "framework/Application.h"
#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acWideText.h"

namespace {

constexpr uint16_t kMarkShown = 14;
constexpr std::wstring_view kSystemMenuPrefix = L"acSysMenu";

std::u16string U16(std::wstring_view text) { return {reinterpret_cast<const char16_t*>(text.data()), text.size()}; }

bool IsPopupMenuWindow(HWND window) {
  wchar_t name[16] = L"";
  return window && IsWindow(window) && GetClassNameW(window, name, 16) > 0 && std::wstring_view(name) == L"#32768";
}

std::vector<const marv::MenuItem*> VisibleItems(const marv::PopupMenu& menu) {
  std::vector<const marv::MenuItem*> items;
  for (const auto& item : menu.Items())
    if (item->Visible) items.push_back(item.get());
  return items;
}

// Whether the item ends its column: the last visible item, or the next one breaks.
bool EndsColumn(const marv::MenuItem& item) {
  const auto items = VisibleItems(item.Parent());
  const auto at = std::find(items.begin(), items.end(), &item);
  if (at == items.end()) return false;
  return at + 1 == items.end() || (*(at + 1))->Break != marv::MenuBreak::None;
}

bool InFirstColumn(const marv::MenuItem& item) {
  for (const marv::MenuItem* other : VisibleItems(item.Parent())) {
    if (other != &item && other->Break != marv::MenuBreak::None) return false;
    if (other == &item) return item.Break == marv::MenuBreak::None || other == VisibleItems(item.Parent()).front();
  }
  return true;
}

TSize WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

HWND MainFormWindow() {
  const marv::Application* app = marv::Application::Current();
  return app && app->MainForm() ? app->MainForm()->Handle() : nullptr;
}

}  // namespace

struct TsSkinableMenus::MeasureHook {
  TsSkinableMenus* menus;
  void operator()(marv::MenuItem& item, HDC dc, int& width, int& height) const {
    menus->MeasureItem(item, dc, width, height);
  }
};

struct TsSkinableMenus::DrawHook {
  TsSkinableMenus* menus;
  void operator()(marv::MenuItem& item, HDC dc, const RECT& r, UINT state) const { menus->DrawItem(item, dc, r, state); }
};

TsSkinableMenus::TsSkinableMenus(TsSkinManager& manager) : manager_(manager) {}

TsSkinableMenus::~TsSkinableMenus() { ReleasePopupWindows(); }

// Hooking.

void TsSkinableMenus::InitItems(bool active) {
  active_ = active;
  const marv::Application* app = marv::Application::Current();
  if (!app) return;
  for (const auto& form : app->Forms())
    for (const auto& menu : form->PopupMenus()) HookPopupMenu(*menu, active);
}

void TsSkinableMenus::HookPopupMenu(marv::PopupMenu& menu, bool active) {
  menu.OwnerDraw = active && manager_.SkinnedPopups();
  // The system's opening animation would show the popup before its border is ours.
  menu.SystemAnimation = !active;
  menu.OnClosed = active ? [this](marv::PopupMenu&) { open_.MenuClosed(); } : std::function<void(marv::PopupMenu&)>{};
  for (const auto& item : menu.Items()) InitItem(*item, active);
}

void TsSkinableMenus::InitItem(marv::MenuItem& item, bool active) {
  const bool ours = active && manager_.SkinnedPopups();
  if (ours) {
    if (!item.OnMeasureItem) item.OnMeasureItem = MeasureHook{this};
    if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = DrawHook{this};
    return;
  }
  // Only our own handlers go; the application's stay.
  if (const auto* hook = item.OnMeasureItem.target<MeasureHook>(); hook && hook->menus == this) item.OnMeasureItem = {};
  if (const auto* hook = item.OnAdvancedDrawItem.target<DrawHook>(); hook && hook->menus == this)
    item.OnAdvancedDrawItem = {};
}

void TsSkinableMenus::UpdateAllMenus() { InitItems(manager_.IsActive()); }

void TsSkinableMenus::ResetBorderWidth() { infos_.Clear(); }

// Measuring.

TacSkinData* TsSkinableMenus::DataAt(int ppi) const {
  return manager_.IsActive() ? &manager_.CommonSkinData(ppi) : nullptr;
}

TacFont TsSkinableMenus::ItemFont(const marv::MenuItem& item, int ppi) const {
  TacFont font;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, 96) ||
      SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    font.Face = U16(metrics.lfMenuFont.lfFaceName);
    font.Height = metrics.lfMenuFont.lfHeight;
    font.Weight = metrics.lfMenuFont.lfWeight;
  }
  const TacMenuSupport& support = manager_.MenuSupport();
  if (support.CustomFont) {
    if (!support.Font.Name.empty()) font.Face = U16(WideFromUtf8(support.Font.Name));
    if (support.Font.Height != 0) font.Height = support.Font.Height;
  }
  if (MenuItemTypeOf(U16(item.Caption())) == smCaption && CaptionFont) font = *CaptionFont;
  if (font.Height == 0) font.Height = -12;
  font.Height = font.Height * ppi / 96;
  if (item.Default) font.Weight = 700;
  if (manager_.OnGetPopupItemData) {
    TacPopupItemData data;
    data.Item = &item;
    data.Font.Name = Utf8FromWide(std::wstring(font.Face.begin(), font.Face.end()));
    data.Font.Height = font.Height;
    manager_.OnGetPopupItemData(manager_, data);
    font.Face = U16(WideFromUtf8(data.Font.Name));
    font.Height = data.Font.Height;
  }
  return font;
}

TSize TsSkinableMenus::GlyphSize(const marv::MenuItem& item, int ppi) const {
  if (item.Bitmap && !item.Bitmap->empty()) return {item.Bitmap->width(), item.Bitmap->height()};
  if (const auto& images = item.Parent().Images) return {images->Width * ppi / 96, images->Height * ppi / 96};
  const int side = 16 * ppi / 96;
  return {side, side};
}

TacMenuMetrics TsSkinableMenus::MetricsFor(const marv::PopupMenu& menu, TacMenuInfo& info) {
  const int ppi = menu.Owner().CurrentDpi();
  TacMenuSettings settings = Settings;
  settings.UseExtraLine = manager_.MenuSupport().UseExtraLine;
  settings.ExtraLineWidth = manager_.MenuSupport().ExtraLineWidth;
  info.Metrics = MenuMetricsAt(settings, ppi, DataAt(ppi), info.HaveExtraLine);
  return info.Metrics;
}

void TsSkinableMenus::MeasureItem(marv::MenuItem& item, HDC, int& width, int& height) {
  open_.Measured();
  marv::PopupMenu& menu = item.Parent();
  TacMenuInfo& info = infos_.FindOrAdd(&menu);
  const auto visible = VisibleItems(menu);
  if (!visible.empty() && visible.front() == &item) {
    info.HaveExtraLine = true;
    if (manager_.OnGetMenuExtraLineData) {
      TacMenuExtraLineData data;
      data.FirstItem = &item;
      data.Caption = "Use OnGetExtraLineData event";
      manager_.OnGetMenuExtraLineData(manager_, data);
      info.HaveExtraLine = data.HaveExtraLine;
    }
  }
  const TacMenuMetrics metrics = MetricsFor(menu, info);
  const TacMenuItemText text{U16(item.Caption()), U16(item.ShortCut), GlyphSize(item, metrics.PPI), InFirstColumn(item)};
  const TSize size = MeasureMenuItem(text, metrics, painter_, ItemFont(item, metrics.PPI));
  width = size.cx;
  height = size.cy;
}

TSize TsSkinableMenus::ComputedPopupSize(const marv::PopupMenu& menu, const TacMenuMetrics& metrics) {
  std::vector<TacMeasuredItem> measured;
  for (const auto& item : menu.Items()) {
    const TacMenuItemText text{U16(item->Caption()), U16(item->ShortCut), GlyphSize(*item, metrics.PPI),
                               InFirstColumn(*item)};
    const TacMenuBreak split = item->Break == marv::MenuBreak::None ? TacMenuBreak::None
                               : item->Break == marv::MenuBreak::Break ? TacMenuBreak::Break
                                                                       : TacMenuBreak::BarBreak;
    measured.push_back({MeasureMenuItem(text, metrics, painter_, ItemFont(*item, metrics.PPI)), item->Visible, split});
  }
  return PopupSizeOf(measured, metrics.BorderWidth);
}

// Drawing.

void TsSkinableMenus::EnsurePicture(TacMenuInfo& info, const marv::PopupMenu& menu, HWND window) {
  if (info.HavePicture) return;
  TacSkinData* data = DataAt(info.Metrics.PPI);
  if (!data) return;
  TacMenuPictureSpec spec;
  spec.Size = window ? WindowSize(window) : ComputedPopupSize(menu, info.Metrics);
  spec.Metrics = info.Metrics;
  spec.GlyphWidth = menu.Items().empty() ? 16 * info.Metrics.PPI / 96 : GlyphSize(*menu.Items().front(), info.Metrics.PPI).cx;
  spec.IcoLineSection = manager_.MenuSupport().IcoLineSkin.empty() ? -1 : data->GetSkinIndex(manager_.MenuSupport().IcoLineSkin);
  spec.ExtraLineSection = data->GetSkinIndex("EXTRALINE");
  spec.Painter = &painter_;
  info.Picture = BuildMenuPicture(*data, spec);
  info.HavePicture = !info.Picture.Bmp.empty();
}

TacMenuItemLook TsSkinableMenus::LookOf(const marv::MenuItem& item, UINT state, int ppi) const {
  TacMenuItemLook look;
  look.Caption = U16(item.Caption());
  look.ShortCut = U16(item.ShortCut);
  look.Enabled = item.Enabled && !(state & (ODS_GRAYED | ODS_DISABLED));
  look.Selected = (state & ODS_SELECTED) != 0;
  look.Checked = item.Checked || (state & ODS_CHECKED);
  look.Radio = item.RadioItem;
  look.Default = item.Default || (state & ODS_DEFAULT);
  look.HidePrefix = (state & ODS_NOACCEL) != 0;
  look.BarBreak = item.Break == marv::MenuBreak::BarBreak;
  const auto& images = item.Parent().Images;
  if (item.Bitmap) look.Image = item.Bitmap.get();
  else if (images && item.ImageIndex >= 0 && item.ImageIndex < static_cast<int>(images->Images.size()))
    look.Image = &images->Images[item.ImageIndex];
  TacGlyph glyph{};
  if (!look.Image && item.Parent().Name().starts_with(kSystemMenuPrefix) && GlyphForSystemCommand(item.SystemCommand, glyph))
    look.SystemGlyph = glyph;
  look.Glyph = GlyphSize(item, ppi);
  look.Font = ItemFont(item, ppi);
  look.CaptionFont = CaptionFont ? *CaptionFont : look.Font;
  look.Alignment = Alignment;
  return look;
}

void TsSkinableMenus::DrawItem(marv::MenuItem& item, HDC dc, const RECT& itemRect, UINT state) {
  marv::PopupMenu& menu = item.Parent();
  TacMenuInfo& info = infos_.FindOrAdd(&menu);
  const TacMenuMetrics metrics = MetricsFor(menu, info);
  TacSkinData* data = DataAt(metrics.PPI);
  if (!data) return;
  // The speed button that opened the menu keeps no hover under it.
  if (void* hot = manager_.ActiveGraphControl())
    static_cast<marv::Control*>(hot)->Perform(WM_SKINCOMMAND, SkinCommandWParam(SC_MOUSELEAVE), 0);

  HWND window = WindowFromDC(dc);
  if (!IsPopupMenuWindow(window)) window = nullptr;
  EnsurePicture(info, menu, window);
  if (!info.HavePicture) return;
  if (window) info.SeenWnd = reinterpret_cast<uintptr_t>(window);
  const auto visible = VisibleItems(menu);
  if (info.Wnd == 0) {
    PostDeferredMenuBorder(MainFormWindow(), WM_ACMENUBORDER, static_cast<LPARAM>(info.Key));
  } else if (!visible.empty() && visible.front() == &item) {
    DrawWndBorder(reinterpret_cast<HWND>(info.Wnd), info.Picture);
  }

  RECT r = itemRect;
  if (!metrics.MainMenuHasBorder) {
    RECT clip{};
    if (GetClipBox(dc, &clip) != ERROR) {
      if (clip.right - r.right <= 10) r.right = std::max(r.right, clip.right);
      if (clip.bottom - r.bottom <= 10) r.bottom = std::max(r.bottom, clip.bottom);
    }
  }
  POINT offset{metrics.BorderWidth, metrics.BorderWidth};
  if (const TacMnuWnd* adapter = AdapterOf(window)) offset = adapter->ClientOffset();
  const TRect inPicture{r.left + offset.x, r.top + offset.y, r.right + offset.x, r.bottom + offset.y};

  TacMenuItemStyle style;
  style.Metrics = metrics;
  style.OldGlyphsMode = TacButtonsSupport::OldGlyphsMode();
  const int icoLine = manager_.MenuSupport().IcoLineSkin.empty() ? -1 : data->GetSkinIndex(manager_.MenuSupport().IcoLineSkin);
  style.IcoLineVisible = icoLine >= 0 && (data->gd[icoLine].Props[0].Transparency < 100 || data->gd[icoLine].BorderIndex >= 0);
  const TColor border = data->FOwner ? data->FOwner->Palette()[pcBorder] : kKeyColor;
  style.LineColor = IsKeyColor(border) ? GetSysColor(COLOR_BTNSHADOW) : border;

  const PixelImage work = PaintMenuItem(*data, info.Picture, inPicture, LookOf(item, state, metrics.PPI), style, painter_);
  if (OnDrawItem) OnDrawItem(item, MenuItemTypeOf(U16(item.Caption())), work.view(), state);
  CopyPictureToDC(dc, work.view(), r.left, r.top);
  if (EndsColumn(item)) FillBelow(item, dc, r, info, offset);
}

// Below the last item of a column the popup's own background shows, down to its border.
void TsSkinableMenus::FillBelow(const marv::MenuItem& item, HDC dc, const RECT& r, const TacMenuInfo& info,
                                POINT offset) {
  const PixelImage& picture = info.Picture.Bmp;
  const int bottom = picture.height() - std::max<int>(offset.y, info.Picture.SkinBorderWidth);
  const int top = r.bottom + offset.y;
  if (bottom <= top) return;
  const int left = std::max<int>(r.left + offset.x, 0), right = std::min<int>(r.right + offset.x, picture.width());
  if (right <= left) return;
  CopyPictureToDC(dc, picture.view().sub(left, top, right - left, bottom - top), left - offset.x, r.bottom);
  (void)item;
}

void TsSkinableMenus::DrawWndBorder(HWND window, const TacMenuPicture& picture) {
  if (borderDrawing_ || picture.Bmp.empty() || !IsWindow(window)) return;
  borderDrawing_ = true;
  SendMessageW(window, WM_SKINCOMMAND, SkinCommandWParam(kMarkShown), 0);
  TacMnuWnd* adapter = AdapterOf(window);
  // A plain rectangle needs no region: only a border with cut-out corners sets one.
  if (!picture.CornerRects.empty()) {
    marv::UniqueGdiObject<HRGN> region(CreateRectRgn(0, 0, picture.Bmp.width(), picture.Bmp.height()));
    for (const TRect& cut : picture.CornerRects) {
      marv::UniqueGdiObject<HRGN> piece(CreateRectRgn(cut.Left, cut.Top, cut.Right, cut.Bottom));
      CombineRgn(region.get(), region.get(), piece.get(), RGN_DIFF);
    }
    if (SetWindowRgn(window, region.get(), TRUE)) region.release();  // the window owns it now
  }
  if (adapter && !SendMessageW(window, WM_SKINCOMMAND, SkinCommandWParam(SC_SETUPDATING), 0))
    adapter->PaintFrame(picture.Bmp.view());
  borderDrawing_ = false;
}

// Deferred borders.

HWND TsSkinableMenus::PopupWindowOf(const TacMenuInfo& info) const {
  const HWND seen = reinterpret_cast<HWND>(info.SeenWnd);
  if (IsPopupMenuWindow(seen)) return seen;
  const auto* menu = static_cast<const marv::PopupMenu*>(info.Menu);
  RECT item{};
  if (!menu || !menu->Handle() || !GetMenuItemRect(nullptr, menu->Handle(), 0, &item)) return nullptr;
  const HWND under = WindowFromPoint(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  return IsPopupMenuWindow(under) ? under : nullptr;
}

void TsSkinableMenus::BorderForPopup(uintptr_t popupKey) {
  TacMenuInfo* info = infos_.FindByKey(popupKey);
  if (!info) return;  // that popup is gone
  const HWND window = PopupWindowOf(*info);
  if (!window) return;
  info->Wnd = reinterpret_cast<uintptr_t>(window);
  if (info->HavePicture) DrawWndBorder(window, info->Picture);
}

void TsSkinableMenus::BorderForWindow(HWND window) {
  if (!Adopted(window) || !IsWindow(window)) return;
  TacMenuInfo* info = infos_.FindByWindow(reinterpret_cast<uintptr_t>(window));
  if (info && info->HavePicture) DrawWndBorder(window, info->Picture);
}

// Popup windows.

TacMnuWnd* TsSkinableMenus::AdapterOf(HWND window) const {
  if (!window) return nullptr;
  for (const auto& adapter : adapters_)
    if (adapter->Window() == window) return adapter.get();
  return nullptr;
}

bool TsSkinableMenus::Adopted(HWND window) const { return AdapterOf(window) != nullptr; }

void TsSkinableMenus::AdoptPopupWindow(HWND window) {
  adapters_.push_back(std::make_unique<TacMnuWnd>(window, *this));
  open_.WindowOpened();
}

void TsSkinableMenus::ReleasePopupWindows() {
  adapters_.clear();
  open_ = TacOpenMenus{};
}

void TsSkinableMenus::PopupWindowDestroyed(HWND window) {
  std::erase_if(adapters_, [window](const auto& adapter) { return adapter->Window() == window; });
  open_.WindowClosed();
  infos_.Clear();
  for (const auto& other : adapters_)
    RedrawWindow(other->Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

int TsSkinableMenus::AlphaBlend() const { return manager_.MenuSupport().AlphaBlend; }

PixelImage TsSkinableMenus::SectionPicture(HWND window, TSize size) {
  const UINT dpi = GetDpiForWindow(window);
  TacSkinData* data = DataAt(dpi ? static_cast<int>(dpi) : 96);
  if (!data) return {};
  TacMenuPictureSpec spec;
  spec.Size = size;
  spec.Metrics = MenuMetricsAt(Settings, data->PPI, data, false);
  return BuildMenuPicture(*data, spec).Bmp;
}
