// Timers without a window: starting, restarting and stopping through the
// interval, the table of running timers and its slots, ticks reaching the
// timer they belong to, and a timer stopped and let go of from inside its
// own tick. Ticks arrive by pumping the thread's messages.
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

using core::clsTimer;
using core::mdlTimer::kTimerSlots;
using core::mdlTimer::TimerCount;
using core::mdlTimer::TimerInSlot;
using testing_support::PumpUntil;

// Longer than any test runs: a timer that must not tick while it is looked at.
constexpr int32_t kNever = 600000;

// The slot holding timer, 0 when none does.
int SlotOf(const clsTimer* timer) {
  for (int slot = 1; slot <= kTimerSlots; ++slot)
    if (TimerInSlot(slot) == timer) return slot;
  return 0;
}

int FilledSlots() {
  int filled = 0;
  for (int slot = 1; slot <= kTimerSlots; ++slot)
    if (TimerInSlot(slot)) ++filled;
  return filled;
}

// A timer that counts its ticks.
struct CountingTimer {
  CountingTimer() : timer(clsTimer::New()), ticks(std::make_shared<int>(0)) {
    auto counter = ticks;
    timer->ThatTime = [counter] { ++*counter; };
  }
  ~CountingTimer() {
    if (timer) timer->SetInterval(0);
  }
  std::shared_ptr<clsTimer> timer;
  std::shared_ptr<int> ticks;
};

class TimerTest : public ::testing::Test {
 protected:
  // Every test leaves the table as it found it: empty.
  void SetUp() override { ASSERT_EQ(FilledSlots(), 0); }
  void TearDown() override { EXPECT_EQ(FilledSlots(), 0); }
};

TEST_F(TimerTest, APositiveIntervalStartsTheTimerInTheFirstEmptySlot) {
  CountingTimer a;
  EXPECT_EQ(a.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(a.timer.get()), 0);

  a.timer->SetInterval(10);

  EXPECT_EQ(a.timer->Interval(), 10);
  EXPECT_EQ(SlotOf(a.timer.get()), 1);
  EXPECT_GE(TimerCount(), 1);
  EXPECT_TRUE(PumpUntil([&] { return *a.ticks >= 3; }));
}

TEST_F(TimerTest, TheSameIntervalAgainLeavesARunningTimerUndisturbed) {
  CountingTimer main;
  main.timer->SetInterval(80);
  // A second timer sets the same interval again every few milliseconds:
  // were that a restart, the first timer's period would begin anew each
  // time and it would never tick.
  CountingTimer again;
  again.timer->ThatTime = [&] { main.timer->SetInterval(80); };
  again.timer->SetInterval(10);

  EXPECT_TRUE(PumpUntil([&] { return *main.ticks >= 2; }, 10000));
  EXPECT_EQ(main.timer->Interval(), 80);
  EXPECT_EQ(SlotOf(main.timer.get()), 1);
}

TEST_F(TimerTest, ZeroOrLessOnAStoppedTimerDoesNothing) {
  CountingTimer a;
  const int16_t count = TimerCount();

  EXPECT_NO_THROW(a.timer->SetInterval(0));
  EXPECT_NO_THROW(a.timer->SetInterval(-20));

  EXPECT_EQ(a.timer->Interval(), 0);
  EXPECT_EQ(FilledSlots(), 0);
  EXPECT_EQ(TimerCount(), count);
}

TEST_F(TimerTest, ANegativeIntervalStopsARunningTimer) {
  CountingTimer a;
  a.timer->SetInterval(10);
  ASSERT_TRUE(PumpUntil([&] { return *a.ticks >= 1; }));

  a.timer->SetInterval(-1);
  const int ticks = *a.ticks;

  EXPECT_EQ(a.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(a.timer.get()), 0);
  // A slower timer ticks twice; the stopped one would have ticked many
  // times by then.
  CountingTimer witness;
  witness.timer->SetInterval(60);
  ASSERT_TRUE(PumpUntil([&] { return *witness.ticks >= 2; }));
  EXPECT_EQ(*a.ticks, ticks);
}

