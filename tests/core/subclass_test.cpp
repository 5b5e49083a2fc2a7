#include "core/subclass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/errors.h"
#include "ui/app.h"

namespace {

using core::AppError;
using core::ISubclass;

constexpr UINT kMsgA = WM_APP + 1;
constexpr UINT kMsgB = WM_APP + 2;
constexpr LRESULT kWindowResult = 100;

// What the test window's own procedure and the clients did, in order.
std::vector<std::string> gCalls;

struct DestroySeen {
  bool seen = false;
  bool ownProcInPlace = false;
  bool propertyLeft = true;
};
DestroySeen gDestroySeen;

std::string Key(HWND hwnd) { return std::to_string(reinterpret_cast<uintptr_t>(hwnd)); }

LRESULT CALLBACK RecordingWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kMsgA || msg == kMsgB) {
    gCalls.push_back("window");
    return kWindowResult;
  }
  if (msg == WM_DESTROY) {
    gDestroySeen.seen = true;
    gDestroySeen.ownProcInPlace =
        GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RecordingWindowProc);
    gDestroySeen.propertyLeft = GetPropA(hwnd, Key(hwnd).c_str()) != nullptr;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeRecordingWindow() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarnellSubclassTest";
    RegisterClassA(&wc);
    registered = true;
  }
  return CreateWindowExA(0, "TarnellSubclassTest", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

class RecordingClient : public ISubclass {
 public:
  RecordingClient(std::string name, int32_t response, LRESULT result)
      : name_(std::move(name)), response_(response), result_(result) {}

  int32_t MsgResponse() const override {
    ++responseReads;
    if (mustNotBeAsked) ADD_FAILURE() << name_ << " was asked for its response";
    return response_;
  }
  void SetMsgResponse(int32_t response) override { response_ = response; }
  LRESULT WindowProc(HWND, UINT msg, WPARAM, LPARAM) override {
    gCalls.push_back(name_);
    messages.push_back(msg);
    currentMessages.push_back(core::gCurrentMessage);
    if (onCall) onCall();
    return result_;
  }

  mutable int responseReads = 0;
  bool mustNotBeAsked = false;
  std::vector<UINT> messages;
  std::vector<UINT> currentMessages;
  std::function<void()> onCall;

 private:
  std::string name_;
  int32_t response_;
  LRESULT result_;
};

// The window's properties that the subclassing module owns: their names
// start with the window's handle in decimal (the system keeps some of its
// own on a window).
std::vector<std::string> PropertyNames(HWND hwnd) {
  std::vector<std::string> names;
  EnumPropsExA(
      hwnd,
      [](HWND h, LPSTR name, HANDLE, ULONG_PTR data) -> BOOL {
        if (HIWORD(reinterpret_cast<uintptr_t>(name)) != 0 && std::string(name).rfind(Key(h), 0) == 0)
          reinterpret_cast<std::vector<std::string>*>(data)->push_back(name);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&names));
  return names;
}

bool HasOwnProc(HWND hwnd) {
  return GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RecordingWindowProc);
}

int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const AppError& e) {
    return e.Number();
  }
  return 0;
}

class SubclassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gCalls.clear();
    gDestroySeen = {};
    hwnd = MakeRecordingWindow();
    ASSERT_NE(hwnd, nullptr);
  }
  void TearDown() override {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  LRESULT Send(UINT msg) { return SendMessageA(hwnd, msg, 0, 0); }

  HWND hwnd = nullptr;
};

