// The Skin Preview dialog, opened by the General page's Capture button:
// capturing the stand-in browser's window (running, minimized, or started
// by the dialog and waited for), storing the capture as Preview.jpg, and
// what Cancel, a failed save, a browser that never shows and a dialog
// closed while it waits leave behind.
#include "mainwindow/frmPreview.h"

#include <windows.h>

#include <objbase.h>

#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "core/browser.h"
#include "core/gdiplus_images.h"
#include "core/project_loader.h"
#include "core/timers.h"
#include "main_window_support.h"
#include "skin_project_support.h"
#include "support/pump.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_browser.h"
#include "fixtures/velmora/picture.h"

namespace {

using namespace main_window_tests;
using namespace skin_project_tests;
using mainwindow::frmPreview;
using testing_support::Exists;
using testing_support::ParseIni;
using testing_support::PumpUntil;
using testing_support::ReadFile;
using testing_support::RunningProgram;
using testing_support::ScriptedPrompter;
using testing_support::StandInBrowserExe;

const COLORREF kButtonFace = GetSysColor(COLOR_BTNFACE);

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

// Where a point of the browser window's client area lands in a capture of
// the whole window taken from its top-left corner.
POINT InCapture(HWND frame, LONG x, LONG y) {
  RECT window{};
  GetWindowRect(frame, &window);
  POINT client{0, 0};
  ClientToScreen(frame, &client);
  return {client.x - window.left + x, client.y - window.top + y};
}

// The centre of each coloured block the stand-in paints, and a white point
// between two of them, as they must stand in a capture.
struct Expected {
  POINT at;
  COLORREF color;
};
std::vector<Expected> BrowserPicture(HWND frame) {
  std::vector<Expected> points;
  for (const auto& block : velmora_picture::kBlocks)
    points.push_back({InCapture(frame, (block.rect.left + block.rect.right) / 2,
                                (block.rect.top + block.rect.bottom) / 2),
                      block.color});
  points.push_back({InCapture(frame, 115, 60), velmora_picture::kBackground});
  return points;
}

// The browser's picture stands on the screen: its own process paints it
// there in its own time, after it went idle.
// No message tells of it: the screen is looked at every 10 ms, for 10 s at
// the most.
bool OnScreen(HWND frame) {
  auto shown = [frame] {
    RECT window{};
    GetWindowRect(frame, &window);
    ui::WindowDC screen(nullptr);
    for (const Expected& e : BrowserPicture(frame))
      if (GetPixel(screen.get(), window.left + e.at.x, window.top + e.at.y) != e.color) return false;
    return true;
  };
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
    if (shown()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    ui::DoEvents();
  }
  return shown();
}

// Colours compared loosely, for JPEG.
bool Near(COLORREF a, COLORREF b, int tolerance = 24) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// A JPEG file decoded: its size and the colours at some points.
struct Decoded {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colors;
};
Decoded Decode(const std::string& path, const std::vector<POINT>& points) {
  Decoded d;
  Gdiplus::GpImage* image = nullptr;
  if (Gdiplus::DllExports::GdipLoadImageFromFile(core::ToWide(path).c_str(), &image) != Gdiplus::Ok) return d;
  d.ok = true;
  d.width = core::GetImageWidth(image);
  d.height = core::GetImageHeight(image);
  for (POINT p : points) {
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(image), p.x, p.y, &argb);
    d.colors.push_back(RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
  }
  Gdiplus::DllExports::GdipDisposeImage(image);
  return d;
}

// Ends every browser process that is not among those given.
void EndBrowsersBut(const std::set<DWORD>& keep) {
  for (DWORD id : BrowserProcesses()) {
    if (keep.count(id)) continue;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
      TerminateProcess(process, 0);
      WaitForSingleObject(process, 20000);
      CloseHandle(process);
    }
  }
}

class SkinPreviewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    browsersBefore_ = BrowserProcesses();
    // A browser window left over from elsewhere would be captured instead.
    ASSERT_EQ(FindWindowA(core::kBrowserWindowClass, nullptr), nullptr);
    testing_support::MakeFolders(core::gTempFolder);
    CopyTree(DefaultSkinSource(), *this / "Projects\\Blue");
    core::gProjectName = "Blue";
    core::gProjectFolder = *this / "Projects\\Blue";
    core::gProjectFolderName = "Blue";
    core::gSkinIni = core::gProjectFolder + "\\pelto.ini";
    form.Load();
    core::LoadProject();
    ASSERT_EQ(form.txtPreview.Text(), "preview.png");
  }
  void TearDown() override {
    frmPreview::RetryInterval = 5000;
    EXPECT_TRUE(NoTimerRuns());
    // Whatever a test started, also where it failed.
    EndBrowsersBut(browsersBefore_);
    MainWindowTest::TearDown();
  }

  std::string Project(const std::string& relative) const { return core::gProjectFolder + "\\" + relative; }
  // Presses Capture on the General page and runs driver on the dialog.
  void Capture(ScriptedPrompter& prompts, std::function<void(frmPreview&)> driver) {
    prompts.AnswerModal([driver](ui::Form& f) { driver(static_cast<frmPreview&>(f)); });
    SendMessageA(form.cmdCreatePreview.hWnd(), BM_CLICK, 0, 0);
  }
  static void Click(ui::CommandButton& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
  // A copy of the stand-in browser in a folder with a blank in its name.
  std::string InstallBrowser() {
    const std::string folder = *this / "Velmora Browser";
    testing_support::MakeFolders(folder);
    core::gFileSystem.CopyFileTo(StandInBrowserExe(testing_support::kBrowserV2), folder + "\\Velmora.exe", true);
    return folder;
  }
  std::set<DWORD> browsersBefore_;
  static void ExpectBrowserPicture(ui::PictureBox& picture, HWND frame) {
    for (const Expected& e : BrowserPicture(frame))
      EXPECT_EQ(picture.Point(e.at.x, e.at.y), e.color) << "at " << e.at.x << "," << e.at.y;
  }
};

// ---------------------------------------------------------------- capture

TEST_F(SkinPreviewTest, ARunningBrowserIsCapturedAtOnceAndCancelWritesNothing) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(testing_support::kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  HWND frame = browser.Window(core::kBrowserWindowClass);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(OnScreen(frame));
  const auto ini = ParseIni(core::gSkinIni);
  core::gBrowserFolder = *this / "No Browser Here";

  ScriptedPrompter prompts;
  Capture(prompts, [&](frmPreview& d) {
    EXPECT_TRUE(d.Captured());
    EXPECT_EQ(d.BrowserWindow(), frame);
    EXPECT_EQ(d.WaitTimer(), nullptr);
    EXPECT_FALSE(IsIconic(frame));
    ExpectBrowserPicture(d.picCreatePreview, frame);
    Click(d.cmdCancel);
  });

  ASSERT_EQ(prompts.modalForms.size(), 1u);
  EXPECT_EQ(ParseIni(core::gSkinIni), ini);
  EXPECT_FALSE(Exists(Project("Preview.jpg")));
  EXPECT_TRUE(Exists(Project("preview.png")));
  EXPECT_EQ(form.txtPreview.Text(), "preview.png");
  EXPECT_FALSE(core::gModified);
}

TEST_F(SkinPreviewTest, AMinimizedBrowserIsRestoredAndOkStoresTheCaptureAsPreviewJpg) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(testing_support::kBrowserV2)),
                         SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(browser.WaitUntilIdle());
  HWND frame = browser.Window(core::kBrowserWindowClass);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(IsIconic(frame));

  ScriptedPrompter prompts;
  std::vector<Expected> expected;
  Capture(prompts, [&](frmPreview& d) {
    EXPECT_FALSE(IsIconic(frame));
    ASSERT_TRUE(d.Captured());
    expected = BrowserPicture(frame);
    ExpectBrowserPicture(d.picCreatePreview, frame);
    Click(d.cmdOK);
    EXPECT_FALSE(d.IsLoaded());
  });

  // The old preview went; the new one is a 220 x 220 JPEG of the browser.
  EXPECT_FALSE(Exists(Project("preview.png")));
  std::vector<POINT> points;
  for (const Expected& e : expected) points.push_back(e.at);
  Decoded jpeg = Decode(Project("Preview.jpg"), points);
  ASSERT_TRUE(jpeg.ok);
  EXPECT_EQ(jpeg.width, 220);
  EXPECT_EQ(jpeg.height, 220);
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(Near(jpeg.colors[i], expected[i].color)) << i;
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "Preview.jpg");
  EXPECT_FALSE(Exists(core::gTempFolder + "\\Preview.jpg"));

  // The General page shows it, and the project counts as modified.
  EXPECT_EQ(form.txtPreview.Text(), "Preview.jpg");
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(form.picPreview.HelpContextID(), 220);
  EXPECT_TRUE(Near(form.picPreview.Point(expected[0].at.x, expected[0].at.y), expected[0].color));
}

