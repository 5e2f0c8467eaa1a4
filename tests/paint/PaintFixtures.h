#pragma once
// Small pictures for the painting tests, written as text: each character is one pixel,
// looked up in a palette of opaque colours.
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "pixels/PixelBuffer.h"
#include "skin/paint/acMaskImage.h"

namespace paint_test {

// Opaque pixels by letter: K black, W white, M magenta (key), R G B, then a..z greys and
// digits as distinct colours for telling pieces apart.
uint32_t PixelOf(char c);
PixelImage Picture(std::initializer_list<std::string> rows);
// The picture as rows of letters (inverse of Picture; '?' for unknown pixels).
std::vector<std::string> Letters(const PixelImage& img);

// A mask element covering the whole of source.
TacMaskImage MaskOver(const PixelImage& source, int imageCount, int maskType, int drawMode, int wl, int wt, int wr,
                      int wb, int cfg = 0);

}  // namespace paint_test
