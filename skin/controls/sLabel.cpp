#include "skin/controls/sLabel.h"

#include <algorithm>
#include <cctype>

#include "common/GdiHandles.h"
#include "framework/WinControl.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/controls/logic/acLabelColor.h"
#include "skin/data/acSkinEngine.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sGraphUtils.h"

namespace {

// The transparency up to which a label's own section counts as its background.
constexpr int kOwnSectionOpaqueUpTo = 39;

}  // namespace

void TsLabel::SetUseSkinColor(bool use) {
  useSkinColor_ = use;
  Invalidate();
}

void TsLabel::SetSkinSection(std::string section) {
  for (char& c : section) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  skinSection_ = std::move(section);
  Invalidate();
}

void TsLabel::SetSkinManager(IacSkinManagerView* manager) {
  skinManager_ = manager;
  Invalidate();
}

IacSkinManagerView* TsLabel::SkinManager() const {
  return skinManager_ ? skinManager_ : TacSkinEngine::Current().DefaultManagerView();
}

std::optional<int> TsLabel::SectionUnder(int state) {
  IacSkinManagerView* m = SkinManager();
  if (!skinSection_.empty() && m) {
    const int own = m->GetSkinIndex(skinSection_);
    const auto& gd = m->CommonSkinData(Dpi()).gd;
    if (own >= 0 && own < static_cast<int>(gd.size()) && gd[own].Props[0].Transparency <= kOwnSectionOpaqueUpTo)
      return own;
  }
  marv::WinControl* parent = Parent();
  if (!parent) return std::nullopt;
  const RECT b = BoundsRect();
  TacBGStateQuery query{state, -1, {b.left, b.top, b.right, b.bottom}};
  const LRESULT answer =
      parent->Perform(WM_SKINCOMMAND, SkinCommandWParam(SC_GETBGSTATE), reinterpret_cast<LPARAM>(&query));
  if (answer == 0) return std::nullopt;
  return query.SkinIndex >= 0 ? query.SkinIndex : -1;
}

uint32_t TsLabel::TextColor() {
  IacSkinManagerView* m = SkinManager();
  TacLabelColorInput in;
  in.ownFontColor = marv::ToColorRef(GetFont().TextColor());
  in.enabled = Enabled();
  marv::WinControl* parent = Parent();
  in.parentColor = marv::ToColorRef(parent ? parent->BackColor() : BackColor());
  in.parentFontColor = parent ? marv::ToColorRef(parent->GetFont().TextColor()) : in.ownFontColor;
  in.skinned = useSkinColor_ && m && m->IsActive();
  if (in.skinned) {
    const std::optional<int> under = SectionUnder(0);
    in.answered = under.has_value();
    int index = under.value_or(-1);
    if (index == -1 && !skinSection_.empty()) index = m->GetSkinIndex(skinSection_);
    const TacSkinData& data = m->CommonSkinData(Dpi());
    in.globalFontColor = SkinColorToRGB(data, m->GetGlobalFontColor());
    if (index >= 0 && index < static_cast<int>(data.gd.size())) {
      const TsGeneralData& s = data.gd[index];
      in.validSection = true;
      in.sectionFontColor = SkinColorToRGB(data, s.Props[0].FontColor.Color);
    }
    if (parent && parent->Perform(WM_SKINCOMMAND, SkinCommandWParam(SC_ISSKINNED)) == 1)
      in.parentColor = static_cast<uint32_t>(parent->Perform(WM_SKINCOMMAND, SkinCommandWParam(SC_GETBGCOLOR)));
  }
  return LabelTextColor(in);
}

void TsLabel::Paint(HDC dc) {
  IacSkinManagerView* m = SkinManager();
  if (!skinSection_.empty() && m && m->IsActive()) {
    const int index = m->GetSkinIndex(skinSection_);
    if (index >= 0 && Width() > 0 && Height() > 0) {
      TacElementOwnerData owner;
      owner.Data = &m->CommonSkinData(Dpi());
      owner.Index = index;
      owner.Parent = Parent() != nullptr;
      PixelImage picture(Width(), Height());
      const RECT b = BoundsRect();
      TCacheInfo below = ColorCacheInfo(marv::ToColorRef(Parent() ? Parent()->BackColor() : BackColor()));
      PaintElement(owner, below, 0, picture.view(), {b.left, b.top}, {0, 0, Width(), Height()}, true);
      CopyPictureToDC(dc, picture.view(), 0, 0);
    }
  }
  RECT r{0, 0, Width(), Height()};
  const marv::Font& font = GetFont();
  marv::SelectedObject selected(dc, font.Handle(Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColor());
  DrawTextW(dc, Caption().c_str(), -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  if (FocusCue()) DrawFocusRect(dc, &r);
}

void TsLabel::WndProc(marv::Message& m) {
  if (m.Msg == WM_SKINCOMMAND) {
    const uint16_t command = SkinCommandOf(m.WParam);
    if (command == SC_GETBGSTATE) {
      // The label has no background of its own: the question goes to what lies below.
      IacSkinManagerView* manager = SkinManager();
      if (manager && manager->IsActive() && Parent()) m.Result = Parent()->Perform(m.Msg, m.WParam, m.LParam);
      return;
    }
    if (command == SC_ISSKINNED) {
      IacSkinManagerView* manager = SkinManager();
      m.Result = useSkinColor_ && manager && manager->IsActive() ? 1 : 0;
      return;
    }
    if (command == SC_PAINTSITSELF) {
      m.Result = 1;
      return;
    }
    if (command == SC_SKINLOADED || command == SC_SKINREFRESH || command == SC_SKINREMOVED) Invalidate();
    return;
  }
  marv::Label::WndProc(m);
}
