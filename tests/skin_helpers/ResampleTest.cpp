#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "skin/base/acResample.h"
#include "skin/base/acResampleFilters.h"

namespace {

constexpr ResampleFilter kAllFilters[] = {ResampleFilter::Box,     ResampleFilter::Triangle, ResampleFilter::Hermite,
                                          ResampleFilter::Bell,    ResampleFilter::BSpline,  ResampleFilter::Lanczos,
                                          ResampleFilter::Mitchell};
constexpr ResampleFilter kNonRinging[] = {ResampleFilter::Box, ResampleFilter::Triangle, ResampleFilter::Hermite,
                                          ResampleFilter::Bell, ResampleFilter::BSpline};

PixelImage Noise(int w, int h) {
  PixelImage img(w, h);
  uint32_t seed = 99;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.at(x, y) = seed = seed * 1664525u + 1013904223u;
  return img;
}

// Grey row image: value(x) for every row.
PixelImage Row(std::initializer_list<uint8_t> values, int height = 1) {
  PixelImage img(static_cast<int>(values.size()), height);
  int x = 0;
  for (uint8_t v : values) {
    for (int y = 0; y < height; ++y) img.at(x, y) = MakePixel(v, v, v, 255);
    ++x;
  }
  return img;
}

std::vector<uint32_t> Blue(const PixelImage& img, int y) {
  std::vector<uint32_t> out;
  for (int x = 0; x < img.width(); ++x) out.push_back(PixelB(img.at(x, y)));
  return out;
}

TEST(ResampleBitmap, SameSizeIsAnIdenticalCopyForEveryFilter) {
  const PixelImage big = Noise(9, 7);
  const PixelBuffer view = big.view().sub(1, 1, 6, 5);  // stride differs from width
  for (ResampleFilter f : kAllFilters) {
    PixelImage dst;
    ResampleBitmap(view, dst, 6, f, 5);
    ASSERT_EQ(dst.width(), 6);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x) EXPECT_EQ(dst.at(x, y), big.at(x + 1, y + 1));
  }
}

TEST(ResampleBitmap, ConstantPictureStaysConstantGrowingAndShrinking) {
  const PixelImage src(7, 5, 0x80C86432);
  for (ResampleFilter f : kAllFilters) {
    for (auto [w, h] : {std::pair{13, 9}, std::pair{3, 2}, std::pair{7, 1}, std::pair{1, 11}}) {
      PixelImage dst;
      ResampleBitmap(src.view(), dst, w, f, h);
      EXPECT_EQ(dst, PixelImage(w, h, 0x80C86432)) << static_cast<int>(f) << " " << w << "x" << h;
    }
  }
}

TEST(ResampleBitmap, StepEdgeStaysMonotonicForNonRingingFilters) {
  const PixelImage step = Row({0, 0, 0, 0, 255, 255, 255, 255}, 2);
  for (ResampleFilter f : kNonRinging) {
    for (int w : {20, 5, 3}) {
      PixelImage dst;
      ResampleBitmap(step.view(), dst, w, f, 2);
      const auto row = Blue(dst, 0);
      EXPECT_TRUE(std::is_sorted(row.begin(), row.end())) << static_cast<int>(f) << " to " << w;
      EXPECT_LT(row.front(), row.back());
    }
  }
}

TEST(ResampleBitmap, KnownValues) {
  PixelImage dst;
  ResampleBitmap(Row({0, 100, 200, 50}).view(), dst, 2, ResampleFilter::Box, 1);
  EXPECT_EQ(Blue(dst, 0), (std::vector<uint32_t>{50, 125}));
  ResampleBitmap(Row({0, 200}).view(), dst, 4, ResampleFilter::Triangle, 1);
  EXPECT_EQ(Blue(dst, 0), (std::vector<uint32_t>{0, 50, 150, 200}));
  // Ringing filters overshoot at an edge and are clamped to the channel range.
  ResampleBitmap(Row({0, 0, 255, 255}).view(), dst, 16, ResampleFilter::Lanczos, 1);
  const auto lanczos = Blue(dst, 0);
  EXPECT_EQ(*std::max_element(lanczos.begin(), lanczos.end()), 255u);
  EXPECT_FALSE(std::is_sorted(lanczos.begin(), lanczos.end()));
}

