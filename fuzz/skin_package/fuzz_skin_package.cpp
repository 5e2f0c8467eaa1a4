// Any bytes handed to the package reader: an error or a result, never a crash. What it
// reads must survive a round trip through the writer.
#include <cstdlib>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "skin/data/acZLibExWriter.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckRoundTrip(const TacSkinConvertor& read) {
  std::vector<SkinPackageItem> items;
  if (read.Options) items.push_back({read.OptionsName, *read.Options});
  for (const TacFileItem& f : read.Files) items.push_back({f.Name, f.Stream});
  std::vector<uint8_t> packed;
  try {
    packed = PackSkin(items);
  } catch (const SkinPackageError&) {
    return;  // names the writer refuses (separators, the preview marker, ...)
  }
  TacSkinConvertor again;
  RecordingErrorSink errors;
  Check(UnpackSkin(packed, again, errors));
  Check(again.Options == read.Options && again.FileCount() == read.FileCount());
  for (int i = 0; i < read.FileCount(); ++i) {
    Check(again.Files[i].Name == read.Files[i].Name && again.Files[i].Stream == read.Files[i].Stream);
    Check(again.Files[i].FileType == read.Files[i].FileType);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  TacSkinConvertor convertor;
  RecordingErrorSink errors;
  try {
    if (UnpackSkin(bytes, convertor, errors)) CheckRoundTrip(convertor);
  } catch (const SkinPackageError&) {
    Check(convertor.FileCount() == 0 && !convertor.Options);
  }
  std::vector<uint8_t> preview;
  if (ExtractPreview(preview, bytes)) Check(preview.size() <= size);
  return 0;
}
