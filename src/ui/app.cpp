#include "ui/app.h"

#include <commctrl.h>

#include <exception>

#include "ui/form.h"

namespace ui {

LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);

namespace {

bool gQuitWhenLastFormCloses = false;
MousePointer gMousePointer = MousePointer::Default;
std::function<void(const std::string&)> gExceptionReporter;

void RegisterOne(const char* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

}  // namespace

void EnsureWindowClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterOne(kFormClass, FormWindowProc, nullptr);
  RegisterOne(kFrameClass, ControlWindowProc, nullptr);
  RegisterOne(kPictureClass, ControlWindowProc, nullptr);
}

bool PreTranslate(MSG& msg) {
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    int key = static_cast<int>(msg.wParam);
    int shift = CurrentShiftState();
    HWND desktop = GetDesktopWindow();
    // Keyboard preview: the innermost form first, then the forms around it.
    for (HWND h = msg.hwnd; h && h != desktop; h = GetAncestor(h, GA_PARENT)) {
      Form* f = Form::FromHwnd(h);
      if (f && (f->KeyPreview || h == msg.hwnd)) {
        if (f->PreviewKeyDown(key, shift) || !IsWindow(msg.hwnd)) return true;
      }
    }
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (Form* f = Form::FromHwnd(root)) {
      if (f->HandleShortcut(static_cast<UINT>(key), shift)) return true;
    }
    if (key == VK_TAB && root && IsDialogMessageA(root, &msg)) return true;
    return false;
  }
  if (msg.message == WM_CHAR) {
    int ascii = static_cast<int>(msg.wParam);
    HWND desktop = GetDesktopWindow();
    for (HWND h = msg.hwnd; h && h != desktop; h = GetAncestor(h, GA_PARENT)) {
      Form* f = Form::FromHwnd(h);
      if (f && (f->KeyPreview || h == msg.hwnd)) {
        if (f->PreviewKeyPress(ascii) || !IsWindow(msg.hwnd)) return true;
      }
    }
    msg.wParam = static_cast<WPARAM>(ascii);
  }
  return false;
}

KernelWaiter::KernelWaiter() : stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  if (!stop_) return;
  thread_ = CreateThread(
      nullptr, 0, [](LPVOID stop) -> DWORD { return WaitForSingleObject(static_cast<HANDLE>(stop), INFINITE); },
      stop_, 0, nullptr);
}

KernelWaiter::~KernelWaiter() {
  if (thread_) {
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  if (stop_) CloseHandle(stop_);
}

int RunMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

void DoEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit request for the main loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void SetQuitWhenLastFormCloses(bool quit) { gQuitWhenLastFormCloses = quit; }
bool QuitWhenLastFormCloses() { return gQuitWhenLastFormCloses; }

void SetMousePointer(MousePointer p) {
  gMousePointer = p;
  SetCursor(LoadCursorA(nullptr, p == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

MousePointer CurrentMousePointer() { return gMousePointer; }

void ReportHandlerException() {
  std::string what = "unknown exception";
  try {
    throw;
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  if (gExceptionReporter)
    gExceptionReporter(what);
  else
    OutputDebugStringA(("Tarnell: exception in a window procedure: " + what + "\n").c_str());
}

void SetHandlerExceptionReporter(std::function<void(const std::string&)> reporter) {
  gExceptionReporter = std::move(reporter);
}

}  // namespace ui
