// ResampleBitmap with the Mitchell filter, as the skin loader uses it to scale a button
// sheet for 120 and 192 pixels per inch. Rates are in output megapixels per second.
#include <benchmark/benchmark.h>

#include "skin/base/acResample.h"

namespace {

PixelImage ButtonSheet() {
  PixelImage img(288, 128);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      img.at(x, y) = MakePixel(static_cast<uint32_t>(x * 255 / 287), static_cast<uint32_t>(y * 2),
                               (x / 8 + y / 8) % 2 ? 0xF0u : 0x30u, (x % 72 < 2) ? 0 : 255);
  return img;
}

void BM_ResampleMitchell(benchmark::State& state) {
  const PixelImage src = ButtonSheet();
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  PixelImage dst;
  for (auto _ : state) {
    ResampleBitmap(src.view(), dst, width, ResampleFilter::Mitchell, height);
    benchmark::DoNotOptimize(dst.data().data());
  }
  state.counters["MP/s"] = benchmark::Counter(static_cast<double>(width) * height / 1e6 * state.iterations(),
                                              benchmark::Counter::kIsRate);
}

BENCHMARK(BM_ResampleMitchell)->Args({360, 160})->Args({576, 256})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
