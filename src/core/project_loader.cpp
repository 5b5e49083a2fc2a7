#include "core/project_loader.h"

#include "core/files.h"
#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/ini.h"
#include "core/program.h"
#include "core/project_host.h"
#include "core/recent_projects.h"
#include "core/window_links.h"
#include "ui/app.h"

namespace core {

namespace {

// The user closed the window during the load without asking for a save:
// what is still to load would only be thrown away.
bool ExitWithoutSave() { return gExitRequested && !gSaveRequested; }

// The load's scratch copy goes even when read-only, as the copy of a
// read-only pelto.ini is.
void RemoveScratch(const std::string& scratch) {
  if (gFileSystem.FileExists(scratch)) gFileSystem.RemoveFile(scratch, true);
}

// The main window while it exists; each step asks again, as the window may
// close while pending messages run.
template <class Step>
void OnHost(Step step) {
  if (ProjectHost* host = CurrentProjectHost()) step(*host);
}

}  // namespace

void LoadProject() {
  gLoadingProject = true;

  // The scratch copy that the page loaders use to find duplicate keys: a
  // fresh copy of this project's pelto.ini, or none at all. A copy left from
  // an earlier load (read-only, or held open by another program) would tell
  // of keys this project does not have.
  const std::string scratch = gTempFolder + "\\config.ini";
  RemoveScratch(scratch);
  const bool fresh = !gFileSystem.FileExists(scratch) &&
                     gFileSystem.CopyFileTo(gProjectFolder + "\\pelto.ini", scratch, false);
  gTempIni = fresh ? scratch : "";

  OnHost([](ProjectHost& host) {
    host.EnableProjectCommands();
    host.LoadGeneral();
    host.LoadFrame();
    host.LoadSideBar();
    host.LoadCombo();
    host.LoadProgress();
  });
  // An open Image Cutter names its file as it lies from this project: a
  // name relative to the project before would name another file here.
  if (gCutterShown && CutterShowCut) CutterShowCut(false);

  gLastProjects = ListWithProject(gLastProjects, gProjectName, gProjectFolder);
  WriteIni(ConfigIni(), "General", "LastProjects", gLastProjects);

  // The user may press Save or close the window now.
  ui::DoEvents();
  OnHost([](ProjectHost& host) { host.UpdateProjectList(); });

  // The loads still to come, each skipped once an exit without a save is
  // pending. With a save pending everything loads, so that the save writes
  // the whole project.
  void (*const laterLoads[])(ProjectHost&) = {
      // The icon tables, with the tiles of the Buttons and Icons pages.
      [](ProjectHost&) { LoadIcons(); },
      [](ProjectHost& host) { host.LoadColor(); },
      [](ProjectHost& host) { host.LoadBackground(); },
      [](ProjectHost& host) { host.LoadTabBar(); },
  };
  for (auto load : laterLoads)
    if (!ExitWithoutSave()) OnHost(load);

  // The loaders' own text changes marked the project modified.
  gLoadingProject = false;
  gModified = false;

  if (gSaveRequested) OnHost([](ProjectHost& host) { host.mnuSave_Click(); });
  if (gExitRequested) {
    // Taken up here: should the user cancel the close, a later load must
    // not close the window by itself.
    gExitRequested = false;
    OnHost([](ProjectHost& host) { host.UnloadMainWindow(); });
  }

  ui::DoEvents();
  RemovePlaceholderFolders();
  RemoveScratch(scratch);
}

void RemovePlaceholderFolders() {
  if (gProjectFolder.empty()) return;
  for (const std::string& name : gFileSystem.SubFolderNames(gProjectFolder)) {
    std::string folder = gProjectFolder + "\\" + name;
    std::string marker = folder + "\\Placeholder.txt";
    if (!gFileSystem.FileExists(marker)) continue;
    // Only the marker goes, and the folder with it when nothing else is
    // in it: an image the user put there stays.
    gFileSystem.RemoveFile(marker, false);
    if (gFileSystem.FileNames(folder).empty() && gFileSystem.SubFolderNames(folder).empty())
      gFileSystem.RemoveFolder(folder, false);
  }
}

}  // namespace core