TEST_F(SubclassTest, LastAttachedRunsFirstAndTheFirstAttachedDecidesAboutTheWindow) {
  struct Case {
    int32_t firstResponse;
    std::vector<std::string> calls;
    LRESULT result;
  };
  const Case cases[] = {
      {ISubclass::kPreviousNotCalled, {"second", "first"}, 1},
      {ISubclass::kPreviousAfter, {"second", "first", "window"}, kWindowResult},
      {ISubclass::kPreviousBefore, {"second", "window", "first"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("MsgResponse " + std::to_string(c.firstResponse));
    gCalls.clear();
    RecordingClient first("first", c.firstResponse, 1);
    // The later client's response would call the window first; it is never asked.
    RecordingClient second("second", ISubclass::kPreviousBefore, 2);
    second.mustNotBeAsked = true;
    core::AttachMessage(&first, hwnd, kMsgA);
    core::AttachMessage(&second, hwnd, kMsgA);

    EXPECT_EQ(Send(kMsgA), c.result);
    EXPECT_EQ(gCalls, c.calls);
    EXPECT_EQ(first.currentMessages, std::vector<UINT>{kMsgA});

    core::DetachMessage(&second, hwnd, kMsgA);
    core::DetachMessage(&first, hwnd, kMsgA);
    EXPECT_TRUE(HasOwnProc(hwnd));
  }
}

TEST_F(SubclassTest, OtherMessagesGoStraightToTheWindow) {
  RecordingClient client("client", ISubclass::kPreviousNotCalled, 1);
  core::AttachMessage(&client, hwnd, kMsgA);
  EXPECT_EQ(Send(kMsgB), kWindowResult);
  EXPECT_EQ(gCalls, std::vector<std::string>{"window"});
  core::DetachMessage(&client, hwnd, kMsgA);
}

TEST_F(SubclassTest, ClientsSeeTheInnermostMessageWhileTheySendOthers) {
  RecordingClient outer("outer", ISubclass::kPreviousNotCalled, 1);
  RecordingClient inner("inner", ISubclass::kPreviousNotCalled, 2);
  UINT afterNested = 0;
  outer.onCall = [&] {
    SendMessageA(hwnd, kMsgB, 0, 0);
    afterNested = core::gCurrentMessage;
  };
  core::AttachMessage(&outer, hwnd, kMsgA);
  core::AttachMessage(&inner, hwnd, kMsgB);

  Send(kMsgA);
  EXPECT_EQ(outer.currentMessages, std::vector<UINT>{kMsgA});
  EXPECT_EQ(inner.currentMessages, std::vector<UINT>{kMsgB});
  EXPECT_EQ(afterNested, kMsgB);

  core::DetachMessage(&outer, hwnd, kMsgA);
  core::DetachMessage(&inner, hwnd, kMsgB);
  EXPECT_TRUE(HasOwnProc(hwnd));
}

TEST_F(SubclassTest, TheSameClientTwiceOnOneMessageIsRefusedAndTheFirstAttachmentStays) {
  RecordingClient client("client", ISubclass::kPreviousNotCalled, 1);
  core::AttachMessage(&client, hwnd, kMsgA);
  try {
    core::AttachMessage(&client, hwnd, kMsgA);
    FAIL() << "no error raised";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Number(), -2147208422);
    EXPECT_EQ(e.Number(), core::kObjectErrorBase + 13082);
    EXPECT_EQ(e.Source(), core::ExeBaseName() + ".WindowProc");
    EXPECT_EQ(e.Description(), "Message already handled by another class");
  }
  Send(kMsgA);
  EXPECT_EQ(gCalls, std::vector<std::string>{"client"});

  // The same client on another message is a new attachment.
  core::AttachMessage(&client, hwnd, kMsgB);
  core::DetachMessage(&client, hwnd, kMsgA);
  EXPECT_FALSE(HasOwnProc(hwnd));
  core::DetachMessage(&client, hwnd, kMsgB);
  EXPECT_TRUE(HasOwnProc(hwnd));
  EXPECT_TRUE(PropertyNames(hwnd).empty());
}

TEST_F(SubclassTest, InvalidWindowsAreRefused) {
  RecordingClient client("client", ISubclass::kPreviousNotCalled, 1);
  HWND gone = MakeRecordingWindow();
  DestroyWindow(gone);
  try {
    core::AttachMessage(&client, gone, kMsgA);
    FAIL() << "no error raised";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Number(), -2147208421);
    EXPECT_EQ(e.Source(), core::ExeBaseName() + ".WindowProc");
    EXPECT_EQ(e.Description(), "Invalid window");
  }
  EXPECT_EQ(ErrorOf([&] { core::AttachMessage(&client, nullptr, kMsgA); }), core::kObjectErrorBase + 13083);
  // Detaching from them does nothing.
  core::DetachMessage(&client, gone, kMsgA);
  core::DetachMessage(&client, nullptr, kMsgA);
}

TEST_F(SubclassTest, DetachingAClientThatIsNotAttachedDoesNothing) {
  RecordingClient attached("attached", ISubclass::kPreviousNotCalled, 1);
  RecordingClient stranger("stranger", ISubclass::kPreviousNotCalled, 2);
  core::DetachMessage(&stranger, hwnd, kMsgA);
  EXPECT_TRUE(HasOwnProc(hwnd));

  core::AttachMessage(&attached, hwnd, kMsgA);
  std::vector<std::string> before = PropertyNames(hwnd);
  core::DetachMessage(&stranger, hwnd, kMsgA);
  core::DetachMessage(&attached, hwnd, kMsgB);
  EXPECT_EQ(PropertyNames(hwnd), before);
  Send(kMsgA);
  EXPECT_EQ(gCalls, std::vector<std::string>{"attached"});
  core::DetachMessage(&attached, hwnd, kMsgA);
}

