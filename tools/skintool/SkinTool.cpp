#include "tools/skintool/SkinTool.h"

#include <algorithm>
#include <ostream>

namespace {

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

const SkinToolCommand* Find(std::string_view name) {
  const auto commands = SkinToolCommands();
  const auto it = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.name == name; });
  return it == commands.end() ? nullptr : &*it;
}

void PrintOverview(std::ostream& out) {
  out << "Usage: skintool <command> [arguments]\n"
         "Packs, unpacks and inspects skin packages (.asz).\n\nCommands:\n";
  for (const SkinToolCommand& c : SkinToolCommands()) {
    out << "  " << c.name << std::string(c.name.size() < 10 ? 10 - c.name.size() : 1, ' ') << c.summary << '\n';
  }
  out << "\nRun \"skintool <command> --help\" for the arguments of a command.\n";
}

}  // namespace

int RunSkinTool(const ToolArgs& args, ToolIo& io) {
  if (args.empty()) {
    PrintOverview(io.err);
    return kExitUsage;
  }
  if (IsHelp(args[0])) {
    const SkinToolCommand* command = args.size() > 1 ? Find(args[1]) : nullptr;
    if (command)
      io.out << command->usage;
    else
      PrintOverview(io.out);
    return kExitOk;
  }
  const SkinToolCommand* command = Find(args[0]);
  if (!command) {
    io.err << "skintool: unknown command \"" << args[0] << "\"\n\n";
    PrintOverview(io.err);
    return kExitUsage;
  }
  const ToolArgs rest(args.begin() + 1, args.end());
  if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
    io.out << command->usage;
    return kExitOk;
  }
  return command->run(rest, io);
}
