// The real Tarnell.exe, started as a user starts it.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/files.h"
#include "support/files.h"
#include "support/stand_in_browser.h"

namespace {

using testing_support::Exists;

HWND WaitForWindow(const char* title, DWORD processId, DWORD ms) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    HWND h = FindWindowA(nullptr, title);
    DWORD pid = 0;
    if (h) GetWindowThreadProcessId(h, &pid);
    if (h && pid == processId) return h;
    Sleep(50);
  }
  return nullptr;
}

// The program copied into folder with its English language file; returns
// the executable's path.
std::string InstallProgram(const testing_support::TempFolder& folder) {
  std::string exe = folder / "Tarnell.exe";
  EXPECT_TRUE(CopyFileA((testing_support::DistFolder() + "\\Tarnell.exe").c_str(), exe.c_str(), FALSE));
  testing_support::WriteFile(folder / "Languages\\English.ini",
                             testing_support::ReadFile(testing_support::DistFolder() + "\\Languages\\English.ini"));
  return exe;
}

// The main window's title with English.ini in use.
constexpr char kMainTitle[] = "Velmora 2 Tarnell 1.2.7";

TEST(ProgramStart, ShowsItsWindowAndRemovesTempWhenClosed) {
  testing_support::TempFolder folder;
  std::string exe = InstallProgram(folder);
  testing_support::WriteFile(folder / "Config.ini", "[General]\r\nNavigatorShow=0\r\n");
  testing_support::WriteFile(folder / "Temp\\left-over.txt", "old");

  testing_support::RunningProgram tarnell("\"" + exe + "\"", SW_SHOWNORMAL);
  ASSERT_TRUE(tarnell.Started());
  HWND window = WaitForWindow(kMainTitle, tarnell.Id(), 20000);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(core::gFileSystem.FolderExists(folder / "Temp"));
  EXPECT_FALSE(Exists(folder / "Temp\\left-over.txt"));

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(tarnell.WaitForExit(20000));
  EXPECT_FALSE(Exists(folder / "Temp"));
}

TEST(ProgramStart, OpensTheNavigatorAndClosesItWithTheMainWindowToOpenItAgainNextTime) {
  testing_support::TempFolder folder;
  std::string exe = InstallProgram(folder);

  testing_support::RunningProgram tarnell("\"" + exe + "\"", SW_SHOWNORMAL);
  ASSERT_TRUE(tarnell.Started());
  HWND window = WaitForWindow(kMainTitle, tarnell.Id(), 20000);
  ASSERT_NE(window, nullptr);
  ASSERT_NE(WaitForWindow("Skin Navigator", tarnell.Id(), 20000), nullptr);

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(tarnell.WaitForExit(20000));
  EXPECT_FALSE(Exists(folder / "Temp"));
  auto config = testing_support::ParseIni(folder / "Config.ini");
  EXPECT_EQ(config["general"]["navigatorshow"], "1");
  EXPECT_NE(config["general"]["navigatorrect"], "");
}

}  // namespace
