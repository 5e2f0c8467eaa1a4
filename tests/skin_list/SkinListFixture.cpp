#include "tests/skin_list/SkinListFixture.h"

#include "skin/data/acZLibExWriter.h"
#include "tests/support/ImageWriters.h"

namespace {

class FakeSearch final : public IacFolderSearch {
 public:
  explicit FakeSearch(std::vector<TacFolderEntry> entries) : entries_(std::move(entries)) {}
  std::optional<TacFolderEntry> Next() override {
    if (next_ >= entries_.size()) return std::nullopt;
    return entries_[next_++];
  }

 private:
  std::vector<TacFolderEntry> entries_;
  size_t next_ = 0;
};

class HandTimerHold final : public TacHeldResource {
 public:
  explicit HandTimerHold(HandTimer& timer) : timer_(timer) {}
  ~HandTimerHold() override { timer_.tick = nullptr; }
  uintptr_t Handle() const override { return 1; }

 private:
  HandTimer& timer_;
};

}  // namespace

std::unique_ptr<IacFolderSearch> FakeSkinFolder::Open(const std::string&) {
  ++content_.searchesOpened;
  return std::make_unique<FakeSearch>(content_.entries);
}

std::optional<std::vector<uint8_t>> FakeSkinFolder::ReadPreview(const std::string& file) {
  content_.previewsRead.push_back(file);
  const std::string name = file.substr(file.find_last_of("/\\") + 1);
  const auto it = content_.previews.find(name);
  if (it == content_.previews.end()) return std::nullopt;
  return it->second;
}

void HandTimer::Tick(int milliseconds) {
  now += std::chrono::milliseconds(milliseconds);
  if (tick) {
    const auto copy = tick;  // the tick may end the timer
    copy();
  }
}

ListedManager::ListedManager() {
  manager = std::make_unique<TsSkinManager>(host);
  auto owned = std::make_unique<TacSkinListController>(*manager, host, Services());
  list = owned.get();
  manager->SetSkinListController(std::move(owned));
}

TacSkinListServices ListedManager::Services() {
  return {std::make_unique<FakeSkinFolder>(folder),
          [this](int milliseconds, std::function<void()> tick) -> std::unique_ptr<TacHeldResource> {
            ++timer.started;
            timer.interval = milliseconds;
            timer.tick = std::move(tick);
            return std::make_unique<HandTimerHold>(timer);
          },
          [this] { return timer.now; }};
}

void ListedManager::AddInternal(const std::string& name, const std::vector<uint8_t>* previewPng) {
  TsStoredSkin& item = manager->InternalSkins().Add();
  item.Name = name;
  item.PackedData = PackageWithPreview(previewPng);
}

std::vector<uint8_t> PackageWithPreview(const std::vector<uint8_t>* previewPng) {
  static const std::string options = "[GLOBALINFO]\nVERSION=14.01\n";
  const std::vector<uint8_t> bytes(options.begin(), options.end());
  const SkinPackageItem items[] = {{"Options.dat", bytes}};
  if (previewPng) return PackSkin(items, std::span<const uint8_t>(*previewPng));
  return PackSkin(items);
}

std::vector<uint8_t> PreviewPng(uint32_t left, uint32_t right, int width, int height) {
  PixelImage picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.at(x, y) = x < width / 2 ? left : right;
  return EncodePng(picture);
}

std::vector<std::string> ListedNames(const TacSkinListController& list) {
  std::vector<std::string> names;
  for (const TacSkinListData& entry : list.Entries()) names.push_back(entry.skName);
  return names;
}
