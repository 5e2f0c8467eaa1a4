#pragma once
// skintool: packs, unpacks and inspects skin packages. Each subcommand lives in its own
// file and is listed once in the command table (Commands.cpp).
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using ToolArgs = std::vector<std::string>;  // UTF-8, without the program and command names

struct ToolIo {
  std::ostream& out;
  std::ostream& err;
};

// Exit codes of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // bad input or a file that could not be written
inline constexpr int kExitUsage = 2;   // the command line itself is wrong

struct SkinToolCommand {
  std::string_view name;
  std::string_view summary;  // one line for the command list
  std::string_view usage;    // the command's own help text
  int (*run)(const ToolArgs& args, ToolIo& io);
};

std::span<const SkinToolCommand> SkinToolCommands();

// The whole program: args[0] is the subcommand (or --help).
int RunSkinTool(const ToolArgs& args, ToolIo& io);
