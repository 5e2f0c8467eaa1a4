#pragma once
// The subcommands, one file each; Commands.cpp lists them.
#include "tools/skintool/SkinTool.h"

extern const SkinToolCommand kPackCommand;
extern const SkinToolCommand kUnpackCommand;
extern const SkinToolCommand kListCommand;
extern const SkinToolCommand kPreviewCommand;
extern const SkinToolCommand kModelCommand;
extern const SkinToolCommand kRenderCommand;
extern const SkinToolCommand kSheetCommand;
