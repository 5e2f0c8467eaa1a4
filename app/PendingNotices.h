#pragma once
// The notices the bulk jobs have handed to the main window and it has not shown yet. A
// posted WM_USER carries only a token for one of them, never a pointer: any process may
// post to the window, and a token it makes up finds nothing here.
#include <windows.h>

#include <map>
#include <memory>
#include <mutex>

template <class Notice>
class PendingNotices {
 public:
  // Keeps the notice until Take; the returned token names it in the posted message.
  LPARAM Add(std::unique_ptr<Notice> notice) {
    std::lock_guard lock(mutex_);
    const LPARAM token = nextToken_++;
    pending_.emplace(token, std::move(notice));
    return token;
  }
  // The notice issued under this token, now the caller's; null for any other value.
  std::unique_ptr<Notice> Take(LPARAM token) {
    std::lock_guard lock(mutex_);
    auto found = pending_.find(token);
    if (found == pending_.end()) return nullptr;
    std::unique_ptr<Notice> notice = std::move(found->second);
    pending_.erase(found);
    return notice;
  }

 private:
  std::mutex mutex_;
  std::map<LPARAM, std::unique_ptr<Notice>> pending_;
  LPARAM nextToken_ = 1;
};
