// The project commands of the File menu (New, Open, Save, the recent
// projects), the save question that guards every command that would drop
// unsaved edits, and the options around them.
#include "core/files.h"
#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/image_keys.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/program.h"
#include "core/project_loader.h"
#include "core/recent_projects.h"
#include "mainwindow/embedded_pages.h"
#include "mainwindow/frmNewProject.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

// Recent projects shown in the File menu, at most.
constexpr int kMaxListedProjects = 8;

constexpr char kProjectFilter[] = "INI Files (*.ini)|*.ini";

// How every message of a save that did not complete ends.
constexpr char kEditsKept[] = "\r\n\r\nThe project keeps its unsaved changes.";

}  // namespace

// No language file holds these texts.
std::string SaveFailureText(const std::string& unwrittenIni, const std::vector<std::string>& uncopied) {
  std::string text;
  if (!unwrittenIni.empty()) text = "Cannot save the project to \"" + unwrittenIni + "\".";
  for (const std::string& image : uncopied) {
    if (!text.empty()) text += "\r\n";
    text += "Cannot copy \"" + image + "\" into the project.";
  }
  return text + kEditsKept;
}

void frmTarnell::mnuNew_Click() {
  if (ConfirmSave("")) return;
  NewProjectForm().ShowModal(this);
}

void frmTarnell::mnuOpen_Click() { OpenProject(""); }

void frmTarnell::OpenProject(const std::string& path) {
  if (ConfirmSave("")) return;
  std::string file = path.empty() ? OpenFileDialog(gLastOpenDir, kProjectFilter, HwndIfLoaded()) : path;
  if (file.empty()) return;

  // Only the folder counts: a project's description is always pelto.ini.
  std::string folder = FolderOf(file);
  WriteIni(ConfigIni(), "General", "LastOpenDir", folder);
  std::string name = ReadIni(folder + "\\pelto.ini", "General", "Name");
  if (name.empty()) {
    ShowMessage(LangText("Open_Fail", "Cannot read pelto.ini. If it is encoded in UTF-8, convert it to ANSI or "
                                      "Unicode and open again."),
                MB_OK, HwndIfLoaded());
    return;
  }

  gProjectFolder = folder;
  gProjectName = name;
  gLastOpenDir = folder;
  gSkinIni = folder + "\\pelto.ini";
  SetProjectCaption();
  gProjectFolderName = NameOf(folder);
  LoadProject();
}

void frmTarnell::mnuSave_Click() { SaveProject(); }

bool frmTarnell::SaveProject() {
  // Nothing to save without a project.
  if (gProjectName.empty()) return false;
  if (gLoadingProject) {
    // Carried out when the load has finished.
    gSaveRequested = true;
    return false;
  }
  if (RefuseValuesTooLong()) return false;

  // Every saver runs, even after one failed; the failures are told once at
  // the end.
  IniWriteWatch writes;
  std::vector<std::string> uncopied;
  bool written = false;
  {
    // The savers write a scratch copy of pelto.ini, which takes its place
    // only once complete. When pelto.ini cannot be written, nothing is
    // copied into the project either. The pictures wait beside their
    // targets until pelto.ini, which names them, is in place: a save that
    // fails changes no file of the project.
    IniScratch ini(gSkinIni);
    if (ini.Ready()) {
      PictureStage pictures;
      ui::SetMousePointer(ui::MousePointer::Hourglass);
      // What every page's image boxes are about to name is known before the
      // first copy, so that no copy lands on an image a later page names.
      ImageKeyPlan plan(gSkinIni);
      RehearseSave(plan);
      // The rehearsal ran the savers' pointer change too.
      ui::SetMousePointer(ui::MousePointer::Hourglass);
      SaveGeneral();
      SavePagesAfterGeneral();
      uncopied = std::move(m_UncopiedImages);
      m_UncopiedImages.clear();
      written = ini.Commit();
      if (written) {
        for (std::string& image : pictures.Commit()) uncopied.push_back(std::move(image));
        // The Buttons and Icons pages' boxes show the names of the pictures
        // now in place.
        UpdateTextBox();
      }
    }
  }

  gSaveRequested = false;
  if (written && writes.Failures() == 0 && uncopied.empty()) {
    gModified = false;
    return true;
  }
  gModified = true;
  const bool iniFailed = !written || writes.Failures() > 0;
  ShowMessage(SaveFailureText(iniFailed ? gSkinIni : "", uncopied), MB_OK, HwndIfLoaded());
  return false;
}

