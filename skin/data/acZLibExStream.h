#pragma once
// zlib streams with their lifetime tied to an object. One inflater serves every entry of
// a package (reset between entries), so unpacking costs no more than inflating.
#include <zlib.h>

#include <cstdint>
#include <span>
#include <vector>

class ZlibInflater {
 public:
  ZlibInflater();
  ~ZlibInflater();
  ZlibInflater(const ZlibInflater&) = delete;
  ZlibInflater& operator=(const ZlibInflater&) = delete;

  // Inflates the zlib stream at the start of `input`, which must unpack to exactly
  // output.size() bytes, and returns how many input bytes it took: the input position
  // right after the stream's Adler-32 trailer. Throws SkinPackageError otherwise.
  size_t InflateExact(std::span<const uint8_t> input, std::span<uint8_t> output);

 private:
  z_stream stream_{};
};

class ZlibDeflater {
 public:
  ZlibDeflater(int level, int strategy);
  ~ZlibDeflater();
  ZlibDeflater(const ZlibDeflater&) = delete;
  ZlibDeflater& operator=(const ZlibDeflater&) = delete;

  // Appends one complete zlib stream of `input` to `out`.
  void Deflate(std::span<const uint8_t> input, std::vector<uint8_t>& out);

 private:
  z_stream stream_{};
};