TEST_F(SkinPreviewTest, TheMainWindowTakesNoInputWhileTheDialogIsOpen) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(testing_support::kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  const std::function<void(frmPreview&)> endings[] = {
      [](frmPreview& d) { Click(d.cmdOK); },
      [](frmPreview& d) { Click(d.cmdCancel); },
      [](frmPreview& d) { SendMessageA(d.hWnd(), WM_CLOSE, 0, 0); },
  };
  for (const auto& end : endings) {
    ScriptedPrompter prompts;
    Capture(prompts, [&](frmPreview& d) {
      EXPECT_FALSE(IsWindowEnabled(form.hWnd()));
      end(d);
      EXPECT_FALSE(d.IsLoaded());
    });
    EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  }
}

TEST_F(SkinPreviewTest, WithoutABrowserRunningItStartsItOnceQuotedAndCapturesItsWindowWhenItAppears) {
  const std::string folder = InstallBrowser();
  core::gBrowserFolder = folder;
  // Many quick looks, so that a browser slow to show its window is looked
  // for several times.
  frmPreview::RetryInterval = 50;
  const std::set<DWORD> before = BrowserProcesses();

  ScriptedPrompter prompts;
  Capture(prompts, [&](frmPreview& d) {
    EXPECT_FALSE(d.Captured());
    EXPECT_NE(d.WaitTimer(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return d.Captured(); }, 30000));
    EXPECT_EQ(d.WaitTimer(), nullptr);
    EXPECT_TRUE(NoTimerRuns());
    ExpectBrowserPicture(d.picCreatePreview, d.BrowserWindow());
    Click(d.cmdCancel);
  });

  StartedBrowser started(before);
  EXPECT_EQ(started.Count(), 1);
  ASSERT_TRUE(started.WaitUntilIdle());
  EXPECT_EQ(ReadFile(folder + "\\commandline.txt"), "\"" + folder + "\\Velmora.exe\" about:blank");
}

TEST_F(SkinPreviewTest, WithoutAnOpenProjectCaptureShowsNothing) {
  StartedCommands started;
  core::gBrowserFolder = *this / "Velmora Browser";
  core::gProjectName.clear();

  // An unscripted dialog would fail the test.
  SendMessageA(form.cmdCreatePreview.hWnd(), BM_CLICK, 0, 0);

  EXPECT_TRUE(started.starts.empty());
}

// ---------------------------------------------------------------- waiting

TEST_F(SkinPreviewTest, ABrowserThatNeverShowsAWindowIsWaitedForWhileTheDialogIsOpen) {
  StartedCommands started;  // starts nothing: no window will come
  core::gBrowserFolder = *this / "Velmora Browser";
  frmPreview::RetryInterval = 20;

  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Capture(prompts, [&](frmPreview& d) {
    // More looks than a minute holds at the real interval.
    EXPECT_TRUE(LetTicksPass(200, 5));
    EXPECT_NE(d.WaitTimer(), nullptr);
    EXPECT_FALSE(d.Captured());
    // OK with nothing captured says so and stays open.
    Click(d.cmdOK);
    EXPECT_TRUE(d.IsLoaded());
    Click(d.cmdCancel);
  });

  ASSERT_EQ(started.starts.size(), 1u);
  EXPECT_EQ(started.starts[0].commandLine, "\"" + core::gBrowserFolder + "\\Velmora.exe\" about:blank");
  EXPECT_EQ(started.starts[0].show, SW_SHOWNOACTIVATE);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"No picture of the browser has been captured."});
  EXPECT_FALSE(Exists(Project("Preview.jpg")));
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "preview.png");
  EXPECT_FALSE(core::gModified);
}

