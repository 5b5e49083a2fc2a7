#include "core/scroll_bars.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <limits>

#include "core/errors.h"

namespace core {

namespace {

// The messages the object subscribes to.
constexpr UINT kMessages[] = {WM_HSCROLL, WM_VSCROLL, WM_MOUSEWHEEL, WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN};

// The common controls' flat scroll bar functions, looked up by name: a
// system without them gets the plain scroll bar functions instead.
struct FlatFunctions {
  BOOL(WINAPI* Initialize)(HWND) = nullptr;
  HRESULT(WINAPI* Uninitialize)(HWND) = nullptr;
  BOOL(WINAPI* GetInfo)(HWND, int, LPSCROLLINFO) = nullptr;
  int(WINAPI* SetInfo)(HWND, int, LPSCROLLINFO, BOOL) = nullptr;
  BOOL(WINAPI* Show)(HWND, int, BOOL) = nullptr;
  BOOL(WINAPI* Enable)(HWND, int, UINT) = nullptr;
  BOOL(WINAPI* SetProp)(HWND, UINT, INT_PTR, BOOL) = nullptr;
  bool Complete() const { return Initialize && Uninitialize && GetInfo && SetInfo && Show && Enable && SetProp; }
};

template <class F>
void Find(HMODULE module, const char* name, F& function) {
  function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const FlatFunctions& Flat() {
  static const FlatFunctions functions = [] {
    FlatFunctions f;
    HMODULE module = GetModuleHandleA("comctl32.dll");
    if (!module) module = LoadLibraryA("comctl32.dll");
    if (!module) return f;
    Find(module, "InitializeFlatSB", f.Initialize);
    Find(module, "UninitializeFlatSB", f.Uninitialize);
    Find(module, "FlatSB_GetScrollInfo", f.GetInfo);
    Find(module, "FlatSB_SetScrollInfo", f.SetInfo);
    Find(module, "FlatSB_ShowScrollBar", f.Show);
    Find(module, "FlatSB_EnableScrollBar", f.Enable);
    Find(module, "FlatSB_SetScrollProp", f.SetProp);
    return f;
  }();
  return functions;
}

[[noreturn]] void Raise(int32_t number) {
  throw AppError(number, ExeBaseName(), number == kErrOverflow ? "Overflow" : "Subscript out of range");
}

int32_t Narrow(int64_t value) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    Raise(kErrOverflow);
  return static_cast<int32_t>(value);
}

// The system keeps a position within min and range maximum - page + 1.
int64_t Reachable(const SCROLLINFO& info) {
  int64_t page = static_cast<int64_t>(info.nPage);
  return static_cast<int64_t>(info.nMax) - (page > 0 ? page - 1 : 0);
}

}  // namespace

clsScrollBars::clsScrollBars() : m_bNoFlatScrollBars(!Flat().Complete()) {}

clsScrollBars::~clsScrollBars() { Detach(); }

void clsScrollBars::CheckBar(int32_t eBar) {
  if (eBar != kHorizontal && eBar != kVertical) Raise(kErrSubscriptOutOfRange);
}

void clsScrollBars::Create(HWND hWndA) {
  Detach();
  m_hWnd = hWndA;
  m_iWheelRest = 0;
  const FlatFunctions& flat = Flat();
  m_bNoFlatScrollBars = !flat.Complete();
  if (!m_bNoFlatScrollBars) {
    flat.Initialize(m_hWnd);
    SetStyle(m_eStyle);
  }
  for (UINT msg : kMessages) {
    try {
      AttachMessage(this, m_hWnd, msg);
    } catch (...) {
      for (UINT done : kMessages) DetachMessage(this, m_hWnd, done);
      if (!m_bNoFlatScrollBars) flat.Uninitialize(m_hWnd);
      m_hWnd = nullptr;
      throw;
    }
  }
  UINT lines = 0;
  if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0) || lines < 1 || lines > 1000) lines = 3;
  m_lWheelScrollLines = static_cast<int32_t>(lines);
}

void clsScrollBars::Detach() {
  if (m_hWnd) {
    if (!m_bNoFlatScrollBars && IsWindow(m_hWnd)) Flat().Uninitialize(m_hWnd);
    for (UINT msg : kMessages) DetachMessage(this, m_hWnd, msg);
  }
  m_hWnd = nullptr;
}

