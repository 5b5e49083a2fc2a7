#include "mainwindow/frmPreview.h"

#include <algorithm>
#include <cstdint>
#include <vector>
#include <string>

#include "core/browser.h"
#include "core/errors.h"
#include "core/files.h"
#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "core/image_keys.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/paths.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr int kClientWidth = 257;
constexpr int kClientHeight = 296;
constexpr char kPreviewFile[] = "Preview.jpg";
constexpr int32_t kJpegQuality = 98;
// How long the browser may take to answer a system command before it
// counts as hung.
constexpr UINT kAnswerTimeout = 5000;
// What a capture bitmap holds before anything is drawn into it; no browser
// paints its whole window in exactly this colour.
constexpr COLORREF kUntouched = RGB(1, 2, 3);
// The browser's fresh paint reaches the screen a moment after it is done:
// the screen is copied again until two copies this far apart agree.
constexpr DWORD kSettleInterval = 40;
constexpr int kSettleTries = 12;

// Sends a system command to the browser's window; false when the browser
// did not take it in time.
bool SendSysCommand(HWND hwnd, WPARAM command) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, WM_SYSCOMMAND, command, 0, SMTO_ABORTIFHUNG, kAnswerTimeout, &result) != 0;
}

// True when the top-left width x height pixels of a 32-bit top-down bitmap
// rowWidth pixels wide still hold kUntouched.
bool Untouched(const uint32_t* bits, int rowWidth, int width, int height) {
  const uint32_t untouched = (static_cast<uint32_t>(GetRValue(kUntouched)) << 16) |
                             (static_cast<uint32_t>(GetGValue(kUntouched)) << 8) | GetBValue(kUntouched);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((bits[y * rowWidth + x] & 0xFFFFFF) != untouched) return false;
  return true;
}

// A copy of the picture box's image, for saving.
ui::UniqueBitmap CopyOfPicture(ui::PictureBox& box) {
  HDC boxDc = box.hDC();
  if (!boxDc) return {};
  const int width = box.ScaleWidth();
  const int height = box.ScaleHeight();
  ui::UniqueBitmap copy(CreateCompatibleBitmap(boxDc, width, height));
  ui::UniqueDC dc(CreateCompatibleDC(boxDc));
  if (!copy || !dc) return {};
  ui::SelectGuard select(dc.get(), copy.get());
  if (!BitBlt(dc.get(), 0, 0, width, height, boxDc, 0, 0, SRCCOPY)) return {};
  return copy;
}

// The absolute, normalised form of a path ("" when it has none).
std::string NormalPath(const std::string& path) {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

// True when path lies inside folder (at any depth).
bool IsInsideFolder(const std::string& path, const std::string& folder) {
  const std::string full = NormalPath(path);
  const std::string root = NormalPath(folder) + "\\";
  return !full.empty() && root.size() > 1 && full.size() > root.size() &&
         EqualsNoCase(full.substr(0, root.size()), root);
}

}  // namespace

frmPreview::frmPreview() : ui::Form("Skin Preview", kClientWidth, kClientHeight, ui::FormStyle::FixedDialog) {}

frmPreview::~frmPreview() { StopWaiting(); }

