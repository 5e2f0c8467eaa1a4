// skintool pack DIR -o FILE.asz [--preview PNG]
#include <algorithm>
#include <ostream>
#include <system_error>
#include <tuple>

#include "skin/data/acZLibExNames.h"
#include "skin/data/acZLibExWriter.h"
#include "tools/skintool/CommandLine.h"
#include "tools/skintool/Commands.h"
#include "tools/skintool/PackageFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";

struct SourceFile {
  std::string name;  // UTF-8 file name, the entry's name
  std::vector<uint8_t> bytes;
};

// Every regular file of the folder (not its subfolders), the options file first and then
// the others by upper-cased name, so the same folder always gives the same package.
std::optional<std::vector<SourceFile>> CollectFiles(const fs::path& dir, const fs::path& output, ToolIo& io) {
  std::vector<SourceFile> files;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
    const std::string name = Utf8FromPath(entry.path().filename());
    if (!entry.is_regular_file(ec)) {
      io.err << "skintool pack: skipping \"" << name << "\": not a file\n";
      continue;
    }
    if (fs::equivalent(entry.path(), output, ec)) continue;  // a package left by an earlier run
    auto bytes = ReadFileBytes(entry.path(), kMaxEntrySize);
    if (!bytes) continue;
    files.push_back({name, std::move(*bytes)});
  }
  if (ec) {
    io.err << "skintool pack: cannot list \"" << Utf8FromPath(dir) << "\": " << ec.message() << '\n';
    return std::nullopt;
  }
  const auto isOptions = [](const SourceFile& f) { return SameTextAscii(f.name, kOptionsFileName); };
  const auto options = std::count_if(files.begin(), files.end(), isOptions);
  if (options != 1) {
    io.err << "skintool pack: \"" << Utf8FromPath(dir) << "\" must hold exactly one " << kOptionsFileName
           << " (any letter case); it holds " << options << '\n';
    return std::nullopt;
  }
  std::sort(files.begin(), files.end(), [&](const SourceFile& a, const SourceFile& b) {
    const auto key = [&](const SourceFile& f) { return std::tuple(!isOptions(f), AsciiUpper(f.name), f.name); };
    return key(a) < key(b);
  });
  return files;
}

std::optional<std::vector<uint8_t>> LoadPreview(const std::string& file, ToolIo& io) {
  const auto bytes = ReadFileBytes(PathFromUtf8(file));
  if (!bytes) {
    io.err << "skintool pack: preview \"" << file << "\" does not exist or is not a file\n";
  } else if (!StartsWithBytes(*bytes, kPngSignature)) {
    io.err << "skintool pack: preview \"" << file << "\" is not a PNG file\n";
  } else {
    return bytes;
  }
  return std::nullopt;
}

int RunPack(const ToolArgs& args, ToolIo& io) {
  const CommandLine line = ParseCommandLine(args, {"-o", "--preview"});
  if (auto usage = CheckCommandLine(line, 1, {"-o"}, kPackCommand, io)) return *usage;
  const fs::path dir = PathFromUtf8(line.positional[0]);
  const fs::path output = PathFromUtf8(*line.Option("-o"));
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    io.err << "skintool pack: \"" << line.positional[0] << "\" is not a folder\n";
    return kExitFailed;
  }
  try {
    const auto files = CollectFiles(dir, output, io);
    if (!files) return kExitFailed;
    std::optional<std::vector<uint8_t>> preview;
    if (const auto previewFile = line.Option("--preview")) {
      preview = LoadPreview(*previewFile, io);
      if (!preview) return kExitFailed;
    }
    std::vector<SkinPackageItem> items;
    for (const SourceFile& f : *files) items.push_back({f.name, f.bytes});
    const auto package =
        preview ? PackSkin(items, std::span<const uint8_t>(*preview)) : PackSkin(items);
    if (!WriteOutputFile(output, package, "pack", io)) return kExitFailed;
    io.out << "packed " << items.size() << " entries" << (preview ? " and a preview" : "") << " into \""
           << Utf8FromPath(output) << "\" (" << package.size() << " bytes)\n";
    return kExitOk;
  } catch (const SkinPackageError& e) {
    io.err << "skintool pack: " << e.what() << '\n';
    return kExitFailed;
  }
}

}  // namespace

extern const SkinToolCommand kPackCommand{
    "pack", "pack a skin folder into a package",
    "Usage: skintool pack DIR -o FILE.asz [--preview PNG]\n"
    "Packs the files of the skin folder DIR (not its subfolders) into the package FILE.asz:\n"
    "Options.dat first, then the other files by name. --preview adds a PNG picture as the\n"
    "package's preview.\n",
    RunPack};
