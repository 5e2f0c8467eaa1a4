#include "skin/data/acSkinList.h"

#include <algorithm>
#include <utility>

#include "skin/base/acSkinCommands.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/acZLibEx.h"

namespace {

constexpr std::string_view kPackageExt = ".asz";

// The extension as the file system reports it: from the last dot on, compared exactly.
bool HasPackageExtension(const std::string& name) {
  const auto dot = name.rfind('.');
  return dot != std::string::npos && std::string_view(name).substr(dot) == kPackageExt;
}

// Only a trailing ".asz" goes (in any letter case): "my.asz.skin.asz" keeps its middle.
std::string WithoutPackageExtension(std::string name) {
  if (name.size() >= kPackageExt.size() &&
      SameTextAscii(std::string_view(name).substr(name.size() - kPackageExt.size()), kPackageExt))
    name.resize(name.size() - kPackageExt.size());
  return name;
}

}  // namespace

TacSkinListServices DefaultSkinListServices(IacManagerHost& host) {
  return {std::make_unique<TacDiskSkinFolder>(),
          [&host](int milliseconds, std::function<void()> tick) { return host.StartTimer(milliseconds, std::move(tick)); },
          [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
          }};
}

TacSkinListController::TacSkinListController(TsSkinManager& manager, IacManagerHost& host,
                                             TacSkinListServices services)
    : manager_(manager), host_(host), services_(std::move(services)) {}

TacSkinListController::~TacSkinListController() = default;

void TacSkinListController::AddControl(IacSkinListClient* Ctrl) {
  if (Ctrl == nullptr) return;
  if (CtrlIndex(Ctrl) < 0) controls_.push_back(Ctrl);
  Ctrl->SendCommand(SC_SKINLISTCHANGED);
}

void TacSkinListController::DelControl(IacSkinListClient* Ctrl) {
  const int index = CtrlIndex(Ctrl);
  if (index >= 0) controls_[static_cast<size_t>(index)] = nullptr;
}

int TacSkinListController::CtrlIndex(const IacSkinListClient* Ctrl) const {
  if (Ctrl == nullptr) return -1;
  const auto it = std::find(controls_.begin(), controls_.end(), Ctrl);
  return it == controls_.end() ? -1 : static_cast<int>(it - controls_.begin());
}

void TacSkinListController::SendSkinChanged() {
  for (IacSkinListClient* control : controls_) {
    if (control == nullptr) continue;
    if (control->HasWindow()) control->PostCommand(SC_SKINCHANGED);
    else control->SendCommand(SC_SKINCHANGED);
  }
}

void TacSkinListController::SendListChanged() {
  for (IacSkinListClient* control : controls_)
    if (control != nullptr) control->SendCommand(SC_SKINLISTCHANGED);
}

void TacSkinListController::NotifyControls(uint16_t command) {
  if (command == SC_SKINCHANGED) SendSkinChanged();
  else if (command == SC_SKINLISTCHANGED) SendListChanged();
}

bool TacSkinListController::SkinsAllowed(TacSkinsFilterValue FiltType) const {
  return manager_.SkinsFilter().Has(FiltType);
}

// The default manager's list serves every manager that looks at the same folder.
bool TacSkinListController::BuildsOwnList() const {
  const TsSkinManager* def = TsSkinManager::DefaultManager();
  return def == nullptr || def == &manager_ || def->SkinList() == nullptr ||
         !SameTextAscii(manager_.SkinDirectory(), def->SkinDirectory());
}

bool TacSkinListController::UpdateData(bool UpdateNow) {
  if (manager_.Loading()) return false;
  bool startedFilling = false;
  if (BuildsOwnList()) {
    ClearList(false, false);
    if (SkinsAllowed(sfiInternal) && manager_.InternalSkins().Count() > 0) {
      if (UpdateNow) {
        for (int i = 0; i < manager_.InternalSkins().Count(); ++i) AddSkin(manager_.InternalSkins()[i].Name, i);
      } else if (!Filling()) {
        StartDelayedLoading();
        startedFilling = true;
      }
    }
    if (SkinsAllowed(sfiExternal)) {
      OpenSearch();
      if (search_) {
        if (UpdateNow) {
          while (dosCode_ == 0) dosCode_ = AddSkinData();
          CloseSearch();
          updateNeeded_ = false;
        } else if (!Filling()) {
          StartDelayedLoading();
          startedFilling = true;
        }
      }
    }
  } else {
    CopyDefaultList();
  }
  if (!startedFilling) SendListChanged();
  return true;
}

void TacSkinListController::CopyDefaultList() {
  IacSkinListController* source = TsSkinManager::DefaultManager()->SkinList();
  source->CompleteNow(false);
  skinList_ = source->Entries();
  imgList_.Clear();
  for (const PixelImage& picture : source->Previews()) imgList_.Add(picture);
  updateNeeded_ = false;
}

