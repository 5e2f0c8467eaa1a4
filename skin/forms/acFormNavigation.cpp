#include "skin/forms/acFormNavigation.h"

#include <algorithm>

#include "framework/Form.h"
#include "skin/forms/logic/acFocusNavigation.h"

namespace {

TRect LayoutRect(const marv::Control& control) {
  const RECT& r = control.LayoutBounds();
  return TRect{r.left, r.top, r.right, r.bottom};
}

bool TabStop(const marv::Control& control) {
  return control.Visible() && control.Enabled() && (control.OnClick || control.IsWindowed());
}

TacNavigationKey NavigationKeyOf(marv::FocusKey key) {
  switch (key) {
    case marv::FocusKey::Next: return TacNavigationKey::Next;
    case marv::FocusKey::Previous: return TacNavigationKey::Previous;
    case marv::FocusKey::Left: return TacNavigationKey::Left;
    case marv::FocusKey::Right: return TacNavigationKey::Right;
    case marv::FocusKey::Up: return TacNavigationKey::Up;
    case marv::FocusKey::Down: return TacNavigationKey::Down;
  }
  return TacNavigationKey::Next;
}

}  // namespace

std::unique_ptr<marv::KeyboardFocus> MakeFormKeyboardFocus(marv::Form& form, TacArrowGrid inGrid) {
  std::vector<marv::Control*> controls;
  std::vector<TRect> places;
  for (const auto& child : form.Controls()) {
    controls.push_back(child.get());
    places.push_back(LayoutRect(*child));
  }
  std::vector<marv::Control*> order;
  for (int i : ReadingOrder(places)) order.push_back(controls[i]);

  // Visibility and enabling may change while the form lives: the items are read afresh.
  auto navigate = [order, inGrid = std::move(inGrid)](marv::Control* from, marv::FocusKey key) -> marv::Control* {
    std::vector<TacNavigationItem> items;
    items.reserve(order.size());
    for (const marv::Control* control : order)
      items.push_back({LayoutRect(*control), TabStop(*control), inGrid && inGrid(*control) ? 0 : -1});
    const auto at = std::find(order.begin(), order.end(), from);
    const int index = at == order.end() ? -1 : static_cast<int>(at - order.begin());
    const int target = NavigationTarget(items, index, NavigationKeyOf(key));
    return target < 0 ? nullptr : order[target];
  };
  return std::make_unique<marv::KeyboardFocus>(form, std::move(order), std::move(navigate));
}
