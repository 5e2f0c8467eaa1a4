// skintool list FILE.asz
#include <iomanip>
#include <ostream>

#include "tools/skintool/CommandLine.h"
#include "tools/skintool/Commands.h"
#include "tools/skintool/PackageFile.h"

namespace {

std::string_view TypeName(TacFileType type) {
  switch (type) {
    case TacFileType::ftBmp: return "bitmap";
    case TacFileType::ftFont: return "font";
    case TacFileType::ftOther: break;
  }
  return "other";
}

void Row(std::ostream& out, std::string_view name, std::string_view type, size_t size) {
  out << std::left << std::setw(32) << name << ' ' << std::setw(8) << type << ' ' << std::right << std::setw(10)
      << size << '\n';
}

int RunList(const ToolArgs& args, ToolIo& io) {
  const CommandLine line = ParseCommandLine(args, {});
  if (auto usage = CheckCommandLine(line, 1, {}, kListCommand, io)) return *usage;
  const std::string& package = line.positional[0];
  const auto bytes = LoadPackageFile(package, "list", io);
  TacSkinConvertor convertor;
  if (!bytes || !UnpackForTool(*bytes, convertor, package, "list", io)) return kExitFailed;

  io.out << std::left << std::setw(32) << "NAME" << ' ' << std::setw(8) << "TYPE" << ' ' << std::right
         << std::setw(10) << "SIZE" << '\n';
  if (convertor.Options) Row(io.out, convertor.OptionsName, "options", convertor.Options->size());
  for (const TacFileItem& item : convertor.Files) Row(io.out, item.Name, TypeName(item.FileType), item.Stream.size());
  const PreviewLocation preview = LocatePreview(*bytes);
  switch (preview.State) {
    case PreviewState::Found: io.out << "preview: " << preview.Bytes.size() << " bytes\n"; break;
    case PreviewState::Missing: io.out << "preview: none\n"; break;
    case PreviewState::Truncated: io.out << "preview: damaged (its size runs past the end of the file)\n"; break;
  }
  return kExitOk;
}

}  // namespace

extern const SkinToolCommand kListCommand{
    "list", "list the entries and the preview of a package",
    "Usage: skintool list FILE.asz\n"
    "Lists every entry of the package (name, type, unpacked size in bytes) and the size of\n"
    "its preview.\n",
    RunList};
