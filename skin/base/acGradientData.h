#pragma once
// Gradient texts of skin sections ("GRADIENTDATA" and friends) parsed into points.
#include <cstdint>
#include <string_view>
#include <vector>

struct TsColor {
  uint8_t R = 0, G = 0, B = 0, A = 0;
  // COLORREF-style value with the alpha in the top byte.
  constexpr uint32_t Value() const { return R | G << 8 | B << 16 | static_cast<uint32_t>(A) << 24; }
  static constexpr TsColor FromValue(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
  }
  bool operator==(const TsColor&) const = default;
};

// Mode bits of a gradient point.
inline constexpr uint32_t kGradOrientationMask = 0x03;  // 0 vertical, 1 horizontal, 2 four triangles
inline constexpr uint32_t kGradFourTriangles = 2;
inline constexpr uint32_t kGradSmooth = 0x10;   // band drawn with the smooth-gradient painter
inline constexpr uint32_t kGradOverlay = 0x20;  // on the first point: drawn over the background

struct TsGradPoint {
  uint16_t Index = 0;
  uint32_t Mode = 0;
  TsColor Color;
  uint8_t Percent = 0;  // position along the gradient, 0..100
  bool operator==(const TsGradPoint&) const = default;
};

// Two formats, told apart by the last character:
//  "…;0": groups of five fields "colour;unused;step;mode;unused"; each point sits at the
//         sum of the steps before it (each step 0..100); alpha 255; mode bit 0x10 cleared.
//  "…;B" (a capital letter, the number of points: A = 1): groups of three fields
//         "colour with alpha;percent;mode"; the letter may also follow the last number directly.
// The last point always sits at 100 %. Texts of four characters or less, texts whose
// fields are not numbers or too few for the points announced, and texts ending in any
// other character give no gradient (an empty result).
std::vector<TsGradPoint> ParseGradientData(std::string_view Text);

// False when Text is a gradient by its length and last character but one of its fields is
// not a number: a skin holding such a text does not load.
bool GradientFieldsAreNumbers(std::string_view Text);
