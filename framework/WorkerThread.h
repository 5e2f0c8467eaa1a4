#pragma once
// Runs a job on a thread of its own that nobody waits for: the thread ends and frees
// itself when the job returns. What the job shares with other threads it must hold a
// share of (std::shared_ptr), since the code that started it may be gone by then.
#include <functional>

namespace marv {

class WorkerThread {
 public:
  // False when no thread could be started (the job then does not run).
  static bool Start(std::function<void()> job);
};

}  // namespace marv
