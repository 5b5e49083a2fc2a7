// The Skin Preview dialog, opened by the General page's Capture button:
// capturing the stand-in browser's window (running, minimized, or started
// by the dialog and waited for), storing the capture as Preview.jpg, and
// what Cancel, a failed save and a dialog closed while it waits leave behind.
#include "mainwindow/frmPreview.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/browser.h"
#include "core/gdiplus_images.h"
#include "core/project_loader.h"
#include "fixtures/velmora/picture.h"
#include "main_window_support.h"
#include "skin_project_support.h"
#include "support/pump.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_browser.h"

namespace {

using namespace main_window_tests;
using namespace skin_project_tests;
using namespace testing_support;
using mainwindow::frmPreview;

bool NoTimerRuns() {
  for (int slot = 1; slot <= core::mdlTimer::kTimerSlots; ++slot)
    if (core::mdlTimer::TimerInSlot(slot)) return false;
  return true;
}

// Runs messages until a timer of the given interval has ticked that often.
bool LetTicksPass(int interval, int count) {
  auto witness = core::clsTimer::New();
  int ticks = 0;
  witness->ThatTime = [&] { ++ticks; };
  witness->SetInterval(interval);
  const bool passed = PumpUntil([&] { return ticks >= count; });
  witness->SetInterval(0);
  return passed;
}

// The centre of each coloured block the stand-in paints and a white point
// between two of them, where they stand in a capture of its whole window
// taken from the top-left corner.
struct Expected {
  POINT at;
  COLORREF color;
};
std::vector<Expected> BrowserPicture(HWND frame) {
  RECT window{};
  GetWindowRect(frame, &window);
  POINT client{0, 0};
  ClientToScreen(frame, &client);
  auto at = [&](LONG x, LONG y) { return POINT{client.x - window.left + x, client.y - window.top + y}; };
  std::vector<Expected> points{{at(115, 60), velmora_picture::kBackground}};
  for (const auto& b : velmora_picture::kBlocks)
    points.push_back({at((b.rect.left + b.rect.right) / 2, (b.rect.top + b.rect.bottom) / 2), b.color});
  return points;
}

// How many points of the picture pixel(x, y) misses, each colour channel
// compared within tolerance (JPEG needs some).
int Misses(const std::vector<Expected>& picture, const std::function<COLORREF(LONG, LONG)>& pixel, int tolerance = 0) {
  int misses = 0;
  for (const Expected& e : picture) {
    const COLORREF c = pixel(e.at.x, e.at.y);
    misses += std::abs(GetRValue(c) - GetRValue(e.color)) > tolerance ||
              std::abs(GetGValue(c) - GetGValue(e.color)) > tolerance ||
              std::abs(GetBValue(c) - GetBValue(e.color)) > tolerance;
  }
  return misses;
}

// The browser's picture stands on the screen: its own process paints it
// there in its own time. No message tells of it: the screen is looked at
// every 10 ms, for 10 s at the most.
bool OnScreen(HWND frame) {
  for (const DWORD start = GetTickCount();;) {
    RECT window{};
    GetWindowRect(frame, &window);
    ui::WindowDC screen(nullptr);
    auto pixel = [&](LONG x, LONG y) { return GetPixel(screen.get(), window.left + x, window.top + y); };
    if (Misses(BrowserPicture(frame), pixel) == 0) return true;
    if (GetTickCount() - start >= 10000) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    ui::DoEvents();
  }
}

class SkinPreviewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    browsersBefore_ = BrowserProcesses();
    // A browser window left over from elsewhere would be captured instead.
    ASSERT_EQ(FindWindowA(core::kBrowserWindowClass, nullptr), nullptr);
    MakeFolders(core::gTempFolder);
    CopyTree(DefaultSkinSource(), *this / "Projects\\Blue");
    core::gProjectName = core::gProjectFolderName = "Blue";
    core::gProjectFolder = *this / "Projects\\Blue";
    core::gSkinIni = core::gProjectFolder + "\\pelto.ini";
    form.Load();
    core::LoadProject();
    ASSERT_EQ(form.txtPreview.Text(), "preview.png");
  }
  void TearDown() override {
    frmPreview::RetryInterval = 5000;
    EXPECT_TRUE(NoTimerRuns());
    // What a test started, also where it failed: the dialog starts one at most.
    { StartedBrowser leftover(browsersBefore_); }
    MainWindowTest::TearDown();
  }

  std::string Project(const std::string& relative) const { return core::gProjectFolder + "\\" + relative; }
  static void Click(ui::CommandButton& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
  // Presses Capture on the General page and runs driver on the dialog.
  void Capture(ScriptedPrompter& prompts, std::function<void(frmPreview&)> driver) {
    prompts.AnswerModal([driver](ui::Form& f) { driver(static_cast<frmPreview&>(f)); });
    Click(form.cmdCreatePreview);
  }
  static int MissesInDialog(frmPreview& d, HWND frame) {
    EXPECT_TRUE(d.Captured());
    return Misses(BrowserPicture(frame), [&](LONG x, LONG y) { return d.picCreatePreview.Point(x, y); });
  }
  std::set<DWORD> browsersBefore_;
};

