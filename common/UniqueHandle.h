#pragma once
// Owners for kernel handles, so every process, thread, file and find handle is closed
// exactly once on every path.
#include <windows.h>

#include <memory>

struct HandleCloser {
  void operator()(HANDLE h) const noexcept { CloseHandle(h); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// CreateFileW and friends report failure as INVALID_HANDLE_VALUE, others as null:
// both become an empty owner.
inline UniqueHandle AdoptHandle(HANDLE h) noexcept {
  return UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

struct FindCloser {
  void operator()(HANDLE h) const noexcept { FindClose(h); }
};
using UniqueFindHandle = std::unique_ptr<void, FindCloser>;

inline UniqueFindHandle AdoptFindHandle(HANDLE h) noexcept {
  return UniqueFindHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}
