#include "core/default_skin.h"

#include <windows.h>

#include <utility>

#include "core/browser.h"
#include "core/browser_folder.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/program.h"

namespace core {

namespace {

std::function<void()>& BrowserFolderCommand() {
  static std::function<void()> command;
  return command;
}

bool BrowserFound() { return !gBrowserFolder.empty() && gFileSystem.FileExists(BrowserExePath(gBrowserFolder)); }

bool WriteAll(HANDLE file, const BYTE* data, DWORD size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(file, data, size, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

// Puts data into path whole: it is written to a scratch file beside path,
// which then takes path's place. A failure leaves path as it was and no
// scratch file behind.
bool ReplaceFileContents(const std::string& path, const BYTE* data, DWORD size) {
  const std::string scratch = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  HANDLE file = CreateFileA(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteAll(file, data, size) && FlushFileBuffers(file);
  CloseHandle(file);
  ok = ok && MoveFileExA(scratch.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileA(scratch.c_str());
  return ok;
}

}  // namespace

std::string DefaultSkinFile() { return ProgramFolder() + "\\DefaultSkin.zqv"; }

void SetBrowserFolderCommand(std::function<void()> command) { BrowserFolderCommand() = std::move(command); }

void ExtractDefaultSkin() {
  if (!BrowserFound()) {
    if (BrowserFolderCommand())
      BrowserFolderCommand()();
    else
      AskBrowserFolder();
    if (!BrowserFound()) return;
  }

  // As data only: none of the browser's code runs.
  HMODULE module = LoadLibraryExA(BrowserExePath(gBrowserFolder).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return;
  if (HRSRC found = FindResourceA(module, kDefaultSkinResourceName, kDefaultSkinResourceType)) {
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, found);
    if (bytes && size > 0) ReplaceFileContents(DefaultSkinFile(), static_cast<const BYTE*>(bytes), size);
  }
  FreeLibrary(module);
}

}  // namespace core
