#pragma once
// A session-wide setting (the system's minimize animation) changed for the length of one
// step and put back as it was on every way out, an exception included. A setting that
// cannot be read is left alone.
#include <functional>
#include <optional>

class TacSettingScope {
 public:
  using Reader = std::function<std::optional<int>()>;
  using Writer = std::function<void(int)>;

  TacSettingScope(const Reader& read, Writer write, int value);
  ~TacSettingScope();
  TacSettingScope(const TacSettingScope&) = delete;
  TacSettingScope& operator=(const TacSettingScope&) = delete;

 private:
  Writer write_;
  std::optional<int> saved_;
};
