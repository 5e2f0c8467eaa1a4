#pragma once
// Shows a skin editor's preview: the manager loads the named skin from the sent folder
// with the sent options text in place of the skin's own options file, and repaints once.
#include "skin/data/acSkinEditorData.h"
#include "skin/data/sSkinManager.h"

void ApplySkinPreview(TsSkinManager& manager, const TacSkinPreview& preview);
