// A bound on how long a step under test may take. A step that never comes
// back (a loop without end) would otherwise hang the whole test run: once
// the time has passed, the program ends with a failure message and a
// non-zero exit code.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

namespace testing_support {

class Deadline {
 public:
  Deadline(DWORD milliseconds, std::string what)
      : done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), what_(std::move(what)) {
    watcher_ = std::thread([this, milliseconds] {
      if (WaitForSingleObject(done_, milliseconds) == WAIT_OBJECT_0) return;
      std::fprintf(stderr, "FAILED: %s did not come back within %lu ms\n", what_.c_str(),
                   static_cast<unsigned long>(milliseconds));
      std::fflush(stderr);
      std::fflush(stdout);
      TerminateProcess(GetCurrentProcess(), 3);
    });
  }
  ~Deadline() {
    SetEvent(done_);
    watcher_.join();
    CloseHandle(done_);
  }
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;

 private:
  HANDLE done_;
  std::string what_;
  std::thread watcher_;
};

}  // namespace testing_support
