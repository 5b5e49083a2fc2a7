#include "core/browser.h"

namespace core {

namespace {
std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
}  // namespace

std::string BrowserExePath(const std::string& folder) { return folder + "\\" + kBrowserExeName; }

std::string RunSkinCommandLine(const std::string& exe, const std::string& skinFile) {
  return Quoted(exe) + " " + Quoted(skinFile);
}

std::string OpenAddressCommandLine(const std::string& exe, const std::string& url) { return Quoted(exe) + " " + url; }

std::string PreviewCommandLine(const std::string& exe) { return Quoted(exe) + " about:blank"; }

}  // namespace core
