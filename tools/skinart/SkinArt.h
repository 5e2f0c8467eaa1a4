#pragma once
// Draws every picture a skin layout names.
#include <map>
#include <string>

#include "pixels/PixelBuffer.h"
#include "tools/skinart/SkinLayout.h"

// The pictures by file name. Masked elements are written as picture over mask (black
// shows the picture, white the background), alpha elements with straight alpha, plain ones
// opaque with magenta where they are empty. Throws LayoutError when two elements that
// share a rectangle draw different pixels, or a painter returns the wrong number or size
// of state images.
std::map<std::string, PixelImage> DrawSkinPictures(const SkinLayout& layout);

// Writes a picture by its extension: ".PNG" with alpha, ".BMP" as 24-bit. False on failure.
bool WritePicture(const std::string& path, const PixelImage& picture);
