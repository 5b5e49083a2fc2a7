// Every test program's main: GUI tests run in-process on the real forms, so
// the prompt seam answers from scripts and a C++ exception that reaches a
// window procedure fails the test that caused it.
#include <windows.h>

#include <ole2.h>

#include <gtest/gtest.h>

#include "ui/app.h"

namespace testing_support {
void InstallStrictPrompter();
}

int main(int argc, char** argv) {
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
