#pragma once
// Small packages built byte by byte, including ones no writer would produce.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

std::vector<uint8_t> Bytes(std::string_view text);
std::vector<uint8_t> ZlibStream(std::span<const uint8_t> data, int level = -1);

class RawPackage {
 public:
  RawPackage& Magic(std::string_view magic);
  RawPackage& Count(uint32_t count);  // overrides the number of entries written
  RawPackage& Entry(std::string_view name, std::string_view content);
  RawPackage& Entry(std::string_view name, uint32_t declaredSize, std::vector<uint8_t> stream);
  RawPackage& Tail(std::vector<uint8_t> bytes);  // raw bytes after the entries
  std::vector<uint8_t> Build() const;

 private:
  std::string magic_ = "ASzf";
  bool countSet_ = false;
  uint32_t count_ = 0;
  std::vector<uint8_t> entries_;
  uint32_t entryCount_ = 0;
  std::vector<uint8_t> tail_;
};

void PutU32(std::vector<uint8_t>& out, uint32_t v);
