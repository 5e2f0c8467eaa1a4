#include "skin/forms/logic/acFocusNavigation.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace {

bool OverlapDown(const TRect& a, const TRect& b) { return a.Top < b.Bottom && b.Top < a.Bottom; }

// Groups indexes into bands along one axis: sorted by start, a band grows while the next
// item overlaps the band's extent so far.
template <class Start, class End>
std::vector<std::vector<int>> Bands(std::span<const TRect> bounds, std::vector<int> indexes, Start start, End end) {
  std::stable_sort(indexes.begin(), indexes.end(),
                   [&](int a, int b) { return start(bounds[a]) < start(bounds[b]); });
  std::vector<std::vector<int>> bands;
  int bandEnd = std::numeric_limits<int>::min();
  for (int i : indexes) {
    if (bands.empty() || start(bounds[i]) >= bandEnd) {
      bands.emplace_back();
      bandEnd = end(bounds[i]);
    }
    bands.back().push_back(i);
    bandEnd = std::max(bandEnd, end(bounds[i]));
  }
  return bands;
}

int CentreX(const TRect& r) { return r.Left + r.Right; }  // doubled: no rounding

int NextTabStop(std::span<const TacNavigationItem> items, int from, bool forward) {
  const int n = static_cast<int>(items.size());
  for (int step = 1; step <= n; ++step) {
    int i;
    if (from < 0) i = forward ? step - 1 : n - step;
    else i = ((forward ? from + step : from - step) % n + n) % n;
    if (items[i].tabStop) return i == from ? -1 : i;
  }
  return -1;
}

int ArrowTarget(std::span<const TacNavigationItem> items, int from, TacNavigationKey key) {
  const TacNavigationItem& origin = items[from];
  if (origin.grid < 0) return -1;
  const bool across = key == TacNavigationKey::Left || key == TacNavigationKey::Right;
  const bool ahead = key == TacNavigationKey::Right || key == TacNavigationKey::Down;
  int best = -1;
  long bestRank = std::numeric_limits<long>::max();
  // Up/Down: the nearest row first, then the nearest centre in it.
  int rowTop = ahead ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
  if (!across) {
    for (const TacNavigationItem& item : items) {
      if (item.grid != origin.grid || !item.tabStop || OverlapDown(item.bounds, origin.bounds)) continue;
      if (ahead && item.bounds.Top >= origin.bounds.Bottom) rowTop = std::min(rowTop, item.bounds.Top);
      if (!ahead && item.bounds.Bottom <= origin.bounds.Top) rowTop = std::max(rowTop, item.bounds.Top);
    }
  }
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const TacNavigationItem& item = items[i];
    if (i == from || item.grid != origin.grid || !item.tabStop) continue;
    long rank;
    if (across) {
      if (!OverlapDown(item.bounds, origin.bounds)) continue;
      const int gap = ahead ? item.bounds.Left - origin.bounds.Left : origin.bounds.Left - item.bounds.Left;
      if (gap <= 0) continue;
      rank = gap;
    } else {
      if (item.bounds.Top != rowTop) continue;
      rank = std::labs(static_cast<long>(CentreX(item.bounds)) - CentreX(origin.bounds));
    }
    if (rank < bestRank) {
      bestRank = rank;
      best = i;
    }
  }
  return best;
}

}  // namespace

std::vector<int> ReadingOrder(std::span<const TRect> bounds) {
  std::vector<int> all(bounds.size());
  std::iota(all.begin(), all.end(), 0);
  std::vector<int> order;
  order.reserve(bounds.size());
  const auto left = [](const TRect& r) { return r.Left; };
  const auto right = [](const TRect& r) { return r.Right; };
  const auto top = [](const TRect& r) { return r.Top; };
  const auto bottom = [](const TRect& r) { return r.Bottom; };
  for (const auto& column : Bands(bounds, all, left, right)) {
    for (auto row : Bands(bounds, column, top, bottom)) {
      std::stable_sort(row.begin(), row.end(), [&](int a, int b) { return bounds[a].Left < bounds[b].Left; });
      order.insert(order.end(), row.begin(), row.end());
    }
  }
  return order;
}

int NavigationTarget(std::span<const TacNavigationItem> items, int from, TacNavigationKey key) {
  if (items.empty() || from >= static_cast<int>(items.size())) return -1;
  switch (key) {
    case TacNavigationKey::Next:
      return NextTabStop(items, from, true);
    case TacNavigationKey::Previous:
      return NextTabStop(items, from, false);
    default:
      return from < 0 ? -1 : ArrowTarget(items, from, key);
  }
}