// ---------------------------------------------------------------- the bars

void clsScrollBars::ShowBar(int32_t eBar, bool show) {
  if (m_bNoFlatScrollBars)
    ShowScrollBar(m_hWnd, eBar, show);
  else
    Flat().Show(m_hWnd, eBar, show);
}

void clsScrollBars::SetVisible(int32_t eBar, bool visible) {
  m_bVisible[Slot(eBar)] = visible;
  ShowBar(Slot(eBar), visible);
}

void clsScrollBars::SetOrientation(int32_t orientation) {
  m_eOrientation = orientation;
  ShowBar(kHorizontal, orientation == kHorizontal || orientation == kBoth);
  ShowBar(kVertical, orientation == kVertical || orientation == kBoth);
}

void clsScrollBars::SetStyle(int32_t style) {
  if (m_bNoFlatScrollBars) {
    if (style == kRegularStyle) m_eStyle = style;
    return;
  }
  if (m_eOrientation == kHorizontal || m_eOrientation == kBoth)
    Flat().SetProp(m_hWnd, WSB_PROP_HSTYLE, style, TRUE);
  if (m_eOrientation == kVertical || m_eOrientation == kBoth) Flat().SetProp(m_hWnd, WSB_PROP_VSTYLE, style, TRUE);
  m_eStyle = style;
}

void clsScrollBars::SetEnabled(int32_t eBar, bool enabled) {
  m_bEnabled[Slot(eBar)] = enabled;
  UINT arrows = enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
  if (m_bNoFlatScrollBars)
    EnableScrollBar(m_hWnd, Slot(eBar), arrows);
  else
    Flat().Enable(m_hWnd, Slot(eBar), arrows);
}

SCROLLINFO clsScrollBars::Info(int32_t eBar, UINT mask) const {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  BOOL ok = m_bNoFlatScrollBars ? GetScrollInfo(m_hWnd, eBar, &info) : Flat().GetInfo(m_hWnd, eBar, &info);
  if (!ok) {
    info.nMin = info.nMax = info.nPos = info.nTrackPos = 0;
    info.nPage = 0;
  }
  return info;
}

void clsScrollBars::SetInfo(int32_t eBar, SCROLLINFO& info) {
  info.cbSize = sizeof info;
  if (m_bNoFlatScrollBars)
    SetScrollInfo(m_hWnd, eBar, &info, TRUE);
  else
    Flat().SetInfo(m_hWnd, eBar, &info, TRUE);
}

void clsScrollBars::WriteRange(int32_t eBar, int32_t minimum, int64_t maximum, int32_t page) {
  SCROLLINFO info{};
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = minimum;
  info.nMax = Narrow(maximum + (page > 0 ? page - 1 : 0));
  info.nPage = static_cast<UINT>(std::max(page, 0));
  SetInfo(eBar, info);
}

int32_t clsScrollBars::min(int32_t eBar) const {
  CheckBar(eBar);
  return Info(eBar, SIF_RANGE).nMin;
}

void clsScrollBars::SetMin(int32_t eBar, int32_t value) {
  CheckBar(eBar);
  WriteRange(eBar, value, max(eBar), LargeChange(eBar));
}

int32_t clsScrollBars::max(int32_t eBar) const {
  CheckBar(eBar);
  return Narrow(Reachable(Info(eBar, SIF_RANGE | SIF_PAGE)));
}

void clsScrollBars::SetMax(int32_t eBar, int32_t value) {
  CheckBar(eBar);
  WriteRange(eBar, min(eBar), value, LargeChange(eBar));
  // The system keeps the position in range; this makes sure of it.
  SCROLLINFO info = Info(eBar, SIF_ALL);
  int64_t top = std::max<int64_t>(Reachable(info), info.nMin);
  if (info.nPos > top) {
    info.fMask = SIF_POS;
    info.nPos = Narrow(top);
    SetInfo(eBar, info);
  }
  ReportPosition(eBar, m_bDragging[eBar]);
}

int32_t clsScrollBars::Value(int32_t eBar) const {
  CheckBar(eBar);
  return Info(eBar, SIF_POS).nPos;
}

