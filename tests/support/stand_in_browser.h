// The stand-in Velmora browser (tests/fixtures/velmora) and a way to run it
// for the length of a test.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// Folders of the stand-in builds under FixturesFolder(), each holding a
// Velmora.exe with the default skin resource.
inline constexpr char kBrowserV2[] = "velmora2";     // file version 2.5.3.1000
inline constexpr char kBrowserV3[] = "velmora3";     // 3.1.0.0
inline constexpr char kBrowserV200[] = "velmora200"; // 2.0.0.5
inline constexpr char kBrowserV12[] = "velmora12";   // 12.0.0.1

// FixturesFolder() & "\" & build.
std::string StandInBrowserFolder(const std::string& build);
// StandInBrowserFolder(build) & "\Velmora.exe".
std::string StandInBrowserExe(const std::string& build);
// The archive packed into every build as its default skin.
std::string StandInDefaultSkinArchive();

// A program started with CreateProcess and ended when the object goes
// (TerminateProcess, then waiting for the end).
class RunningProgram {
 public:
  // commandLine: the whole command line, the program's path first.
  explicit RunningProgram(const std::string& commandLine, WORD show = SW_SHOWNOACTIVATE);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  // Waits until the program waits for input (its window exists).
  bool WaitUntilIdle(DWORD milliseconds = 20000) const;
  // True when it ended within the time.
  bool WaitForExit(DWORD milliseconds = 20000) const;
  // Its visible or hidden top-level window of the class, or nullptr.
  HWND Window(const std::string& className) const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

}  // namespace testing_support
