#include "tools/frmCutter.h"

#include <commctrl.h>

#include <string>

#include "core/errors.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/paths.h"
#include "core/program.h"
#include "core/window_icons.h"
#include "core/window_links.h"
#include "tools/tool_window.h"

namespace tools {

using namespace core;

namespace {

// Outer size and offset from the main window's corner of a cutter that has
// no stored place; the smallest size a stored place may give.
constexpr int kDefaultWidth = 360;
constexpr int kDefaultHeight = 385;
constexpr POINT kOffsetFromMain{270, 255};
constexpr int kMinSize = 360;
// The designed client area: below it, resizing moves nothing.
constexpr int kDesignWidth = 345;
constexpr int kDesignHeight = 324;

// Up-down controls: child, visible, stepped by the arrow keys in the box;
// the program, not the control, writes the position into the box.
constexpr DWORD kUpDownStyle = WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS;
constexpr int kUpDownWidth = 20;
constexpr int kUpDownHeight = 22;
struct UpDownRange {
  int lower;
  int upper;
};
constexpr UpDownRange kUpDownRanges[frmCutter::kUpDownCount] = {
    {0, 1000}, {0, 1000}, {0, 1000}, {0, 1000}, {1, 16}, {1, 16}};

constexpr char kImageFiles[] =
    "Image Files|*.ico;*.bmp;*.gif;*.jpg;*.png|Icons (*.ico)|*.ico|Bitmaps (*.bmp)|*.bmp|"
    "GIF Images (*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|PNG Images (*.png)|*.png";

void SendToBottom(HWND hwnd) {
  SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

frmCutter::frmCutter() : ui::Form("Image Cutter", kDesignWidth, kDesignHeight, ui::FormStyle::Sizable) {
  // Escape closes the window from any of its boxes.
  KeyPreview = true;
  // An image chosen through the Browse button of this window is shown here.
  CutterWindow = [this] { return HwndIfLoaded(); };
  CutterShowCut = [this](bool reset) { ShowCut(reset); };
}

frmCutter::~frmCutter() {
  CutterWindow = nullptr;
  CutterShowCut = nullptr;
}

ui::TextBox& frmCutter::Buddy(int i) {
  ui::TextBox* boxes[kUpDownCount] = {&txtLeft, &txtTop, &txtWidth, &txtHeight, &txtHorizontal, &txtVertical};
  return *boxes[i];
}

void frmCutter::SetCaptions() {
  if (gLanguageFile.empty()) return;
  cmdBrowse.SetCaption(gTextBrowse);
  lblFile.SetCaption(GetLangString("File"));
  SetCaption(GetLangString("Cutter"));
  optHorizontal.SetCaption(GetLangString("Split_Horizontal"));
  optVertical.SetCaption(GetLangString("Split_Vertical"));
  lblLeft.SetCaption(GetLangString("Left1") + " :");
  lblTop.SetCaption(GetLangString("Top1") + " :");
  lblwidth.SetCaption(GetLangString("Width1") + " :");
  lblHeight.SetCaption(GetLangString("Height1") + " :");
  cmdCut.SetCaption(GetLangString("Cut"));
}

void frmCutter::ShowCut(bool) {}

void frmCutter::Form_Load() {
  HWND self = hWnd();
  SetWindowIcons(self, "AAA", false);
  // Resizable and minimisable, but not maximisable.
  SetWindowLongPtrA(self, GWL_STYLE, GetWindowLongPtrA(self, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_MAXIMIZEBOX));
  SetWindowPos(self, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

  ui::Rect r = ToolWindowPlace(ReadIni(ConfigIni(), "General", "CutterRect"), kMinSize, kMinSize, kOffsetFromMain,
                               kDefaultWidth, kDefaultHeight);
  Move(r.left, r.top, r.width, r.height);

  // Tab order: the boxes first, the option buttons after them, the two
  // command buttons last.
  SendToBottom(optHorizontal.hWnd());
  SendToBottom(optVertical.hWnd());
  SendToBottom(cmdBrowse.hWnd());
  SendToBottom(cmdCut.hWnd());

  CreateUpDowns();
  SetCaptions();
  AttachUpDownSubclass();
}

void frmCutter::CreateUpDowns() {
  for (int i = 0; i < kUpDownCount; ++i) {
    ui::TextBox& box = Buddy(i);
    int x = box.Left() + box.Width() + 1;
    int y = box.Top() - 1;
    HWND h = CreateWindowExA(0, UPDOWN_CLASSA, "", kUpDownStyle, x, y, kUpDownWidth, kUpDownHeight, picButtons.hWnd(),
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    m_hUpDown[static_cast<size_t>(i)] = h;
    if (!h) continue;
    SendMessageA(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box.hWnd()), 0);
    // Taking a buddy may resize the control to its default width.
    MoveWindow(h, x, y, kUpDownWidth, kUpDownHeight, TRUE);
    SendMessageA(h, UDM_SETRANGE32, static_cast<WPARAM>(kUpDownRanges[i].lower),
                 static_cast<LPARAM>(kUpDownRanges[i].upper));
    SendMessageA(h, UDM_SETPOS32, 0, 0);
  }
}

void frmCutter::DestroyUpDowns() {
  for (HWND& h : m_hUpDown) {
    if (h) DestroyWindow(h);
    h = nullptr;
  }
}

void frmCutter::AttachUpDownSubclass() {
  DetachUpDownSubclass();
  try {
    AttachMessage(this, picButtons.hWnd(), WM_VSCROLL);
  } catch (const AppError&) {
    // The up-downs still step; their boxes just do not follow.
  }
}

void frmCutter::DetachUpDownSubclass() { DetachMessage(this, picButtons.hWnd(), WM_VSCROLL); }

LRESULT frmCutter::WindowProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_VSCROLL || hwnd != picButtons.hWnd() || !lParam) return 0;
  for (int i = 0; i < kUpDownCount; ++i) {
    HWND upDown = m_hUpDown[static_cast<size_t>(i)];
    if (upDown && reinterpret_cast<HWND>(lParam) == upDown) {
      LRESULT pos = SendMessageA(upDown, UDM_GETPOS, 0, 0);
      Buddy(i).SetText(std::to_string(static_cast<int16_t>(LOWORD(pos))));
      break;
    }
  }
  return 0;
}

void frmCutter::cmdBrowse_Click() {
  BrowseImage(txtFile, picView, kImageFiles, hWnd(), false);
}

void frmCutter::Form_Resize() {
  int w = ScaleWidth();
  int h = ScaleHeight();
  if (h > kDesignHeight) {
    cmdCut.SetTop(h - 36);
    fraButtons.SetTop(h - 180);
    picView.SetHeight(h - 242);
  }
  if (w > kDesignWidth) picView.SetWidth(w - 24);
  ShowCut(false);
}

void frmCutter::Form_KeyDown(int& keyCode, int) {
  if (keyCode == VK_ESCAPE) Unload();
}

void frmCutter::Form_Unload(int&) {
  gCutterShown = false;
  WriteIni(ConfigIni(), "General", "CutterRect", WindowRectText(*this));
  DetachUpDownSubclass();
  DestroyUpDowns();
}

frmCutter& CutterForm() {
  static frmCutter form;
  return form;
}

}  // namespace tools
