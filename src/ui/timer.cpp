#include "ui/timer.h"

#include <map>

#include "ui/app.h"
#include "ui/form.h"

namespace ui {

namespace {
std::map<UINT_PTR, Timer*>& RunningTimers() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}
}  // namespace

Timer::Timer(Form* form, int interval, bool enabled) : form_(form), interval_(interval), enabled_(enabled) {
  Restart();
}

Timer::~Timer() {
  if (id_) {
    KillTimer(nullptr, id_);
    RunningTimers().erase(id_);
  }
}

void Timer::SetInterval(int ms) {
  interval_ = ms;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  if (id_) {
    KillTimer(nullptr, id_);
    RunningTimers().erase(id_);
    id_ = 0;
  }
  if (!enabled_ || interval_ <= 0) return;
  id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), &Timer::Proc);
  if (id_) RunningTimers()[id_] = this;
}

void CALLBACK Timer::Proc(HWND, UINT, UINT_PTR id, DWORD) {
  try {
    auto it = RunningTimers().find(id);
    if (it == RunningTimers().end()) return;
    Timer* t = it->second;
    // A timer ticks only while its form is loaded.
    if (t->form_ && !t->form_->IsLoaded()) return;
    if (t->Tick) t->Tick();
  } catch (...) {
    ReportHandlerException();
  }
}

}  // namespace ui
