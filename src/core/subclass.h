// Window subclassing: any number of client objects subscribe to single
// messages of any window of this process. The first subscription puts one
// shared window procedure in place of the window's own; every piece of
// bookkeeping lives in the window's own property list, so the module keeps
// no tables of its own.
#pragma once

#include <windows.h>

#include <cstdint>

namespace core {

// A subclassing client.
class ISubclass {
 public:
  virtual ~ISubclass() = default;

  // How the window's previous procedure runs for the message being
  // dispatched. Only the first-attached client of a message is asked.
  static constexpr int32_t kPreviousNotCalled = 0;
  static constexpr int32_t kPreviousAfter = 1;   // after all clients; its result is returned
  static constexpr int32_t kPreviousBefore = 2;  // just before the first-attached client
  virtual int32_t MsgResponse() const { return kPreviousNotCalled; }
  virtual void SetMsgResponse(int32_t /*response*/) {}

  // Handles one message of a window the client is attached to.
  virtual LRESULT WindowProc(HWND /*hwnd*/, UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return 0;
  }
};

// Error numbers of AttachMessage; each is raised as core::AppError with the
// number kObjectErrorBase + n and the source ExeBaseName() & ".WindowProc".
// A property that cannot be written raises the plain number 5.
inline constexpr int32_t kErrCantSubclass = 13081;        // "Can't subclass window"
inline constexpr int32_t kErrAlreadyHandled = 13082;      // "Message already handled by another class"
inline constexpr int32_t kErrInvalidWindow = 13083;       // "Invalid window"
inline constexpr int32_t kErrExternalWindow = 13084;      // "Can't modify external window"
inline constexpr int32_t kErrInvalidCall = 5;             // "Invalid procedure call or argument"

// Routes message msg of window hwnd to client. The client is held by
// identity only: it must detach itself before it is destroyed. Throws
// core::AppError (invalid window, a window of another process, the client
// already attached to that message, the window procedure or a property that
// cannot be set); a failed attachment leaves nothing behind.
void AttachMessage(ISubclass* client, HWND hwnd, UINT msg);

// Removes client from message msg of hwnd; the window gets its previous
// procedure back with its last attachment. Does nothing for an invalid
// window, a window of another process or a client that is not attached.
void DetachMessage(ISubclass* client, HWND hwnd, UINT msg);

// The shared window procedure of every subclassed window.
LRESULT CALLBACK SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The message being dispatched to a client (the innermost one while
// clients send messages of their own).
extern UINT gCurrentMessage;

}  // namespace core
