#pragma once
// The reconstruction kernels of the resampler (the classic published forms), as
// functions of the distance from the sample, with the distance beyond which they vanish.
#include "skin/base/acResample.h"

struct ResampleKernel {
  double (*weight)(double distance);
  double support;
};

// Throws std::invalid_argument for a value outside the enumeration.
ResampleKernel KernelOf(ResampleFilter filter);
