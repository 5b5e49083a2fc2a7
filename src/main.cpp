// Tarnell's start: no command line; the program ends when the main window
// unloads.
#include <windows.h>

#include <ole2.h>

#include "core/startup.h"
#include "mainwindow/frmTarnell.h"
#include "ui/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // First of all: requests from other processes must never interrupt the
  // main thread (see KernelWaiter).
  ui::KernelWaiter waiter;
  OleInitialize(nullptr);
  int code = 0;
  if (core::StartUp()) {
    ui::SetQuitWhenLastFormCloses(true);
    mainwindow::MainForm().Show();
    code = ui::RunMessageLoop();
  }
  OleUninitialize();
  return code;
}