TEST(ResampleBitmap, VerticalPassMatchesHorizontal) {
  PixelImage column(1, 4);
  const uint8_t values[] = {0, 100, 200, 50};
  for (int y = 0; y < 4; ++y) column.at(0, y) = MakePixel(values[y], values[y], values[y]);
  PixelImage dst;
  ResampleBitmap(column.view(), dst, 1, ResampleFilter::Box, 2);
  EXPECT_EQ(PixelB(dst.at(0, 0)), 50u);
  EXPECT_EQ(PixelB(dst.at(0, 1)), 125u);
}

TEST(ResampleBitmap, SourceMayBeTheDestinationAndEmptySizesGiveAnEmptyPicture) {
  PixelImage img = Row({0, 200});
  ResampleBitmap(img.view(), img, 4, ResampleFilter::Triangle, 1);
  EXPECT_EQ(Blue(img, 0), (std::vector<uint32_t>{0, 50, 150, 200}));
  ResampleBitmap(img.view(), img, 0, ResampleFilter::Mitchell, 3);
  EXPECT_TRUE(img.empty());
  PixelImage fromEmpty;
  ResampleBitmap(PixelBuffer{}, fromEmpty, 2, ResampleFilter::Mitchell, 2);
  EXPECT_EQ(fromEmpty, PixelImage(2, 2, 0));
  EXPECT_THROW(ResampleBitmap(img.view(), img, 2, static_cast<ResampleFilter>(7), 2), std::invalid_argument);
}

}  // namespace

// Each kernel against values worked out from its published formula (Mitchell-Netravali
// with B = C = 1/3, Lanczos with three lobes), and where it vanishes.
TEST(ResampleKernels, KnownValuesOfEveryKernel) {
  constexpr double kPi2 = 9.869604401089358;  // pi squared
  const struct {
    ResampleFilter filter;
    double support;
    std::vector<std::pair<double, double>> values;  // distance, weight
  } kernels[] = {
      {ResampleFilter::Box, 0.5, {{0, 1}, {0.5, 1}, {-0.5, 0}, {0.6, 0}}},
      {ResampleFilter::Triangle, 1.0, {{0, 1}, {0.25, 0.75}, {-0.5, 0.5}, {1, 0}}},
      {ResampleFilter::Hermite, 1.0, {{0, 1}, {0.5, 0.5}, {-0.25, 0.84375}, {1, 0}}},
      {ResampleFilter::Bell, 1.5, {{0, 0.75}, {0.5, 0.5}, {1, 0.125}, {-1.5, 0}}},
      {ResampleFilter::BSpline, 2.0, {{0, 2.0 / 3}, {1, 1.0 / 6}, {1.5, 1.0 / 48}, {-2, 0}}},
      {ResampleFilter::Lanczos, 3.0, {{0, 1}, {0.5, 6 / kPi2}, {1, 0}, {-1.5, -4 / (3 * kPi2)}, {2, 0}, {3, 0}}},
      {ResampleFilter::Mitchell, 2.0, {{0, 8.0 / 9}, {0.5, 77.0 / 144}, {1, 1.0 / 18}, {-1.5, -5.0 / 144}, {2, 0}}},
  };
  for (const auto& k : kernels) {
    const ResampleKernel kernel = KernelOf(k.filter);
    EXPECT_EQ(kernel.support, k.support) << static_cast<int>(k.filter);
    for (const auto& [distance, weight] : k.values)
      EXPECT_NEAR(kernel.weight(distance), weight, 1e-12) << static_cast<int>(k.filter) << " at " << distance;
  }
  EXPECT_THROW(KernelOf(static_cast<ResampleFilter>(7)), std::invalid_argument);
}
