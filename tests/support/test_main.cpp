// Every test program's main: GUI tests run in-process on the real forms, so
// the prompt seam answers from scripts and a C++ exception that reaches a
// window procedure fails the test that caused it.
#include <windows.h>

#include <ole2.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "ui/app.h"

namespace testing_support {
void InstallStrictPrompter();
}

namespace {

// A crash ends the program without its buffered output: say which test it
// was before Windows ends it.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::fprintf(stderr, "crash 0x%08lx at %p in %s.%s\n", info->ExceptionRecord->ExceptionCode,
               info->ExceptionRecord->ExceptionAddress, test ? test->test_suite_name() : "(no test)",
               test ? test->name() : "");
  std::fflush(stderr);
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int main(int argc, char** argv) {
  // Output goes to a file: unbuffered, so that a crash cannot swallow it.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  SetUnhandledExceptionFilter(ReportCrash);
  testing::InitGoogleTest(&argc, argv);
  OleInitialize(nullptr);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  testing_support::InstallStrictPrompter();
  ui::SetHandlerExceptionReporter(
      [](const std::string& what) { ADD_FAILURE() << "exception escaped into a window procedure: " << what; });
  ui::SetQuitWhenLastFormCloses(false);
  ui::EnsureWindowClasses();
  int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
