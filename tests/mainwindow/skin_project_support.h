// What the tests of making, running and creating skin projects share: a
// copy of the stand-in browser's default skin as a project, archives packed
// with Tarnell's own ZIP classes, the command lines of started programs,
// and browsers started by the code under test.
#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/paths.h"
#include "core/zip.h"
#include "support/files.h"

namespace skin_project_tests {

// The default skin the stand-in browser carries, as a folder.
inline std::string DefaultSkinSource() { return testing_support::SourceFolder() + "\\tests\\fixtures\\default-skin\\default"; }

// Copies a folder with everything in it.
inline void CopyTree(const std::string& from, const std::string& to) {
  testing_support::MakeFolders(to);
  for (const std::string& file : core::gFileSystem.FileNames(from))
    core::gFileSystem.CopyFileTo(from + "\\" + file, to + "\\" + file, true);
  for (const std::string& sub : core::gFileSystem.SubFolderNames(from)) CopyTree(from + "\\" + sub, to + "\\" + sub);
}

// Packs the names (relative to root) into archive; the archiver's result.
inline int Pack(const std::string& archive, const std::string& root, const std::vector<std::string>& names) {
  core::clsZip zip;
  zip.SetZipFileName(archive);
  zip.SetRootDirectory(root + "\\");
  for (const std::string& name : names) zip.AddFile(name);
  return zip.MakeZipFile();
}

// Unpacks archive into folder; the extractor's result.
inline int Unpack(const std::string& archive, const std::string& folder) {
  testing_support::MakeFolders(folder);
  core::clsUnzip unzip;
  return unzip.Unzip(archive, folder);
}

// Records the programs started through core::StartProcess instead of
// starting them, while it lives.
class StartedCommands {
 public:
  struct Start {
    std::string commandLine;
    int show;
  };
  StartedCommands() : saved_(core::ProcessStarter) {
    core::ProcessStarter = [this](const std::string& line, int show) {
      starts.push_back({line, show});
      return true;
    };
  }
  ~StartedCommands() { core::ProcessStarter = saved_; }
  StartedCommands(const StartedCommands&) = delete;
  StartedCommands& operator=(const StartedCommands&) = delete;

  std::vector<Start> starts;

 private:
  std::function<bool(const std::string&, int)> saved_;
};

// The ids of the running processes named Velmora.exe.
inline std::set<DWORD> BrowserProcesses() {
  std::set<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (core::EqualsNoCase(core::NameOf(entry.szExeFile), "Velmora.exe")) ids.insert(entry.th32ProcessID);
  CloseHandle(snapshot);
  return ids;
}

// A browser that the code under test started: the one Velmora.exe process
// that was not running before. Ended when the object goes.
class StartedBrowser {
 public:
  explicit StartedBrowser(const std::set<DWORD>& before) {
    for (DWORD id : BrowserProcesses()) {
      if (before.count(id)) continue;
      ++count_;
      if (!process_)
        process_ = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
    }
  }
  ~StartedBrowser() {
    if (!process_) return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 20000);
    CloseHandle(process_);
  }
  StartedBrowser(const StartedBrowser&) = delete;
  StartedBrowser& operator=(const StartedBrowser&) = delete;

  int Count() const { return count_; }
  // Waits until it waits for input: its command line is recorded by then.
  bool WaitUntilIdle() const { return process_ && WaitForInputIdle(process_, 20000) == 0; }

 private:
  HANDLE process_ = nullptr;
  int count_ = 0;
};

}  // namespace skin_project_tests
