// Fade frames and whole-window repaints of the skinned controls, from Slate, each with a
// memcpy of the same number of pixels as the yardstick.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

#include "bench/common/SlateBench.h"
#include "skin/controls/logic/acButtonLogic.h"
#include "skin/paint/acBlend.h"
#include "skin/paint/acFadeTimer.h"
#include "skin/paint/acSkinnedText.h"
#include "skin/paint/acTextRecorder.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sGraphUtils.h"

namespace {

constexpr uint32_t kFormColor = 0xF0F0F0;

// A control that asks nothing and is asked nothing: enough to hold a fade.
class QuietOwner final : public IacSkinOwner {
 public:
  TRect Bounds() const override { return {0, 0, 87, 22}; }
  bool HasParent() const override { return true; }
  bool Enabled() const override { return true; }
  bool Visible() const override { return true; }
  bool HasFocus() const override { return false; }
  bool Destroying() const override { return false; }
  bool Windowed() const override { return false; }
  bool HasWindow() const override { return false; }
  bool CursorInside() const override { return false; }
  uint32_t Color() const override { return kFormColor; }
  uint32_t ParentColor() const override { return kFormColor; }
  uint32_t FontColor() const override { return 0; }
  uint32_t ParentFontColor() const override { return 0; }
  void ApplyColors(uint32_t, uint32_t) override {}
  intptr_t SendToSelf(uint16_t, uint16_t, intptr_t) override { return 0; }
  intptr_t SendToParent(uint16_t, uint16_t, intptr_t) override { return 0; }
  void SendToChildren(uint16_t, uint16_t, intptr_t, bool) override {}
  bool HasChildren() const override { return false; }
  void Redraw(bool) override {}
  void ShowPicture(const PixelBuffer&) override {}
  void PaintChildrenInto(const PixelBuffer&) override {}
  std::unique_ptr<TacHeldResource> StartTimer(int, std::function<void()>) override { return nullptr; }
};

void BM_FadeFrame87x22(benchmark::State& state) {
  const BenchSlate& skin = SlateAt(96);
  const TacElementOwnerData button = skin.Owner("SPEEDBUTTON");
  if (button.Index < 0) return state.SkipWithError("Slate has no SPEEDBUTTON");
  QuietOwner owner;
  TsCommonData data(owner, kKindSpeedButton, true);
  TacThreadedTimer timer(data);
  timer.BmpFrom.resize(87, 22);
  timer.BmpTo.resize(87, 22);
  const TCacheInfo below = ColorCacheInfo(kFormColor);
  PaintElement(button, below, 0, timer.BmpFrom.view(), {}, {0, 0, 87, 22}, true);
  PaintElement(button, below, 1, timer.BmpTo.view(), {}, {0, 0, 87, 22}, true);
  timer.State = 1;
  timer.GlowStep = 42.5;
  for (auto _ : state) {
    if (timer.Glow >= 255) timer.Glow = 0;
    benchmark::DoNotOptimize(timer.BlendStep());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FadeFrame87x22)->Unit(benchmark::kMicrosecond);

void BM_Memcpy87x22(benchmark::State& state) {
  PixelImage from(87, 22, 0xFF808080u), to(87, 22);
  for (auto _ : state) {
    std::memcpy(to.view().pixels, from.view().pixels, from.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy87x22)->Unit(benchmark::kMicrosecond);

// The main window's client area: its plain colour, each button's cache, the two labels.
class ClientArea {
 public:
  ClientArea() : client_(kMainClientWidth, kMainClientHeight), button_(SlateAt(96).Owner("SPEEDBUTTON")) {
    for (size_t i = 0; i < kMainWindowButtons.size(); ++i) caches_[i].resize(kMainWindowButtons[i].width, 22);
    font_.Face = u"微软雅黑";
    font_.Height = -12;
  }
  bool Valid() const { return button_.Index >= 0; }
  // Every cache painted anew: element, then caption laid out and written.
  void BuildCaches() {
    text_.calls.clear();
    const TCacheInfo below = ColorCacheInfo(kFormColor);
    for (size_t i = 0; i < kMainWindowButtons.size(); ++i) {
      const BenchButton& b = kMainWindowButtons[i];
      const PixelBuffer cache = caches_[i].view();
      PaintElement(button_, below, 0, cache, {b.left, b.top}, {0, 0, b.width, 22}, true);
      TacTextCanvas canvas{cache, &text_, font_};
      const uint32_t format = tfCenter | tfWordBreak | tfEndEllipsis | tfNoPrefix;
      const TSize size = text_.Measure(b.caption, font_, format | tfExpandTabs, b.width);
      TacCaptionLayout layout;
      layout.W = b.width, layout.H = 22, layout.tw = size.cx, layout.th = size.cy;
      WriteSkinnedText(canvas, b.caption, true, true, 0, button_, format | tfNoClip, SpeedButtonCaptionRect(layout));
    }
  }
  // The repaint: background, the caches copied to their places, the labels' text.
  void Compose() {
    const PixelBuffer client = client_.view();
    FillBitmapRect(client, BufferRect(client), kFormColor);
    for (size_t i = 0; i < kMainWindowButtons.size(); ++i) {
      const BenchButton& b = kMainWindowButtons[i];
      CopyBitmapRect(client, TRect::FromSize(b.left, b.top, b.width, 22), caches_[i].view(), {0, 0});
    }
    text_.Draw(client, u"提示", font_, TRect::FromSize(320, 176, 24, 17), 0, tfLeft | tfSingleLine);
    text_.Draw(client, u"Marvolena", font_, TRect::FromSize(318, 260, 65, 19), 0, tfLeft | tfSingleLine);
  }
  PixelImage& Client() { return client_; }

 private:
  PixelImage client_;
  std::array<PixelImage, kMainWindowButtons.size()> caches_;
  TacElementOwnerData button_;
  TacTextRecorder text_;
  TacFont font_;
};

void BM_ClientRepaintColdCaches(benchmark::State& state) {
  ClientArea area;
  if (!area.Valid()) return state.SkipWithError("Slate has no SPEEDBUTTON");
  for (auto _ : state) {
    area.BuildCaches();
    area.Compose();
    benchmark::DoNotOptimize(area.Client().view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClientRepaintColdCaches)->Unit(benchmark::kMicrosecond);

void BM_ClientRepaintWarmCaches(benchmark::State& state) {
  ClientArea area;
  if (!area.Valid()) return state.SkipWithError("Slate has no SPEEDBUTTON");
  area.BuildCaches();
  for (auto _ : state) {
    area.Compose();
    benchmark::DoNotOptimize(area.Client().view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClientRepaintWarmCaches)->Unit(benchmark::kMicrosecond);

void BM_MemcpyClientArea(benchmark::State& state) {
  PixelImage from(kMainClientWidth, kMainClientHeight, 0xFF808080u), to(kMainClientWidth, kMainClientHeight);
  for (auto _ : state) {
    std::memcpy(to.view().pixels, from.view().pixels, from.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyClientArea)->Unit(benchmark::kMicrosecond);

}  // namespace
