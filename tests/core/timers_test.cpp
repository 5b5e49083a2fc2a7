// Timers without a window: the table of running timers, ticks reaching their own timer, and a timer
// stopped and let go of from inside its own tick. Ticks arrive by pumping the thread's messages.
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

int SlotOf(const std::shared_ptr<clsTimer>& timer) {
  for (int slot = 1; slot <= kTimerSlots; ++slot)
    if (TimerInSlot(slot) == timer.get()) return slot;
  return 0;
}

struct CountingTimer {
  CountingTimer() {
    timer->ThatTime = [this] { ++ticks; };
  }
  ~CountingTimer() { timer->SetInterval(0); }
  std::shared_ptr<clsTimer> timer = clsTimer::New();
  int ticks = 0;
};

TEST(Timers, TicksReachTheirOwnTimerUntilStoppedAndAFullTableRaises13651UntilASlotIsFree) {
  CountingTimer a, b, again, extra;
  a.timer->SetInterval(0);
  a.timer->SetInterval(-20);
  EXPECT_EQ(a.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(a.timer), 0);

  // An exception from b's handler stays in the callback, and b ticks on.
  std::vector<std::string> reported;
  ui::SetHandlerExceptionReporter([&](const std::string& what) { reported.push_back(what); });
  b.timer->ThatTime = [&] { throw std::runtime_error("tick " + std::to_string(++b.ticks)); };
  a.timer->SetInterval(kNever);
  b.timer->SetInterval(10);
  PumpUntil([&] { return b.ticks >= 3; });
  ui::SetHandlerExceptionReporter(
      [](const std::string& what) { ADD_FAILURE() << "exception escaped into a window procedure: " << what; });
  ASSERT_GE(reported.size(), 3u);
  EXPECT_NE(reported[0].find("tick 1"), std::string::npos) << reported[0];
  EXPECT_EQ(SlotOf(a.timer), 1);
  EXPECT_EQ(a.ticks, 0);

  b.timer->SetInterval(-1);
  EXPECT_EQ(b.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(b.timer), 0);
  const int ticksOfB = b.ticks;
  // The same interval again is no restart, which would keep a from ever ticking.
  again.timer->ThatTime = [&] { a.timer->SetInterval(80); };
  a.timer->SetInterval(80);
  again.timer->SetInterval(10);
  ASSERT_TRUE(PumpUntil([&] { return a.ticks >= 2; }, 10000));
  EXPECT_EQ(b.ticks, ticksOfB);
  EXPECT_EQ(a.timer->Interval(), 80);
  EXPECT_EQ(SlotOf(a.timer), 1);

  again.timer->SetInterval(0);
  std::vector<CountingTimer> running(kTimerSlots - 1);
  for (CountingTimer& t : running) t.timer->SetInterval(kNever);
  try {
    extra.timer->SetInterval(10);
    FAIL() << "no error raised";
  } catch (const core::AppError& e) {
    EXPECT_EQ(std::to_string(e.Number()) + " " + e.Source() + ": " + e.Description(),
              "-2147207853 " + core::ExeBaseName() + ".WindowProc: No more than 10 timers allowed per class");
  }
  EXPECT_EQ(extra.timer->Interval(), 0);
  EXPECT_EQ(SlotOf(extra.timer), 0);
  EXPECT_EQ(TimerCount(), kTimerSlots);
  // The first free slot is taken again; the count keeps its highest.
  a.timer->SetInterval(0);
  extra.timer->SetInterval(10);
  EXPECT_EQ(SlotOf(extra.timer), 1);
  EXPECT_EQ(SlotOf(running[0].timer), 2);
  EXPECT_EQ(TimerCount(), kTimerSlots);
  EXPECT_TRUE(PumpUntil([&] { return extra.ticks >= 1; }));
}

TEST(Timers, ATimerLivesOnWithoutItsOwnerUntilItStopsItselfInsideItsOwnTick) {
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
  PumpUntil([] { return false; }, 100);  // later ticks reach nothing
  EXPECT_EQ(ticks, 13);
}

}  // namespace
