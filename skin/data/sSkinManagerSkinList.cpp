// The manager's questions to its skin list: the names for a skin-selection control.
#include <algorithm>
#include <chrono>
#include <random>

#include "skin/data/sSkinManager.h"

namespace {

bool Takes(TacSkinTypes type, TacSkinMode mode) {
  switch (type) {
    case stUnpacked: return mode != smInternal;
    case stPacked: return mode == smInternal;
    case stAllSkins: return true;
  }
  return false;
}

// Names sort as a string list does: ignoring letter case, exact order among equals.
bool NameBefore(const TacSkinNameItem& a, const TacSkinNameItem& b) {
  const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  return std::lexicographical_compare(a.Name.begin(), a.Name.end(), b.Name.begin(), b.Name.end(),
                                      [&](char x, char y) { return lower(x) < lower(y); });
}

std::string CollectNames(const IacSkinListController& list, std::vector<TacSkinNameItem>& sl, bool CreateDataObject,
                         TacSkinTypes type) {
  for (const TacSkinListData& entry : list.Entries()) {
    if (!Takes(type, entry.skSkinMode)) continue;
    TacSkinNameItem item{entry.skName, std::nullopt};
    if (CreateDataObject) item.Data = TacItemDrawData{entry.skImageIndex};
    sl.push_back(std::move(item));
  }
  std::string first = sl.empty() ? std::string() : sl.front().Name;
  std::stable_sort(sl.begin(), sl.end(), NameBefore);
  return first;
}

}  // namespace

std::string TsSkinManager::GetSkinNames(std::vector<TacSkinNameItem>& sl, bool CreateDataObject,
                                        TacSkinTypes SkinType) {
  sl.clear();
  if (!SkinListController) return {};
  SkinListController->CompleteNow(false);
  return CollectNames(*SkinListController, sl, CreateDataObject, SkinType);
}

std::string TsSkinManager::GetExternalSkinNames(std::vector<TacSkinNameItem>& sl, bool CreateDataObject) {
  sl.clear();
  if (!SkinListController) return {};
  SkinListController->CompleteNow(true);
  return CollectNames(*SkinListController, sl, CreateDataObject, stUnpacked);
}

std::string TsSkinManager::GetRandomSkin() {
  std::vector<TacSkinNameItem> names;
  GetSkinNames(names);
  if (names.empty()) return {};
  std::mt19937 random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::uniform_int_distribution<size_t> pick(0, names.size() - 1);
  return names[pick(random)].Name;
}
