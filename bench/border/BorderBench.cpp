// Building the main window's border picture (shadow stretched around the frame, the form
// and title sections, the caption buttons) from Slate, with a memcpy of as many pixels as
// the yardstick.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>

#include "bench/common/SlateBench.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"
#include "skin/forms/logic/acBorderPicture.h"

namespace {

// Slate with extended borders on (its shadow templates exist only then), one per density.
const TacSkinData& SlateWithBorders(int ppi) {
  struct Loaded {
    std::unique_ptr<TacSkinFiles> files;
    std::unique_ptr<TacSkinData> data;
  };
  static std::map<int, Loaded> loaded;
  Loaded& l = loaded[ppi];
  if (!l.data) {
    l.files = TacSkinFiles::Open(SLATE_PACKAGE);
    l.files->MutableSettings().ExtendedBorders = true;
    l.data = std::make_unique<TacSkinData>(l.files.get(), ppi);
    l.data->Init();
  }
  return *l.data;
}

// The main window: a single border with close and minimize around its client area.
struct MainWindowBorder {
  TacBorderFrame frame;
  TacFramePictureInput input;
  PixelImage picture;
  PixelImage titleEnd;

  explicit MainWindowBorder(int ppi) {
    const TacSkinData& data = SlateWithBorders(ppi);
    frame = {data.FormShadowSize, data.ExBorderWidth, data.ExTitleHeight, 0, 0,
             {kMainClientWidth * ppi / 96, kMainClientHeight * ppi / 96}};
    TacFormFrame form;
    form.BorderStyle = TacBorderStyle::bsSingle;
    form.Icons = {.SystemMenu = true, .Minimize = true, .Maximize = false};
    const TRect r = BorderFrameRect(frame);
    const TacTitleInput title{form, SystemMenuRules(form), {r.Width(), r.Height()}, frame.ExBorderWidth, 0,
                              frame.TitleHeight, true, {}};
    input.Data = &data;
    input.Sections = FindFrameSections(data);
    input.Title = BorderTitleLayout(title, TitleSkinOf(data), data.ExCenterOffs);
    const TPoint size = BorderPictureSize(frame);
    picture = PixelImage(size.X, size.Y);
  }
};

void BM_BorderPicture(benchmark::State& state) {
  MainWindowBorder border(static_cast<int>(state.range(0)));
  if (border.input.Sections.Form < 0) return state.SkipWithError("Slate has no FORM");
  for (auto _ : state) {
    PaintBorderPicture(border.input, border.frame, true, border.picture.view(), border.titleEnd);
    benchmark::DoNotOptimize(border.picture.data().data());
  }
  state.counters["pixels"] = static_cast<double>(border.picture.data().size());
}
BENCHMARK(BM_BorderPicture)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_MemcpyBorderPixels(benchmark::State& state) {
  MainWindowBorder border(static_cast<int>(state.range(0)));
  PixelImage to(border.picture.width(), border.picture.height());
  for (auto _ : state) {
    std::memcpy(to.view().pixels, border.picture.view().pixels, border.picture.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.data().data());
  }
}
BENCHMARK(BM_MemcpyBorderPixels)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

}  // namespace
