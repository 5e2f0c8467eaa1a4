#include "tests/support/PackageFixtures.h"

#include <zlib.h>

#include <stdexcept>

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> ZlibStream(std::span<const uint8_t> data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
    throw std::runtime_error("compress failed");
  out.resize(size);
  return out;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

RawPackage& RawPackage::Magic(std::string_view magic) {
  magic_ = magic;
  return *this;
}

RawPackage& RawPackage::Count(uint32_t count) {
  countSet_ = true;
  count_ = count;
  return *this;
}

RawPackage& RawPackage::Entry(std::string_view name, std::string_view content) {
  return Entry(name, static_cast<uint32_t>(content.size()), ZlibStream(Bytes(content)));
}

RawPackage& RawPackage::Entry(std::string_view name, uint32_t declaredSize, std::vector<uint8_t> stream) {
  PutU32(entries_, static_cast<uint32_t>(name.size()));
  entries_.insert(entries_.end(), name.begin(), name.end());
  PutU32(entries_, declaredSize);
  entries_.insert(entries_.end(), stream.begin(), stream.end());
  ++entryCount_;
  return *this;
}

RawPackage& RawPackage::Tail(std::vector<uint8_t> bytes) {
  tail_.insert(tail_.end(), bytes.begin(), bytes.end());
  return *this;
}

std::vector<uint8_t> RawPackage::Build() const {
  std::vector<uint8_t> out(magic_.begin(), magic_.end());
  PutU32(out, countSet_ ? count_ : entryCount_);
  out.insert(out.end(), entries_.begin(), entries_.end());
  out.insert(out.end(), tail_.begin(), tail_.end());
  return out;
}
