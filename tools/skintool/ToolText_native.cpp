#include "tools/skintool/SkinPictures.h"

std::unique_ptr<ITextPainter> SystemTextPainter() { return nullptr; }
