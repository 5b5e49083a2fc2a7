#include "core/paths.h"

#include <commdlg.h>

#include <exception>
#include <vector>

#include "core/files.h"
#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/program.h"
#include "core/window_links.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/prompts.h"

namespace core {

namespace {

// Explorer-style dialog, read-only check box hidden, read-only flag set.
constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_READONLY;
// Read-only flag, ask before overwriting, read-only check box hidden.
constexpr DWORD kSaveFlags = OFN_READONLY | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
// The longest path the dialogs take (the limit of Windows' long paths).
constexpr size_t kLongestDialogPath = 32767;

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string DialogResult(const std::string& chosen) { return TrimBlanks(StripNull(chosen)); }

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool CreateProcessStarter(const std::string& commandLine, int showCommand) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

}  // namespace

std::function<bool(const std::string&, int)> ProcessStarter = CreateProcessStarter;

bool IsAbsolutePath(const std::string& path) { return path.size() >= 3 && path[1] == ':' && path[2] == '\\'; }

std::string GetFullPath(const std::string& path) {
  if (IsAbsolutePath(path)) return path;
  return gProjectFolder + "\\" + path;
}

std::string SafeFileName(const std::string& name) {
  std::string safe = name;
  for (char forbidden : {'\\', '/', ':', '*', '?', '"', '<', '>', '|'})
    for (char& c : safe)
      if (c == forbidden) c = '_';
  return safe;
}

namespace {

// A port number of a device name: a digit, or one of the superscript
// digits one to three, which Windows takes for 1 to 3 (COM¹, LPT²).
bool IsPortDigit(const std::string& s) {
  if (s.size() == 1 && s[0] >= '0' && s[0] <= '9') return true;
  wchar_t w[2];
  int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), w, 2);
  return n == 1 && (w[0] == 0x00B9 || w[0] == 0x00B2 || w[0] == 0x00B3);
}

}  // namespace

bool IsDeviceName(const std::string& name) {
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  base = ToUpper(base);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
    if (base == device) return true;
  return base.size() > 3 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
         IsPortDigit(base.substr(3));
}

std::string OpenFileDialog(const std::string& initialDir, const std::string& filter, HWND owner) {
  ui::FileDialogRequest request;
  request.save = false;
  request.owner = owner;
  request.title = "Select File";
  request.filter = filter;
  request.initialDir = initialDir;
  request.flags = kOpenFlags;
  return DialogResult(ui::Prompts().FileDialog(request));
}

std::string SaveFileDialog(const std::string& initialDir, const std::string& filter, HWND owner,
                           const std::string& defaultName) {
  bool failed = defaultName.size() > kLongestDialogPath;
  std::string chosen;
  if (!failed) {
    ui::FileDialogRequest request;
    request.save = true;
    request.owner = owner;
    request.title = "Save to";
    request.filter = filter;
    request.initialDir = initialDir;
    request.fileName = defaultName;
    request.flags = kSaveFlags;
    try {
      chosen = ui::Prompts().FileDialog(request);
    } catch (const std::exception&) {
      // A dialog that could not be shown is reported below, as any other
      // failure of the save dialog.
      failed = true;
    }
  }
  if (failed) {
    ShowMessage("err", MB_OK, owner);
    return {};
  }
  return DialogResult(chosen);
}

std::string BrowseForFolder(HWND owner, const std::string& title, UINT flags, int root) {
  ui::FolderRequest request;
  request.owner = owner;
  request.title = title;
  request.flags = flags;
  request.rootCsidl = root;
  return StripNull(ui::Prompts().BrowseFolder(request));
}

std::string ProjectRelativePath(const std::string& path) {
  if (gProjectFolder.empty() || !StartsWithNoCase(path, gProjectFolder + "\\")) return path;
  return path.substr(gProjectFolder.size() + 1);
}

void BrowseImage(ui::TextBox& textBox, ui::PictureBox& picture, const std::string& filter, HWND owner,
                 bool storeHeight) {
  HWND mainWindow = MainWindowHandle();
  if (!owner) owner = mainWindow;
  std::string path = OpenFileDialog(gLastImageDir, filter, owner);
  if (path.empty()) return;

  auto slash = path.find_last_of('\\');
  if (slash != std::string::npos) {
    gLastImageDir = path.substr(0, slash);
    WriteIni(ConfigIni(), "General", "LastImageDir", gLastImageDir);
  }
  path = ProjectRelativePath(path);

  textBox.SetText(path);
  if (owner == mainWindow) {
    LoadImageToPicture(path, picture, -1, storeHeight);
  } else if (gCutterShown && CutterWindow && owner == CutterWindow()) {
    if (CutterShowCut) CutterShowCut(true);
  }
  // Change runs after the drawing even when the same file was chosen again.
  textBox.SetText(" " + path);
  textBox.SetText(path);
}

std::string QuoteProgram(const std::string& program) {
  if (program.size() >= 2 && program.front() == '"') return program;
  return "\"" + program + "\"";
}

bool StartProcess(const std::string& commandLine, int showCommand) {
  return ProcessStarter ? ProcessStarter(commandLine, showCommand) : false;
}

void EditImage(const std::string& path) {
  std::string full = GetFullPath(path);
  if (!gFileSystem.FileExists(full)) return;
  StartProcess(QuoteProgram(gImageEditor) + " \"" + full + "\"", SW_SHOWNORMAL);
}

std::string StripNull(const std::string& text) {
  auto nul = text.find('\0');
  return nul == std::string::npos ? text : text.substr(0, nul);
}

int16_t LoWord(int32_t value) { return static_cast<int16_t>(static_cast<uint32_t>(value) & 0xFFFF); }

int32_t MakeLong(int16_t low, int16_t high) {
  uint32_t packed = (static_cast<uint32_t>(static_cast<uint16_t>(high)) << 16) | static_cast<uint16_t>(low);
  return static_cast<int32_t>(packed);
}

int16_t UnsignedToInteger(int32_t value) { return static_cast<int16_t>(static_cast<uint32_t>(value) & 0xFFFF); }

}  // namespace core
