#include "core/timers.h"

#include <array>
#include <string>

#include "core/errors.h"
#include "ui/app.h"

namespace core {

namespace mdlTimer {

namespace {

// Slot n of the table is gTimers[n - 1]; an empty slot holds nothing.
std::array<std::shared_ptr<clsTimer>, kTimerSlots> gTimers;
int16_t gTimerCount = 0;

}  // namespace

bool AddTimer(clsTimer& timer) {
  timer.m_TimerID = SetTimer(nullptr, 0, static_cast<UINT>(timer.m_Interval), &TimerProc);
  if (timer.m_TimerID == 0) {
    timer.SetInterval(0);
    return false;
  }
  for (int slot = 1; slot <= kTimerSlots; ++slot) {
    if (gTimers[slot - 1]) continue;
    gTimers[slot - 1] = timer.shared_from_this();
    if (slot > gTimerCount) gTimerCount = static_cast<int16_t>(slot);
    return true;
  }
  // No room: the system timer would tick for nobody, and the timer must
  // not pass for a running one.
  KillTimer(nullptr, timer.m_TimerID);
  timer.m_TimerID = 0;
  timer.m_Interval = 0;
  clsTimer::ErrRaise(kErrTooManyTimers);
}

bool RemoveTimer(clsTimer& timer) {
  if (timer.m_TimerID == 0) return false;
  for (int slot = 1; slot <= gTimerCount; ++slot) {
    std::shared_ptr<clsTimer>& entry = gTimers[slot - 1];
    if (!entry || entry->m_TimerID != timer.m_TimerID) continue;
    KillTimer(nullptr, timer.m_TimerID);
    timer.m_TimerID = 0;
    entry.reset();
    return true;
  }
  return false;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD) {
  // No exception may leave a system callback.
  try {
    for (int slot = 1; slot <= gTimerCount; ++slot) {
      // Held while its handler runs: the handler may stop the timer and its
      // owner let go of it.
      std::shared_ptr<clsTimer> timer = gTimers[slot - 1];
      if (timer && timer->m_TimerID == idEvent) {
        timer->PulseTimer();
        return;
      }
    }
  } catch (...) {
    ui::ReportHandlerException();
  }
}

int16_t TimerCount() { return gTimerCount; }

clsTimer* TimerInSlot(int slot) {
  if (slot < 1 || slot > kTimerSlots) return nullptr;
  return gTimers[slot - 1].get();
}

}  // namespace mdlTimer

std::shared_ptr<clsTimer> clsTimer::New() { return std::shared_ptr<clsTimer>(new clsTimer()); }

clsTimer::~clsTimer() {
  // The table refers to every running timer, so only a stopped one is
  // destroyed while the program runs; at its end the table lets go of the
  // running ones too, and their system timers go with them.
  if (m_TimerID != 0) KillTimer(nullptr, m_TimerID);
}

void clsTimer::SetInterval(int32_t iIntervalA) {
  // Emptying its slot may release the last reference to this timer; it
  // stays alive until the call is done.
  const std::shared_ptr<clsTimer> self = weak_from_this().lock();
  if (iIntervalA >= 1) {
    if (iIntervalA == m_Interval) return;
    if (m_Interval != 0) mdlTimer::RemoveTimer(*this);
    m_Interval = iIntervalA;
    if (!mdlTimer::AddTimer(*this)) ErrRaise(kErrCantCreateTimer);
  } else if (m_Interval > 0) {
    m_Interval = 0;
    mdlTimer::RemoveTimer(*this);
  }
}

void clsTimer::PulseTimer() {
  // A copy, so that a handler may replace ThatTime while it runs.
  std::function<void()> handler = ThatTime;
  if (handler) handler();
}

void clsTimer::ErrRaise(int32_t number) {
  if (number < 1001) throw AppError(number, ExeBaseName(), "Application-defined or object-defined error");
  std::string description;
  switch (number) {
    case kErrTooManyTimers:
      description = "No more than 10 timers allowed per class";
      break;
    case kErrCantCreateTimer:
      description = "Can't create system timer";
      break;
    default:
      description = "Application-defined or object-defined error";
      break;
  }
  throw AppError(kObjectErrorBase + number, ExeBaseName() + ".WindowProc", description);
}

}  // namespace core