TEST_F(TimerTest, AStoppedTimersSlotIsReusedWhileTheCountKeepsItsHighest) {
  CountingTimer a, b, c;
  a.timer->SetInterval(kNever);
  b.timer->SetInterval(kNever);
  ASSERT_EQ(SlotOf(a.timer.get()), 1);
  ASSERT_EQ(SlotOf(b.timer.get()), 2);
  const int16_t count = TimerCount();
  EXPECT_GE(count, 2);

  a.timer->SetInterval(0);
  EXPECT_EQ(TimerInSlot(1), nullptr);
  c.timer->SetInterval(kNever);

  EXPECT_EQ(SlotOf(c.timer.get()), 1);
  EXPECT_EQ(SlotOf(b.timer.get()), 2);
  EXPECT_EQ(TimerCount(), count);

  b.timer->SetInterval(0);
  c.timer->SetInterval(0);
  EXPECT_EQ(TimerCount(), count);
}

TEST_F(TimerTest, EachTickReachesTheTimerItBelongsTo) {
  CountingTimer a, b;
  a.timer->SetInterval(10);
  b.timer->SetInterval(kNever);
  ASSERT_TRUE(PumpUntil([&] { return *a.ticks >= 3; }));
  EXPECT_EQ(*b.ticks, 0);

  a.timer->SetInterval(0);
  const int ticksOfA = *a.ticks;
  b.timer->SetInterval(10);
  ASSERT_TRUE(PumpUntil([&] { return *b.ticks >= 3; }));
  EXPECT_EQ(*a.ticks, ticksOfA);
}

TEST_F(TimerTest, ARunningTimerLivesOnWithoutItsOwnerUntilItIsStopped) {
  CountingTimer owner;
  owner.timer->SetInterval(10);
  std::weak_ptr<clsTimer> running = owner.timer;
  owner.timer.reset();

  EXPECT_FALSE(running.expired());
  EXPECT_TRUE(PumpUntil([&] { return *owner.ticks >= 2; }));

  running.lock()->SetInterval(0);
  EXPECT_TRUE(running.expired());
}

TEST_F(TimerTest, ATimerStoppedAndReleasedInsideItsOwnTickEndsCleanly) {
  std::shared_ptr<clsTimer> timer = clsTimer::New();
  std::weak_ptr<clsTimer> watched = timer;
  int ticks = 0;
  timer->ThatTime = [&] {
    ++ticks;
    timer->SetInterval(0);
    timer.reset();
    // The handler runs on after the last reference went.
    ticks += 10;
  };
  timer->SetInterval(10);

  ASSERT_TRUE(PumpUntil([&] { return ticks > 0; }));
  EXPECT_EQ(ticks, 11);
  EXPECT_TRUE(watched.expired());
  CountingTimer witness;
  witness.timer->SetInterval(30);
  ASSERT_TRUE(PumpUntil([&] { return *witness.ticks >= 2; }));
  EXPECT_EQ(ticks, 11);
}

TEST_F(TimerTest, AFullTableRaises13651AndLeavesTheNewTimerStopped) {
  std::vector<CountingTimer> running(kTimerSlots);
  for (CountingTimer& t : running) t.timer->SetInterval(kNever);
  CountingTimer extra;

  try {
    extra.timer->SetInterval(10);
    FAIL() << "no error raised";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), core::kObjectErrorBase + 13651);
    EXPECT_EQ(e.Number(), -2147207853);
    EXPECT_EQ(e.Source(), core::ExeBaseName() + ".WindowProc");
    EXPECT_EQ(e.Description(), "No more than 10 timers allowed per class");
  }
  EXPECT_EQ(extra.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(extra.timer.get()), 0);
  EXPECT_EQ(TimerCount(), kTimerSlots);

  // With a slot free again it starts as any other.
  running.front().timer->SetInterval(0);
  extra.timer->SetInterval(10);
  EXPECT_EQ(SlotOf(extra.timer.get()), 1);
  EXPECT_TRUE(PumpUntil([&] { return *extra.ticks >= 1; }));
}

TEST_F(TimerTest, AnExceptionFromAHandlerStaysInTheCallback) {
  std::vector<std::string> reported;
  ui::SetHandlerExceptionReporter([&](const std::string& what) { reported.push_back(what); });
  CountingTimer a;
  a.timer->ThatTime = [&] {
    ++*a.ticks;
    throw std::runtime_error("tick failed");
  };
  a.timer->SetInterval(10);

  const bool ticked = PumpUntil([&] { return *a.ticks >= 2; });
  ui::SetHandlerExceptionReporter(
      [](const std::string& what) { ADD_FAILURE() << "exception escaped into a window procedure: " << what; });

  EXPECT_TRUE(ticked);
  ASSERT_GE(reported.size(), 2u);
  EXPECT_NE(reported[0].find("tick failed"), std::string::npos) << reported[0];
}

}  // namespace
