// The stand-in browser honours the contact points that Tarnell's commands
// rely on: its command line as given, its main window's class, the two
// system commands of the Skin Preview capture, and closing.
#include "support/stand_in_browser.h"

#include <gtest/gtest.h>

#include "core/browser.h"
#include "core/files.h"
#include "support/files.h"

namespace {

using testing_support::ReadFile;
using testing_support::RunningProgram;
using testing_support::StandInBrowserExe;
using testing_support::TempFolder;

TEST(StandInBrowser, RecordsItsWholeCommandLine) {
  TempFolder folder;
  const std::string exe = folder / "Velmora Browser\\Velmora.exe";
  testing_support::MakeFolders(core::FolderOf(exe));
  ASSERT_TRUE(core::gFileSystem.CopyFileTo(StandInBrowserExe(testing_support::kBrowserV2), exe, true));
  const std::string commandLine = core::RunSkinCommandLine(exe, "C:\\My Skins\\Temp.zqv");

  RunningProgram browser(commandLine, SW_SHOWNORMAL);
  ASSERT_TRUE(browser.WaitUntilIdle());

  EXPECT_EQ(ReadFile(folder / "Velmora Browser\\commandline.txt"), commandLine);
}

TEST(StandInBrowser, OverwritesTheRecordAtEachStart) {
  TempFolder folder;
  const std::string exe = folder / "Velmora.exe";
  ASSERT_TRUE(core::gFileSystem.CopyFileTo(StandInBrowserExe(testing_support::kBrowserV2), exe, true));
  testing_support::WriteFile(folder / "commandline.txt", std::string(500, '#'));

  RunningProgram browser(exe + " about:blank");
  ASSERT_TRUE(browser.WaitUntilIdle());

  EXPECT_EQ(ReadFile(folder / "commandline.txt"), exe + " about:blank");
}

TEST(StandInBrowser, MainWindowMinimizesRestoresAndCloses) {
  RunningProgram browser(core::PreviewCommandLine(StandInBrowserExe(testing_support::kBrowserV2)));
  ASSERT_TRUE(browser.WaitUntilIdle());
  HWND frame = browser.Window(core::kBrowserWindowClass);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(FindWindowA(core::kBrowserWindowClass, nullptr), frame);

  SendMessageA(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_NE(GetWindowLongA(frame, GWL_STYLE) & WS_MINIMIZE, 0);
  SendMessageA(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(GetWindowLongA(frame, GWL_STYLE) & WS_MINIMIZE, 0);

  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(browser.WaitForExit());
}

}  // namespace
