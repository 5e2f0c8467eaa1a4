#include "skin/forms/logic/acSettingScope.h"

#include <utility>

TacSettingScope::TacSettingScope(const Reader& read, Writer write, int value)
    : write_(std::move(write)), saved_(read()) {
  if (saved_) write_(value);
}

TacSettingScope::~TacSettingScope() {
  if (saved_) write_(*saved_);
}
