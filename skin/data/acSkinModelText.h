#pragma once
// The skin model as tab-separated text, one table of sections and one of elements, each
// headed by a line of column names: what a skin author checks an options file against.
#include <string>

class TacSkinData;

std::string SkinModelText(const TacSkinData& data);
