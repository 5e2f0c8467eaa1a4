#pragma once
// Sets a variable of this process's environment for a scope and puts the old value back.
// Programs the test starts meanwhile inherit the new value.
#include <windows.h>

#include <optional>
#include <string>

class ScopedEnvironmentVariable {
 public:
  ScopedEnvironmentVariable(std::wstring name, const std::wstring& value) : name_(std::move(name)) {
    if (DWORD size = GetEnvironmentVariableW(name_.c_str(), nullptr, 0)) {
      std::wstring old(size, L'\0');
      old.resize(GetEnvironmentVariableW(name_.c_str(), old.data(), size));
      old_ = std::move(old);
    }
    SetEnvironmentVariableW(name_.c_str(), value.c_str());
  }
  ~ScopedEnvironmentVariable() {
    SetEnvironmentVariableW(name_.c_str(), old_ ? old_->c_str() : nullptr);
  }
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

 private:
  std::wstring name_;
  std::optional<std::wstring> old_;
};
