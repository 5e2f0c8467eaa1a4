// Animation frames of the main window's picture (its frame section from Slate at the
// window's size), as the animation window gets them: the frame drawn, then premultiplied
// into the picture the layered window update takes. The yardstick is a memcpy of the same
// number of pixels. A frame has 12 ms; the goal is under 1 ms at 192 PPI.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench/common/SlateBench.h"
#include "skin/forms/logic/acAnimPicture.h"
#include "skin/forms/logic/acHideTimer.h"
#include "skin/forms/logic/acShowAnimation.h"
#include "skin/paint/acCacheInfo.h"
#include "skin/paint/sGraphUtils.h"

namespace {

// The main window with its frame and caption at 96 PPI.
constexpr int kWindowWidth = kMainClientWidth + 16, kWindowHeight = kMainClientHeight + 39;

PixelImage MainWindowPicture(int ppi) {
  const BenchSlate& skin = SlateAt(ppi);
  PixelImage picture(kWindowWidth * ppi / 96, kWindowHeight * ppi / 96);
  PaintElement(skin.Owner("FORM", false), ColorCacheInfo(0xF0F0F0), 0, picture.view(), {},
               {0, 0, picture.width(), picture.height()}, false);
  return picture;
}

// The layered window's side of a frame: the picture premultiplied into its bitmap.
class PremultiplyingWindow final : public IacLayeredTarget {
 public:
  PremultiplyingWindow(int w, int h) : bitmap_(w, h) {}
  void Put(const PixelBuffer& picture, uint8_t, std::optional<TPoint>) override {
    PremultiplyInto(bitmap_.view(), picture);
    benchmark::DoNotOptimize(bitmap_.view().pixels);
  }

 private:
  PixelImage bitmap_;
};

void BM_ShowFrame(benchmark::State& state) {
  const PixelImage picture = MainWindowPicture(static_cast<int>(state.range(0)));
  const TacShowSchedule schedule({picture.width(), picture.height()}, 100, 255, atAero);
  const TacShowFrame& frame = schedule.Frames()[4];  // a zoomed frame: a full stretch
  PixelImage work(picture.width(), picture.height());
  PremultiplyingWindow window(picture.width(), picture.height());
  for (auto _ : state) {
    DrawShowFrame(frame, work.view(), picture.view());
    window.Put(work.view(), frame.Opacity, std::nullopt);
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = picture.width() * picture.height();
}
BENCHMARK(BM_ShowFrame)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

class ForwardingWindow final : public IacLayeredTarget {
 public:
  explicit ForwardingWindow(PremultiplyingWindow& to) : to_(to) {}
  void Put(const PixelBuffer& picture, uint8_t opacity, std::optional<TPoint> at) override {
    to_.Put(picture, opacity, at);
  }

 private:
  PremultiplyingWindow& to_;
};

void BM_HideFrame(benchmark::State& state) {
  const PixelImage picture = MainWindowPicture(static_cast<int>(state.range(0)));
  PremultiplyingWindow window(picture.width(), picture.height());
  TacHideTimer hide(nullptr);  // frames are ticked here
  auto start = [&] {
    hide.Start({std::make_unique<ForwardingWindow>(window), picture, 100, atAero, 255, nullptr});
  };
  for (auto _ : state) {
    if (!hide.Running()) {
      state.PauseTiming();
      start();
      state.ResumeTiming();
    }
    hide.HideStep();  // clear, shrink-stretch, premultiply
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = picture.width() * picture.height();
}
BENCHMARK(BM_HideFrame)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFrame(benchmark::State& state) {
  const int ppi = static_cast<int>(state.range(0));
  const PixelImage from(kWindowWidth * ppi / 96, kWindowHeight * ppi / 96, 0xFF808080u);
  PixelImage to(from.width(), from.height());
  for (auto _ : state) {
    std::memcpy(to.view().pixels, from.view().pixels, from.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.view().pixels);
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = from.width() * from.height();
}
BENCHMARK(BM_MemcpyFrame)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

}  // namespace
