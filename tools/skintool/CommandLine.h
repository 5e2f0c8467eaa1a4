#pragma once
// Splits a subcommand's arguments into positional ones and options that take a value.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/skintool/SkinTool.h"

struct CommandLine {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  std::string error;  // set when the arguments could not be split

  std::optional<std::string> Option(const std::string& name) const;
};

// `valued` names the options that take a value ("-o", "--preview"); any other argument
// starting with "-" is an error. A lone "-" is positional.
CommandLine ParseCommandLine(const ToolArgs& args, const std::vector<std::string>& valued);

// Prints the error and the usage and returns kExitUsage unless the command line has
// exactly `positionals` positional arguments and every required option.
std::optional<int> CheckCommandLine(const CommandLine& line, size_t positionals,
                                    const std::vector<std::string>& required, const SkinToolCommand& command,
                                    ToolIo& io);

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);