TEST_F(SkinPreviewTest, ARunningOrMinimizedBrowserIsCapturedAtOnceAndOnlyOkStoresItAsPreviewJpg) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(kBrowserV2)), SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(browser.WaitUntilIdle());
  HWND frame = browser.Window(core::kBrowserWindowClass);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(IsIconic(frame));
  const auto ini = ParseIni(core::gSkinIni);
  core::gBrowserFolder = *this / "No Browser Here";

  // Minimized, it is restored; the main window takes no input meanwhile.
  ScriptedPrompter prompts;
  Capture(prompts, [&](frmPreview& d) {
    EXPECT_FALSE(IsIconic(frame));
    EXPECT_EQ(d.BrowserWindow(), frame);
    EXPECT_EQ(d.WaitTimer(), nullptr);
    EXPECT_EQ(MissesInDialog(d, frame), 0);
    EXPECT_FALSE(IsWindowEnabled(form.hWnd()));
    Click(d.cmdCancel);
  });
  EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  EXPECT_EQ(ParseIni(core::gSkinIni), ini);
  EXPECT_FALSE(Exists(Project("Preview.jpg")));
  EXPECT_TRUE(Exists(Project("preview.png")));
  EXPECT_EQ(form.txtPreview.Text(), "preview.png");
  EXPECT_FALSE(core::gModified);

  // Running, once its picture shows; OK replaces the old preview.
  ASSERT_TRUE(OnScreen(frame));
  const std::vector<Expected> expected = BrowserPicture(frame);
  Capture(prompts, [&](frmPreview& d) {
    EXPECT_EQ(MissesInDialog(d, frame), 0);
    Click(d.cmdOK);
    EXPECT_FALSE(d.IsLoaded());
  });
  EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  EXPECT_FALSE(Exists(Project("preview.png")));
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "Preview.jpg");
  EXPECT_FALSE(Exists(core::gTempFolder + "\\Preview.jpg"));
  EXPECT_EQ(form.txtPreview.Text(), "Preview.jpg");
  EXPECT_TRUE(core::gModified);
  // The General page shows it: a 220 x 220 JPEG of the browser.
  auto shown = [&](LONG x, LONG y) { return form.picPreview.Point(x, y); };
  EXPECT_EQ(Misses(expected, shown, 24), 0);
  EXPECT_EQ(form.picPreview.HelpContextID(), 220);
  core::LoadImageToPicture(Project("Preview.jpg"), form.picPreview, -1, true);
  EXPECT_EQ(form.picPreview.HelpContextID(), 220);

  // An old preview outside the project is left alone.
  const std::string outside = WriteFile(*this / "Shots\\skin.png", "someone's own picture");
  core::WriteIni(core::gSkinIni, "General", "Preview", outside);
  Capture(prompts, [](frmPreview& d) { Click(d.cmdOK); });
  EXPECT_EQ(ReadFile(outside), "someone's own picture");
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "Preview.jpg");
}

