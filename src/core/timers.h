// Timers that need no window: a clsTimer raises ThatTime every Interval
// milliseconds until its interval is set below 1. The module mdlTimer keeps
// the table of running timers and the system timer callback that hands each
// tick to its timer.
//
// The table holds a counted reference to every running timer, so a running
// timer lives on even when its owner lets go of it; an owner stops it by
// setting the interval to 0, also from inside its own ThatTime handler.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace core {

class clsTimer;

// Error numbers of clsTimer; each is raised as core::AppError with the
// number kObjectErrorBase + n and the source ExeBaseName() & ".WindowProc".
inline constexpr int32_t kErrTooManyTimers = 13651;  // "No more than 10 timers allowed per class"
inline constexpr int32_t kErrCantCreateTimer = 13652;  // "Can't create system timer"

namespace mdlTimer {

// Slots of the table of running timers.
inline constexpr int kTimerSlots = 10;

// Creates the system timer for timer and enters it in the first empty slot.
// False, with the timer stopped, when the system gives no timer; raises
// kErrTooManyTimers, with the timer stopped, when every slot is taken.
bool AddTimer(clsTimer& timer);
// Kills timer's system timer and empties its slot; false when it holds none.
bool RemoveTimer(clsTimer& timer);
// The system timer callback: hands the tick to the timer it belongs to.
void CALLBACK TimerProc(HWND hwnd, UINT msg, UINT_PTR idEvent, DWORD time);

// The highest slot number ever filled (1-based); it never goes down.
int16_t TimerCount();
// The timer in slot (1 to kTimerSlots), or nullptr when the slot is empty.
clsTimer* TimerInSlot(int slot);

}  // namespace mdlTimer

class clsTimer : public std::enable_shared_from_this<clsTimer> {
 public:
  // A new, stopped timer. Timers live in shared pointers, so that the table
  // can keep a running one alive.
  static std::shared_ptr<clsTimer> New();
  ~clsTimer();
  clsTimer(const clsTimer&) = delete;
  clsTimer& operator=(const clsTimer&) = delete;

  // Milliseconds between ticks; 0 while stopped.
  int32_t Interval() const { return m_Interval; }
  // 1 or more starts the timer, or restarts it with the new interval (the
  // same interval again leaves a running timer undisturbed); below 1 stops
  // it. Raises kErrCantCreateTimer or kErrTooManyTimers when it cannot
  // start; the timer is stopped then.
  void SetInterval(int32_t iIntervalA);

  // Raises ThatTime; the timer callback calls it.
  void PulseTimer();
  // The interval elapsed.
  std::function<void()> ThatTime;

 private:
  friend bool mdlTimer::AddTimer(clsTimer&);
  friend bool mdlTimer::RemoveTimer(clsTimer&);
  friend void CALLBACK mdlTimer::TimerProc(HWND, UINT, UINT_PTR, DWORD);

  clsTimer() = default;
  [[noreturn]] static void ErrRaise(int32_t number);

  int32_t m_Interval = 0;
  // The running system timer's identifier; 0 when none.
  UINT_PTR m_TimerID = 0;
};

}  // namespace core
