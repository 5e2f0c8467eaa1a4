#pragma once
// The popups of skinned menus that are open: one entry per popup with its picture, found
// by the menu it shows, by its window, or by a key. Keys are serial numbers that are
// never given twice, so a key posted for later use finds nothing once its popup is gone,
// even when a new popup's entry takes the old one's memory.
#include <cstdint>
#include <memory>
#include <vector>

#include "skin/forms/logic/acMenuPicture.h"

struct TacMenuInfo {
  uint64_t Key = 0;
  const void* Menu = nullptr;  // what the popup shows (its first item's menu)
  uintptr_t Wnd = 0;           // the popup window once known
  uintptr_t SeenWnd = 0;       // the window its items were last drawn in
  bool HavePicture = false;
  TacMenuPicture Picture;
  TacMenuMetrics Metrics;
  bool HaveExtraLine = false;
  bool ItemsIterated = false;  // the space below the last item has been filled
};

class TacMenuInfoList {
 public:
  TacMenuInfo& FindOrAdd(const void* menu);
  TacMenuInfo* FindByMenu(const void* menu);
  TacMenuInfo* FindByKey(uint64_t key);
  TacMenuInfo* FindByWindow(uintptr_t wnd);
  void Clear() { infos_.clear(); }
  bool Empty() const { return infos_.empty(); }

 private:
  std::vector<std::unique_ptr<TacMenuInfo>> infos_;
  uint64_t nextKey_ = 1;
};

// Whether skinned menus are open, which tells the popup windows' adapters to paint. Set
// by measuring an item; cleared when the last skinned popup window closes, and when a
// menu closes while no popup window is open (a measure without a window would otherwise
// leave it set, and the next foreign menu would be painted as ours).
class TacOpenMenus {
 public:
  void Measured() { open_ = true; }
  void WindowOpened() { ++windows_; }
  void WindowClosed();
  void MenuClosed();
  bool Open() const { return open_; }
  int Windows() const { return windows_; }

 private:
  bool open_ = false;
  int windows_ = 0;
};
