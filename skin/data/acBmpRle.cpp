#include "skin/data/acBmpRle.h"

namespace {

class RunWriter {
 public:
  RunWriter(int width, int height, std::vector<uint8_t>& out) : width_(width), height_(height), out_(out) {}
  // Rows are counted from the bottom, as stored.
  void Put(uint8_t index) {
    if (x_ < width_) out_[static_cast<size_t>(height_ - 1 - y_) * static_cast<size_t>(width_) + static_cast<size_t>(x_)] = index;
    ++x_;
  }
  void EndLine() { x_ = 0, ++y_; }
  void Move(int dx, int dy) {
    x_ += dx, y_ += dy;
    if (x_ > width_ || y_ >= height_) throw BmpRefusal("a delta in the compressed data moves outside the picture");
  }
  bool Done() const { return y_ >= height_; }

 private:
  int width_, height_;
  std::vector<uint8_t>& out_;
  int x_ = 0, y_ = 0;
};

}  // namespace

std::vector<uint8_t> ExpandBmpRuns(const BmpLayout& layout) {
  const bool four = layout.Compression == BmpCompression::Rle4;
  std::vector<uint8_t> indexes(static_cast<size_t>(layout.Width) * static_cast<size_t>(layout.Height), 0);
  RunWriter pixels(layout.Width, layout.Height, indexes);
  const std::span<const uint8_t> data = layout.Data;
  const auto ended = [] { return BmpRefusal("the compressed data ends early"); };
  size_t p = 0;
  while (!pixels.Done()) {
    if (data.size() - p < 2) throw ended();
    const int count = data[p];
    const uint8_t code = data[p + 1];
    p += 2;
    if (count > 0) {  // a run of one index, or of two alternating nibbles
      for (int i = 0; i < count; ++i) pixels.Put(four ? (i % 2 == 0 ? code >> 4 : code & 0x0F) : code);
    } else if (code == 0) {
      pixels.EndLine();
    } else if (code == 1) {
      break;  // end of the picture
    } else if (code == 2) {
      if (data.size() - p < 2) throw ended();
      pixels.Move(data[p], data[p + 1]);
      p += 2;
    } else {  // absolute: `code` indexes as they are, padded to a whole 16-bit word
      const size_t size = four ? (code + 1u) / 2 : code;
      if (data.size() - p < size) throw ended();
      for (int i = 0; i < code; ++i) pixels.Put(four ? (i % 2 == 0 ? data[p + i / 2] >> 4 : data[p + i / 2] & 0x0F) : data[p + i]);
      p += std::min(size + size % 2, data.size() - p);
    }
  }
  return indexes;
}
