#include "tools/skintool/Commands.h"

#include <array>

std::span<const SkinToolCommand> SkinToolCommands() {
  // Listed in this order by --help.
  static const std::array kCommands{kPackCommand, kUnpackCommand, kListCommand, kPreviewCommand, kModelCommand,
                                    kRenderCommand, kSheetCommand};
  return kCommands;
}
