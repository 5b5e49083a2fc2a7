#include "core/subclass.h"

#include <string>

#include "core/errors.h"
#include "ui/app.h"

namespace core {

UINT gCurrentMessage = 0;

namespace {

// The window's property list holds, under names built from decimal
// numbers (h the window handle, m the message, i a 1-based index):
//   h            the window's previous window procedure
//   h C          the number of attachments on the window (client and message pairs)
//   h # m C      the number of clients of message m
//   h # m # i    client i of message m (the ISubclass object's address)
// A value of 0 removes its property; a missing property reads as 0.

std::string WindowKey(HWND hwnd) { return std::to_string(reinterpret_cast<uintptr_t>(hwnd)); }

std::string PrevProcName(HWND hwnd) { return WindowKey(hwnd); }
std::string AttachCountName(HWND hwnd) { return WindowKey(hwnd) + "C"; }
std::string ClientCountName(HWND hwnd, UINT msg) {
  return WindowKey(hwnd) + "#" + std::to_string(msg) + "C";
}
std::string ClientName(HWND hwnd, UINT msg, uintptr_t index) {
  return WindowKey(hwnd) + "#" + std::to_string(msg) + "#" + std::to_string(index);
}

uintptr_t ReadProp(HWND hwnd, const std::string& name) {
  return reinterpret_cast<uintptr_t>(GetPropA(hwnd, name.c_str()));
}

// False when the write failed.
bool WriteProp(HWND hwnd, const std::string& name, uintptr_t value) {
  bool ok = SetPropA(hwnd, name.c_str(), reinterpret_cast<HANDLE>(value)) != 0;
  if (value == 0) RemovePropA(hwnd, name.c_str());
  return ok;
}

WNDPROC PrevProc(HWND hwnd) { return reinterpret_cast<WNDPROC>(ReadProp(hwnd, PrevProcName(hwnd))); }
uintptr_t AttachCount(HWND hwnd) { return ReadProp(hwnd, AttachCountName(hwnd)); }
uintptr_t ClientCount(HWND hwnd, UINT msg) { return ReadProp(hwnd, ClientCountName(hwnd, msg)); }
ISubclass* Client(HWND hwnd, UINT msg, uintptr_t index) {
  return reinterpret_cast<ISubclass*>(ReadProp(hwnd, ClientName(hwnd, msg, index)));
}
bool SetClient(HWND hwnd, UINT msg, uintptr_t index, ISubclass* client) {
  return WriteProp(hwnd, ClientName(hwnd, msg, index), reinterpret_cast<uintptr_t>(client));
}

bool IsWindowLocal(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid == GetCurrentProcessId();
}

WNDPROC InstallProc(HWND hwnd, WNDPROC proc) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

[[noreturn]] void ErrRaise(int32_t number) {
  if (number < 1001) throw AppError(number, ExeBaseName(), "Invalid procedure call or argument");
  const char* description = "";
  switch (number) {
    case kErrCantSubclass: description = "Can't subclass window"; break;
    case kErrAlreadyHandled: description = "Message already handled by another class"; break;
    case kErrInvalidWindow: description = "Invalid window"; break;
    case kErrExternalWindow: description = "Can't modify external window"; break;
    default: break;
  }
  throw AppError(kObjectErrorBase + number, ExeBaseName() + ".WindowProc", description);
}

// Runs one call into a client; an exception it throws is reported and
// must not cross the window procedure. False when it threw.
template <typename F>
bool Guarded(F&& call) {
  try {
    call();
    return true;
  } catch (...) {
    ui::ReportHandlerException();
    return false;
  }
}

}  // namespace

void AttachMessage(ISubclass* client, HWND hwnd, UINT msg) {
  if (!IsWindow(hwnd)) ErrRaise(kErrInvalidWindow);
  if (!IsWindowLocal(hwnd)) ErrRaise(kErrExternalWindow);

  uintptr_t count = ClientCount(hwnd, msg);
  for (uintptr_t i = 1; i <= count; ++i)
    if (Client(hwnd, msg, i) == client) ErrRaise(kErrAlreadyHandled);

  if (!WriteProp(hwnd, ClientCountName(hwnd, msg), count + 1)) ErrRaise(kErrInvalidCall);
  auto undoClient = [&] {
    SetClient(hwnd, msg, count + 1, nullptr);
    WriteProp(hwnd, ClientCountName(hwnd, msg), count);
  };
  if (!SetClient(hwnd, msg, count + 1, client)) {
    WriteProp(hwnd, ClientCountName(hwnd, msg), count);
    ErrRaise(kErrInvalidCall);
  }

  uintptr_t attached = AttachCount(hwnd);
  if (attached == 0) {
    WNDPROC prev = InstallProc(hwnd, SubclassWndProc);
    if (!prev) {
      undoClient();
      ErrRaise(kErrCantSubclass);
    }
    if (!WriteProp(hwnd, PrevProcName(hwnd), reinterpret_cast<uintptr_t>(prev))) {
      InstallProc(hwnd, prev);
      undoClient();
      ErrRaise(kErrInvalidCall);
    }
  }

  if (!WriteProp(hwnd, AttachCountName(hwnd), attached + 1)) {
    undoClient();
    if (attached == 0) {
      if (WNDPROC prev = PrevProc(hwnd)) {
        InstallProc(hwnd, prev);
        WriteProp(hwnd, PrevProcName(hwnd), 0);
      }
    }
    ErrRaise(kErrInvalidCall);
  }
}

void DetachMessage(ISubclass* client, HWND hwnd, UINT msg) {
  if (!IsWindow(hwnd) || !IsWindowLocal(hwnd)) return;
  uintptr_t count = ClientCount(hwnd, msg);
  if (count == 0) return;

  uintptr_t index = 0;
  for (uintptr_t i = 1; i <= count; ++i) {
    if (Client(hwnd, msg, i) == client) {
      index = i;
      break;
    }
  }
  if (index == 0) return;

  for (uintptr_t i = index + 1; i <= count; ++i) SetClient(hwnd, msg, i - 1, Client(hwnd, msg, i));
  SetClient(hwnd, msg, count, nullptr);
  WriteProp(hwnd, ClientCountName(hwnd, msg), count - 1);

  uintptr_t attached = AttachCount(hwnd);
  if (attached == 1) {
    if (WNDPROC prev = PrevProc(hwnd)) InstallProc(hwnd, prev);
    WriteProp(hwnd, PrevProcName(hwnd), 0);
  }
  // A window that lost its subclassing at WM_DESTROY has no count left.
  if (attached > 0) WriteProp(hwnd, AttachCountName(hwnd), attached - 1);
}

LRESULT CALLBACK SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC prev = PrevProc(hwnd);
  if (!prev) return 0;

