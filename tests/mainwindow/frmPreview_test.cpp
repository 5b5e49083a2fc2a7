// The Skin Preview dialog behind the General page's Capture button: the stand-in
// browser captured running, minimized or started and waited for, Preview.jpg
// stored, and what Cancel, a failed save and closing while it waits leave behind.
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

// How many colour channels of the stand-in's picture (each block's centre, a white
// point between two) dc misses by more than tolerance (JPEG needs some); dc holds
// the screen or a capture of the whole window from its top-left corner.
int Misses(HWND frame, HDC dc, bool screen = false, int tolerance = 0) {
  RECT window{};
  GetWindowRect(frame, &window);
  POINT client{0, 0};
  ClientToScreen(frame, &client);
  const LONG left = screen ? client.x : client.x - window.left, top = screen ? client.y : client.y - window.top;
  int misses = 0;
  auto look = [&](LONG x, LONG y, COLORREF color) {
    const COLORREF c = GetPixel(dc, left + x, top + y);
    for (int shift : {0, 8, 16}) misses += std::abs(int(c >> shift & 0xFF) - int(color >> shift & 0xFF)) > tolerance;
  };
  look(115, 60, velmora_picture::kBackground);
  for (const auto& b : velmora_picture::kBlocks)
    look((b.rect.left + b.rect.right) / 2, (b.rect.top + b.rect.bottom) / 2, b.color);
  return misses;
}