TEST_F(SkinPreviewTest, WithoutABrowserRunningItStartsItOnceQuotedAndCapturesItsWindowWhenItAppears) {
  core::gBrowserFolder = *this / "Velmora Browser";
  MakeFolders(core::gBrowserFolder);
  core::gFileSystem.CopyFileTo(StandInBrowserExe(kBrowserV2), core::gBrowserFolder + "\\Velmora.exe", true);
  // Many quick looks, so that a browser slow to show its window is looked
  // for several times.
  frmPreview::RetryInterval = 50;

  ScriptedPrompter prompts;
  Capture(prompts, [&](frmPreview& d) {
    EXPECT_FALSE(d.Captured());
    EXPECT_NE(d.WaitTimer(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return d.Captured(); }, 30000));
    EXPECT_EQ(d.WaitTimer(), nullptr);
    EXPECT_TRUE(NoTimerRuns());
    EXPECT_EQ(MissesInDialog(d, d.BrowserWindow()), 0);
    Click(d.cmdCancel);
  });

  StartedBrowser started(browsersBefore_);
  EXPECT_EQ(started.Count(), 1);
  ASSERT_TRUE(started.WaitUntilIdle());
  EXPECT_EQ(ReadFile(core::gBrowserFolder + "\\commandline.txt"),
            "\"" + core::gBrowserFolder + "\\Velmora.exe\" about:blank");
}

TEST_F(SkinPreviewTest, NothingShowsWithoutAProjectAndABrowserThatNeverShowsIsWaitedForUntilTheDialogCloses) {
  StartedCommands started;  // starts nothing: no window will come
  core::gBrowserFolder = *this / "Velmora Browser";
  frmPreview::RetryInterval = 20;
  // Without an open project Capture shows nothing: an unscripted dialog
  // would fail the test, and a start would be counted.
  core::gProjectName.clear();
  Click(form.cmdCreatePreview);
  core::gProjectName = "Blue";

  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Capture(prompts, [&](frmPreview& d) {
    // More looks than a minute holds at the real interval.
    EXPECT_TRUE(LetTicksPass(200, 5));
    EXPECT_NE(d.WaitTimer(), nullptr);
    EXPECT_FALSE(NoTimerRuns());
    EXPECT_FALSE(d.Captured());
    // OK with nothing captured says so and stays open.
    Click(d.cmdOK);
    EXPECT_TRUE(d.IsLoaded());
    SendMessageA(d.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(d.IsLoaded());
    EXPECT_EQ(d.WaitTimer(), nullptr);
  });

  EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  EXPECT_TRUE(NoTimerRuns());
  // No look for the browser after the dialog is gone: a slower timer ticks
  // twice in the time the dialog's would have ticked many times.
  EXPECT_TRUE(LetTicksPass(60, 2));
  ASSERT_EQ(started.starts.size(), 1u);
  EXPECT_EQ(started.starts[0].commandLine, "\"" + core::gBrowserFolder + "\\Velmora.exe\" about:blank");
  EXPECT_EQ(started.starts[0].show, SW_SHOWNOACTIVATE);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"No picture of the browser has been captured."});
  EXPECT_FALSE(Exists(Project("Preview.jpg")));
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "preview.png");
  EXPECT_FALSE(core::gModified);
}

TEST_F(SkinPreviewTest, APreviewThatCannotBeSavedIsReportedAndLeavesTheProjectAsItWas) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  const std::string jpg = Project("Preview.jpg");
  const struct {
    const char* name;
    std::string kept;  // written first, as it must stay
    const char* preview;
    DWORD attributes;
  } cases[] = {
      {"the stored preview, read-only", jpg, "Preview.jpg", FILE_ATTRIBUTE_READONLY},
      {"a folder in the way", jpg + "\\inside.txt", "preview.png", FILE_ATTRIBUTE_NORMAL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(c.kept, "kept");
    SetFileAttributesA(jpg.c_str(), c.attributes);
    core::WriteIni(core::gSkinIni, "General", "Preview", std::string(c.preview));
    const auto ini = ParseIni(core::gSkinIni);

    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    Capture(prompts, [&](frmPreview& d) {
      ASSERT_TRUE(d.Captured());
      Click(d.cmdOK);
      EXPECT_TRUE(d.IsLoaded());
      Click(d.cmdCancel);
    });

    SetFileAttributesA(jpg.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Cannot save the preview image \"" + jpg + "\"."});
    EXPECT_EQ(ReadFile(c.kept), "kept");
    EXPECT_TRUE(Exists(Project("preview.png")));
    EXPECT_EQ(ParseIni(core::gSkinIni), ini);
    EXPECT_EQ(form.txtPreview.Text(), "preview.png");
    EXPECT_FALSE(core::gModified);
    EXPECT_FALSE(Exists(core::gTempFolder + "\\Preview.jpg"));
    DeleteFileA(jpg.c_str());
  }
}

}  // namespace
