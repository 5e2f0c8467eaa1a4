#pragma once
// A layered window that records every update (opacity, move, where the picture's opaque
// pixels are), timers ticked by hand and a clock that only moves when it is waited on.
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "skin/forms/logic/acLayeredTarget.h"

struct RecordedUpdate {
  uint8_t opacity = 0;
  std::optional<TPoint> topLeft;
  TPoint size;    // of the picture handed over
  TRect painted;  // bounding box of the pixels with alpha, empty when none
  PixelImage picture;
};

class RecordingWindow final : public IacLayeredTarget {
 public:
  explicit RecordingWindow(std::vector<RecordedUpdate>& log, int* freed = nullptr) : log_(log), freed_(freed) {}
  ~RecordingWindow() override {
    if (freed_) ++*freed_;
  }
  void Put(const PixelBuffer& picture, uint8_t opacity, std::optional<TPoint> topLeft) override {
    RecordedUpdate u{opacity, topLeft, {picture.width, picture.height}, {}, {}};
    TRect box{picture.width, picture.height, 0, 0};
    for (int y = 0; y < picture.height; ++y)
      for (int x = 0; x < picture.width; ++x)
        if (PixelA(picture.at(x, y)) != 0)
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    if (!box.IsEmpty()) u.painted = box;
    u.picture = PixelImage(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
      std::copy_n(picture.row(y), picture.width, u.picture.view().row(y));
    log_.push_back(std::move(u));
  }
  void ShowNoActivate() override { ++shows; }
  int shows = 0;

 private:
  std::vector<RecordedUpdate>& log_;
  int* freed_;
};

class HandTimers {
 public:
  TacTimerStarter Starter() {
    return [this](int ms, std::function<void()> tick) -> std::unique_ptr<TacHeldResource> {
      lastInterval = ms;
      auto entry = std::make_shared<Entry>(Entry{std::move(tick), true});
      entries_.push_back(entry);
      return std::make_unique<Held>(entry);
    };
  }
  // Runs every live timer once; answers how many ran.
  int Tick() {
    int ran = 0;
    const auto now = entries_;
    for (const auto& e : now)
      if (e->alive) {
        ++ran;
        e->tick();
      }
    std::erase_if(entries_, [](const auto& e) { return !e->alive; });
    return ran;
  }
  int Live() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [](const auto& e) { return e->alive; }));
  }
  int lastInterval = 0;

 private:
  struct Entry {
    std::function<void()> tick;
    bool alive;
  };
  struct Held final : TacHeldResource {
    explicit Held(std::shared_ptr<Entry> e) : entry(std::move(e)) {}
    ~Held() override { entry->alive = false; }
    uintptr_t Handle() const override { return 0; }
    std::shared_ptr<Entry> entry;
  };
  std::vector<std::shared_ptr<Entry>> entries_;
};

// Moves 1 ms on every yield; remembers when each frame was put on the screen.
class HandClock final : public IacAnimClock {
 public:
  uint64_t Milliseconds() override { return now; }
  void LetOthersRun() override { ++now; }
  uint64_t now = 1000;
};

// An opaque picture with a different colour in every pixel row.
inline PixelImage OpaquePicture(int w, int h) {
  PixelImage p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.at(x, y) = MakePixel(static_cast<uint32_t>(x & 0xFF), static_cast<uint32_t>(y & 0xFF), 0x80);
  return p;
}

inline std::vector<int> Opacities(const std::vector<RecordedUpdate>& log, size_t from = 0) {
  std::vector<int> out;
  for (size_t i = from; i < log.size(); ++i) out.push_back(log[i].opacity);
  return out;
}
