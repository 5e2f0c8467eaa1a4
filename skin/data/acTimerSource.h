#pragma once
// TacTimerSource: one system timer that drives every fade of a manager. Subscribers tick
// at their own interval, counted in beats of the shortest one that is running; the system
// timer runs only while somebody listens. A subscriber may end (its own or another's)
// subscription from inside its tick: the function being run is kept alive until it
// returns, and a removed subscriber is never called again.
#include <functional>
#include <memory>

#include "skin/data/acManagerHost.h"

class TacTimerSource {
 public:
  // Starts the system timer: a tick every `milliseconds`; the held resource stops it.
  using SystemTimerStarter = std::function<std::unique_ptr<TacHeldResource>(int milliseconds, std::function<void()>)>;

  explicit TacTimerSource(SystemTimerStarter start);
  ~TacTimerSource();
  TacTimerSource(const TacTimerSource&) = delete;
  TacTimerSource& operator=(const TacTimerSource&) = delete;

  // Calls tick every `milliseconds` (rounded up to whole beats) until the handle goes.
  // The handle may outlive the source.
  std::unique_ptr<TacHeldResource> Subscribe(int milliseconds, std::function<void()> tick);
  // Subscribers listening now.
  int Listeners() const;
  // The interval the system timer runs at now; 0 when it is stopped.
  int Beat() const;

 private:
  struct State;
  class Subscription;
  std::shared_ptr<State> state_;
};
