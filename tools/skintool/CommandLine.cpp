#include "tools/skintool/CommandLine.h"

#include <algorithm>
#include <ostream>

std::optional<std::string> CommandLine::Option(const std::string& name) const {
  const auto it = options.find(name);
  return it == options.end() ? std::nullopt : std::optional(it->second);
}

CommandLine ParseCommandLine(const ToolArgs& args, const std::vector<std::string>& valued) {
  CommandLine line;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      line.positional.push_back(arg);
    } else if (std::find(valued.begin(), valued.end(), arg) == valued.end()) {
      line.error = "unknown option \"" + arg + "\"";
    } else if (i + 1 == args.size()) {
      line.error = "option \"" + arg + "\" needs a value";
    } else if (line.options.count(arg)) {
      line.error = "option \"" + arg + "\" given twice";
    } else {
      line.options[arg] = args[++i];
    }
    if (!line.error.empty()) break;
  }
  return line;
}

std::optional<int> CheckCommandLine(const CommandLine& line, size_t positionals,
                                    const std::vector<std::string>& required, const SkinToolCommand& command,
                                    ToolIo& io) {
  std::string error = line.error;
  if (error.empty() && line.positional.size() != positionals)
    error = line.positional.size() < positionals ? "missing argument" : "too many arguments";
  for (const std::string& option : required)
    if (error.empty() && !line.Option(option)) error = "missing option \"" + option + "\"";
  if (error.empty()) return std::nullopt;
  io.err << "skintool " << command.name << ": " << error << "\n\n" << command.usage;
  return kExitUsage;
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return {utf8.begin(), utf8.end()};
}
