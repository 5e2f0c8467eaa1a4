#include "skin/paint/acGdiTextPainter_win.h"
#include "tools/skintool/SkinPictures.h"

std::unique_ptr<ITextPainter> SystemTextPainter() { return std::make_unique<TacGdiTextPainter>(); }
