// What loading a project needs of the main window, without the core knowing
// the main window: the main window implements ProjectHost and plugs itself
// in when it is created. Loading a project (in the core) then runs, in this
// order:
//   EnableProjectCommands();
//   LoadGeneral(); LoadFrame(); LoadSideBar(); LoadCombo(); LoadProgress();
//   ... the recent-projects list rewritten ...
//   UpdateProjectList();
//   ... the icon tables ...
//   LoadColor(); LoadBackground(); LoadTabBar();
//   mnuSave_Click() for a save asked for during the load;
//   UnloadMainWindow() for an exit asked for during the load.
// Every method reports nothing and continues past a failing step, as the
// page loaders do.
#pragma once

namespace core {

class ProjectHost {
 public:
  virtual ~ProjectHost() = default;

  // The first page panel and the Save, Make and Run commands become usable;
  // they stay so for the rest of the run.
  virtual void EnableProjectCommands() = 0;

  // The main window's own pages, each from its section of gSkinIni.
  virtual void LoadGeneral() = 0;
  virtual void LoadFrame() = 0;
  virtual void LoadSideBar() = 0;
  virtual void LoadCombo() = 0;
  virtual void LoadProgress() = 0;

  // The File menu's recent projects, from gLastProjects.
  virtual void UpdateProjectList() = 0;

  // The three embedded pages (Colors, Backgrounds, Tab Bar).
  virtual void LoadColor() = 0;
  virtual void LoadBackground() = 0;
  virtual void LoadTabBar() = 0;

  // The Save command: while gLoadingProject is set it only records the
  // request in gSaveRequested; otherwise it runs every page's saver and
  // clears gSaveRequested and gModified.
  virtual void mnuSave_Click() = 0;

  // Closes the main window through its normal closing sequence. The close
  // is queued, not run on the spot: it happens when pending messages next
  // run (the load's own last message-pump step), after every page has been
  // loaded and saved, and nothing of the load touches the window after it.
  virtual void UnloadMainWindow() = 0;
};

// The main window while it exists; nullptr before it is created.
ProjectHost* CurrentProjectHost();
void SetProjectHost(ProjectHost* host);

}  // namespace core
