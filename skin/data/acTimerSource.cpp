#include "skin/data/acTimerSource.h"

#include <algorithm>
#include <vector>

namespace {

struct Listener {
  int id = 0;
  int interval = 0;
  int elapsed = 0;  // milliseconds since its last tick
  std::shared_ptr<std::function<void()>> tick;
};

}  // namespace

struct TacTimerSource::State : std::enable_shared_from_this<State> {
  SystemTimerStarter start;
  std::unique_ptr<TacHeldResource> systemTimer;
  int beat = 0;
  int nextId = 1;
  bool ticking = false;
  std::vector<Listener> listeners;

  // The system timer runs at the shortest interval wanted, or not at all.
  void Retune() {
    int wanted = 0;
    for (const Listener& l : listeners) wanted = wanted == 0 ? l.interval : std::min(wanted, l.interval);
    if (wanted == beat) return;
    systemTimer.reset();
    beat = wanted;
    if (beat == 0) return;
    std::weak_ptr<State> self = weak_from_this();
    systemTimer = start(beat, [self] {
      if (auto s = self.lock()) s->Tick();
    });
  }

  void Tick() {
    if (ticking) return;  // a tick that pumps messages does not re-enter
    ticking = true;
    const auto keep = shared_from_this();  // a subscriber may drop the source's owner
    const int step = beat;
    std::vector<int> due;
    for (Listener& l : listeners) {
      l.elapsed += step;
      if (l.elapsed >= l.interval) {
        l.elapsed = 0;
        due.push_back(l.id);
      }
    }
    for (int id : due) {
      // Looked up again: an earlier tick may have removed it.
      auto it = std::find_if(listeners.begin(), listeners.end(), [id](const Listener& l) { return l.id == id; });
      if (it == listeners.end()) continue;
      const std::shared_ptr<std::function<void()>> run = it->tick;
      (*run)();
    }
    ticking = false;
    Retune();
  }

  void Remove(int id) {
    std::erase_if(listeners, [id](const Listener& l) { return l.id == id; });
    if (!ticking) Retune();
  }
};

class TacTimerSource::Subscription final : public TacHeldResource {
 public:
  Subscription(std::weak_ptr<State> state, int id) : state_(std::move(state)), id_(id) {}
  ~Subscription() override {
    if (auto s = state_.lock()) s->Remove(id_);
  }
  uintptr_t Handle() const override { return static_cast<uintptr_t>(id_); }

 private:
  std::weak_ptr<State> state_;
  int id_;
};

TacTimerSource::TacTimerSource(SystemTimerStarter start) : state_(std::make_shared<State>()) {
  state_->start = std::move(start);
}

TacTimerSource::~TacTimerSource() {
  state_->listeners.clear();
  state_->systemTimer.reset();
}

std::unique_ptr<TacHeldResource> TacTimerSource::Subscribe(int milliseconds, std::function<void()> tick) {
  State& s = *state_;
  const int id = s.nextId++;
  s.listeners.push_back({id, std::max(1, milliseconds), 0, std::make_shared<std::function<void()>>(std::move(tick))});
  if (!s.ticking) s.Retune();
  return std::make_unique<Subscription>(state_, id);
}

int TacTimerSource::Listeners() const { return static_cast<int>(state_->listeners.size()); }

int TacTimerSource::Beat() const { return state_->beat; }
