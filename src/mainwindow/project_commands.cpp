// The project commands of the File menu (New, Open, Save, the recent
// projects), the save question that guards every command that would drop
// unsaved edits, and the options around them.
#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/messages.h"
#include "mainwindow/frmNewProject.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

// Recent projects shown in the File menu, at most.
constexpr int kMaxListedProjects = 8;

}  // namespace

void frmTarnell::mnuNew_Click() {
  if (ConfirmSave("")) return;
  NewProjectForm().ShowModal(this);
}

void frmTarnell::mnuOpen_Click() { OpenProject(""); }

void frmTarnell::OpenProject(const std::string&) {}

void frmTarnell::mnuSave_Click() {
  if (gLoadingProject) {
    // Carried out when the load has finished.
    gSaveRequested = true;
    return;
  }
}

bool frmTarnell::ConfirmSave(const std::string& message) {
  if (!gModified || gLoadingProject) return false;
  std::string text = message.empty() ? LangText("Confirm_Save", "Do you want to save changes to \"$name\"?") : message;
  text = ReplaceAll(text, "$name", gProjectName);
  switch (ShowMessage(text, MB_YESNOCANCEL, HwndIfLoaded())) {
    case IDYES:
      mnuSave_Click();
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
  while (mnuProjectList.UBound() > 0) mnuProjectList.Unload(mnuProjectList.UBound());
  m_ProjectEntries.assign(1, "");
  m_FirstRecentProject.clear();
  int listed = 0;
  for (const std::string& entry : Split(gLastProjects, "$;$")) {
    std::vector<std::string> parts = Split(entry, "$,$");
    // A project whose pelto.ini is gone is not listed.
    if (parts.size() < 2 || parts[1].empty() || !gFileSystem.FileExists(parts[1] + "\\pelto.ini")) continue;
    ++listed;
    mnuProjectList.Load(listed, std::to_string(listed) + ". " + ReplaceAll(parts[0], "&", "&&"));
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
  std::vector<std::string> parts = Split(m_ProjectEntries[static_cast<size_t>(index)], "$,$");
  if (parts.size() < 2) return;
  if (ConfirmSave("")) return;
  OpenProject(parts[1] + "\\pelto.ini");
}

void frmTarnell::mnuAutoOpen_Click() {}

void frmTarnell::mnuFolder_Click() {}

}  // namespace mainwindow
