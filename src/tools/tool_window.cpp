#include "tools/tool_window.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/files.h"
#include "core/window_links.h"

namespace tools {

namespace {

// One field of a WindowRect: a decimal number, rounded to a whole one.
int ReadField(const std::string& field) {
  const char* begin = field.data();
  const char* end = begin + field.size();
  if (begin != end && *begin == '+') {
    ++begin;
    if (begin != end && *begin == '-') return 0;
  }
  double value = 0;
  auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return 0;
  value = std::nearbyint(value);
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return 0;
  return static_cast<int>(value);
}

// The edge of a window of extent size on a screen of extent screen.
int OnScreen(int edge, int size, int screen) {
  if (edge < 0) return 0;
  if (static_cast<long long>(edge) + size > screen) return screen - size;
  return edge;
}

}  // namespace

POINT MainWindowOrigin() {
  RECT rc{};
  HWND main = core::MainWindowHandle();
  if (!main || !GetWindowRect(main, &rc)) return {0, 0};
  return {rc.left, rc.top};
}

ui::Rect ParseWindowRect(const std::string& text) {
  std::vector<std::string> fields = core::Split(text, " ");
  auto field = [&](size_t i) { return i < fields.size() ? ReadField(fields[i]) : 0; };
  return {field(0), field(1), field(2), field(3)};
}

std::string WindowRectText(const ui::Form& form) {
  RECT r{form.Left(), form.Top(), form.Left() + form.Width(), form.Top() + form.Height()};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  HWND hwnd = form.HwndIfLoaded();
  if (hwnd && !(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) && GetWindowPlacement(hwnd, &placement)) {
    // The restored place of a minimised or maximised window, not where it
    // lies now. Placements of windows other than tool windows are in
    // work-area coordinates.
    r = placement.rcNormalPosition;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) &&
        GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY), &monitor))
      OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
  }
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
         std::to_string(r.bottom - r.top);
}

ui::Rect ToolWindowPlace(const std::string& stored, int minWidth, int minHeight, POINT offset,
                         int defaultWidth, int defaultHeight) {
  ui::Rect r;
  if (stored.empty()) {
    POINT main = MainWindowOrigin();
    r = {main.x + offset.x, main.y + offset.y, defaultWidth, defaultHeight};
  } else {
    r = ParseWindowRect(stored);
    if (r.width < minWidth) r.width = minWidth;
    if (r.height < minHeight) r.height = minHeight;
  }
  // A place stored on a larger screen: the system would shrink the window
  // to about the screen's size anyway, so it is sized to the screen before
  // it is pushed back, and its title bar stays within reach.
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  r.width = std::min(r.width, screenWidth);
  r.height = std::min(r.height, screenHeight);
  r.left = OnScreen(r.left, r.width, screenWidth);
  r.top = OnScreen(r.top, r.height, screenHeight);
  return r;
}

}  // namespace tools
