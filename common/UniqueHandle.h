#pragma once
// Owners for kernel handles, so every process, thread, file and find handle is closed
// exactly once on every path.
#include <windows.h>

#include <memory>

namespace marv {

template <auto Close>
struct HandleCloser {
  void operator()(HANDLE h) const noexcept { Close(h); }
};
template <auto Close>
using ScopedHandle = std::unique_ptr<void, HandleCloser<Close>>;

using UniqueHandle = ScopedHandle<&CloseHandle>;
using UniqueFindHandle = ScopedHandle<&FindClose>;

// CreateFileW and FindFirstFileW report failure as INVALID_HANDLE_VALUE, most others as
// null: both become an empty owner.
template <auto Close>
ScopedHandle<Close> Adopt(HANDLE h) noexcept {
  return ScopedHandle<Close>(h == INVALID_HANDLE_VALUE ? nullptr : h);
}
inline UniqueHandle AdoptHandle(HANDLE h) noexcept { return Adopt<&CloseHandle>(h); }
inline UniqueFindHandle AdoptFindHandle(HANDLE h) noexcept { return Adopt<&FindClose>(h); }

}  // namespace marv
