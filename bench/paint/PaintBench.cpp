// The main window's client area painted from Slate: its FORM background and the 36 speed
// buttons at their places, at 96 and 192 PPI; one 87 x 22 button in each state; and, as
// the yardstick, a memcpy of a picture of the same size.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <memory>

#include "bench/common/SlateBench.h"
#include "skin/paint/sGraphUtils.h"

namespace {

void PaintLayout(const BenchSlate& skin, const TacElementOwnerData& form, const TacElementOwnerData& button,
                 const PixelBuffer& picture, int ppi) {
  // The client area has no border of its own: its background is the section's colour.
  FillSectionBG(form.Index, TCacheInfo{}, 0, kKeyColor, *skin.data, picture, {}, BufferRect(picture));
  const TCacheInfo background = MakeCacheInfo(picture);
  for (const auto& [left, top, width, caption] : kMainWindowButtons) {
    const TRect r = TRect::FromSize(left * ppi / 96, top * ppi / 96, width * ppi / 96, 22 * ppi / 96);
    PaintElement(button, background, 0, picture, {}, r, true);
  }
}

void BM_Layout(benchmark::State& state) {
  const int ppi = static_cast<int>(state.range(0));
  const BenchSlate& skin = SlateAt(ppi);
  const TacElementOwnerData form = skin.Owner("FORM", false), button = skin.Owner("SPEEDBUTTON", false);
  if (form.Index < 0 || button.Index < 0) return state.SkipWithError("Slate has no FORM or SPEEDBUTTON");
  PixelImage picture(412 * ppi / 96, 290 * ppi / 96);
  for (auto _ : state) {
    PaintLayout(skin, form, button, picture.view(), ppi);
    benchmark::DoNotOptimize(picture.view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Layout)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_MemcpyLayoutPicture(benchmark::State& state) {
  const int ppi = static_cast<int>(state.range(0));
  PixelImage from(412 * ppi / 96, 290 * ppi / 96, 0xFF808080u), to(from.width(), from.height());
  for (auto _ : state) {
    std::memcpy(to.view().pixels, from.view().pixels, from.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyLayoutPicture)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_Button(benchmark::State& state) {
  const BenchSlate& skin = SlateAt(96);
  const TacElementOwnerData button = skin.Owner("SPEEDBUTTON", false);
  if (button.Index < 0) return state.SkipWithError("Slate has no SPEEDBUTTON");
  // The button's own cache over a ready parent picture, as a speed button paints it.
  PixelImage parent(412, 290, 0xFFF3F4F6u), cache(87, 22);
  const TCacheInfo background = MakeCacheInfo(parent.view(), 308, 36);
  const int buttonState = static_cast<int>(state.range(0));
  for (auto _ : state) {
    PaintElement(button, background, buttonState, cache.view(), {}, {0, 0, 87, 22}, true);
    benchmark::DoNotOptimize(cache.view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Button)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
