#pragma once
// A small skin whose sections each answer one question of the binding, and a manager
// that has it loaded.
#include <memory>

#include "skin/data/sSkinManager.h"
#include "tests/support/RecordingHost.h"

inline constexpr uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

struct BindingSkin {
  // options: a skin of the test's own instead of the shared one.
  explicit BindingSkin(const char* options = nullptr);
  int Index(const char* section) { return manager->GetSkinIndex(section); }
  RecordingHost host;
  std::unique_ptr<TsSkinManager> manager;
};
