// Scroll bars of one window: clsScrollBars sets their ranges, page sizes,
// positions and line steps, makes them flat through the common controls'
// flat scroll bar functions where those exist (the plain scroll bar
// functions stand in where they do not), and turns the window's scroll,
// wheel and non-client button messages into four events. It receives the
// messages as a client of the subclassing service.
//
// Bars are numbered as Windows numbers them: 0 the horizontal bar, 1 the
// vertical one. Range, page and position live in the window's own scroll
// bars. max is the largest position that can be scrolled to; the range is
// written so that the system itself never moves the position past it
// (a page click near the end stops at max, not one beyond).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "core/subclass.h"

namespace core {

// Errors of the range properties, raised as core::AppError with the plain
// number: a bar other than 0 or 1, and a range that leaves 32 bits.
inline constexpr int32_t kErrOverflow = 6;            // "Overflow"
inline constexpr int32_t kErrSubscriptOutOfRange = 9;  // "Subscript out of range"

class clsScrollBars : public ISubclass {
 public:
  static constexpr int32_t kHorizontal = 0;
  static constexpr int32_t kVertical = 1;
  // Orientation values: the horizontal bar, the vertical bar, both.
  static constexpr int32_t kBoth = 2;
  // Flat scroll bar styles (the common controls' FSB_*_MODE values).
  static constexpr int32_t kRegularStyle = 0;
  static constexpr int32_t kEncartaStyle = 1;
  static constexpr int32_t kFlatStyle = 2;

  clsScrollBars();
  // Detaches from its window (the object must not outlive its subscription).
  ~clsScrollBars() override;
  clsScrollBars(const clsScrollBars&) = delete;
  clsScrollBars& operator=(const clsScrollBars&) = delete;

  // Attaches the object to a window, detaching it from an earlier one:
  // flat bars set up, the window's messages subscribed, the system's wheel
  // scroll lines read (3 when it gives less than 1). Bars are neither shown
  // nor hidden. Throws core::AppError when the window cannot be subclassed.
  void Create(HWND hWndA);
  HWND hWnd() const { return m_hWnd; }

  // The properties that keep their own value take any non-zero bar as the
  // vertical one.
  bool Visible(int32_t eBar) const { return m_bVisible[Slot(eBar)]; }
  void SetVisible(int32_t eBar, bool visible);
  int32_t Orientation() const { return m_eOrientation; }
  // Shows the bars the orientation names and hides the other.
  void SetOrientation(int32_t orientation);
  int32_t Style() const { return m_eStyle; }
  // Ignored for a non-regular style while flat bars are missing.
  void SetStyle(int32_t style);
  // The line step of arrows (and, for the vertical bar, the wheel's unit).
  int32_t SmallChange(int32_t eBar) const { return m_lSmallChange[Slot(eBar)]; }
  void SetSmallChange(int32_t eBar, int32_t step) { m_lSmallChange[Slot(eBar)] = step; }
  bool Enabled(int32_t eBar) const { return m_bEnabled[Slot(eBar)]; }
  void SetEnabled(int32_t eBar, bool enabled);

  // The range properties take bar 0 or 1 only; others throw error 9.
  int32_t min(int32_t eBar) const;
  // Sets the smallest position; max stays.
  void SetMin(int32_t eBar, int32_t value);
  int32_t max(int32_t eBar) const;
  // Sets the largest position; a position beyond it moves back and raises
  // Change (Scroll while the thumb is dragged).
  void SetMax(int32_t eBar, int32_t value);
  int32_t Value(int32_t eBar) const;
  // Moves the position, kept within min and max; raises Change when the
  // bar's position changed.
  void SetValue(int32_t eBar, int32_t value);
  // The page: the step of a trough click and the thumb's size; max stays.
  int32_t LargeChange(int32_t eBar) const;
  void SetLargeChange(int32_t eBar, int32_t page);

  // False where the common controls lack the flat scroll bar functions.
  bool CanBeFlat() const { return !m_bNoFlatScrollBars; }

  // Events; their arguments are passed by reference and may be changed.
  // A mouse button (1 left, 2 right) went down over a bar.
  std::function<void(int32_t& bar, int32_t& button)> ScrollClick;
  // The position changed while the thumb is dragged.
  std::function<void(int32_t& eBar)> Scroll;
  // The position changed in any other way.
  std::function<void(int32_t& eBar)> Change;
  // The wheel turned; amount is the change of the bar's value it will make
  // (away from the user lowers it). Turns smaller than a notch add up until
  // they make one.
  std::function<void(int32_t& bar, int32_t& amount)> MouseWheel;

  // Subclassing client: the window's own procedure handles every message
  // after the object.
  int32_t MsgResponse() const override { return kPreviousAfter; }
  void SetMsgResponse(int32_t) override {}
  LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static int Slot(int32_t eBar) { return eBar != 0 ? 1 : 0; }
  static void CheckBar(int32_t eBar);
  void Detach();
  SCROLLINFO Info(int32_t eBar, UINT mask) const;
  void SetInfo(int32_t eBar, SCROLLINFO& info);
  // Writes min, page and the largest reachable position as the bar's range.
  void WriteRange(int32_t eBar, int32_t minimum, int64_t maximum, int32_t page);
  // Raises Scroll (dragging) or Change when the position differs from the
  // one last reported.
  void ReportPosition(int32_t eBar, bool dragging);
  void ShowBar(int32_t eBar, bool show);
  void OnScroll(int32_t eBar, int code);
  void OnWheel(WPARAM wParam);

  HWND m_hWnd = nullptr;
  bool m_bNoFlatScrollBars = false;
  int32_t m_eOrientation = kBoth;
  int32_t m_eStyle = kRegularStyle;
  int32_t m_lSmallChange[2] = {1, 1};
  bool m_bEnabled[2] = {false, false};
  bool m_bVisible[2] = {false, false};
  bool m_bDragging[2] = {false, false};
  int32_t m_lLastValue[2] = {0, 0};
  int32_t m_lWheelScrollLines = 3;
  // Wheel distance not yet worth a notch, in the system's units of 120.
  int m_iWheelRest = 0;
};

}  // namespace core
