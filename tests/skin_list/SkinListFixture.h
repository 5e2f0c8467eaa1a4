#pragma once
// A skin manager with a skin list whose folder, timer and clock the test drives.
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/acSkinList.h"
#include "skin/data/sSkinManager.h"
#include "tests/support/RecordingHost.h"

// A folder listing given by the test, in the order given; previews by file name.
struct FakeFolderContent {
  bool exists = true;
  std::vector<TacFolderEntry> entries;
  std::map<std::string, std::vector<uint8_t>> previews;  // by file name
  int searchesOpened = 0;
  std::vector<std::string> previewsRead;  // full paths
};

class FakeSkinFolder final : public IacSkinFolder {
 public:
  explicit FakeSkinFolder(FakeFolderContent& content) : content_(content) {}
  bool Exists(const std::string&) const override { return content_.exists; }
  std::unique_ptr<IacFolderSearch> Open(const std::string& folder) override;
  std::optional<std::vector<uint8_t>> ReadPreview(const std::string& file) override;

 private:
  FakeFolderContent& content_;
};

// The timer the list starts, ticked by hand, and the clock it reads.
struct HandTimer {
  std::function<void()> tick;
  int started = 0;
  int interval = 0;
  std::chrono::milliseconds now{1000};
  bool Running() const { return static_cast<bool>(tick); }
  // Advances the clock and ticks once (when the timer runs).
  void Tick(int milliseconds = 12);
};

// A control that records the commands it gets ("send 75", "post 74").
struct RecordingClient final : IacSkinListClient {
  bool hasWindow = false;
  std::vector<std::string> received;
  bool HasWindow() const override { return hasWindow; }
  void SendCommand(uint16_t command) override { received.push_back("send " + std::to_string(command)); }
  void PostCommand(uint16_t command) override { received.push_back("post " + std::to_string(command)); }
};

struct ListedManager {
  RecordingHost host;
  FakeFolderContent folder;
  HandTimer timer;
  std::unique_ptr<TsSkinManager> manager;
  TacSkinListController* list = nullptr;  // owned by the manager

  ListedManager();
  TacSkinListServices Services();
  // A stored item of that name holding a package (with the preview when given).
  void AddInternal(const std::string& name, const std::vector<uint8_t>* previewPng = nullptr);
};

// A package file's bytes with a preview trailer (or none).
std::vector<uint8_t> PackageWithPreview(const std::vector<uint8_t>* previewPng);
// A 280 x 200 PNG: left half `left`, right half `right` (pixels, opaque).
std::vector<uint8_t> PreviewPng(uint32_t left, uint32_t right, int width = 280, int height = 200);
// Names of the list's entries in order.
std::vector<std::string> ListedNames(const TacSkinListController& list);
