#pragma once
// Bounds-checked reading of little-endian values from untrusted bytes: every read either
// has its bytes or throws SkinPackageError naming what was being read.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/acZLibEx.h"

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  std::span<const uint8_t> Rest() const { return data_.subspan(pos_); }

  std::span<const uint8_t> Bytes(size_t n, std::string_view what) {
    if (n > Remaining()) throw SkinPackageError("the data ends inside " + std::string(what));
    const auto bytes = data_.subspan(pos_, n);
    pos_ += n;
    return bytes;
  }
  void Skip(size_t n, std::string_view what) { Bytes(n, what); }
  uint8_t U8(std::string_view what) { return Bytes(1, what)[0]; }
  uint32_t U32(std::string_view what) {
    const auto b = Bytes(4, what);
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
  }
  uint64_t U64(std::string_view what) {
    const uint64_t low = U32(what);
    return low | uint64_t{U32(what)} << 32;
  }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

inline void AppendU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

inline std::span<const uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}
