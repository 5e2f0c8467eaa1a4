#include "skin/forms/logic/acMenuInfoList.h"

TacMenuInfo& TacMenuInfoList::FindOrAdd(const void* menu) {
  if (TacMenuInfo* found = FindByMenu(menu)) return *found;
  auto info = std::make_unique<TacMenuInfo>();
  info->Key = nextKey_++;
  info->Menu = menu;
  infos_.push_back(std::move(info));
  return *infos_.back();
}

TacMenuInfo* TacMenuInfoList::FindByMenu(const void* menu) {
  for (auto& info : infos_)
    if (info->Menu == menu) return info.get();
  return nullptr;
}

TacMenuInfo* TacMenuInfoList::FindByKey(uint64_t key) {
  for (auto& info : infos_)
    if (info->Key == key) return info.get();
  return nullptr;
}

TacMenuInfo* TacMenuInfoList::FindByWindow(uintptr_t wnd) {
  if (wnd == 0) return nullptr;
  for (auto& info : infos_)
    if (info->Wnd == wnd) return info.get();
  return nullptr;
}

void TacOpenMenus::WindowClosed() {
  if (windows_ > 0) --windows_;
  if (windows_ == 0) open_ = false;
}

void TacOpenMenus::MenuClosed() {
  if (windows_ == 0) open_ = false;
}