// The browser's own process paints its picture on the screen in its own
// time, and no message tells of it: the screen is looked at every 10 ms,
// for 10 s at the most.
bool OnScreen(HWND frame) {
  for (const DWORD start = GetTickCount(); Misses(frame, ui::WindowDC(nullptr).get(), true) != 0; ui::DoEvents()) {
    if (GetTickCount() - start >= 10000) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

class SkinPreviewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    browsersBefore_ = BrowserProcesses();
    ASSERT_EQ(FindWindowA(core::kBrowserWindowClass, nullptr), nullptr);  // it would be captured instead
    MakeFolders(core::gTempFolder);
    CopyTree(DefaultSkinSource(), *this / "Projects\\Blue");
    core::gProjectName = core::gProjectFolderName = "Blue";
    core::gProjectFolder = *this / "Projects\\Blue";
    core::gSkinIni = core::gProjectFolder + "\\pelto.ini";
    form.Load();
    core::LoadProject();
  }
  void TearDown() override {
    frmPreview::RetryInterval = 5000;
    EXPECT_TRUE(NoTimerRuns());
    { StartedBrowser leftover(browsersBefore_); }  // the one a failed test left running
    MainWindowTest::TearDown();
  }

  static void Click(ui::CommandButton& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
  // Presses Capture on the General page and runs driver on the dialog.
  void Capture(std::function<void(frmPreview&)> driver) {
    prompts.AnswerModal([driver](ui::Form& f) { driver(static_cast<frmPreview&>(f)); });
    Click(form.cmdCreatePreview);
  }
  // The project as it was: settings, old preview kept and shown, nothing left in Temp.
  void ExpectUnchanged(const IniData& ini) {
    EXPECT_EQ(ParseIni(core::gSkinIni), ini);
    EXPECT_TRUE(Exists(core::gProjectFolder + "\\preview.png"));
    EXPECT_EQ(form.txtPreview.Text(), "preview.png");
    EXPECT_FALSE(core::gModified);
    EXPECT_FALSE(Exists(core::gTempFolder + "\\Preview.jpg"));
  }
  ScriptedPrompter prompts;
  std::set<DWORD> browsersBefore_;
};

TEST_F(SkinPreviewTest, ARunningOrMinimizedBrowserIsCapturedAtOnceAndOnlyASavedOkStoresItAsPreviewJpg) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(kBrowserV2)), SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(browser.WaitUntilIdle());
  HWND frame = browser.Window(core::kBrowserWindowClass);
  ASSERT_TRUE(IsIconic(frame));
  const std::string jpg = core::gProjectFolder + "\\Preview.jpg";
  const IniData ini = ParseIni(core::gSkinIni);
  core::gBrowserFolder = *this / "No Browser Here";

  // Minimized, it is restored; the main window takes no input meanwhile.
  Capture([&](frmPreview& d) {
    EXPECT_FALSE(IsIconic(frame));
    EXPECT_EQ(d.BrowserWindow(), frame);
    EXPECT_EQ(d.WaitTimer(), nullptr);
    EXPECT_EQ(Misses(frame, d.picCreatePreview.hDC()), 0);
    EXPECT_FALSE(IsWindowEnabled(form.hWnd()));
    Click(d.cmdCancel);
  });
  EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  ExpectUnchanged(ini);

  // A preview that cannot be saved is reported, the dialog stays open and kept stays.
  const struct { const char* name; std::string kept; const char* preview; DWORD attributes; } cases[] = {
      {"the stored preview, read-only", jpg, "Preview.jpg", FILE_ATTRIBUTE_READONLY},
      {"a folder in the way", jpg + "\\inside.txt", "preview.png", FILE_ATTRIBUTE_NORMAL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(c.kept, "kept");
    SetFileAttributesA(jpg.c_str(), c.attributes);
    core::WriteIni(core::gSkinIni, "General", "Preview", std::string(c.preview));
    const IniData before = ParseIni(core::gSkinIni);
    prompts.AnswerMessage(IDOK);
    Capture([&](frmPreview& d) {
      ASSERT_TRUE(d.Captured());
      Click(d.cmdOK);
      EXPECT_TRUE(d.IsLoaded());
      Click(d.cmdCancel);
    });
    SetFileAttributesA(jpg.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFile(c.kept), "kept");
    ExpectUnchanged(before);
    DeleteFileA(c.kept.c_str());
  }
  RemoveDirectoryA(jpg.c_str());
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>(2, "Cannot save the preview image \"" + jpg + "\"."));

  // Running, once its picture shows; OK replaces the old preview.
  ASSERT_TRUE(OnScreen(frame));
  Capture([&](frmPreview& d) {
    EXPECT_EQ(Misses(frame, d.picCreatePreview.hDC()), 0);
    Click(d.cmdOK);
  });
  EXPECT_FALSE(Exists(core::gProjectFolder + "\\preview.png"));
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "Preview.jpg");
  EXPECT_FALSE(Exists(core::gTempFolder + "\\Preview.jpg"));
  EXPECT_EQ(form.txtPreview.Text(), "Preview.jpg");
  EXPECT_TRUE(core::gModified);
  // The General page shows it: a 220 x 220 JPEG of the browser.
  EXPECT_EQ(Misses(frame, form.picPreview.hDC(), false, 24), 0);
  EXPECT_EQ(form.picPreview.HelpContextID(), 220);
  core::LoadImageToPicture(jpg, form.picPreview, -1, true);
  EXPECT_EQ(form.picPreview.HelpContextID(), 220);

  // An old preview outside the project is left alone.
  const std::string outside = WriteFile(*this / "Shots\\skin.png", "someone's own picture");
  core::WriteIni(core::gSkinIni, "General", "Preview", outside);
  Capture([](frmPreview& d) { Click(d.cmdOK); });
  EXPECT_EQ(ReadFile(outside), "someone's own picture");
  EXPECT_EQ(ParseIni(core::gSkinIni)["general"]["preview"], "Preview.jpg");

  // A picture another key names is neither deleted nor replaced: the capture
  // goes to the first name no other key names. The old preview, the frame's
  // and the tab's hover image, and where the capture goes.
  const struct { const char* old; const char* frame; const char* hover; const char* saved; } shared[] = {
      {"control\\main_frame.png", "control\\main_frame.png", "control\\tab_hover.png", "Preview.jpg"},
      {"Preview.png", "control\\main_frame.png", "Preview.jpg", "Preview2.jpg"},
      {"control\\main_frame.png", "control\\main_frame.png", "preview.JPG", "Preview2.jpg"},
      {"shot.png", "control\\main_frame.png", "control\\tab_hover.png", "Preview.jpg"},
  };
  const std::pair<const char*, const char*> keys[] = {
      {"General", "Preview"}, {"Global", "CustomFrame.Image"}, {"TabBar", "Tab.Hover.Image"}};
  for (const auto& c : shared) {
    SCOPED_TRACE(c.old + std::string(" ") + c.hover);
    const char* values[] = {c.old, c.frame, c.hover};
    for (int i = 0; i < 3; ++i) {
      core::WriteIni(core::gSkinIni, keys[i].first, keys[i].second, std::string(values[i]));
      WriteFile(core::gProjectFolder + "\\" + values[i], values[i]);
    }
    Capture([](frmPreview& d) { Click(d.cmdOK); });
    const std::string saved = ReadFile(core::gProjectFolder + "\\" + c.saved);
    EXPECT_EQ(saved.substr(0, 3), "\xFF\xD8\xFF");  // the capture, a JPEG
    EXPECT_EQ(form.txtPreview.Text(), c.saved);
    EXPECT_EQ(core::ReadIni(core::gSkinIni, "General", "Preview"), c.saved);
    // The other keys and their pictures as they were; the old preview gone
    // only where no other key names it.
    for (int i = 1; i < 3; ++i) {
      EXPECT_EQ(core::ReadIni(core::gSkinIni, keys[i].first, keys[i].second), values[i]);
      EXPECT_TRUE(ReadFile(core::gProjectFolder + "\\" + values[i]) == values[i]) << values[i];
    }
    EXPECT_EQ(Exists(core::gProjectFolder + "\\" + c.old), c.old == std::string(c.frame));
  }
}

