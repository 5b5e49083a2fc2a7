#include "core/scroll_bars.h"

#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"

namespace {

using core::clsScrollBars;

// A window with both bars whose own procedure leaves out the bars' mouse
// tracking, which would wait for a real mouse.
LRESULT CALLBACK BarsWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN) return 0;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ScrollBarsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = BarsWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarnellScrollBarsTest";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_HSCROLL | WS_VSCROLL, 0, 0, 200, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    bars.Create(window);
    auto record = [this](const char* name) {
      return [this, name](int32_t& bar) { events += std::string(name) + "(" + std::to_string(bar) + ")"; };
    };
    bars.Change = record("Change");
    bars.Scroll = record("Scroll");
    bars.MouseWheel = [this](int32_t& bar, int32_t& amount) {
      events += "MouseWheel(" + std::to_string(bar) + "," + std::to_string(amount) + ")";
      if (zeroWheel) amount = 0;
    };
    bars.ScrollClick = [this](int32_t& bar, int32_t& button) {
      events += "ScrollClick(" + std::to_string(bar) + "," + std::to_string(button) + ")";
    };
  }
  void TearDown() override { DestroyWindow(window); }

  HWND window = nullptr;
  clsScrollBars bars;
  std::string events;
  bool zeroWheel = false;
};

TEST_F(ScrollBarsTest, MessagesMoveTheBarsWithinTheirRangeAndRaiseTheirEvents) {
  bars.SetSmallChange(1, 7);
  bars.SetLargeChange(1, 50);
  bars.SetMax(1, 100);
  bars.SetLargeChange(1, 40);
  ASSERT_EQ(bars.max(1), 100);
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int notch = 7 * static_cast<int>(lines);
  auto wheel = [](int delta) { return MAKEWPARAM(0, static_cast<WORD>(delta)); };

  struct Case {
    UINT msg;
    WPARAM wParam;
    int vertical;  // the vertical bar's value afterwards
    std::string events;
    bool zeroWheel = false;
  };
  const Case cases[] = {
      {WM_VSCROLL, SB_LINEDOWN, 7, "Change(1)"},
      {WM_VSCROLL, SB_PAGEDOWN, 47, "Change(1)"},
      {WM_VSCROLL, SB_PAGEDOWN, 87, "Change(1)"},
      {WM_VSCROLL, SB_PAGEDOWN, 100, "Change(1)"},
      {WM_VSCROLL, SB_LINEDOWN, 100, ""},
      {WM_VSCROLL, SB_ENDSCROLL, 100, ""},
      {WM_VSCROLL, SB_TOP, 0, "Change(1)"},
      {WM_VSCROLL, SB_LINEUP, 0, ""},
      {WM_MOUSEWHEEL, wheel(-60), 0, "MouseWheel(1,0)"},  // half a notch towards the user
      {WM_MOUSEWHEEL, wheel(-90), notch, "MouseWheel(1," + std::to_string(notch) + ")Change(1)"},
      {WM_MOUSEWHEEL, wheel(-60), notch, "MouseWheel(1,0)"},
      {WM_MOUSEWHEEL, wheel(-30), 2 * notch, "MouseWheel(1," + std::to_string(notch) + ")Change(1)"},
      {WM_MOUSEWHEEL, wheel(120), 2 * notch, "MouseWheel(1," + std::to_string(-notch) + ")", true},
      {WM_MOUSEWHEEL, wheel(240), 0, "MouseWheel(1," + std::to_string(-2 * notch) + ")Change(1)"},
      {WM_NCLBUTTONDOWN, HTVSCROLL, 0, "ScrollClick(1,1)"},
      {WM_NCRBUTTONDOWN, HTHSCROLL, 0, "ScrollClick(0,2)"},
      {WM_NCLBUTTONDOWN, HTCAPTION, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.msg << " " << c.wParam);
    events.clear();
    zeroWheel = c.zeroWheel;
    SendMessageA(window, c.msg, c.wParam, 0);
    EXPECT_EQ(bars.Value(1), c.vertical);
    EXPECT_EQ(events, c.events);
  }

  // A smaller maximum moves the value back onto it.
  bars.SetValue(1, 90);
  events.clear();
  bars.SetMax(1, 30);
  EXPECT_EQ(bars.Value(1), 30);
  EXPECT_EQ(events, "Change(1)");
  bars.SetMax(0, 5);
  SendMessageA(window, WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(bars.Value(0), 1);
  EXPECT_EQ(events, "Change(1)Change(0)");

  try {
    bars.SetValue(2, 1);
    ADD_FAILURE() << "a third bar was accepted";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), core::kErrSubscriptOutOfRange);
  }
}

}  // namespace
