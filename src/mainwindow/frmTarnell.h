// The main window: its menu bar, the ten-page tab strip over the page
// panels, the three pages it embeds, the tool windows it opens, its
// captions in the chosen language and its closing sequence.
//
// The form's code lies in several files, one concern each:
//   frmTarnell.cpp        loading, first activation, resizing, closing, the
//                         menu bindings and the tool windows
//   tab_strip.cpp         the native tab strip and page switching
//   embedded_pages.cpp    the Colors, Backgrounds and Tab Bar pages
//   captions.cpp          captions from the language file, the Language menu
//   project_commands.cpp  New, Open, Save, recent projects, the save question
//   skin_commands.cpp     Make, Run, browser folder, image editor, help
//   page_loaders.cpp      loading and saving the window's own pages
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/project_host.h"
#include "core/subclass.h"
#include "ui/ui.h"

namespace mainwindow {

class frmTarnell : public ui::Form, public core::ISubclass, public core::ProjectHost {
 public:
  // Pages and tabs share their index: 0 General, 1 Frame, 2 Buttons,
  // 3 Icons, 4 Colors, 5 Backgrounds, 6 Tab Bar, 7 Side Bar, 8 Combo Box,
  // 9 Progress.
  static constexpr int kPageCount = 10;
  static constexpr int kColorsPage = 4;
  static constexpr int kBackgroundsPage = 5;
  static constexpr int kTabBarPage = 6;

  frmTarnell();
  ~frmTarnell() override;

  // ---- Menu bar
  ui::MenuItem mnuFile{this, "File"};
  ui::MenuItem mnuNew{&mnuFile, "New Project...", ui::Shortcut::Ctrl('N')};
  ui::MenuItem mnuOpen{&mnuFile, "Open Project...", ui::Shortcut::Ctrl('O')};
  ui::MenuItem mnuSave{&mnuFile, "Save Project", ui::Shortcut::Ctrl('S')};
  ui::MenuItem mnuFileSep1{&mnuFile, "-"};
  ui::MenuItem mnuMake{&mnuFile, "Make Skin"};
  ui::MenuItem mnuRun{&mnuFile, "Run Skin", ui::Shortcut::Key(VK_F5)};
  // Element 0 separates Run from the recent projects, which follow it with
  // a closing separator of their own.
  ui::MenuArray mnuProjectList{&mnuFile, "-"};
  ui::MenuItem mnuExit{&mnuFile, "Exit", ui::Shortcut::Ctrl('X')};
  ui::MenuItem mnuToolS{this, "Tools"};
  ui::MenuItem mnuNavigator{&mnuToolS, "Open Skin Navigator", ui::Shortcut::Key(VK_F2)};
  ui::MenuItem mnuCutter{&mnuToolS, "Open Image Cutter", ui::Shortcut::Key(VK_F3)};
  ui::MenuItem mnuToolSep1{&mnuToolS, "-"};
  ui::MenuItem mnuFolder{&mnuToolS, "Open Project Folder", ui::Shortcut::Key(VK_F4)};
  ui::MenuItem mnuOption{this, "Options"};
  ui::MenuItem mnuAutoOpen{&mnuOption, "Open Last Project on Startup"};
  ui::MenuItem mnuOptionSep3{&mnuOption, "-"};
  ui::MenuItem mnuSetVel{&mnuOption, "Set Velmora Folder..."};
  ui::MenuItem mnuEditor{&mnuOption, "Set Image Editor..."};
  ui::MenuItem mnuOptionSep1{&mnuOption, "-"};
  ui::MenuItem mnuLanguage{&mnuOption, "Language"};
  // Element 0 is English; one more element per other language file.
  ui::MenuArray mnuLangList{&mnuLanguage, "English"};
  ui::MenuItem mnuHelp{this, "Help"};
  ui::MenuItem mnuReference{&mnuHelp, "Velmora 2 Skin Reference"};
  ui::MenuItem mnuDownload{&mnuHelp, "Velmora 2 Skin Download"};
  ui::MenuItem mnuForum{&mnuHelp, "Velmora Skin Forum"};
  ui::MenuItem mnuHelpSep1{&mnuHelp, "-"};
  ui::MenuItem mnuFeedback{&mnuHelp, "Feedback"};
  ui::MenuItem mnuAbout{&mnuHelp, "About..."};