TEST_F(SubclassTest, TheLastDetachPutsTheProcedureBackAndLeavesNoProperty) {
  RecordingClient a("a", ISubclass::kPreviousAfter, 1);
  RecordingClient b("b", ISubclass::kPreviousAfter, 2);
  core::AttachMessage(&a, hwnd, kMsgA);
  core::AttachMessage(&b, hwnd, kMsgA);
  core::AttachMessage(&a, hwnd, kMsgB);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&core::SubclassWndProc));
  // The bookkeeping lives in the window's property list.
  std::string h = Key(hwnd);
  std::vector<std::string> names = PropertyNames(hwnd);
  std::sort(names.begin(), names.end());
  std::vector<std::string> expected = {h, h + "#32769#1", h + "#32769#2", h + "#32769C", h + "#32770#1",
                                       h + "#32770C", h + "C"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(GetPropA(hwnd, (h + "C").c_str())), 3u);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(GetPropA(hwnd, (h + "#32769C").c_str())), 2u);
  EXPECT_EQ(GetPropA(hwnd, (h + "#32769#2").c_str()), static_cast<ISubclass*>(&b));
  EXPECT_EQ(GetPropA(hwnd, h.c_str()), reinterpret_cast<HANDLE>(&RecordingWindowProc));

  // Removing the first client moves the second into its place: it now decides.
  core::DetachMessage(&a, hwnd, kMsgA);
  b.SetMsgResponse(ISubclass::kPreviousNotCalled);
  gCalls.clear();
  EXPECT_EQ(Send(kMsgA), 2);
  EXPECT_EQ(gCalls, std::vector<std::string>{"b"});

  core::DetachMessage(&b, hwnd, kMsgA);
  EXPECT_FALSE(HasOwnProc(hwnd));
  core::DetachMessage(&a, hwnd, kMsgB);
  EXPECT_TRUE(HasOwnProc(hwnd));
  EXPECT_TRUE(PropertyNames(hwnd).empty());

  gCalls.clear();
  EXPECT_EQ(Send(kMsgA), kWindowResult);
  EXPECT_EQ(gCalls, std::vector<std::string>{"window"});
}

TEST_F(SubclassTest, AWindowDestroyedWithoutADestroyClientGetsItsProcedureBackFirst) {
  RecordingClient client("client", ISubclass::kPreviousNotCalled, 1);
  core::AttachMessage(&client, hwnd, kMsgA);
  DestroyWindow(hwnd);
  EXPECT_TRUE(gDestroySeen.seen);
  EXPECT_TRUE(gDestroySeen.ownProcInPlace);
  EXPECT_FALSE(gDestroySeen.propertyLeft);
  // The client still leaves cleanly.
  core::DetachMessage(&client, hwnd, kMsgA);
}

TEST_F(SubclassTest, AClientOfTheDestroyMessageSeesIt) {
  RecordingClient client("client", ISubclass::kPreviousAfter, 0);
  core::AttachMessage(&client, hwnd, WM_DESTROY);
  client.onCall = [&] { core::DetachMessage(&client, hwnd, WM_DESTROY); };
  DestroyWindow(hwnd);
  EXPECT_EQ(client.messages, std::vector<UINT>{WM_DESTROY});
  EXPECT_TRUE(gDestroySeen.seen);
}

TEST_F(SubclassTest, AFirstClientThatDetachesWhileCalledIsNotAskedAgain) {
  RecordingClient client("client", ISubclass::kPreviousAfter, 1);
  core::AttachMessage(&client, hwnd, kMsgA);
  client.onCall = [&] {
    core::DetachMessage(&client, hwnd, kMsgA);
    client.mustNotBeAsked = true;
  };
  EXPECT_EQ(Send(kMsgA), kWindowResult);
  EXPECT_EQ(gCalls, (std::vector<std::string>{"client", "window"}));
  EXPECT_TRUE(HasOwnProc(hwnd));
}

