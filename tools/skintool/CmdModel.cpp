// skintool model SKIN [--ppi N]
#include <ostream>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"
#include "skin/data/acSkinModelText.h"
#include "tools/skintool/CommandLine.h"
#include "tools/skintool/Commands.h"

namespace {

constexpr int kMinPPI = 24, kMaxPPI = 1536;

int RunModel(const ToolArgs& args, ToolIo& io) {
  const CommandLine line = ParseCommandLine(args, {"--ppi"});
  if (auto usage = CheckCommandLine(line, 1, {}, kModelCommand, io)) return *usage;
  const std::string ppiText = line.Option("--ppi").value_or("96");
  const auto ppi = ParseSkinInt(ppiText);
  if (!ppi || *ppi < kMinPPI || *ppi > kMaxPPI || ppiText.find_first_not_of("0123456789") != std::string::npos) {
    io.err << "skintool model: --ppi takes a whole number from " << kMinPPI << " to " << kMaxPPI << "\n\n"
           << kModelCommand.usage;
    return kExitUsage;
  }
  const std::string& skin = line.positional[0];
  try {
    const auto files = TacSkinFiles::Open(PathFromUtf8(skin));
    TacSkinData data(files.get(), *ppi);
    data.Init();
    io.out << SkinModelText(data);
  } catch (const std::exception& e) {
    io.err << "skintool model: " << skin << ": " << e.what() << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

extern const SkinToolCommand kModelCommand{
    "model", "print the skin model a skin gives at a pixel density",
    "Usage: skintool model SKIN [--ppi N]\n"
    "Loads SKIN (a package file or a skin folder) as the program would at N pixels per inch\n"
    "(96 when not given) and prints two tab-separated tables, each under a line of column\n"
    "names: the sections (index, name, parent, states, border element, state-0 colour and\n"
    "font colour as #RRGGBB) and the elements (index, section, key, rectangle L T R B, state\n"
    "images, mask type, draw mode, margins WL WT WR WB, state image width and height, image\n"
    "file). Elements whose picture is missing or cannot be read are not listed.\n",
    RunModel};
