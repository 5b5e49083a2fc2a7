// Making a skin file from the project and running the browser on it, the
// browser folder and image editor settings, and the Help menu.
#include <exception>

#include "core/browser.h"
#include "core/browser_folder.h"
#include "core/browser_lookup.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/internet_explorer.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/program.h"
#include "core/zip.h"
#include "mainwindow/frmImageEditor.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr char kSkinFilter[] = "Velmora 2 Skin Files (*.zqv)|*.zqv";
// The last line of the About box.
constexpr char kContactLine[] = "Feedback and skins: see the Help menu.";

// The archive every packing writes first; it replaces the target only once
// it is complete.
std::string PackingArchive() { return gTempFolder + "\\Make.zqv"; }
// Where Run packs the skin it hands to the browser.
std::string RunArchive() { return gTempFolder + "\\Temp.zqv"; }

std::string NamedText(const std::string& key, const std::string& builtIn) {
  return ReplaceAll(LangText(key, builtIn), "$name", gProjectName);
}

// The message of a Make or Run that failed.
void ShowFailure(HWND owner) { ShowMessage(NamedText("Skin_Fail", "Failed to make \"$name\"!"), MB_OK, owner); }

// Packs the open project's folder into archive, rooted at its parent so
// that every entry begins with the folder's own name. The target is left
// out: made into the project folder, a skin file would otherwise carry the
// one made before it. True on success.
bool PackProject(const std::string& archive, const std::string& target) {
  try {
    clsZip zip;
    zip.SetZipFileName(archive);
    zip.SetUpdatingZip(false);
    zip.SetRootDirectory(FolderOf(gProjectFolder) + "\\");
    zip.SetLeaveOut(target);
    zip.AddFile(gProjectFolderName);
    return zip.MakeZipFile() == 0;
  } catch (const std::exception&) {
    return false;
  }
}

// Puts the finished archive in target's place. An existing target is
// replaced only by a complete archive, on any drive: the copy goes to a
// scratch file beside the target, renamed over it once whole, so until then
// the target stays as it was. A read-only target is replaced as well (the
// save dialog asked). A target that is the packing's own archive, however
// it is spelled, is in place already.
bool ReplaceTarget(const std::string& archive, const std::string& target) {
  if (SameFile(archive, target)) return true;
  const DWORD attributes = GetFileAttributesA(target.c_str());
  const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  if (readOnly) SetFileAttributesA(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (gFileSystem.ReplaceWithCopy(archive, target)) {
    gFileSystem.RemoveFile(archive, true);
    return true;
  }
  if (readOnly) SetFileAttributesA(target.c_str(), attributes);
  return false;
}

}  // namespace

void frmTarnell::mnuMake_Click() {
  // Both commands need a project, also when called directly.
  if (gProjectName.empty()) return;
  MakeSkin(false);
}

void frmTarnell::mnuRun_Click() {
  if (gProjectName.empty()) return;
  if (gBrowserFolder.empty()) mnuSetVel_Click();
  if (gBrowserFolder.empty()) return;
  // Run never asks: unsaved edits are saved first. A save that failed has
  // said so, and the browser is not given a project that was not saved.
  if (gModified && !SaveProject()) return;
  ui::DoEvents();
  MakeSkin(true);
}

void frmTarnell::MakeSkin(bool run) {
  if (!gFileSystem.FolderExists(gTempFolder)) gFileSystem.CreateFolder(gTempFolder);

  std::string target;
  if (run) {
    target = RunArchive();
  } else {
    if (ConfirmSave(GetLangString("Confirm_Save2"))) return;
    target = SaveFileDialog(gLastMakeDir, kSkinFilter, HwndIfLoaded(), SafeFileName(gProjectName) + ".zqv");
    if (target.empty()) return;
    gLastMakeDir = FolderOf(target);
    WriteIni(ConfigIni(), "General", "LastMakeDir", gLastMakeDir);
  }

  // A leftover of an earlier packing goes first; the target stays until the
  // new archive is complete.
  const std::string archive = PackingArchive();
  if (gFileSystem.FileExists(archive)) gFileSystem.RemoveFile(archive, true);

  ui::SetMousePointer(ui::MousePointer::Hourglass);
  const bool made = PackProject(archive, target) && ReplaceTarget(archive, target);
  ui::SetMousePointer(ui::MousePointer::Default);
  if (!made) {
    if (gFileSystem.FileExists(archive)) gFileSystem.RemoveFile(archive, true);
    ShowFailure(HwndIfLoaded());
    return;
  }

  if (!run) {
    ShowMessage(NamedText("Skin_Made", "\"$name\" is made."), MB_OK, HwndIfLoaded());
    return;
  }
  // The running copy of the browser, else the one in the browser folder.
  std::string exe = GetBrowserExePath();
  if (exe.empty()) exe = BrowserExePath(gBrowserFolder);
  if (!gFileSystem.FileExists(exe)) {
    mnuSetVel_Click();
    exe = BrowserExePath(gBrowserFolder);
    if (gBrowserFolder.empty() || !gFileSystem.FileExists(exe)) return;
  }
  // A browser that does not start (no program at all) fails the run.
  if (!StartProcess(RunSkinCommandLine(exe, target), SW_SHOWNORMAL)) ShowFailure(HwndIfLoaded());
}

void frmTarnell::mnuSetVel_Click() { AskBrowserFolder(HwndIfLoaded()); }

void frmTarnell::mnuEditor_Click() {
  frmImageEditor dialog;
  dialog.ShowModal(this);
}

void frmTarnell::mnuReference_Click() { OpenUrl(GetLangString("Skin_Reference_URL")); }

void frmTarnell::mnuDownload_Click() { OpenUrl(GetLangString("Skin_Download_URL")); }

void frmTarnell::mnuForum_Click() { OpenUrl(GetLangString("Skin_Forum_URL")); }

void frmTarnell::mnuFeedback_Click() { OpenUrl(GetLangString("Feedback_URL")); }

void frmTarnell::OpenUrl(const std::string& url) {
  if (gBrowserFolder.empty()) mnuSetVel_Click();
  const std::string exe = BrowserExePath(gBrowserFolder);
  if (!gBrowserFolder.empty() && gFileSystem.FileExists(exe)) {
    StartProcess(OpenAddressCommandLine(exe, url), SW_SHOWMINIMIZED);
    return;
  }
  // No browser: Internet Explorer, when there is one.
  if (AddressFallback) AddressFallback(url);
}

void frmTarnell::mnuAbout_Click() {
  const std::string text =
      LangText("Name", kFixedTitle) + std::string(8, ' ') + "\r\n" + gAppVersion + "\r\n" + kContactLine;
  ShowMessage(text, MB_OK, HwndIfLoaded());
}

}  // namespace mainwindow
