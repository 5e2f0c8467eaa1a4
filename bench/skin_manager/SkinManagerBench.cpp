// The skin load of the program's start: the main window's manager made with its stored
// settings and the embedded Slate, up to its first SC_SKINLOADED broadcast. The baseline
// is the skin model loading the same package for one density without a manager; the
// ratio is what selecting, opening and broadcasting add.
#include <benchmark/benchmark.h>

#include <map>
#include <stdexcept>

#include "app/Unit1SkinSettings.h"
#include "skin/data/acSkinFiles.h"
#include "skin/data/sSkinManager.h"
#include "tests/support/RecordingHost.h"

namespace {

const std::vector<uint8_t>& Built(const char* path) {
  static std::map<std::string, std::vector<uint8_t>> files;
  auto& bytes = files[path];
  if (bytes.empty()) {
    auto read = ReadFileBytes(path);
    if (!read) throw std::runtime_error(std::string("the build made no ") + path);
    bytes = std::move(*read);
  }
  return bytes;
}

void ModelOnly(benchmark::State& state) {
  const auto& package = Built(SLATE_PACKAGE);
  for (auto _ : state) {
    auto skin = TacSkinFiles::FromPackage(package);
    skin->MutableSettings().ExtendedBorders = true;
    TacSkinData data(skin.get(), 96);
    data.Init();
    benchmark::DoNotOptimize(data.gd.size());
  }
}

// Start to SC_SKINLOADED at a screen of `state.range(0)` pixels per inch.
void ManagerStart(benchmark::State& state) {
  const auto& stored = Built(SLATE_STORED);
  for (auto _ : state) {
    RecordingHost host;
    host.systemPPI = static_cast<int>(state.range(0));
    TsSkinManager manager(host);
    ApplySknmngr1Settings(manager, stored);
    manager.Loaded();
    if (host.broadcasts.size() != 1 || !manager.IsActive()) state.SkipWithError("the skin did not load");
  }
}

}  // namespace

BENCHMARK(ModelOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(ManagerStart)->Arg(96)->Arg(144)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
