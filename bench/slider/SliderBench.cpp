// One frame of the switch's toggle: the 33 × 15 track faded between its two pictures and
// the thumb repainted over it, at 96 and 144 PPI. The yardstick is a memcpy of the track
// picture, which is what showing a finished frame costs at least.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench/common/SlateBench.h"
#include "skin/controls/logic/acSliderGeometry.h"
#include "skin/controls/logic/acSliderPaint.h"
#include "skin/controls/logic/acSliderToggle.h"

namespace {

// The program's switch at a density: its two track pictures over a plain form, and the
// thumb's place at the first frame of an on-to-off slide.
struct SwitchPictures {
  PixelImage on, off, frame, form;
  TRect thumb;
  explicit SwitchPictures(int ppi) {
    const BenchSlate& skin = SlateAt(ppi);
    // As the framework scales the layout: 50 × 23 at 144 PPI.
    const int w = (33 * ppi + 48) / 96, h = (15 * ppi + 48) / 96;
    form = PixelImage(w, h, 0xFFF0F0F0);
    for (bool state : {true, false}) {
      PixelImage& track = state ? on : off;
      track = PixelImage(w, h);
      PaintSliderTrack(*skin.data, SliderTrackSkinIndex(skin.data->Sections, state), MakeCacheInfo(form.view()),
                       track.view(), {});
    }
    frame = PixelImage(w, h);
    TacSliderShape shape;
    shape.Width = w;
    shape.Height = h;
    shape.MarginRule = {.ImageThumb = false, .Skinned = true, .SliderMargin = skin.data->SliderMargin};
    thumb = ThumbRect(shape);
    thumb = TRect::FromSize(SliderToggleFrames(thumb.Left, w - thumb.Width() - thumb.Left, 3, false)[0].ThumbPos,
                            thumb.Top, thumb.Width(), thumb.Height());
  }
};

void BM_TrackCrossFade(benchmark::State& state) {
  SwitchPictures p(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    CrossFade(p.frame.view(), p.off.view(), p.on.view(), 161);
    benchmark::DoNotOptimize(p.frame.data().data());
  }
}

void BM_ToggleFrame(benchmark::State& state) {
  const int ppi = static_cast<int>(state.range(0));
  SwitchPictures p(ppi);
  TacElementOwnerData thumbOwner;
  thumbOwner.Data = SlateAt(ppi).data.get();
  thumbOwner.Index = thumbOwner.Data->GetSkinIndex("THUMB_ON");
  thumbOwner.Parent = true;
  PixelImage thumb(p.thumb.Width(), p.thumb.Height());
  for (auto _ : state) {
    CrossFade(p.frame.view(), p.off.view(), p.on.view(), 161);
    PaintSliderThumb(thumbOwner, MakeCacheInfo(p.frame.view()), thumb.view(), {p.thumb.Left, p.thumb.Top});
    benchmark::DoNotOptimize(thumb.data().data());
  }
}

void BM_TrackMemcpy(benchmark::State& state) {
  SwitchPictures p(static_cast<int>(state.range(0)));
  const size_t bytes = p.on.data().size() * sizeof(uint32_t);
  for (auto _ : state) {
    std::memcpy(p.frame.view().pixels, p.on.view().pixels, bytes);
    benchmark::DoNotOptimize(p.frame.data().data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_TrackMemcpy)->Arg(96)->Arg(144);
BENCHMARK(BM_TrackCrossFade)->Arg(96)->Arg(144);
BENCHMARK(BM_ToggleFrame)->Arg(96)->Arg(144);

}  // namespace