void clsScrollBars::SetValue(int32_t eBar, int32_t value) {
  CheckBar(eBar);
  SCROLLINFO info = Info(eBar, SIF_ALL);
  int64_t wanted = std::clamp<int64_t>(value, info.nMin, std::max<int64_t>(Reachable(info), info.nMin));
  if (wanted == info.nPos) return;
  info.fMask = SIF_POS;
  info.nPos = static_cast<int32_t>(wanted);
  SetInfo(eBar, info);
  ReportPosition(eBar, false);
}

int32_t clsScrollBars::LargeChange(int32_t eBar) const {
  CheckBar(eBar);
  return static_cast<int32_t>(Info(eBar, SIF_PAGE).nPage);
}

void clsScrollBars::SetLargeChange(int32_t eBar, int32_t page) {
  CheckBar(eBar);
  WriteRange(eBar, min(eBar), max(eBar), page);
}

void clsScrollBars::ReportPosition(int32_t eBar, bool dragging) {
  int slot = Slot(eBar);
  if (Value(eBar) != m_lLastValue[slot]) {
    int32_t bar = eBar;
    if (dragging) {
      if (Scroll) Scroll(bar);
    } else if (Change) {
      Change(bar);
    }
  }
  m_lLastValue[slot] = Value(eBar);
}

// ---------------------------------------------------------------- messages

LRESULT clsScrollBars::WindowProc(HWND, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
      int32_t button = msg == WM_NCLBUTTONDOWN ? 1 : 2;
      int32_t bar = wParam == HTHSCROLL ? kHorizontal : wParam == HTVSCROLL ? kVertical : -1;
      if (bar >= 0 && ScrollClick) ScrollClick(bar, button);
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnScroll(msg == WM_HSCROLL ? kHorizontal : kVertical, LOWORD(wParam));
      break;
    case WM_MOUSEWHEEL:
      OnWheel(wParam);
      break;
    default:
      break;
  }
  return 0;
}

void clsScrollBars::OnScroll(int32_t eBar, int code) {
  // Steps go through the Value setter, which keeps them within min and max.
  auto step = [&](int64_t delta) {
    int64_t wanted = static_cast<int64_t>(Value(eBar)) + delta;
    SetValue(eBar, static_cast<int32_t>(std::clamp<int64_t>(wanted, min(eBar), max(eBar))));
  };
  switch (code) {
    case SB_LINEUP: step(-static_cast<int64_t>(SmallChange(eBar))); break;
    case SB_LINEDOWN: step(SmallChange(eBar)); break;
    case SB_PAGEUP: step(-static_cast<int64_t>(LargeChange(eBar))); break;
    case SB_PAGEDOWN: step(LargeChange(eBar)); break;
    case SB_TOP: SetValue(eBar, min(eBar)); break;
    case SB_BOTTOM: SetValue(eBar, max(eBar)); break;
    case SB_THUMBTRACK: {
      m_bDragging[eBar] = true;
      SCROLLINFO info = Info(eBar, SIF_TRACKPOS);
      info.fMask = SIF_POS;
      info.nPos = info.nTrackPos;
      SetInfo(eBar, info);
      ReportPosition(eBar, true);
      break;
    }
    case SB_THUMBPOSITION: m_bDragging[eBar] = false; break;
    case SB_ENDSCROLL:
      m_bDragging[eBar] = false;
      ReportPosition(eBar, false);
      break;
    default: break;
  }
}

void clsScrollBars::OnWheel(WPARAM wParam) {
  // Wheel distances come in units of 120 a notch, away from the user
  // positive; what does not make a whole notch waits for the next turn.
  int total = m_iWheelRest + GET_WHEEL_DELTA_WPARAM(wParam);
  int notches = total / WHEEL_DELTA;
  m_iWheelRest = total - notches * WHEEL_DELTA;
  int64_t amount = -static_cast<int64_t>(notches) * SmallChange(kVertical) * m_lWheelScrollLines;
  int32_t bar = kVertical;
  int32_t amount32 = static_cast<int32_t>(
      std::clamp<int64_t>(amount, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
  if (MouseWheel) MouseWheel(bar, amount32);
  // A handler that names no bar of the window leaves both alone.
  if (amount32 == 0 || (bar != kHorizontal && bar != kVertical)) return;
  int64_t wanted = static_cast<int64_t>(Value(bar)) + amount32;
  SetValue(bar, static_cast<int32_t>(std::clamp<int64_t>(wanted, min(bar), max(bar))));
}

}  // namespace core
