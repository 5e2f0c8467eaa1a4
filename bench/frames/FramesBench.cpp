// Frame pictures and caption-button fade frames from Slate, each with a memcpy of the
// same number of pixels as the yardstick. Goal: a full frame under 0.5 ms at 192 PPI.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/common/SlateBench.h"
#include "skin/forms/logic/acFramePicture.h"
#include "skin/paint/acTextRecorder.h"

namespace {

// The main window at a density: a 412 x 290 client area in a single frame of 3 pixels
// and a 23-pixel caption at 96 PPI, scaled.
struct MainFrame {
  explicit MainFrame(int ppi) {
    const BenchSlate& slate = SlateAt(ppi);
    const int frame = 3 * ppi / 96, caption = 23 * ppi / 96;
    form.BorderStyle = TacBorderStyle::bsSingle;
    form.Icons = {.SystemMenu = true, .Minimize = true, .Maximize = false};
    form.IsMainForm = true;
    form.ClientSize = {412 * ppi / 96, 290 * ppi / 96};
    form.WindowSize = {form.ClientSize.X + 2 * frame, form.ClientSize.Y + 2 * frame + caption};
    in.Data = slate.data.get();
    in.Sections = FindFrameSections(*slate.data);
    in.Title = LayTitleOut({form, SystemMenuRules(form), form.WindowSize, frame, frame, caption, true, {}},
                           TitleSkinOf(*slate.data));
    in.Caption = u"Marvolena v1.0";
    in.CaptionFont.Height = -13 * ppi / 96;
    in.Painter = &text;
    picture = PixelImage(form.WindowSize.X, form.WindowSize.Y);
  }
  TacFormFrame form;
  TacTextRecorder text;
  TacFramePictureInput in;
  PixelImage picture, titleEnd;
};

void BM_FramePicture(benchmark::State& state) {
  MainFrame f(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    f.text.calls.clear();
    PaintFramePicture(f.in, f.picture.view(), f.titleEnd);
    benchmark::DoNotOptimize(f.picture.view().pixels);
  }
  state.counters["pixels"] = f.picture.width() * f.picture.height();
}
BENCHMARK(BM_FramePicture)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFramePicture(benchmark::State& state) {
  MainFrame f(static_cast<int>(state.range(0)));
  PixelImage to(f.picture.width(), f.picture.height());
  for (auto _ : state) {
    std::memcpy(to.view().pixels, f.picture.view().pixels, f.picture.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.view().pixels);
  }
}
BENCHMARK(BM_MemcpyFramePicture)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

// One fade frame: the close button's hot look over the title, for its glyph window.
void BM_CaptionButtonFadeFrame(benchmark::State& state) {
  MainFrame f(static_cast<int>(state.range(0)));
  PaintFramePicture(f.in, f.picture.view(), f.titleEnd);
  for (auto _ : state) {
    PixelImage frame = CaptionButtonImage(f.in, f.in.Title.Close, 1, f.titleEnd.view(), f.picture.width());
    benchmark::DoNotOptimize(frame.view().pixels);
  }
}
BENCHMARK(BM_CaptionButtonFadeFrame)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_MemcpyCaptionButton(benchmark::State& state) {
  MainFrame f(static_cast<int>(state.range(0)));
  const TRect r = f.in.Title.Close.Rect;
  PixelImage from(r.Width(), r.Height()), to(r.Width(), r.Height());
  for (auto _ : state) {
    std::memcpy(to.view().pixels, from.view().pixels, from.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.view().pixels);
  }
}
BENCHMARK(BM_MemcpyCaptionButton)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

}  // namespace