TEST_F(SkinPreviewTest, ClosingTheDialogWhileItWaitsStopsAndReleasesItsTimer) {
  StartedCommands started;
  core::gBrowserFolder = *this / "Velmora Browser";
  frmPreview::RetryInterval = 20;

  ScriptedPrompter prompts;
  Capture(prompts, [&](frmPreview& d) {
    ASSERT_NE(d.WaitTimer(), nullptr);
    EXPECT_FALSE(NoTimerRuns());
    // Through the close box.
    SendMessageA(d.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(d.IsLoaded());
    EXPECT_EQ(d.WaitTimer(), nullptr);
  });

  EXPECT_TRUE(NoTimerRuns());
  // No look for the browser after the dialog is gone: a slower timer ticks
  // twice in the time the dialog's would have ticked many times.
  EXPECT_TRUE(LetTicksPass(60, 2));
  EXPECT_EQ(started.starts.size(), 1u);
}

TEST_F(SkinPreviewTest, WithoutBrowserOrFolderTheDialogShowsAnEmptyPictureInTheLanguageInUse) {
  StartedCommands started;
  core::gBrowserFolder.clear();
  UseLanguage("Lingua");
  WriteLanguage("Lingua",
                "Skin_Preview=Apercu\r\nNew_Skin_Preview=Nouvel apercu :\r\nOK=Valider\r\nCancel=Annuler\r\n");

  ScriptedPrompter prompts;
  Capture(prompts, [&](frmPreview& d) {
    EXPECT_EQ(WindowText(d.hWnd()), "Apercu");
    EXPECT_EQ(d.lblCreatePreview.Caption(), "Nouvel apercu :");
    EXPECT_EQ(d.cmdOK.Caption(), "Valider");
    EXPECT_EQ(d.cmdCancel.Caption(), "Annuler");
    EXPECT_FALSE(d.Captured());
    EXPECT_EQ(d.WaitTimer(), nullptr);
    EXPECT_EQ(d.picCreatePreview.Point(110, 110), kButtonFace);
    Click(d.cmdCancel);
  });
  EXPECT_TRUE(started.starts.empty());
}

// ---------------------------------------------------------------- saving

TEST_F(SkinPreviewTest, AReadOnlyPreviewJpgIsNotReplacedAndTheFailureIsReported) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(testing_support::kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  // The stored preview is Preview.jpg already, and read-only.
  testing_support::WriteFile(Project("Preview.jpg"), "the old preview");
  SetFileAttributesA(Project("Preview.jpg").c_str(), FILE_ATTRIBUTE_READONLY);
  core::WriteIni(core::gSkinIni, "General", "Preview", std::string("Preview.jpg"));
  const auto ini = ParseIni(core::gSkinIni);

  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Capture(prompts, [&](frmPreview& d) {
    ASSERT_TRUE(d.Captured());
    Click(d.cmdOK);
    EXPECT_TRUE(d.IsLoaded());
    Click(d.cmdCancel);
  });

  SetFileAttributesA(Project("Preview.jpg").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(prompts.MessageTexts(),
            std::vector<std::string>{"Cannot save the preview image \"" + Project("Preview.jpg") + "\"."});
  EXPECT_EQ(ReadFile(Project("Preview.jpg")), "the old preview");
  EXPECT_EQ(ParseIni(core::gSkinIni), ini);
  EXPECT_EQ(form.txtPreview.Text(), "preview.png");
  EXPECT_FALSE(core::gModified);
  EXPECT_FALSE(Exists(core::gTempFolder + "\\Preview.jpg"));
}

TEST_F(SkinPreviewTest, APreviewThatCannotBeWrittenLeavesTheProjectAsItWas) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(testing_support::kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  // Something that is no file stands where the preview goes.
  testing_support::WriteFile(Project("Preview.jpg\\inside.txt"), "kept");
  const auto ini = ParseIni(core::gSkinIni);

  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Capture(prompts, [&](frmPreview& d) {
    ASSERT_TRUE(d.Captured());
    Click(d.cmdOK);
    EXPECT_TRUE(d.IsLoaded());
    Click(d.cmdCancel);
  });

  EXPECT_EQ(prompts.MessageTexts(),
            std::vector<std::string>{"Cannot save the preview image \"" + Project("Preview.jpg") + "\"."});
  EXPECT_TRUE(Exists(Project("preview.png")));
  EXPECT_EQ(ReadFile(Project("Preview.jpg\\inside.txt")), "kept");
  EXPECT_EQ(ParseIni(core::gSkinIni), ini);
  EXPECT_EQ(form.txtPreview.Text(), "preview.png");
  EXPECT_FALSE(core::gModified);
}

TEST_F(SkinPreviewTest, AnOldPreviewOutsideTheProjectIsLeftAlone) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(testing_support::kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  const std::string outside = testing_support::WriteFile(*this / "Shots\\skin.png", "someone's own picture");
  core::WriteIni(core::gSkinIni, "General", "Preview", outside);

  ScriptedPrompter prompts;
  Capture(prompts, [&](frmPreview& d) {
    ASSERT_TRUE(d.Captured());
    Click(d.cmdOK);
  });

  EXPECT_EQ(ReadFile(outside), "someone's own picture");
  EXPECT_TRUE(Exists(Project("Preview.jpg")));
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "Preview.jpg");
}

}  // namespace
