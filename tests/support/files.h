// File helpers for tests: fresh folders that clean up after themselves,
// whole-file reads and writes, INI files parsed for comparison, and the
// build's own folders.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// A new, empty folder under the system's temporary folder; deleted with
// everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  // Path() & "\" & relative.
  std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

// Writes text (creating the folders on the way); returns the full path.
std::string WriteFile(const std::string& path, const std::string& text);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void MakeFolders(const std::string& path);
void RemoveTree(const std::string& path);
// Every file (with its bytes) and folder ("<folder>") below root, by path
// relative to it.
std::map<std::string, std::string> FileTree(const std::string& root);

// An INI file as data: sections and keys lower-cased, the first of
// duplicate keys kept. Wine rewrites a file's layout on every write, so
// tests compare INI files by content.
using IniData = std::map<std::string, std::map<std::string, std::string>>;
IniData ParseIni(const std::string& path);
IniData ParseIniText(const std::string& text);

// The build's program folder (Tarnell.exe and Languages\), its test
// fixtures and the source tree, as Windows paths.
std::string DistFolder();
std::string FixturesFolder();
std::string SourceFolder();
// A Unix path as Wine sees it (Z:\...).
std::string WinePath(const std::string& unixPath);

}  // namespace testing_support
