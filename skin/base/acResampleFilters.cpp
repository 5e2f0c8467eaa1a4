#include "skin/base/acResampleFilters.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

double Box(double t) { return (t > -0.5 && t <= 0.5) ? 1.0 : 0.0; }

double Triangle(double t) {
  t = std::fabs(t);
  return t < 1.0 ? 1.0 - t : 0.0;
}

double Hermite(double t) {
  t = std::fabs(t);
  return t < 1.0 ? (2.0 * t - 3.0) * t * t + 1.0 : 0.0;
}

double Bell(double t) {
  t = std::fabs(t);
  if (t < 0.5) return 0.75 - t * t;
  if (t < 1.5) return 0.5 * (t - 1.5) * (t - 1.5);
  return 0.0;
}

double BSpline(double t) {
  t = std::fabs(t);
  if (t < 1.0) return 0.5 * t * t * t - t * t + 2.0 / 3.0;
  if (t < 2.0) return (2.0 - t) * (2.0 - t) * (2.0 - t) / 6.0;
  return 0.0;
}

double Sinc(double x) {
  if (x == 0.0) return 1.0;
  x *= std::numbers::pi;
  return std::sin(x) / x;
}

double Lanczos3(double t) {
  t = std::fabs(t);
  return t < 3.0 ? Sinc(t) * Sinc(t / 3.0) : 0.0;
}

double Mitchell(double t) {
  constexpr double B = 1.0 / 3.0, C = 1.0 / 3.0;
  t = std::fabs(t);
  const double t2 = t * t, t3 = t2 * t;
  if (t < 1.0) return ((12 - 9 * B - 6 * C) * t3 + (-18 + 12 * B + 6 * C) * t2 + (6 - 2 * B)) / 6.0;
  if (t < 2.0) return ((-B - 6 * C) * t3 + (6 * B + 30 * C) * t2 + (-12 * B - 48 * C) * t + (8 * B + 24 * C)) / 6.0;
  return 0.0;
}

}  // namespace

ResampleKernel KernelOf(ResampleFilter filter) {
  switch (filter) {
    case ResampleFilter::Box: return {Box, 0.5};
    case ResampleFilter::Triangle: return {Triangle, 1.0};
    case ResampleFilter::Hermite: return {Hermite, 1.0};
    case ResampleFilter::Bell: return {Bell, 1.5};
    case ResampleFilter::BSpline: return {BSpline, 2.0};
    case ResampleFilter::Lanczos: return {Lanczos3, 3.0};
    case ResampleFilter::Mitchell: return {Mitchell, 2.0};
  }
  throw std::invalid_argument("unknown resampling filter");
}
