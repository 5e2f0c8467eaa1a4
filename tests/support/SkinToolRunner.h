#pragma once
// Runs skintool in-process and keeps its exit code and both outputs.
#include <sstream>
#include <string>
#include <vector>

#include "tools/skintool/SkinTool.h"

struct ToolRun {
  int code;
  std::string out, err;
};

inline ToolRun SkinTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ToolIo io{out, err};
  const int code = RunSkinTool(args, io);
  return {code, out.str(), err.str()};
}
