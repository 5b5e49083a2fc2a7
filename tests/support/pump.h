// Running the thread's messages until something has happened: each round
// waits for the next message (never longer than what is left of the time
// allowed) and lets every pending one run, so timer ticks and window
// messages arrive as they would in the program's own loop.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/app.h"

namespace testing_support {

// Pumps messages until done() holds or timeoutMs has passed; done()'s last
// answer.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    ui::DoEvents();
  }
  return true;
}

}  // namespace testing_support
