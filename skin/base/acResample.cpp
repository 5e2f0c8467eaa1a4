#include "skin/base/acResample.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "skin/base/acResampleFilters.h"

namespace {

// For every output position, the source positions it draws from (one contiguous range,
// edge samples repeated into the border) and their normalised weights.
struct Contributions {
  std::vector<int> first;
  std::vector<int> count;
  std::vector<size_t> offset;
  std::vector<float> weights;
};

Contributions Contribute(int srcSize, int dstSize, const ResampleKernel& kernel) {
  const double scale = static_cast<double>(dstSize) / srcSize;
  const double stretch = scale < 1.0 ? 1.0 / scale : 1.0;  // a shrinking filter covers more source
  const double reach = kernel.support * stretch;
  Contributions c;
  std::vector<double> w;
  for (int i = 0; i < dstSize; ++i) {
    const double center = (i + 0.5) / scale - 0.5;
    const int left = static_cast<int>(std::floor(center - reach));
    const int right = static_cast<int>(std::ceil(center + reach));
    const int first = std::clamp(left, 0, srcSize - 1), last = std::clamp(right, 0, srcSize - 1);
    w.assign(static_cast<size_t>(last - first + 1), 0.0);
    double sum = 0.0;
    for (int j = left; j <= right; ++j) {
      const double weight = kernel.weight((center - j) / stretch);
      w[static_cast<size_t>(std::clamp(j, 0, srcSize - 1) - first)] += weight;
      sum += weight;
    }
    if (sum == 0.0) {  // nothing under the kernel: take the nearest sample
      std::fill(w.begin(), w.end(), 0.0);
      w[static_cast<size_t>(std::clamp(static_cast<int>(std::lrint(center)), first, last) - first)] = 1.0;
      sum = 1.0;
    }
    c.first.push_back(first);
    c.count.push_back(last - first + 1);
    c.offset.push_back(c.weights.size());
    for (double x : w) c.weights.push_back(static_cast<float>(x / sum));
  }
  return c;
}

using Channels = std::array<float, 4>;

Channels Unpack(uint32_t p) {
  return {static_cast<float>(p & 0xFF), static_cast<float>((p >> 8) & 0xFF), static_cast<float>((p >> 16) & 0xFF),
          static_cast<float>(p >> 24)};
}

uint32_t Pack(const float* ch) {
  uint32_t p = 0;
  for (int k = 0; k < 4; ++k) p |= static_cast<uint32_t>(std::clamp(std::lrint(ch[k]), 0L, 255L)) << (8 * k);
  return p;
}

// Horizontal pass: every source row to dstWidth samples of four float channels.
std::vector<float> ResampleRows(const PixelBuffer& src, const Contributions& cx, int dstWidth) {
  std::vector<float> out(static_cast<size_t>(dstWidth) * src.height * 4);
  std::vector<Channels> row(static_cast<size_t>(src.width));
  for (int y = 0; y < src.height; ++y) {
    std::transform(src.row(y), src.row(y) + src.width, row.begin(), Unpack);
    float* dst = out.data() + static_cast<size_t>(y) * dstWidth * 4;
    for (int x = 0; x < dstWidth; ++x, dst += 4) {
      const float* w = cx.weights.data() + cx.offset[x];
      const Channels* s = row.data() + cx.first[x];
      float acc[4] = {0, 0, 0, 0};
      for (int k = 0; k < cx.count[x]; ++k)
        for (int ch = 0; ch < 4; ++ch) acc[ch] += s[k][ch] * w[k];
      std::copy(acc, acc + 4, dst);
    }
  }
  return out;
}

}  // namespace

void ResampleBitmap(const PixelBuffer& Src, PixelImage& Dst, int Width, ResampleFilter Filter, int Height) {
  const ResampleKernel kernel = KernelOf(Filter);
  PixelImage result(std::max(Width, 0), std::max(Height, 0), 0);
  if (result.empty() || Src.empty()) {
    Dst = std::move(result);
    return;
  }
  if (Width == Src.width && Height == Src.height) {
    for (int y = 0; y < Height; ++y) std::copy(Src.row(y), Src.row(y) + Width, result.view().row(y));
    Dst = std::move(result);
    return;
  }
  const Contributions cx = Contribute(Src.width, Width, kernel);
  const Contributions cy = Contribute(Src.height, Height, kernel);
  const std::vector<float> rows = ResampleRows(Src, cx, Width);

  std::vector<float> acc(static_cast<size_t>(Width) * 4);
  const PixelBuffer out = result.view();
  for (int y = 0; y < Height; ++y) {
    std::fill(acc.begin(), acc.end(), 0.0f);
    const float* w = cy.weights.data() + cy.offset[y];
    for (int k = 0; k < cy.count[y]; ++k) {
      const float* src = rows.data() + static_cast<size_t>(cy.first[y] + k) * Width * 4;
      for (size_t i = 0; i < acc.size(); ++i) acc[i] += src[i] * w[k];
    }
    for (int x = 0; x < Width; ++x) out.at(x, y) = Pack(acc.data() + 4 * x);
  }
  Dst = std::move(result);
}
