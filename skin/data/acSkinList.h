#pragma once
// TacSkinListController: the skins a manager can switch to, each with a preview, for
// skin-selection controls. It lists the manager's internal skins and the package files of
// its skin folder (as SkinsFilter allows) and tells registered controls when the list or
// the active skin changes.
//
// Reading every package's preview takes a while, so the list is usually filled in the
// background: one skin per step, each step at least 12 ms after the previous one and run
// by a timer of the UI thread, so the list only ever changes on the UI thread. Whoever
// needs the whole list (CheckThread) finishes the filling at once. Destroying the list
// drops the timer: there is no thread to wait for.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/acEngineParts.h"
#include "skin/data/acSkinFolder.h"
#include "skin/data/acSkinPreviews.h"
#include "skin/data/acTimerSource.h"
#include "skin/data/sSkinManager.h"

inline constexpr std::chrono::milliseconds kSkinListStep{12};

// A control that wants to hear about the list (SC_SKINCHANGED, SC_SKINLISTCHANGED).
class IacSkinListClient {
 public:
  virtual ~IacSkinListClient() = default;
  // Windowed controls with a window get SC_SKINCHANGED posted, the others sent.
  virtual bool HasWindow() const = 0;
  virtual void SendCommand(uint16_t command) = 0;
  virtual void PostCommand(uint16_t command) = 0;
};

// What the list needs besides its manager: the folder, a repeating timer of the UI thread
// and a clock (both hand-driven in tests).
struct TacSkinListServices {
  std::unique_ptr<IacSkinFolder> Folder;
  TacTimerSource::SystemTimerStarter StartTimer;
  std::function<std::chrono::milliseconds()> Clock;
};
// The program's: the disk, the host's UI timer and a steady clock.
TacSkinListServices DefaultSkinListServices(IacManagerHost& host);

class TacSkinListController final : public IacSkinListController {
 public:
  TacSkinListController(TsSkinManager& manager, IacManagerHost& host, TacSkinListServices services);
  ~TacSkinListController() override;
  TacSkinListController(const TacSkinListController&) = delete;
  TacSkinListController& operator=(const TacSkinListController&) = delete;

  // Registers a control once and tells it the list changed. A removed control's slot
  // stays empty.
  void AddControl(IacSkinListClient* Ctrl);
  void DelControl(IacSkinListClient* Ctrl);
  int CtrlIndex(const IacSkinListClient* Ctrl) const;
  void SendSkinChanged();
  void SendListChanged();

  bool SkinsAllowed(TacSkinsFilterValue FiltType) const;
  bool UpdateData(bool UpdateNow);
  void UpdateIfNeeded(bool ForceUpdating);
  void CheckThread();
  void StartDelayedLoading();
  void AddSkin(const std::string& AName, int IntIndex);
  int AddSkinData();
  void ClearList(bool MarkForUpdate, bool Notify);

  bool UpdateNeeded() const { return updateNeeded_; }
  bool Filling() const { return filling_ && !stopRequested_; }
  const std::string& SkinPath() const { return sPath_; }
  const TacSkinPreviews& ImgList() const { return imgList_; }

  // IacSkinListController
  void Clear() override { ClearList(true, false); }
  void NotifyControls(uint16_t command) override;
  void StartBackgroundScan() override { UpdateIfNeeded(false); }
  void CompleteNow(bool refreshCopy) override;
  const std::vector<TacSkinListData>& Entries() const override { return skinList_; }
  const std::vector<PixelImage>& Previews() const override { return imgList_.Pictures(); }

 private:
  bool BuildsOwnList() const;
  void CopyDefaultList();
  void OpenSearch();
  void CloseSearch();
  void StopFilling();
  void OnTimer();
  void DoTimer();
  void FinishFilling();

  TsSkinManager& manager_;
  IacManagerHost& host_;
  TacSkinListServices services_;
  std::string sPath_;
  int dosCode_ = 1;
  TacSkinPreviews imgList_;
  bool updateNeeded_ = true;
  std::unique_ptr<IacFolderSearch> search_;      // the open search; null when none
  std::optional<TacFolderEntry> found_;          // its current entry
  std::vector<IacSkinListClient*> controls_;     // not owned; removed ones are null
  int currentInternalIndex_ = 0;
  std::vector<TacSkinListData> skinList_;
  // The background filling: its timer, and whether it was told to stop.
  std::unique_ptr<TacHeldResource> timer_;
  bool filling_ = false;
  bool stopRequested_ = false;
  std::optional<std::chrono::milliseconds> lastStep_;
};
