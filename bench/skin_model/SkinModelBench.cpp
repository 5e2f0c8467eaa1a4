// Building the skin model of a realistic skin at 96 and 192 PPI, against decoding the
// skin's images alone (the part of a load no model code can avoid). Compare the two in
// the same run: the model's own work is the difference.
#include <benchmark/benchmark.h>

#include "skin/data/acImageDecode.h"
#include "tests/support/FixtureSkins.h"

namespace {

const FixtureSkin& Skin() {
  static const FixtureSkin skin = RealisticSkin();
  return skin;
}

void BM_DecodeSkinImages(benchmark::State& state) {
  for (auto _ : state)
    for (const FixtureFile& f : Skin().Files) benchmark::DoNotOptimize(DecodeImage(f.Bytes));
}
BENCHMARK(BM_DecodeSkinImages)->Unit(benchmark::kMicrosecond);

void BM_BuildSkinModel(benchmark::State& state) {
  const auto files = TacSkinFiles::FromPackage(Skin().Pack());
  const int ppi = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TacSkinData data(files.get(), ppi);
    data.Init();  // decodes the master bitmap, then builds every table
    benchmark::DoNotOptimize(data.ma.data());
  }
}
BENCHMARK(BM_BuildSkinModel)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

}  // namespace
