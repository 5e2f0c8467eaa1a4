// The main window's client area painted from Slate: its FORM background and the 36 speed
// buttons at their places, at 96 and 192 PPI; one 87 x 22 button in each state; and, as
// the yardstick, a memcpy of a picture of the same size.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <memory>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"
#include "skin/paint/sGraphUtils.h"

namespace {

// The speed buttons of the main window: left, top, width (all 22 high), at 96 PPI.
constexpr std::array<std::array<int, 3>, 36> kButtons{{
    {17, 8, 66},   {88, 8, 63},    {155, 8, 66},   {225, 8, 66},   {17, 36, 66},   {88, 36, 66},
    {155, 36, 66}, {225, 36, 66},  {17, 64, 66},   {88, 64, 66},   {155, 64, 66},  {225, 64, 66},
    {17, 92, 66},  {87, 92, 66},   {155, 92, 66},  {225, 92, 65},  {17, 119, 87},  {109, 119, 87},
    {203, 119, 87}, {17, 147, 87}, {109, 147, 87}, {203, 147, 87}, {17, 175, 87},  {109, 175, 87},
    {203, 175, 87}, {17, 203, 87}, {109, 203, 87}, {203, 203, 87}, {17, 231, 87},  {109, 231, 87},
    {203, 231, 87}, {17, 259, 132}, {155, 259, 135}, {308, 36, 85}, {308, 64, 85},  {308, 203, 85},
}};

struct Slate {
  std::unique_ptr<TacSkinFiles> files;
  std::unique_ptr<TacSkinData> data;
  explicit Slate(int ppi) : files(TacSkinFiles::Open(SLATE_PACKAGE)) {
    data = std::make_unique<TacSkinData>(files.get(), ppi);
    data->Init();
  }
  TacElementOwnerData Owner(const char* section) const {
    TacElementOwnerData o;
    o.Data = data.get();
    o.Index = data->GetSkinIndex(section);
    return o;
  }
};

const Slate& SlateAt(int ppi) {
  static const Slate at96(96), at192(192);
  return ppi == 96 ? at96 : at192;
}

void PaintLayout(const Slate& skin, const TacElementOwnerData& form, const TacElementOwnerData& button,
                 const PixelBuffer& picture, int ppi) {
  // The client area has no border of its own: its background is the section's colour.
  FillSectionBG(form.Index, TCacheInfo{}, 0, kKeyColor, *skin.data, picture, {}, BufferRect(picture));
  const TCacheInfo background = MakeCacheInfo(picture);
  for (const auto& [left, top, width] : kButtons) {
    const TRect r = TRect::FromSize(left * ppi / 96, top * ppi / 96, width * ppi / 96, 22 * ppi / 96);
    PaintElement(button, background, 0, picture, {}, r, true);
  }
}

void BM_Layout(benchmark::State& state) {
  const int ppi = static_cast<int>(state.range(0));
  const Slate& skin = SlateAt(ppi);
  const TacElementOwnerData form = skin.Owner("FORM"), button = skin.Owner("SPEEDBUTTON");
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
  const Slate& skin = SlateAt(96);
  const TacElementOwnerData button = skin.Owner("SPEEDBUTTON");
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
