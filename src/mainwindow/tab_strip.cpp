// The tab strip: a native tab control that only draws the ten tab headers.
// The pages are the panels picTabs(0) .. picTabs(9), laid over the strip's
// body. The strip's own window procedure never sees a left-button press:
// the window takes it, and switches pages only while a project is open.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "core/errors.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/messages.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

struct TabDesign {
  const char* key;      // language key
  const char* english;  // text without a language file
};
constexpr TabDesign kTabs[frmTarnell::kPageCount] = {
    {"General", "General"},         {"Frame", "Frame"},
    {"Buttons", "Main Buttons"},    {"Icons", "Icons"},
    {"Colors", "Colors"},           {"Backgrounds", "Backgrounds"},
    {"TabBar", "Tab Bar"},          {"SideBar", "Side Bar"},
    {"ComboBox", "Combo Box"},      {"Progress", "Progress Bar"},
};

constexpr DWORD kTabStripStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr int kTabStripId = 1;
// The mouse presses the window takes from the strip. A double click is a
// press as well: left to the strip it would switch pages on its own.
constexpr UINT kTabStripPresses[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};

void SetTabText(HWND strip, int index, std::string text) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageA(strip, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void frmTarnell::CreateTabStrip() {
  HWND self = hWnd();
  m_hTabStrip = CreateWindowExA(0, WC_TABCONTROLA, "", kTabStripStyle, 6, 5, ScaleWidth() - 6, ScaleHeight() - 46,
                                self, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabStripId)),
                                GetModuleHandleA(nullptr), nullptr);
  if (!m_hTabStrip) return;
  // Below the panels, which cover its body.
  SetWindowPos(m_hTabStrip, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  for (int i = 0; i < kPageCount; ++i) {
    std::string text = GetLangString(kTabs[i].key);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageA(m_hTabStrip, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(m_hTabStrip, TCM_SETPADDING, 0, MAKELPARAM(8, 2));

  ui::WindowDC screen(nullptr);
  int height = -MulDiv(9, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  m_TabStripFont.reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Segoe UI"));
  if (m_TabStripFont)
    SendMessageA(m_hTabStrip, WM_SETFONT, reinterpret_cast<WPARAM>(m_TabStripFont.get()), FALSE);
}

void frmTarnell::SetTabTexts(bool fromLanguageFile) {
  if (!m_hTabStrip) return;
  for (int i = 0; i < kPageCount; ++i)
    SetTabText(m_hTabStrip, i, fromLanguageFile ? GetLangString(kTabs[i].key) : kTabs[i].english);
}

void frmTarnell::AttachTabStrip() {
  if (!m_hTabStrip) return;
  for (UINT msg : kTabStripPresses) {
    DetachMessage(this, m_hTabStrip, msg);
    try {
      AttachMessage(this, m_hTabStrip, msg);
    } catch (const AppError&) {
      // The strip then switches by itself, project or not.
    }
  }
}

void frmTarnell::RemoveTabStrip() {
  if (!m_hTabStrip) return;
  for (UINT msg : kTabStripPresses) DetachMessage(this, m_hTabStrip, msg);
  // The strip goes before its font does.
  DestroyWindow(m_hTabStrip);
  m_hTabStrip = nullptr;
  m_TabStripFont.reset();
}

LRESULT frmTarnell::WindowProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONDBLCLK) return 0;
  if (gProjectName.empty()) {
    ShowMessage(LangText("No_Project", "Please open a project."), MB_OK, HwndIfLoaded());
    return 0;
  }
  // The tab under the press, if any.
  TCHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  int index = static_cast<int>(SendMessageA(hwnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (index >= 0) ActivateTab(index);
  return 0;
}

void frmTarnell::ActivateTab(int index) {
  for (int i = 0; i < picTabs.Count(); ++i) picTabs(i).SetVisible(i == index);
  if (m_hTabStrip) SendMessageA(m_hTabStrip, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace mainwindow
