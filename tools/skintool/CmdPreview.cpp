// skintool preview FILE.asz -o PNG
#include <ostream>

#include "tools/skintool/CommandLine.h"
#include "tools/skintool/Commands.h"
#include "tools/skintool/PackageFile.h"

namespace {

int RunPreview(const ToolArgs& args, ToolIo& io) {
  const CommandLine line = ParseCommandLine(args, {"-o"});
  if (auto usage = CheckCommandLine(line, 1, {"-o"}, kPreviewCommand, io)) return *usage;
  const std::string& package = line.positional[0];
  const auto bytes = LoadPackageFile(package, "preview", io);
  if (!bytes) return kExitFailed;
  const PreviewLocation preview = LocatePreview(*bytes);
  if (preview.State == PreviewState::Missing) {
    io.err << "skintool preview: \"" << package << "\" has no preview\n";
    return kExitFailed;
  }
  if (preview.State == PreviewState::Truncated) {
    io.err << "skintool preview: \"" << package << "\": the preview's size runs past the end of the file\n";
    return kExitFailed;
  }
  const auto output = PathFromUtf8(*line.Option("-o"));
  if (!WriteOutputFile(output, preview.Bytes, "preview", io)) return kExitFailed;
  io.out << "wrote the preview (" << preview.Bytes.size() << " bytes) to \"" << Utf8FromPath(output) << "\"\n";
  return kExitOk;
}

}  // namespace

extern const SkinToolCommand kPreviewCommand{
    "preview", "write the preview picture of a package",
    "Usage: skintool preview FILE.asz -o PNG\n"
    "Writes the package's preview picture (PNG bytes, as stored) to the file PNG.\n",
    RunPreview};
