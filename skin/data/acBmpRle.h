#pragma once
// Run-length encoded BMP pixel data (RLE8, RLE4) expanded to palette indexes.
#include <cstdint>
#include <vector>

#include "skin/data/acBmpLayout.h"

// One index per pixel, top row first. Pixels the data skips (by a delta or an early end
// of line or picture) are index 0. Runs past the end of a row are cut there. Throws
// BmpRefusal when the data ends early or moves outside the picture.
std::vector<uint8_t> ExpandBmpRuns(const BmpLayout& layout);