TEST_F(SubclassTest, AClientThatThrowsDoesNotStopTheOthersOrTheWindow) {
  class Thrower : public ISubclass {
   public:
    LRESULT WindowProc(HWND, UINT, WPARAM, LPARAM) override { throw std::runtime_error("client failed"); }
  } thrower;
  RecordingClient first("first", ISubclass::kPreviousAfter, 1);
  std::vector<std::string> reported;
  ui::SetHandlerExceptionReporter([&](const std::string& what) { reported.push_back(what); });
  core::AttachMessage(&first, hwnd, kMsgA);
  core::AttachMessage(&thrower, hwnd, kMsgA);

  EXPECT_EQ(Send(kMsgA), kWindowResult);
  ui::SetHandlerExceptionReporter(
      [](const std::string& what) { ADD_FAILURE() << "exception escaped into a window procedure: " << what; });
  EXPECT_EQ(reported, std::vector<std::string>{"client failed"});
  EXPECT_EQ(gCalls, (std::vector<std::string>{"first", "window"}));
  core::DetachMessage(&thrower, hwnd, kMsgA);
  core::DetachMessage(&first, hwnd, kMsgA);
}

// ---------------------------------------------------------------- another process

constexpr char kHelperVariable[] = "TARNELL_FOREIGN_WINDOW_FOR";
constexpr char kForeignClass[] = "TarnellForeignWindow";

std::string ForeignTitle(const std::string& tag) { return "Tarnell foreign window " + tag; }
std::string ReadyEventName(const std::string& tag) { return "TarnellForeignWindowReady" + tag; }

// Runs only in the helper process that the test below starts: holds a
// window of its own until that window is closed.
TEST(ForeignWindowHelper, DISABLED_HoldsAWindow) {
  char tag[64] = {};
  if (!GetEnvironmentVariableA(kHelperVariable, tag, sizeof tag)) GTEST_SKIP() << "run by the subclassing test";
  WNDCLASSA wc{};
  wc.lpfnWndProc = [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(h, msg, w, l);
  };
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kForeignClass;
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, kForeignClass, ForeignTitle(tag).c_str(), WS_OVERLAPPED, 0, 0, 100, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, ReadyEventName(tag).c_str());
  ASSERT_NE(ready, nullptr);
  SetEvent(ready);
  CloseHandle(ready);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
}

// A window of another process: this test program run again as the helper.
class ForeignWindow {
 public:
  ForeignWindow() {
    std::string tag = std::to_string(GetCurrentProcessId());
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, ReadyEventName(tag).c_str());
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = std::string("\"") + exe +
                          "\" --gtest_also_run_disabled_tests --gtest_filter=ForeignWindowHelper.DISABLED_HoldsAWindow";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = si.hStdOutput = si.hStdError = nul;
    SetEnvironmentVariableA(kHelperVariable, tag.c_str());
    // The helper runs one test of its own: this run's sharding must not hide it.
    SetEnvironmentVariableA("GTEST_TOTAL_SHARDS", nullptr);
    SetEnvironmentVariableA("GTEST_SHARD_INDEX", nullptr);
    bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &process_);
    SetEnvironmentVariableA(kHelperVariable, nullptr);
    CloseHandle(nul);
    if (started) {
      HANDLE waitFor[2] = {ready, process_.hProcess};
      if (WaitForMultipleObjects(2, waitFor, FALSE, 60000) == WAIT_OBJECT_0)
        hwnd_ = FindWindowA(kForeignClass, ForeignTitle(tag).c_str());
    }
    CloseHandle(ready);
  }
  ~ForeignWindow() {
    if (!process_.hProcess) return;
    if (hwnd_) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  ForeignWindow(const ForeignWindow&) = delete;
  ForeignWindow& operator=(const ForeignWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  PROCESS_INFORMATION process_{};
  HWND hwnd_ = nullptr;
};

TEST(SubclassForeign, AWindowOfAnotherProcessIsRefusedAndLeftAlone) {
  ForeignWindow foreign;
  ASSERT_NE(foreign.hwnd(), nullptr) << "the helper process showed no window";
  RecordingClient client("client", ISubclass::kPreviousNotCalled, 1);
  try {
    core::AttachMessage(&client, foreign.hwnd(), kMsgA);
    FAIL() << "no error raised";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Number(), -2147208420);
    EXPECT_EQ(e.Source(), core::ExeBaseName() + ".WindowProc");
    EXPECT_EQ(e.Description(), "Can't modify external window");
  }
  core::DetachMessage(&client, foreign.hwnd(), kMsgA);
  EXPECT_TRUE(PropertyNames(foreign.hwnd()).empty());
}

}  // namespace
