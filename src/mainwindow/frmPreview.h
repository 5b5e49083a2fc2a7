// The Skin Preview dialog: a picture of the running browser's window,
// stored as the project's preview image Preview.jpg. While it loads it
// looks for the browser's main window and captures it at once; when there
// is none it starts the browser (once) and looks again every few seconds
// for as long as it is open. Shown modally over the main window by the
// General page's Capture button; each showing starts afresh.
#pragma once

#include <windows.h>

#include <memory>

#include "core/timers.h"
#include "ui/ui.h"

namespace mainwindow {

class frmPreview : public ui::Form {
 public:
  frmPreview();
  ~frmPreview() override;

  ui::Label lblCreatePreview{this, {16, 8, 225, 24}, "New skin preview image :"};
  ui::PictureBox picCreatePreview{this, {18, 30, 220, 220}};
  ui::Shape Shape1{this, {12, 26, 232, 228}};
  ui::CommandButton cmdOK{this, {72, 262, 82, 25}, "OK"};
  ui::CommandButton cmdCancel{this, {160, 262, 82, 25}, "Cancel"};

  // How long every showing waits between two looks for the browser's
  // window. Tests shorten it.
  static inline int RetryInterval = 5000;

  // Read-only views for the owner and tests: the browser window found last,
  // whether a picture was captured, and the timer while one is armed.
  HWND BrowserWindow() const { return m_hBrowser; }
  bool Captured() const { return static_cast<bool>(m_Picture); }
  const core::clsTimer* WaitTimer() const { return cTimer.get(); }

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void Bind() override;
  void FindOrStartBrowser();
  void CaptureBrowserWindow();
  void cTimer_ThatTime();
  void cmdOK_Click();
  void cmdCancel_Click();

  // Copies the top-left part of the browser window into the picture box;
  // false when nothing could be copied.
  bool CopyBrowserWindow();
  // Copies the top-left width x height pixels of the browser's window
  // rectangle from the screen into target; false when none of them lies on
  // the screen.
  bool CopyFromScreen(HDC target, const RECT& window, int width, int height);
  void StopWaiting();

  HWND m_hBrowser = nullptr;
  // Armed while the dialog waits for the browser's window.
  std::shared_ptr<core::clsTimer> cTimer;
  // The browser was started by this showing of the dialog.
  bool m_BrowserStarted = false;
  // The captured picture, kept apart from the box's own bitmap for saving.
  ui::UniqueBitmap m_Picture;
};

}  // namespace mainwindow
