#include "skin/data/acZLibExStream.h"

#include <algorithm>
#include <limits>
#include <new>
#include <string>

#include "skin/data/acZLibEx.h"

namespace {

constexpr size_t kMaxChunk = std::numeric_limits<uInt>::max();

std::string ZlibMessage(const z_stream& s, const char* fallback) { return s.msg ? s.msg : fallback; }

}  // namespace

ZlibInflater::ZlibInflater() {
  if (inflateInit(&stream_) != Z_OK) throw std::bad_alloc();
}

ZlibInflater::~ZlibInflater() { inflateEnd(&stream_); }

size_t ZlibInflater::InflateExact(std::span<const uint8_t> input, std::span<uint8_t> output) {
  inflateReset(&stream_);
  stream_.avail_in = 0;
  uint8_t none = 0;  // zlib wants a valid pointer even for an empty output
  stream_.next_out = output.empty() ? &none : output.data();
  stream_.avail_out = static_cast<uInt>(output.size());
  size_t fed = 0;
  for (;;) {
    if (stream_.avail_in == 0 && fed < input.size()) {
      const size_t chunk = std::min(input.size() - fed, kMaxChunk);
      stream_.next_in = const_cast<Bytef*>(input.data() + fed);
      stream_.avail_in = static_cast<uInt>(chunk);
      fed += chunk;
    }
    // Z_FINISH once all input is in: zlib then writes straight to the output, no window.
    const int rc = inflate(&stream_, fed == input.size() ? Z_FINISH : Z_NO_FLUSH);
    if (rc == Z_STREAM_END) break;
    if (rc == Z_MEM_ERROR) throw std::bad_alloc();
    if (rc == Z_DATA_ERROR || rc == Z_NEED_DICT || rc == Z_STREAM_ERROR)
      throw SkinPackageError("damaged compressed data (" + ZlibMessage(stream_, "invalid stream") + ")");
    if (stream_.avail_out == 0 && stream_.avail_in > 0)
      throw SkinPackageError("the data unpacks to more than its declared size");
    if (stream_.avail_in == 0 && fed == input.size())
      throw SkinPackageError("the compressed data is truncated");
  }
  if (stream_.avail_out != 0) throw SkinPackageError("the data unpacks to less than its declared size");
  return fed - stream_.avail_in;
}

ZlibDeflater::ZlibDeflater(int level, int strategy) {
  if (deflateInit2(&stream_, level, Z_DEFLATED, MAX_WBITS, 8, strategy) != Z_OK) throw std::bad_alloc();
}

ZlibDeflater::~ZlibDeflater() { deflateEnd(&stream_); }

void ZlibDeflater::Deflate(std::span<const uint8_t> input, std::vector<uint8_t>& out) {
  deflateReset(&stream_);
  const size_t start = out.size();
  out.resize(start + deflateBound(&stream_, static_cast<uLong>(input.size())));
  stream_.next_in = const_cast<Bytef*>(input.data());
  stream_.avail_in = static_cast<uInt>(input.size());
  stream_.next_out = out.data() + start;
  stream_.avail_out = static_cast<uInt>(out.size() - start);
  if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) throw SkinPackageError("compression failed");
  out.resize(start + stream_.total_out);
}
