#include "support/stand_in_browser.h"

#include <vector>

#include "support/files.h"

namespace testing_support {

std::string StandInBrowserFolder(const std::string& build) { return FixturesFolder() + "\\" + build; }
std::string StandInBrowserExe(const std::string& build) { return StandInBrowserFolder(build) + "\\Velmora.exe"; }
std::string StandInDefaultSkinArchive() { return FixturesFolder() + "\\DefaultSkin.zip"; }

RunningProgram::RunningProgram(const std::string& commandLine, WORD show) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = show;
  PROCESS_INFORMATION pi{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    id_ = pi.dwProcessId;
  }
}

RunningProgram::~RunningProgram() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 20000);
  }
  CloseHandle(process_);
}

bool RunningProgram::WaitUntilIdle(DWORD milliseconds) const {
  return process_ && WaitForInputIdle(process_, milliseconds) == 0;
}

bool RunningProgram::WaitForExit(DWORD milliseconds) const {
  return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

HWND RunningProgram::Window(const std::string& className) const {
  struct Search {
    DWORD id;
    const std::string* className;
    HWND found;
  } search{id_, &className, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        char name[256] = {};
        GetClassNameA(hwnd, name, sizeof name);
        if (pid == s->id && *s->className == name) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace testing_support