  uintptr_t count = ClientCount(hwnd, msg);
  if (count == 0) {
    // A window that goes without a client watching gets its own procedure
    // back before that procedure sees WM_DESTROY.
    if (msg == WM_DESTROY && AttachCount(hwnd) > 0) {
      InstallProc(hwnd, prev);
      WriteProp(hwnd, PrevProcName(hwnd), 0);
      WriteProp(hwnd, AttachCountName(hwnd), 0);
    }
    return CallWindowProcA(prev, hwnd, msg, wParam, lParam);
  }

  // The last-attached client first; the first-attached one decides about
  // the previous procedure and its result is the one returned.
  LRESULT result = 0;
  bool prevRan = false;
  ISubclass* first = nullptr;
  int32_t firstResponse = ISubclass::kPreviousNotCalled;
  for (uintptr_t i = count; i >= 1; --i) {
    ISubclass* client = Client(hwnd, msg, i);
    if (!client) continue;
    gCurrentMessage = msg;
    if (i == 1) {
      first = client;
      Guarded([&] { firstResponse = client->MsgResponse(); });
      if (firstResponse == ISubclass::kPreviousBefore && !prevRan) {
        CallWindowProcA(prev, hwnd, msg, wParam, lParam);
        prevRan = true;
      }
    }
    if (!Guarded([&] { result = client->WindowProc(hwnd, msg, wParam, lParam); })) result = 0;
  }

  if (first) {
    // Asked again, but only while it is still attached: a client that
    // detached on the way may be gone already.
    if (Client(hwnd, msg, 1) == first) Guarded([&] { firstResponse = first->MsgResponse(); });
    if (firstResponse == ISubclass::kPreviousAfter && !prevRan && IsWindow(hwnd))
      result = CallWindowProcA(prev, hwnd, msg, wParam, lParam);
  }
  return result;
}

}  // namespace core
