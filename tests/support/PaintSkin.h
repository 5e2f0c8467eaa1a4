#pragma once
// A small skin whose elements each take one painting path: a masked three-state border
// smoothed in its centre, a texture under a gradient, four triangles, a see-through
// section with corner images, an alpha border and a plain border with key-colour corners.
#include "tests/support/FixtureSkins.h"

FixtureSkin PaintSkin();
