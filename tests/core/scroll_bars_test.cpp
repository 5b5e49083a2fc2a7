#include "core/scroll_bars.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "core/errors.h"

namespace {

TEST(ScrollBars, MessagesMoveTheBarsWithinTheirRangeAndRaiseTheirEvents) {
  const std::unique_ptr<HWND__, decltype(&DestroyWindow)> window(
      CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_HSCROLL | WS_VSCROLL, 0, 0, 200, 200, nullptr, nullptr,
                      GetModuleHandleA(nullptr), nullptr),
      &DestroyWindow);
  core::clsScrollBars bars;
  bars.Create(window.get());
  std::string events;
  bool zeroWheel = false;
  bars.Change = [&](int32_t& bar) { events += "Change(" + std::to_string(bar) + ")"; };
  bars.Scroll = [&](int32_t& bar) { events += "Scroll(" + std::to_string(bar) + ")"; };
  bars.MouseWheel = [&](int32_t& bar, int32_t& amount) {
    events += "MouseWheel(" + std::to_string(bar) + "," + std::to_string(amount) + ")";
    if (zeroWheel) amount = 0;
  };
  bars.SetSmallChange(1, 7);
  bars.SetLargeChange(1, 50);
  bars.SetMax(1, 100);
  bars.SetLargeChange(1, 40);
  ASSERT_EQ(bars.max(1), 100);
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int notch = 7 * static_cast<int>(lines);
  const std::string step = std::to_string(notch);
  auto wheel = [](int delta) { return MAKEWPARAM(0, static_cast<WORD>(delta)); };
  // Message, wParam, the vertical bar's value afterwards, events, whether
  // the wheel's handler makes its amount 0.
  const std::tuple<UINT, WPARAM, int, std::string, bool> cases[] = {
      {WM_VSCROLL, SB_LINEDOWN, 7, "Change(1)", false},
      {WM_VSCROLL, SB_PAGEDOWN, 47, "Change(1)", false},
      {WM_VSCROLL, SB_PAGEDOWN, 87, "Change(1)", false},
      {WM_VSCROLL, SB_PAGEDOWN, 100, "Change(1)", false},
      {WM_VSCROLL, SB_LINEDOWN, 100, "", false},
      {WM_VSCROLL, SB_ENDSCROLL, 100, "", false},
      {WM_VSCROLL, SB_TOP, 0, "Change(1)", false},
      {WM_VSCROLL, SB_LINEUP, 0, "", false},
      {WM_MOUSEWHEEL, wheel(-60), 0, "MouseWheel(1,0)", false},  // half a notch towards the user
      {WM_MOUSEWHEEL, wheel(-90), notch, "MouseWheel(1," + step + ")Change(1)", false},
      {WM_MOUSEWHEEL, wheel(-60), notch, "MouseWheel(1,0)", false},
      {WM_MOUSEWHEEL, wheel(-30), 2 * notch, "MouseWheel(1," + step + ")Change(1)", false},
      {WM_MOUSEWHEEL, wheel(120), 2 * notch, "MouseWheel(1,-" + step + ")", true},
      {WM_MOUSEWHEEL, wheel(240), 0, "MouseWheel(1,-" + std::to_string(2 * notch) + ")Change(1)", false},
  };
  for (const auto& [msg, wParam, vertical, expected, zero] : cases) {
    SCOPED_TRACE(testing::Message() << msg << " " << wParam);
    events.clear();
    zeroWheel = zero;
    SendMessageA(window.get(), msg, wParam, 0);
    EXPECT_EQ(bars.Value(1), vertical);
    EXPECT_EQ(events, expected);
  }

  // A smaller maximum moves the value back onto it.
  bars.SetValue(1, 90);
  events.clear();
  bars.SetMax(1, 30);
  EXPECT_EQ(bars.Value(1), 30);
  EXPECT_EQ(events, "Change(1)");
  try {
    bars.SetValue(2, 1);
    ADD_FAILURE() << "a third bar was accepted";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), core::kErrSubscriptOutOfRange);
  }
}

}  // namespace