void TacSkinListController::UpdateIfNeeded(bool ForceUpdating) {
  if (updateNeeded_) updateNeeded_ = !UpdateData(ForceUpdating);
}

// Opens a search over the skin folder (taken afresh from the manager) when it exists;
// a search that is open and whose folder went away is closed.
void TacSkinListController::OpenSearch() {
  const char separator = host_.PathStyle() == PathRules::Windows ? '\\' : '/';
  sPath_ = manager_.GetFullSkinDirectory();
  if (sPath_.empty() || (sPath_.back() != '\\' && sPath_.back() != '/')) sPath_ += separator;
  if (!services_.Folder->Exists(sPath_)) {
    if (search_) {
      CloseSearch();
      updateNeeded_ = false;
    }
    return;
  }
  search_ = services_.Folder->Open(sPath_);
  found_ = search_ ? search_->Next() : std::nullopt;
  if (!found_) search_.reset();
  dosCode_ = found_ ? 0 : 1;
}

void TacSkinListController::CloseSearch() {
  search_.reset();
  found_.reset();
}

int TacSkinListController::AddSkinData() {
  if (!search_ || !found_) return 1;
  const TacFolderEntry entry = *std::exchange(found_, search_->Next());
  if (!entry.IsDirectory && !entry.Name.starts_with('.') && HasPackageExtension(entry.Name)) AddSkin(entry.Name, -1);
  return found_ ? 0 : 1;
}

void TacSkinListController::AddSkin(const std::string& AName, int IntIndex) {
  TacSkinListData item{smInternal, -1, AName};
  std::optional<std::vector<uint8_t>> preview;
  if (IntIndex < 0) {
    preview = services_.Folder->ReadPreview(sPath_ + AName);
    item.skName = WithoutPackageExtension(AName);
    item.skSkinMode = smExtPacked;
  } else {
    std::vector<uint8_t> bytes;
    if (ExtractPreview(bytes, manager_.InternalSkins()[IntIndex].PackedData)) preview = std::move(bytes);
  }
  if (preview) item.skImageIndex = imgList_.AddPng(*preview);
  skinList_.push_back(std::move(item));
}

void TacSkinListController::ClearList(bool MarkForUpdate, bool Notify) {
  StopFilling();
  skinList_.clear();
  imgList_.Clear();
  if (MarkForUpdate) {
    updateNeeded_ = true;
    if (Notify) SendListChanged();
  }
}

void TacSkinListController::StartDelayedLoading() {
  StopFilling();
  dosCode_ = 0;
  currentInternalIndex_ = 0;
  filling_ = true;
  stopRequested_ = false;
  lastStep_ = services_.Clock();
  timer_ = services_.StartTimer(static_cast<int>(kSkinListStep.count()), [this] { OnTimer(); });
  host_.AppBroadcast(SC_SKINLISTLOADING, 1);
}

// The timer may be gone when this returns (a step can end the filling): nothing of it is
// touched after the step.
void TacSkinListController::StopFilling() {
  filling_ = false;
  stopRequested_ = true;
  timer_.reset();
}

void TacSkinListController::OnTimer() {
  if (!Filling()) return;
  const auto now = services_.Clock();
  if (lastStep_ && now - *lastStep_ < kSkinListStep) return;  // a tick that came early waits
  lastStep_ = now;
  DoTimer();
}

void TacSkinListController::DoTimer() {
  if (SkinsAllowed(sfiInternal) && currentInternalIndex_ < manager_.InternalSkins().Count()) {
    AddSkin(manager_.InternalSkins()[currentInternalIndex_].Name, currentInternalIndex_);
    ++currentInternalIndex_;
    return;
  }
  if (SkinsAllowed(sfiExternal)) {
    if (!search_) OpenSearch();
    dosCode_ = AddSkinData();
    if (dosCode_ == 0) return;
  }
  // Also when package files are not listed: once the internal skins are in, the work is done.
  FinishFilling();
}

void TacSkinListController::FinishFilling() {
  CloseSearch();
  StopFilling();
  updateNeeded_ = false;
  SendListChanged();
}

void TacSkinListController::CheckThread() {
  if (!Filling()) return;
  stopRequested_ = true;
  if (SkinsAllowed(sfiInternal))
    for (; currentInternalIndex_ < manager_.InternalSkins().Count(); ++currentInternalIndex_)
      AddSkin(manager_.InternalSkins()[currentInternalIndex_].Name, currentInternalIndex_);
  if (SkinsAllowed(sfiExternal)) {
    if (!search_) OpenSearch();
    while (dosCode_ == 0) dosCode_ = AddSkinData();
  }
  CloseSearch();
  StopFilling();
  updateNeeded_ = false;
  host_.AppBroadcast(SC_SKINLISTLOADING, 0);
  SendListChanged();
}

void TacSkinListController::CompleteNow(bool refreshCopy) {
  CheckThread();
  if (refreshCopy && !BuildsOwnList()) CopyDefaultList();
  else UpdateIfNeeded(true);
}
