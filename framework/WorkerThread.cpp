#include "framework/WorkerThread.h"

#include <system_error>
#include <thread>

namespace marv {

bool WorkerThread::Start(std::function<void()> job) {
  try {
    std::thread([job = std::move(job)]() noexcept {
      try {
        job();
      } catch (...) {
        // A job's failure ends only its own thread.
      }
    }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace marv
