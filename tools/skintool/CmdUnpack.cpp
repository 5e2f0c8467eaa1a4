// skintool unpack FILE.asz -o DIR
#include <ostream>
#include <set>
#include <system_error>

#include "skin/data/acZLibExNames.h"
#include "tools/skintool/CommandLine.h"
#include "tools/skintool/Commands.h"
#include "tools/skintool/PackageFile.h"
#include "tools/skintool/PlainFileName.h"

namespace fs = std::filesystem;

namespace {

struct OutputFile {
  std::string name;
  const std::vector<uint8_t>* bytes;
};

std::vector<OutputFile> OutputFiles(const TacSkinConvertor& convertor) {
  std::vector<OutputFile> files;
  if (convertor.Options) files.push_back({convertor.OptionsName, &*convertor.Options});
  for (const TacFileItem& item : convertor.Files) files.push_back({item.Name, &item.Stream});
  return files;
}

// Every name must be a plain file name, unique in any letter case, so that nothing is
// written outside the folder and no entry overwrites another.
bool CheckNames(const std::vector<OutputFile>& files, const std::string& package, ToolIo& io) {
  std::set<std::string> seen;
  for (const OutputFile& f : files) {
    if (!IsPlainFileName(f.name)) {
      io.err << "skintool unpack: \"" << package << "\": the entry name \"" << f.name
             << "\" is not a plain file name; nothing was written\n";
      return false;
    }
    if (!seen.insert(AsciiUpper(f.name)).second) {
      io.err << "skintool unpack: \"" << package << "\": the entry name \"" << f.name
             << "\" occurs twice; nothing was written\n";
      return false;
    }
  }
  return true;
}

int RunUnpack(const ToolArgs& args, ToolIo& io) {
  const CommandLine line = ParseCommandLine(args, {"-o"});
  if (auto usage = CheckCommandLine(line, 1, {"-o"}, kUnpackCommand, io)) return *usage;
  const std::string& package = line.positional[0];
  const auto bytes = LoadPackageFile(package, "unpack", io);
  TacSkinConvertor convertor;
  if (!bytes || !UnpackForTool(*bytes, convertor, package, "unpack", io)) return kExitFailed;
  const std::vector<OutputFile> files = OutputFiles(convertor);
  if (!CheckNames(files, package, io)) return kExitFailed;
  if (!convertor.Options) io.err << "skintool unpack: warning: \"" << package << "\" has no options file\n";

  const fs::path dir = PathFromUtf8(*line.Option("-o"));
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    io.err << "skintool unpack: cannot create the folder \"" << Utf8FromPath(dir) << "\"\n";
    return kExitFailed;
  }
  for (const OutputFile& f : files) {
    const fs::path target = dir / PathFromUtf8(f.name);
    if (fs::is_symlink(target, ec)) {  // writing through it could land anywhere
      io.err << "skintool unpack: \"" << Utf8FromPath(target) << "\" is a symbolic link; not replaced\n";
      return kExitFailed;
    }
    if (!WriteOutputFile(target, *f.bytes, "unpack", io)) return kExitFailed;
  }
  io.out << "unpacked " << files.size() << " entries into \"" << Utf8FromPath(dir) << "\"\n";
  return kExitOk;
}

}  // namespace

extern const SkinToolCommand kUnpackCommand{
    "unpack", "unpack a package into a folder",
    "Usage: skintool unpack FILE.asz -o DIR\n"
    "Writes every entry of the package FILE.asz as a file into DIR (created when missing).\n"
    "Entry names must be plain file names; a package with any other name is refused.\n"
    "The preview is not written (see \"skintool preview\").\n",
    RunUnpack};
