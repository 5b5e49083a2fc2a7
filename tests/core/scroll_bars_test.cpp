#include "core/scroll_bars.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "core/errors.h"

namespace {

TEST(ScrollBars, MessagesMoveTheBarsWithinTheirRangeAndRaiseTheirEvents) {
  const std::unique_ptr<HWND__, decltype(&DestroyWindow)> window(
      CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VSCROLL, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr),
      &DestroyWindow);
  SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);  // a notch: 3 small changes of 7
  core::clsScrollBars bars;
  bars.Create(window.get());
  std::string events;
  bars.Change = [&](int32_t& bar) { events += "Change(" + std::to_string(bar) + ")"; };
  bars.MouseWheel = [&](int32_t& bar, int32_t& amount) {
    events += "MouseWheel(" + std::to_string(bar) + "," + std::to_string(amount) + ")";
    if (amount == -21) amount = 0;  // the handler holds back a single notch up
  };
  bars.SetSmallChange(1, 7);
  bars.SetLargeChange(1, 50);
  bars.SetMax(1, 100);
  bars.SetLargeChange(1, 40);
  // Message, wParam, then the events raised and the vertical bar's value.
  const std::tuple<UINT, WPARAM, std::string> cases[] = {
      {WM_VSCROLL, SB_LINEDOWN, "Change(1)=7"},
      {WM_VSCROLL, SB_PAGEDOWN, "Change(1)=47"},
      {WM_VSCROLL, SB_PAGEDOWN, "Change(1)=87"},
      {WM_VSCROLL, SB_PAGEDOWN, "Change(1)=100"},
      {WM_VSCROLL, SB_LINEDOWN, "=100"},
      {WM_VSCROLL, SB_ENDSCROLL, "=100"},
      {WM_VSCROLL, SB_TOP, "Change(1)=0"},
      {WM_VSCROLL, SB_LINEUP, "=0"},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, -60), "MouseWheel(1,0)=0"},  // half a notch towards the user
      {WM_MOUSEWHEEL, MAKEWPARAM(0, -90), "MouseWheel(1,21)Change(1)=21"},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, -60), "MouseWheel(1,0)=21"},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, -30), "MouseWheel(1,21)Change(1)=42"},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), "MouseWheel(1,-21)=42"},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, 240), "MouseWheel(1,-42)Change(1)=0"},
  };
  for (const auto& [msg, wParam, expected] : cases) {
    SCOPED_TRACE(testing::Message() << msg << " " << wParam);
    events.clear();
    SendMessageA(window.get(), msg, wParam, 0);
    EXPECT_EQ(events + "=" + std::to_string(bars.Value(1)), expected);
  }
  bars.SetValue(1, 90);
  events.clear();
  bars.SetMax(1, 30);  // a smaller maximum moves the value back onto it
  EXPECT_EQ(events + "=" + std::to_string(bars.Value(1)), "Change(1)=30");
  try {
    bars.SetValue(2, 1);
    ADD_FAILURE() << "a third bar was accepted";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), core::kErrSubscriptOutOfRange);
  }
}

}  // namespace