TEST_F(SkinPreviewTest, OkChangesNothingUnlessPeltoIniIsWrittenAndKeepsWhatThePageBoxesName) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(kBrowserV2)), SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(browser.WaitUntilIdle());
  const std::string ini = core::gSkinIni;
  const std::string jpg = core::gProjectFolder + "\\Preview.jpg";
  // pelto.ini cannot be written (read-only, held open by another program)
  // while the stored preview is Preview.jpg itself, or its write comes out
  // short; or the disk fills up while the capture replaces Preview.jpg; or
  // pelto.ini fails only as it is put in place (held open by a program that
  // shares every access, or written short) while the capture waits to
  // replace the user's own Preview.jpg, which no key names. OK says so, the
  // dialog stays open, and the project is as it was.
  const std::string iniFailure =
      "Cannot save the project to \"" + ini + "\".\r\n\r\nThe project keeps its unsaved changes.";
  enum class Fault { ReadOnly, Held, Short, Room, HeldSharingAll };
  const struct { const char* name; Fault fault; const char* old; bool own = false; } cases[] = {
      {"read-only", Fault::ReadOnly, "Preview.jpg"},
      {"held open", Fault::Held, "Preview.jpg"},
      {"written short", Fault::Short, nullptr},
      {"no room for the capture", Fault::Room, "Preview.jpg"},
      {"written short over the user's own Preview.jpg", Fault::Short, nullptr, true},
      {"held open sharing every access, over the user's own Preview.jpg", Fault::HeldSharingAll, nullptr, true},
  };
  std::vector<std::string> told;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.old) {
      core::WriteIni(ini, "General", "Preview", std::string(c.old));
      WriteFile(jpg, "the old preview");
    }
    if (c.own) WriteFile(jpg, "the user's own picture");
    const IniData before = ParseIni(ini);
    const std::vector<std::string> files = core::gFileSystem.FileNames(core::gProjectFolder);
    if (c.fault == Fault::ReadOnly) SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE held = c.fault == Fault::Held ? CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                                         : INVALID_HANDLE_VALUE;
    if (c.fault == Fault::HeldSharingAll)
      held = CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (c.fault == Fault::Short) core::gIniDiskRoom = 16;
    if (c.fault == Fault::Room) core::gFileSystem.scratchRoom = 1000;
    told.push_back(c.fault == Fault::Room ? "Cannot save the preview image \"" + jpg + "\"." : iniFailure);
    prompts.AnswerMessage(IDOK);
    Capture([&](frmPreview& d) {
      ASSERT_TRUE(d.Captured());
      Click(d.cmdOK);
      EXPECT_TRUE(d.IsLoaded());
      Click(d.cmdCancel);
    });
    core::gIniDiskRoom = core::gFileSystem.scratchRoom = -1;
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    ExpectUnchanged(before);
    EXPECT_EQ(core::gFileSystem.FileNames(core::gProjectFolder), files);
    EXPECT_TRUE(!c.old || ReadFile(jpg) == "the old preview");
    EXPECT_TRUE(!c.own || ReadFile(jpg) == "the user's own picture");
    core::WriteIni(ini, "General", "Preview", std::string("preview.png"));
    DeleteFileA(jpg.c_str());
  }
  EXPECT_EQ(prompts.MessageTexts(), told);

  // The Frame page's boxes, not saved yet, name the old preview and
  // Preview.jpg: both stay, and the capture goes to Preview2.jpg.
  WriteFile(jpg, "the user's own picture");
  form.txtFrameImage.SetText("preview.png");
  form.txtLoading.SetText("Preview.jpg");
  Capture([](frmPreview& d) { Click(d.cmdOK); });
  EXPECT_EQ(ReadFile(jpg), "the user's own picture");
  EXPECT_TRUE(Exists(core::gProjectFolder + "\\preview.png"));
  EXPECT_EQ(core::ReadIni(ini, "General", "Preview"), "Preview2.jpg");
  EXPECT_EQ(ReadFile(core::gProjectFolder + "\\Preview2.jpg").substr(0, 3), "\xFF\xD8\xFF");
}

