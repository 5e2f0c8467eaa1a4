// The one timer source every fade of a manager ticks on: one system timer at the
// shortest interval wanted, none while nobody listens, and subscribers that may end
// themselves or each other from inside a tick.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/data/acTimerSource.h"

namespace {

// A system timer ticked by hand; it records every start and stop.
struct FakeSystemTimers {
  struct Running {
    int interval = 0;
    std::function<void()> tick;
    bool stopped = false;
  };
  std::vector<std::shared_ptr<Running>> started;

  class Held final : public TacHeldResource {
   public:
    explicit Held(std::shared_ptr<Running> r) : r_(std::move(r)) {}
    ~Held() override { r_->stopped = true; }
    uintptr_t Handle() const override { return 1; }

   private:
    std::shared_ptr<Running> r_;
  };

  TacTimerSource::SystemTimerStarter Starter() {
    return [this](int ms, std::function<void()> tick) -> std::unique_ptr<TacHeldResource> {
      started.push_back(std::make_shared<Running>(Running{ms, std::move(tick)}));
      return std::make_unique<Held>(started.back());
    };
  }
  int RunningCount() const {
    int n = 0;
    for (const auto& r : started) n += r->stopped ? 0 : 1;
    return n;
  }
  // Ticks the running system timer, as the message loop would.
  void Tick() {
    for (size_t i = 0; i < started.size(); ++i) {
      const std::shared_ptr<Running> r = started[i];
      if (!r->stopped) {
        std::function<void()> run = r->tick;  // as the framework's timer does
        run();
        return;
      }
    }
  }
};

TEST(TimerSource, OneSystemTimerServesEveryFadeAndStopsWhenTheLastEnds) {
  FakeSystemTimers system;
  TacTimerSource source(system.Starter());
  EXPECT_EQ(source.Beat(), 0);
  int a = 0, b = 0, c = 0;
  auto first = source.Subscribe(12, [&] { ++a; });
  auto second = source.Subscribe(12, [&] { ++b; });
  auto third = source.Subscribe(12, [&] { ++c; });
  EXPECT_EQ(system.started.size(), 1u);
  EXPECT_EQ(system.RunningCount(), 1);
  EXPECT_EQ(source.Beat(), 12);
  for (int i = 0; i < 3; ++i) system.Tick();
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 3);
  EXPECT_EQ(c, 3);
  first.reset();
  system.Tick();
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 4);
  second.reset();
  third.reset();
  EXPECT_EQ(system.RunningCount(), 0);
  EXPECT_EQ(source.Beat(), 0);
  EXPECT_EQ(source.Listeners(), 0);
}

TEST(TimerSource, LongerIntervalsTickEveryWholeNumberOfBeats) {
  FakeSystemTimers system;
  TacTimerSource source(system.Starter());
  std::vector<int> order;
  auto slow = source.Subscribe(36, [&] { order.push_back(36); });
  EXPECT_EQ(source.Beat(), 36);
  auto fast = source.Subscribe(12, [&] { order.push_back(12); });
  EXPECT_EQ(source.Beat(), 12);  // retuned to the shorter interval
  EXPECT_EQ(system.RunningCount(), 1);
  for (int i = 0; i < 6; ++i) system.Tick();
  EXPECT_EQ(order, (std::vector<int>{12, 12, 36, 12, 12, 12, 36, 12}));
  fast.reset();
  EXPECT_EQ(source.Beat(), 36);
  EXPECT_EQ(system.RunningCount(), 1);
}

TEST(TimerSource, ASubscriberThatEndsItselfInItsTickFinishesSafely) {
  FakeSystemTimers system;
  TacTimerSource source(system.Starter());
  std::unique_ptr<TacHeldResource> self;
  int ticks = 0;
  // The function object carries state that it reads after ending its own subscription.
  auto marker = std::make_shared<int>(7);
  int seenAfterEnd = 0;
  self = source.Subscribe(12, [&, marker] {
    ++ticks;
    self.reset();
    seenAfterEnd = *marker;
  });
  system.Tick();
  system.Tick();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(seenAfterEnd, 7);
  EXPECT_EQ(system.RunningCount(), 0);  // stopped once the tick was over
}

TEST(TimerSource, ASubscriberEndedByAnEarlierOneInTheSameTickIsNotCalled) {
  FakeSystemTimers system;
  TacTimerSource source(system.Starter());
  std::unique_ptr<TacHeldResource> victim;
  int victimTicks = 0, killerTicks = 0;
  auto killer = source.Subscribe(12, [&] {
    ++killerTicks;
    victim.reset();
  });
  victim = source.Subscribe(12, [&] { ++victimTicks; });
  system.Tick();
  EXPECT_EQ(killerTicks, 1);
  EXPECT_EQ(victimTicks, 0);
  EXPECT_EQ(source.Listeners(), 1);
}

TEST(TimerSource, ASubscriptionMayOutliveItsSource) {
  FakeSystemTimers system;
  std::unique_ptr<TacHeldResource> held;
  {
    TacTimerSource source(system.Starter());
    held = source.Subscribe(12, [] {});
  }
  EXPECT_EQ(system.RunningCount(), 0);
  held.reset();  // nothing left to tell: must not touch the source
}

TEST(TimerSource, ASubscriberAddedDuringATickStartsWithTheNextOne) {
  FakeSystemTimers system;
  TacTimerSource source(system.Starter());
  std::unique_ptr<TacHeldResource> late;
  int lateTicks = 0;
  auto starter = source.Subscribe(12, [&] {
    if (!late) late = source.Subscribe(12, [&] { ++lateTicks; });
  });
  system.Tick();
  EXPECT_EQ(lateTicks, 0);
  system.Tick();
  EXPECT_EQ(lateTicks, 1);
  EXPECT_EQ(system.RunningCount(), 1);
}

}  // namespace
