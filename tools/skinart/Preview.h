#pragma once
// The package's preview picture: a small window of the skin, painted by the engine's own
// painters from the finished skin folder (no text: the native build draws none).
#include <filesystem>

#include "pixels/PixelBuffer.h"

inline constexpr int kPreviewWidth = 280, kPreviewHeight = 200;
// Throws when the folder holds no skin the engine can load.
PixelImage DrawPreview(const std::filesystem::path& skinFolder);