void frmPreview::Bind() {
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmPreview::Form_Load() {
  m_hBrowser = nullptr;
  m_BrowserStarted = false;
  m_Picture.reset();
  if (!gLanguageFile.empty()) {
    SetCaption(GetLangString("Skin_Preview"));
    lblCreatePreview.SetCaption(GetLangString("New_Skin_Preview"));
    cmdOK.SetCaption(GetLangString("OK"));
    cmdCancel.SetCaption(GetLangString("Cancel"));
  }
  FindOrStartBrowser();
}

// A timer still waiting when the dialog closes has nothing left to do.
void frmPreview::Form_Unload(int&) { StopWaiting(); }

void frmPreview::StopWaiting() {
  if (!cTimer) return;
  cTimer->SetInterval(0);
  cTimer.reset();
}

void frmPreview::FindOrStartBrowser() {
  m_hBrowser = FindWindowA(kBrowserWindowClass, nullptr);
  if (m_hBrowser) {
    CaptureBrowserWindow();
    return;
  }
  if (gBrowserFolder.empty()) return;
  // The browser is started once; a browser that is slow to show its window
  // is waited for as long as the dialog is open, not started over and over.
  if (!m_BrowserStarted) {
    m_BrowserStarted = StartProcess(PreviewCommandLine(BrowserExePath(gBrowserFolder)), SW_SHOWNOACTIVATE);
    // Nothing will come when the start failed.
    if (!m_BrowserStarted) return;
  }
  try {
    cTimer = clsTimer::New();
    cTimer->ThatTime = [this] { cTimer_ThatTime(); };
    cTimer->SetInterval(RetryInterval);
  } catch (const AppError&) {
    // A timer that could not start is stopped already.
    cTimer.reset();
  }
}

void frmPreview::cTimer_ThatTime() {
  StopWaiting();
  FindOrStartBrowser();
}

void frmPreview::CaptureBrowserWindow() {
  const HWND browser = m_hBrowser;
  if (!IsWindow(browser)) return;
  // Minimizing and restoring brings the window to the front, restored and
  // repainted. A browser that does not answer is not captured.
  if (!(GetWindowLongA(browser, GWL_STYLE) & WS_MINIMIZE)) {
    if (!SendSysCommand(browser, SC_MINIMIZE)) return;
    ui::DoEvents();
    if (!IsLoaded()) return;
  }
  if (!SendSysCommand(browser, SC_RESTORE)) return;
  ui::DoEvents();
  if (!IsLoaded() || !IsWindow(browser)) return;

  if (!CopyBrowserWindow()) return;
  picCreatePreview.Refresh();
  m_Picture = CopyOfPicture(picCreatePreview);

  // Back to Tarnell: the main window, and this dialog above it once shown.
  MainForm().SetFocus();
  if (Visible()) SetForegroundWindow(hWnd());
}

bool frmPreview::CopyBrowserWindow() {
  HDC boxDc = picCreatePreview.hDC();
  if (!boxDc) return false;
  const int boxWidth = picCreatePreview.ScaleWidth();
  const int boxHeight = picCreatePreview.ScaleHeight();
  RECT window{};
  if (!GetWindowRect(m_hBrowser, &window)) return false;
  // The window is drawn from its top-left corner at its own size.
  const int width = std::min<int>(boxWidth, window.right - window.left);
  const int height = std::min<int>(boxHeight, window.bottom - window.top);
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = boxWidth;
  info.bmiHeader.biHeight = -boxHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ui::UniqueBitmap capture(CreateDIBSection(boxDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ui::UniqueDC dc(CreateCompatibleDC(boxDc));
  if (!capture || !bits || !dc) return false;
  ui::SelectGuard select(dc.get(), capture.get());
  ui::UniqueBrush untouched(CreateSolidBrush(kUntouched));
  RECT all{0, 0, boxWidth, boxHeight};
  FillRect(dc.get(), &all, untouched.get());

  bool drawn = PrintWindow(m_hBrowser, dc.get(), 0) != FALSE;
  GdiFlush();
  drawn = drawn && !Untouched(static_cast<const uint32_t*>(bits), boxWidth, width, height);
  if (!drawn) {
    // A window of another process does not always draw itself into this
    // process's device context (under Wine it never does): its pixels on
    // the screen instead, with the window in front and freshly painted.
    SetWindowPos(m_hBrowser, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(m_hBrowser, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    drawn = CopyFromScreen(dc.get(), window, width, height);
    const auto* pixels = static_cast<const uint32_t*>(bits);
    const size_t count = static_cast<size_t>(boxWidth) * static_cast<size_t>(height);
    for (int i = 0; drawn && i < kSettleTries; ++i) {
      GdiFlush();
      const std::vector<uint32_t> before(pixels, pixels + count);
      Sleep(kSettleInterval);
      drawn = CopyFromScreen(dc.get(), window, width, height);
      GdiFlush();
      if (std::equal(before.begin(), before.end(), pixels)) break;
    }
  }
  if (!drawn) return false;

  picCreatePreview.Cls();
  return BitBlt(boxDc, 0, 0, width, height, dc.get(), 0, 0, SRCCOPY) != FALSE;
}

bool frmPreview::CopyFromScreen(HDC target, const RECT& window, int width, int height) {
  // Only the part of the window that lies on the screen has pixels there;
  // the rest of the capture shows the picture box's own background.
  ui::UniqueBrush background(CreateSolidBrush(ui::ResolveColor(picCreatePreview.BackColor())));
  RECT all{0, 0, width, height};
  FillRect(target, &all, background.get());
  const int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const RECT screenRect{screenLeft, screenTop, screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                        screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  const RECT wanted{window.left, window.top, window.left + width, window.top + height};
  RECT visible{};
  if (!IntersectRect(&visible, &wanted, &screenRect)) return false;
  ui::WindowDC screen(nullptr);
  return screen.get() && BitBlt(target, visible.left - window.left, visible.top - window.top,
                                visible.right - visible.left, visible.bottom - visible.top, screen.get(),
                                visible.left, visible.top, SRCCOPY);
}

void frmPreview::cmdOK_Click() {
  const HWND self = HwndIfLoaded();
  if (!m_Picture) {
    ShowMessage("No picture of the browser has been captured.", MB_OK, self);
    return;
  }
  // pelto.ini is written through a scratch copy, as a save writes it; when
  // it cannot be written, nothing is moved or deleted.
  const std::string projectIni = gSkinIni;
  IniScratch ini(gSkinIni);
  if (!ini.Ready()) {
    ShowMessage(SaveFailureText(projectIni, {}), MB_OK, self);
    return;
  }
  // What the page boxes would save counts as named, as in a save.
  frmTarnell& main = MainForm();
  ImageKeyPlan plan(gSkinIni);
  main.RehearseSave(plan);
  // Preview.jpg, or Preview2.jpg, Preview3.jpg ... while another key names it.
  const std::string name = FreeTarget(gSkinIni, "General", "Preview", kPreviewFile);
  const std::string target = gProjectFolder + "\\" + name;
  const std::string stored = ReadIni(gSkinIni, "General", "Preview", "");
  const std::string old = GetFullPath(stored);
  const bool replacesOld = EqualsNoCase(NormalPath(old), NormalPath(target));
  // The old preview image goes, whatever its name, unless it is read-only,
  // lies outside the project or another key names it too.
  const bool oldGoes =
      !replacesOld && IsInsideFolder(old, gProjectFolder) && !NamedByAnotherKey(gSkinIni, "General", "Preview", stored);

  // The picture is written aside first.
  if (!gFileSystem.FolderExists(gTempFolder)) gFileSystem.CreateFolder(gTempFolder);
  const std::string scratch = gTempFolder + "\\" + kPreviewFile;
  bool written = true;
  try {
    SavePictureAsJpeg(m_Picture.get(), scratch, kJpegQuality);
  } catch (const AppError&) {
    written = false;
  }
  // Then it waits beside its target: the project's preview changes only
  // once the new one is complete and pelto.ini names it. When pelto.ini
  // cannot be written, the capture goes and every file stays as it was. A
  // read-only preview is not replaced, as the old one is not deleted either.
  const std::string imageFailure = "Cannot save the preview image \"" + target + "\".";
  const std::string failure = [&]() -> std::string {
    PictureStage pictures;
    const bool copied = written && CopyIntoProject(scratch, name);
    if (gFileSystem.FileExists(scratch)) gFileSystem.RemoveFile(scratch, true);
    if (!copied) return imageFailure;
    if (!(WriteIni(gSkinIni, "General", "Preview", name) && ini.Commit())) return SaveFailureText(projectIni, {});
    return pictures.Commit().empty() ? "" : imageFailure;
  }();
  if (!failure.empty()) {
    ShowMessage(failure, MB_OK, self);
    return;
  }
  if (oldGoes && gFileSystem.FileExists(old)) gFileSystem.RemoveFile(old, false);

  main.txtPreview.SetText(name);
  LoadImageToPicture(GetFullPath(main.txtPreview.Text()), main.picPreview, -1, false);
  Unload();
}

void frmPreview::cmdCancel_Click() { Unload(); }

}  // namespace mainwindow