TEST_F(SkinPreviewTest, WithoutABrowserRunningItStartsItOnceAndWaitsForItsWindowUntilTheDialogCloses) {
  core::gBrowserFolder = *this / "Velmora Browser";
  frmPreview::RetryInterval = 20;
  const IniData ini = ParseIni(core::gSkinIni);
  {
    StartedCommands started;  // starts nothing: no window will come
    // Without an open project Capture shows nothing (no dialog, no start).
    core::gProjectName.clear();
    Click(form.cmdCreatePreview);
    core::gProjectName = "Blue";
    prompts.AnswerMessage(IDOK);
    Capture([&](frmPreview& d) {
      // More looks than a minute holds at the real interval.
      EXPECT_TRUE(LetTicksPass(200, 5));
      EXPECT_FALSE(NoTimerRuns());
      // OK with nothing captured says so and stays open.
      Click(d.cmdOK);
      EXPECT_TRUE(d.IsLoaded());
      SendMessageA(d.hWnd(), WM_CLOSE, 0, 0);
      EXPECT_EQ(d.WaitTimer(), nullptr);
    });
    EXPECT_TRUE(NoTimerRuns());
    // No look for the browser after the dialog is gone: a slower timer ticks
    // twice in the time the dialog's would have ticked many times.
    EXPECT_TRUE(LetTicksPass(60, 2));
    ASSERT_EQ(started.starts.size(), 1u);
    EXPECT_EQ(started.starts[0].show, SW_SHOWNOACTIVATE);
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"No picture of the browser has been captured."});
    ExpectUnchanged(ini);
  }

  // Started for real, once and quoted, its window is captured when it shows.
  MakeFolders(core::gBrowserFolder);
  core::gFileSystem.CopyFileTo(StandInBrowserExe(kBrowserV2), core::gBrowserFolder + "\\Velmora.exe", true);
  Capture([&](frmPreview& d) {
    ASSERT_TRUE(PumpUntil([&] { return d.Captured(); }, 30000));
    EXPECT_TRUE(NoTimerRuns());
    EXPECT_EQ(Misses(d.BrowserWindow(), d.picCreatePreview.hDC()), 0);
    Click(d.cmdCancel);
  });
  StartedBrowser started(browsersBefore_);
  EXPECT_EQ(started.Count(), 1);
  ASSERT_TRUE(started.WaitUntilIdle());
  EXPECT_EQ(ReadFile(core::gBrowserFolder + "\\commandline.txt"),
            "\"" + core::gBrowserFolder + "\\Velmora.exe\" about:blank");
}

TEST_F(SkinPreviewTest, OkNeverDeletesPeltoIniAsTheOldPreview) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  const std::string skin = ReadFile(core::gSkinIni);
  // pelto.ini in other letter case, by a path that climbs, by its full path.
  for (const std::string& old : {std::string("PELTO.INI"), std::string("control\\..\\pelto.ini"),
                                 core::gProjectFolder + "\\Pelto.ini"}) {
    SCOPED_TRACE(old);
    WriteFile(core::gSkinIni, skin);
    core::WriteIni(core::gSkinIni, "General", "Preview", old);
    IniData expected = ParseIni(core::gSkinIni);
    expected["general"]["preview"] = "Preview.jpg";
    Capture([](frmPreview& d) {
      ASSERT_TRUE(d.Captured());
      Click(d.cmdOK);
    });
    EXPECT_EQ(ParseIni(core::gSkinIni), expected);
  }
}

}  // namespace