bool frmTarnell::RefuseValuesTooLong() {
  IniWriteWatch writes;
  {
    ImageKeyPlan plan(gSkinIni);
    plan.Rehearse([this] {
      SaveGeneral();
      SavePagesAfterGeneral();
    });
  }
  m_UncopiedImages.clear();
  if (writes.TooLong().empty()) return false;
  std::string text;
  for (const auto& [section, key] : writes.TooLong())
    text += (text.empty() ? "" : "\r\n") + ("Cannot save \"" + key + "\" of [" + section +
                                            "]: pelto.ini holds at most " + std::to_string(kIniValueLimit) +
                                            " characters in one value.");
  gSaveRequested = false;
  gModified = true;
  ShowMessage(text + kEditsKept, MB_OK, HwndIfLoaded());
  return true;
}

void frmTarnell::RehearseSave(ImageKeyPlan& plan) {
  // The General page comes first in a save and copies its preview itself:
  // it is left out.
  plan.Rehearse([this] { SavePagesAfterGeneral(); });
  m_UncopiedImages.clear();
}

void frmTarnell::SavePagesAfterGeneral() {
  SaveFrame();
  for (std::string& image : SaveIcons()) m_UncopiedImages.push_back(std::move(image));
  if (gColorsPage) gColorsPage->SaveColor();
  if (gBackgroundsPage) {
    gBackgroundsPage->SaveBackground();
    for (const std::string& path : gBackgroundsPage->UncopiedImages()) m_UncopiedImages.push_back(path);
  }
  if (gTabBarPage) {
    gTabBarPage->SaveTabBar();
    for (const std::string& path : gTabBarPage->UncopiedImages()) m_UncopiedImages.push_back(path);
  }
  ui::SetMousePointer(ui::MousePointer::Default);
  SaveSideBar();
  SaveCombo();
  SaveProgress();
}

bool frmTarnell::ConfirmSave(const std::string& message) {
  // Without a project there is nothing to lose.
  if (!gModified || gLoadingProject || gProjectName.empty()) return false;
  std::string text = message.empty() ? LangText("Confirm_Save", "Do you want to save changes to \"$name\"?") : message;
  text = ReplaceAll(text, "$name", gProjectName);
  switch (ShowMessage(text, MB_YESNOCANCEL, HwndIfLoaded())) {
    case IDYES:
      // A save that failed keeps the edits: the command does not go on.
      if (!SaveProject()) return true;
      gModified = false;
      return false;
    case IDNO:
      gModified = false;
      return false;
    default:
      return true;
  }
}

void frmTarnell::UpdateProjectList() {
  ui::MenuBarBatch menus(*this);
  while (mnuProjectList.UBound() > 0) mnuProjectList.Unload(mnuProjectList.UBound());
  m_ProjectEntries.assign(1, "");
  m_FirstRecentProject.clear();
  int listed = 0;
  for (const std::string& entry : ProjectEntries(gLastProjects)) {
    std::string folder = EntryFolder(entry);
    // A project whose pelto.ini is gone is not listed.
    if (folder.empty() || !gFileSystem.FileExists(folder + "\\pelto.ini")) continue;
    ++listed;
    mnuProjectList.Load(listed, std::to_string(listed) + ". " + ReplaceAll(EntryName(entry), "&", "&&"));
    m_ProjectEntries.push_back(entry);
    if (listed == 1) m_FirstRecentProject = entry;
    if (listed == kMaxListedProjects) break;
  }
  if (listed > 0) {
    // Between the list and Exit.
    mnuProjectList.Load(listed + 1, "-");
    m_ProjectEntries.push_back("");
  }
}

void frmTarnell::mnuProjectList_Click(int index) {
  if (index <= 0 || index >= static_cast<int>(m_ProjectEntries.size())) return;
  std::string folder = EntryFolder(m_ProjectEntries[static_cast<size_t>(index)]);
  if (folder.empty()) return;
  if (ConfirmSave("")) return;
  OpenProject(folder + "\\pelto.ini");
  // A project that has gone since the menu was made leaves it.
  if (!gFileSystem.FileExists(folder + "\\pelto.ini")) UpdateProjectList();
}

void frmTarnell::mnuAutoOpen_Click() {
  bool on = !mnuAutoOpen.Checked();
  mnuAutoOpen.SetChecked(on);
  WriteIni(ConfigIni(), "General", "ReOpenLast", on ? std::optional<std::string>("1") : std::nullopt);
}

void frmTarnell::mnuFolder_Click() {
  // Nothing to show without a project.
  if (gProjectName.empty()) return;
  StartProcess("explorer.exe \"" + gProjectFolder + "\"", SW_SHOWNORMAL);
}

}  // namespace mainwindow
