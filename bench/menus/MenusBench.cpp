// The painting our own code does when the app menu opens: the popup's picture once, then
// its two items ("卸载" hot, "安装" normal) from it; and one item alone. The yardstick is a
// memcpy of the popup's pixels.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/common/SlateBench.h"
#include "skin/forms/logic/acMenuItemPaint.h"
#include "skin/forms/logic/acMenuPicture.h"
#include "skin/paint/acTextRecorder.h"

namespace {

struct AppMenu {
  explicit AppMenu(int ppi) : data(*SlateAt(ppi).data) {
    metrics = MenuMetricsAt(TacMenuSettings{}, ppi, &data, false);
    font.Face = u"微软雅黑";
    font.Height = -12 * ppi / 96;
    glyph = 16 * ppi / 96;
    item = MeasureMenuItem({u"卸载", u"", {glyph, glyph}, true}, metrics, painter, font);
    spec.Size = PopupSizeOf({{item}, {item}}, metrics.BorderWidth);
    spec.Metrics = metrics;
    spec.GlyphWidth = glyph;
    style.Metrics = metrics;
  }
  TacMenuItemLook Look(std::u16string caption, bool selected) const {
    TacMenuItemLook look;
    look.Caption = std::move(caption);
    look.Selected = selected;
    look.Glyph = {glyph, glyph};
    look.Font = font;
    look.CaptionFont = font;
    return look;
  }
  TRect ItemRect(int index) const {
    const int b = metrics.BorderWidth;
    return TRect::FromSize(b, b + index * item.cy, item.cx, item.cy);
  }

  TacSkinData& data;
  TacTextRecorder painter;
  TacMenuMetrics metrics;
  TacFont font;
  int glyph = 16;
  TSize item;
  TacMenuPictureSpec spec;
  TacMenuItemStyle style;
};

void BM_OpenAppMenu(benchmark::State& state) {
  AppMenu menu(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const TacMenuPicture picture = BuildMenuPicture(menu.data, menu.spec);
    PixelImage hot = PaintMenuItem(menu.data, picture, menu.ItemRect(0), menu.Look(u"卸载", true), menu.style, menu.painter);
    PixelImage normal =
        PaintMenuItem(menu.data, picture, menu.ItemRect(1), menu.Look(u"安装", false), menu.style, menu.painter);
    benchmark::DoNotOptimize(hot.view().pixels);
    benchmark::DoNotOptimize(normal.view().pixels);
    menu.painter.calls.clear();
  }
  state.counters["pixels"] = menu.spec.Size.cx * menu.spec.Size.cy;
}
BENCHMARK(BM_OpenAppMenu)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_DrawOneItem(benchmark::State& state) {
  AppMenu menu(static_cast<int>(state.range(0)));
  const TacMenuPicture picture = BuildMenuPicture(menu.data, menu.spec);
  for (auto _ : state) {
    PixelImage hot = PaintMenuItem(menu.data, picture, menu.ItemRect(0), menu.Look(u"卸载", true), menu.style, menu.painter);
    benchmark::DoNotOptimize(hot.view().pixels);
    menu.painter.calls.clear();
  }
}
BENCHMARK(BM_DrawOneItem)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_MemcpyPopup(benchmark::State& state) {
  AppMenu menu(static_cast<int>(state.range(0)));
  PixelImage from(menu.spec.Size.cx, menu.spec.Size.cy, 0xFF808080u), to(menu.spec.Size.cx, menu.spec.Size.cy);
  for (auto _ : state) {
    std::memcpy(to.view().pixels, from.view().pixels, from.data().size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.view().pixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyPopup)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

}  // namespace