  // ---- Page panels, laid over the tab strip's body. Panel 0 shows
  // disabled until a project is loaded; the others are hidden.
  ui::ControlArray<ui::PictureBox> picTabs{kPageCount, [this](int i) {
    auto panel = std::make_unique<ui::PictureBox>(this, ui::Rect{9, 28, 766, 508});
    if (i == 0)
      panel->SetEnabled(false);
    else
      panel->SetVisible(false);
    return panel;
  }};

  // ---- Public members

  // Shows page index and selects its tab. Callers check that a project is
  // open.
  void ActivateTab(int index);
  // Shows the Skin Navigator, or restores it when it is open already.
  void mnuNavigator_Click();
  // Shows the Image Cutter, or restores it when it is open already.
  void mnuCutter_Click();
  // Every caption of the window from the language file, the program title
  // and the shared caption texts; with no language file, only the tab texts
  // and the program title.
  void SetCaptions();
  // The window title while a project is open: the project name, " - ", the
  // program title, a blank and the version.
  void SetProjectCaption();
  // Brings the window to the front with the focus.
  void SetFocus();
  // The native tab strip; null while the window is closed.
  HWND TabStrip() const { return m_hTabStrip; }

  // ---- Project loading (core::ProjectHost)
  void EnableProjectCommands() override;
  void LoadGeneral() override;
  void LoadFrame() override;
  void LoadSideBar() override;
  void LoadCombo() override;
  void LoadProgress() override;
  void UpdateProjectList() override;
  void LoadColor() override;
  void LoadBackground() override;
  void LoadTabBar() override;
  void mnuSave_Click() override;
  void UnloadMainWindow() override;

  // ---- Subclassing client of the tab strip: its mouse presses never reach
  // the strip's own window procedure.
  int32_t MsgResponse() const override { return kPreviousNotCalled; }
  void SetMsgResponse(int32_t) override {}
  LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unload(int& cancel) override;
  using ui::Form::WindowProc;

 private:
  void Bind() override;

  // Menu commands. While the window is closing none of them runs; while a
  // project loads only Save and Exit do (they record their request), so
  // that no second load can start inside the first.
  enum class WhileLoading { Ignored, Runs };
  bool CommandIgnored(WhileLoading rule) const;
  ui::Handler Command(void (frmTarnell::*handler)(), WhileLoading rule = WhileLoading::Ignored);

  // File menu.
  void mnuNew_Click();
  void mnuOpen_Click();
  void mnuMake_Click();
  void mnuRun_Click();
  void mnuProjectList_Click(int index);
  void mnuExit_Click();
  // Tools and Options menus.
  void mnuFolder_Click();
  void mnuAutoOpen_Click();
  void mnuSetVel_Click();
  void mnuEditor_Click();
  void mnuLangList_Click(int index);
  // Help menu.
  void mnuReference_Click();
  void mnuDownload_Click();
  void mnuForum_Click();
  void mnuFeedback_Click();
  void mnuAbout_Click();

  // Packs the open project into a skin file the user chooses (Make), or
  // into the work folder and starts the browser on it (run).
  void MakeSkin(bool run);
  // Opens an address in the browser, else in Internet Explorer.
  void OpenUrl(const std::string& url);

  // The project life cycle.
  void OpenProject(const std::string& path);
  // Asks whether to save unsaved edits; true when the user cancelled.
  bool ConfirmSave(const std::string& message);

  // Savers of the window's own pages.
  void SaveGeneral();
  void SaveFrame();
  void SaveSideBar();
  void SaveCombo();
  void SaveProgress();

  // The tab strip.
  void CreateTabStrip();
  void SetTabTexts(bool fromLanguageFile);
  void AttachTabStrip();
  void RemoveTabStrip();

  // The embedded pages.
  void EmbedPages();
  void ReleasePages();

  // The Language menu's items for the files of Languages\.
  void LoadLanguageItems();

  // The menus as designed: captions, checks and enabled states, without
  // run-time elements of the menu arrays.
  struct MenuDesign {
    ui::MenuItem* item;
    std::string caption;
    bool checked;
    bool enabled;
  };
  void KeepMenuDesign();
  void RestoreMenuDesign();

  HWND m_hTabStrip = nullptr;
  ui::UniqueFont m_TabStripFont;  // lives as long as the strip
  bool m_Activated = false;
  bool m_Closing = false;
  // The first recent project the File menu lists, as "name$,$folder".
  std::string m_FirstRecentProject;
  // The entry each element of mnuProjectList shows ("" for separators).
  std::vector<std::string> m_ProjectEntries;
  std::vector<MenuDesign> m_MenuDesign;
};

// The one main window, created on first use.
frmTarnell& MainForm();

}  // namespace mainwindow
