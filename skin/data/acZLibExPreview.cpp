#include <array>

#include "skin/data/acByteReader.h"
#include "skin/data/acZLibEx.h"

std::optional<size_t> FindBytes(std::span<const uint8_t> haystack, std::span<const uint8_t> needle) {
  const size_t n = needle.size();
  if (n == 0) return 0;
  if (haystack.size() < n) return std::nullopt;
  std::array<size_t, 256> skip;
  skip.fill(n);
  for (size_t i = 0; i + 1 < n; ++i) skip[needle[i]] = n - 1 - i;
  for (size_t pos = 0; pos + n <= haystack.size(); pos += skip[haystack[pos + n - 1]]) {
    size_t k = n;
    while (k > 0 && haystack[pos + k - 1] == needle[k - 1]) --k;
    if (k == 0) return pos;
  }
  return std::nullopt;
}

PreviewLocation LocatePreview(std::span<const uint8_t> PackedData) {
  const auto marker = FindBytes(PackedData, AsBytes(kPreviewMarker));
  if (!marker) return {};
  ByteReader in(PackedData);
  in.Skip(*marker + kPreviewMarker.size(), "the preview marker");
  if (in.Remaining() < 4) return {PreviewState::Truncated, {}};
  const uint32_t size = in.U32("the preview size");
  if (size > in.Remaining()) return {PreviewState::Truncated, {}};
  return {PreviewState::Found, in.Bytes(size, "the preview")};
}

bool ExtractPreview(std::vector<uint8_t>& Dest, std::span<const uint8_t> PackedData) {
  const PreviewLocation preview = LocatePreview(PackedData);
  if (preview.State != PreviewState::Found) return false;
  Dest.assign(preview.Bytes.begin(), preview.Bytes.end());
  return true;
}

bool ExtractPreviewFromFile(std::vector<uint8_t>& Dest, const std::filesystem::path& FileName) {
  const auto bytes = ReadFileBytes(FileName);
  return bytes && ExtractPreview(Dest, *bytes);
}
