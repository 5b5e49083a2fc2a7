// Program-wide services of the control layer: window classes, the message
// loop with its keyboard preview and menu shortcuts, the message-pump step
// (DoEvents), the mouse pointer, and the firewall that keeps exceptions out
// of window procedures.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

inline constexpr char kFormClass[] = "TarnellForm";
inline constexpr char kFrameClass[] = "TarnellFrame";
inline constexpr char kPictureClass[] = "TarnellPicture";

// Registers the layer's window classes and the common controls (once).
void EnsureWindowClasses();

// Runs the message loop until PostQuitMessage; returns the exit code.
int RunMessageLoop();
// Lets every pending message run once (VB's DoEvents).
void DoEvents();
// Keyboard preview and menu shortcuts for one message; true when the
// message was consumed. The loops above call it for every message.
bool PreTranslate(MSG& msg);

// When true, the message loop ends as soon as no top-level form is loaded.
void SetQuitWhenLastFormCloses(bool quit);
bool QuitWhenLastFormCloses();

// Screen.MousePointer: the hourglass while long work runs.
enum class MousePointer { Default, Hourglass };
void SetMousePointer(MousePointer p);
MousePointer CurrentMousePointer();

// A thread that does nothing but wait in the kernel for as long as it
// lives. Wine carries out what another process asks of this one (a thread
// started in it, memory allocated or freed in it, as test harnesses and
// accessibility tools do) on a thread of the process that is waiting in the
// kernel. When none is, it interrupts a running thread with a signal and
// does the work inside the signal handler: if that thread was inside the C
// library's allocator at that moment (the main thread often is, drawing),
// the heap is corrupted or the process hangs. While this thread lives, such
// work always finds a waiting thread. The program makes one at its start.
class KernelWaiter {
 public:
  KernelWaiter();
  ~KernelWaiter();
  KernelWaiter(const KernelWaiter&) = delete;
  KernelWaiter& operator=(const KernelWaiter&) = delete;

 private:
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
};

// Called by every window procedure's exception firewall. The default
// writes the exception to the debugger output; tests make it fail the test.
void ReportHandlerException();
void SetHandlerExceptionReporter(std::function<void(const std::string&)> reporter);

}  // namespace ui
