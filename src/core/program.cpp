#include "core/program.h"

#include <windows.h>

#include <vector>

#include "core/errors.h"

namespace core {

namespace {

std::string ModulePath() {
  std::vector<char> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) return std::string(buf.data(), n);
    buf.resize(buf.size() * 2);
  }
}

std::string& Folder() {
  static std::string folder = [] {
    std::string path = ModulePath();
    auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
  }();
  return folder;
}

}  // namespace

const std::string& ProgramFolder() { return Folder(); }

void SetProgramFolder(const std::string& folder) {
  std::string f = folder;
  while (f.size() > 3 && (f.back() == '\\' || f.back() == '/')) f.pop_back();
  Folder() = f;
}

std::string ConfigIni() { return ProgramFolder() + "\\Config.ini"; }
std::string LanguagesFolder() { return ProgramFolder() + "\\Languages"; }

std::string ExeBaseName() {
  std::string path = ModulePath();
  auto slash = path.find_last_of('\\');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  auto dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace core
