// Timers without a window: the table of running timers and its slots, ticks
// reaching the timer they belong to, and a timer stopped and let go of from
// inside its own tick. Ticks arrive by pumping the thread's messages.
#include "core/timers.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/errors.h"
#include "support/pump.h"
#include "ui/app.h"

namespace {

using namespace core::mdlTimer;
using core::clsTimer;
using testing_support::PumpUntil;

// Longer than any test runs: a timer that must not tick while it is looked at.
constexpr int32_t kNever = 600000;

// The slot holding timer, 0 when none does.
int SlotOf(const std::shared_ptr<clsTimer>& timer) {
  for (int slot = 1; slot <= kTimerSlots; ++slot)
    if (TimerInSlot(slot) == timer.get()) return slot;
  return 0;
}

// A timer that counts its ticks and is stopped when it goes.
struct CountingTimer {
  CountingTimer() {
    timer->ThatTime = [this] { ++ticks; };
  }
  ~CountingTimer() { timer->SetInterval(0); }
  std::shared_ptr<clsTimer> timer = clsTimer::New();
  int ticks = 0;
};

// Every test leaves the table as it found it: empty.
struct TimerTest : ::testing::Test {
  void TearDown() override {
    for (int slot = 1; slot <= kTimerSlots; ++slot) EXPECT_EQ(TimerInSlot(slot), nullptr) << slot;
  }
};

TEST_F(TimerTest, EachTickReachesItsOwnTimerUntilAnIntervalBelowOneStopsIt) {
  CountingTimer a, b;
  const int16_t count = TimerCount();
  a.timer->SetInterval(0);
  a.timer->SetInterval(-20);
  EXPECT_EQ(a.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(a.timer), 0);
  EXPECT_EQ(TimerCount(), count);

  a.timer->SetInterval(kNever);
  b.timer->SetInterval(10);
  EXPECT_EQ(SlotOf(a.timer), 1);
  EXPECT_EQ(b.timer->Interval(), 10);
  ASSERT_TRUE(PumpUntil([&] { return b.ticks >= 3; }));
  EXPECT_EQ(a.ticks, 0);

  b.timer->SetInterval(-1);
  EXPECT_EQ(b.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(b.timer), 0);
  const int ticksOfB = b.ticks;
  a.timer->SetInterval(10);
  ASSERT_TRUE(PumpUntil([&] { return a.ticks >= 3; }));
  EXPECT_EQ(b.ticks, ticksOfB);
}

TEST_F(TimerTest, TheSameIntervalAgainLeavesARunningTimerUndisturbed) {
  CountingTimer main, again;
  main.timer->SetInterval(80);
  // Were setting it again a restart, the period would begin anew every
  // few milliseconds and the timer would never tick.
  again.timer->ThatTime = [&] { main.timer->SetInterval(80); };
  again.timer->SetInterval(10);
  EXPECT_TRUE(PumpUntil([&] { return main.ticks >= 2; }, 10000));
  EXPECT_EQ(main.timer->Interval(), 80);
  EXPECT_EQ(SlotOf(main.timer), 1);
}

TEST_F(TimerTest, ATimerLivesOnWithoutItsOwnerUntilItStopsItselfInsideItsOwnTick) {
  std::shared_ptr<clsTimer> timer = clsTimer::New();
  std::weak_ptr<clsTimer> watched = timer;
  int ticks = 0;
  timer->ThatTime = [&] {
    if (++ticks < 3) return;
    watched.lock()->SetInterval(0);
    ticks += 10;  // the handler runs on after the last reference went
  };
  timer->SetInterval(10);
  timer.reset();
  EXPECT_FALSE(watched.expired());
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(ticks, 13);
  EXPECT_TRUE(watched.expired());
  CountingTimer witness;
  witness.timer->SetInterval(30);
  ASSERT_TRUE(PumpUntil([&] { return witness.ticks >= 2; }));
  EXPECT_EQ(ticks, 13);
}

TEST_F(TimerTest, AFullTableRaises13651AndLeavesTheNewTimerStoppedUntilASlotIsFree) {
  std::vector<CountingTimer> running(kTimerSlots);
  for (CountingTimer& t : running) t.timer->SetInterval(kNever);
  CountingTimer extra;
  try {
    extra.timer->SetInterval(10);
    FAIL() << "no error raised";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), -2147207853);
    EXPECT_EQ(e.Source(), core::ExeBaseName() + ".WindowProc");
    EXPECT_EQ(e.Description(), "No more than 10 timers allowed per class");
  }
  EXPECT_EQ(extra.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(extra.timer), 0);
  EXPECT_EQ(TimerCount(), kTimerSlots);

  // The first free slot is taken again; the count keeps its highest.
  running.front().timer->SetInterval(0);
  extra.timer->SetInterval(10);
  EXPECT_EQ(SlotOf(extra.timer), 1);
  EXPECT_EQ(SlotOf(running[1].timer), 2);
  EXPECT_EQ(TimerCount(), kTimerSlots);
  EXPECT_TRUE(PumpUntil([&] { return extra.ticks >= 1; }));
}

TEST_F(TimerTest, AnExceptionFromAHandlerStaysInTheCallback) {
  std::vector<std::string> reported;
  ui::SetHandlerExceptionReporter([&](const std::string& what) { reported.push_back(what); });
  CountingTimer a;
  a.timer->ThatTime = [&] {
    ++a.ticks;
    throw std::runtime_error("tick failed");
  };
  a.timer->SetInterval(10);
  const bool ticked = PumpUntil([&] { return a.ticks >= 2; });
  ui::SetHandlerExceptionReporter(
      [](const std::string& what) { ADD_FAILURE() << "exception escaped into a window procedure: " << what; });
  EXPECT_TRUE(ticked);
  ASSERT_GE(reported.size(), 2u);
  EXPECT_NE(reported[0].find("tick failed"), std::string::npos) << reported[0];
}

}  // namespace
