// What the tool-window tests share: a fresh program folder, a main window
// at a known place, and helpers to size a form and read a control's place.
#pragma once

#include <windows.h>

#include <string>

#include "core/globals.h"
#include "core/ini.h"
#include "core/window_links.h"
#include "support/program.h"
#include "tools/tool_window.h"
#include "ui/ui.h"

namespace tool_tests {

// A stand-in for the main window, a plain window at the given place, found
// by the core as the main window while it lives.
class MainWindowStandIn {
 public:
  MainWindowStandIn(int left, int top)
      : hwnd_(CreateWindowExA(0, "STATIC", "", WS_POPUP, left, top, 784, 544, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr)) {
    core::MainWindowGetter = [h = hwnd_] { return h; };
  }
  ~MainWindowStandIn() {
    core::MainWindowGetter = nullptr;
    DestroyWindow(hwnd_);
  }
  MainWindowStandIn(const MainWindowStandIn&) = delete;
  MainWindowStandIn& operator=(const MainWindowStandIn&) = delete;
  HWND hWnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

class ToolFormTest : public testing_support::ProgramFolderTest {
 protected:
  MainWindowStandIn mainWindow{100, 50};
  std::string Setting(const std::string& key) { return core::ReadIni(Config(), "General", key); }
  void Store(const std::string& key, const std::string& value) { core::WriteIni(Config(), "General", key, value); }
  // A language file in use that holds only the given keys, beside an
  // English.ini that holds others.
  void UseLanguage(const std::string& languageKeys, const std::string& englishKeys) {
    testing_support::WriteFile(*this / "Languages\\English.ini", "[General]\r\n" + englishKeys);
    core::gLanguageFile = testing_support::WriteFile(*this / "Languages\\French.ini", "[General]\r\n" + languageKeys);
  }
};

inline void SetClientSize(ui::Form& form, int width, int height) {
  form.Move(form.Left(), form.Top(), width + form.Width() - form.ScaleWidth(),
            height + form.Height() - form.ScaleHeight());
}

// A child window's rectangle in its parent's client coordinates.
inline ui::Rect PlaceInParent(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
  return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

inline bool SameRect(const ui::Rect& a, const ui::Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

inline std::string Text(const ui::Rect& r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.width) + " " +
         std::to_string(r.height);
}

inline ui::Rect Outer(const ui::Form& form) { return {form.Left(), form.Top(), form.Width(), form.Height()}; }

// A key pressed while hwnd has the focus, as the message loop sees it.
inline bool PressKey(HWND hwnd, UINT vk) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = WM_KEYDOWN;
  msg.wParam = vk;
  return ui::PreTranslate(msg);
}

inline std::string WindowText(HWND hwnd) {
  char buf[512] = {};
  GetWindowTextA(hwnd, buf, sizeof buf);
  return buf;
}

}  // namespace tool_tests
