#pragma once
// A stand-in preview picture for the package: a small window drawn with Slate's own
// painters at display sizes (no text). The build uses the engine's rendering instead when
// it has one.
#include "common/PixelBuffer.h"
#include "tools/skinart/SkinLayout.h"

inline constexpr int kPreviewWidth = 280, kPreviewHeight = 200;
PixelImage DrawPreview(const SkinLayout& layout);
