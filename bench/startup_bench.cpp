// The watcher of the start-up benchmark. bench/run-app-bench starts it,
// waits for its "ready", notes the time and launches a program under Wine
// as a user would; the watcher looks for the first visible top-level window
// of a process of that program's file name and prints the time it saw it,
// on the same clock (the system's real-time clock), then closes the
// program (WM_CLOSE to its windows, ended by force when it does not go
// within 10 s) and ends.
//
// Usage: startup_bench PROGRAM_FILE_NAME
// Prints "ready", then "shown <nanoseconds since 1970>", or "none" when no
// window showed within 60 s.
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD pid;
  std::vector<HWND> windows;
  bool visibleOnly;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search->pid && (!search->visibleOnly || IsWindowVisible(hwnd))) search->windows.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> WindowsOf(DWORD pid, bool visibleOnly) {
  Search search{pid, {}, visibleOnly};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

// The process running a program of that file name, or 0.
DWORD ProcessOf(const std::string& fileName) {
  DWORD pid = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more && !pid; more = Process32Next(snapshot, &entry))
    if (lstrcmpiA(entry.szExeFile, fileName.c_str()) == 0) pid = entry.th32ProcessID;
  CloseHandle(snapshot);
  return pid;
}

unsigned long long UnixNanoseconds() {
  FILETIME ft;
  GetSystemTimePreciseAsFileTime(&ft);
  unsigned long long ticks = (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return (ticks - 116444736000000000ULL) * 100;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_bench PROGRAM_FILE_NAME\n");
    return 2;
  }
  std::string fileName = argv[1];
  std::printf("ready\n");
  std::fflush(stdout);
  DWORD start = GetTickCount();
  DWORD pid = 0;
  while (GetTickCount() - start < 60000) {
    if (!pid) pid = ProcessOf(fileName);
    if (pid && !WindowsOf(pid, true).empty()) break;
    Sleep(1);
  }
  if (!pid || WindowsOf(pid, true).empty()) {
    std::printf("none\n");
    return 1;
  }
  std::printf("shown %llu\n", UnixNanoseconds());
  std::fflush(stdout);
  // Let the program finish its first activation before asking it to close.
  Sleep(300);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
  for (HWND hwnd : WindowsOf(pid, false)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
  if (process && WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
  if (process) CloseHandle(process);
  return 0;
}
