#include "support/files.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/files.h"

namespace testing_support {

namespace {
std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}
}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  std::string root = base;
  if (!root.empty() && root.back() == '\\') root.pop_back();
  static unsigned counter = 0;
  for (;;) {
    path_ = root + "\\tarnell-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void MakeFolders(const std::string& path) {
  if (path.empty() || core::gFileSystem.FolderExists(path)) return;
  MakeFolders(core::FolderOf(path));
  CreateDirectoryA(path.c_str(), nullptr);
}

std::string WriteFile(const std::string& path, const std::string& text) {
  MakeFolders(core::FolderOf(path));
  std::ofstream out(path, std::ios::binary);
  out << text;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::string& path) {
  if (path.empty()) return;
  core::gFileSystem.RemoveFolder(path, true);
}

std::map<std::string, std::string> FileTree(const std::string& root) {
  std::map<std::string, std::string> tree;
  std::vector<std::string> pending;
  if (!root.empty()) pending.push_back("");
  while (!pending.empty()) {
    const std::string rel = pending.back();
    pending.pop_back();
    const std::string folder = rel.empty() ? root : root + "\\" + rel;
    const std::string prefix = rel.empty() ? rel : rel + "\\";
    for (const auto& f : core::gFileSystem.FileNames(folder)) tree[prefix + f] = ReadFile(folder + "\\" + f);
    for (const auto& d : core::gFileSystem.SubFolderNames(folder)) {
      tree[prefix + d] = "<folder>";
      pending.push_back(prefix + d);
    }
  }
  return tree;
}

IniData ParseIniText(const std::string& text) {
  IniData data;
  std::string section;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';') continue;
    if (t[0] == '[') {
      auto close = t.find(']');
      section = core::ToLower(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      data[section];
      continue;
    }
    auto eq = t.find('=');
    if (eq == std::string::npos) continue;
    std::string key = core::ToLower(Trim(t.substr(0, eq)));
    std::string value = Trim(t.substr(eq + 1));
    auto& keys = data[section];
    if (!keys.count(key)) keys[key] = value;
  }
  return data;
}

IniData ParseIni(const std::string& path) { return ParseIniText(ReadFile(path)); }

std::string WinePath(const std::string& unixPath) {
  std::string p = unixPath;
  std::replace(p.begin(), p.end(), '/', '\\');
  return "Z:" + p;
}

std::string DistFolder() { return WinePath(TARNELL_DIST_DIR_UNIX); }
std::string FixturesFolder() { return WinePath(TARNELL_FIXTURES_DIR_UNIX); }
std::string SourceFolder() { return WinePath(TARNELL_SOURCE_DIR_UNIX); }

}  // namespace testing_support
