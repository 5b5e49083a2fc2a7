// The main window's life: loading, the first activation, resizing and the
// closing sequence; the menu bindings and the two tool windows.
#include "mainwindow/frmTarnell.h"

#include "core/default_skin.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/program.h"
#include "core/recent_projects.h"
#include "core/window_icons.h"
#include "core/window_links.h"
#include "tools/frmCutter.h"
#include "tools/frmNavigator.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr int kClientWidth = 784;
constexpr int kClientHeight = 544;
constexpr int kPanelTop = 28;
// Keeps clear of the task bar when centring the window.
constexpr int kTaskBarAllowance = 30;

}  // namespace

frmTarnell::frmTarnell() : ui::Form(kFixedTitle, kClientWidth, kClientHeight, ui::FormStyle::FixedSingle) {
  // Save, Make and Run need a project; the first load enables them.
  mnuSave.SetEnabled(false);
  mnuMake.SetEnabled(false);
  mnuRun.SetEnabled(false);
  mnuLangList(0).SetChecked(true);
  KeepMenuDesign();
  // The pages built from the element editors lie on the window colour, as
  // the embedded pages do.
  for (int page : {kSideBarPage, kComboPage, kProgressPage}) pages::PaintOnWindowColour(picTabs(page));
  // Core dialogs and the tool windows find the main window through the
  // window links, and the embedded pages open the navigator through them;
  // project loading reaches it as its host.
  MainWindowGetter = [this] { return HwndIfLoaded(); };
  ShowNavigator = [this] { mnuNavigator_Click(); };
  SetProjectHost(this);
  SetIconHost(this);
  SetNavigatorHost(this);
  // Extracting the default skin asks for a missing browser folder through
  // the window's own command.
  SetBrowserFolderCommand([this] { mnuSetVel_Click(); });
}

frmTarnell::~frmTarnell() {
  RemoveTabStrip();
  MainWindowGetter = nullptr;
  ShowNavigator = nullptr;
  SetProjectHost(nullptr);
  SetIconHost(nullptr);
  SetNavigatorHost(nullptr);
  SetBrowserFolderCommand(nullptr);
}

frmTarnell& MainForm() {
  static frmTarnell form;
  return form;
}

// ---------------------------------------------------------------- menus

void frmTarnell::Bind() {
  using W = WhileLoading;
  mnuNew.Click = Command(&frmTarnell::mnuNew_Click);
  mnuOpen.Click = Command(&frmTarnell::mnuOpen_Click);
  mnuSave.Click = Command(&frmTarnell::mnuSave_Click, W::Runs);
  mnuMake.Click = Command(&frmTarnell::mnuMake_Click);
  mnuRun.Click = Command(&frmTarnell::mnuRun_Click);
  mnuProjectList.Click = [this](int index) {
    if (!CommandIgnored(W::Ignored)) mnuProjectList_Click(index);
  };
  mnuExit.Click = Command(&frmTarnell::mnuExit_Click, W::Runs);
  // Ctrl+X in a text box cuts text instead.
  mnuExit.ShortcutApplies = [] {
    char cls[16] = {};
    HWND focus = GetFocus();
    return !(focus && GetClassNameA(focus, cls, sizeof cls) && lstrcmpiA(cls, "Edit") == 0);
  };
  mnuNavigator.Click = Command(&frmTarnell::mnuNavigator_Click);
  mnuCutter.Click = Command(&frmTarnell::mnuCutter_Click);
  mnuFolder.Click = Command(&frmTarnell::mnuFolder_Click);
  mnuAutoOpen.Click = Command(&frmTarnell::mnuAutoOpen_Click);
  mnuSetVel.Click = Command(&frmTarnell::mnuSetVel_Click);
  mnuEditor.Click = Command(&frmTarnell::mnuEditor_Click);
  mnuLangList.Click = [this](int index) {
    if (!CommandIgnored(W::Ignored)) mnuLangList_Click(index);
  };
  mnuReference.Click = Command(&frmTarnell::mnuReference_Click);
  mnuDownload.Click = Command(&frmTarnell::mnuDownload_Click);
  mnuForum.Click = Command(&frmTarnell::mnuForum_Click);
  mnuFeedback.Click = Command(&frmTarnell::mnuFeedback_Click);
  mnuAbout.Click = Command(&frmTarnell::mnuAbout_Click);
  BindGeneralFramePages();
  BindButtonsPage();
  BindIconsPage();
  AddOwnPageNames();
  BindSideBarPage();
  BindComboProgressPages();
  AddSharedNames();
}

bool frmTarnell::CommandIgnored(WhileLoading rule) const {
  return m_Closing || (gLoadingProject && rule == WhileLoading::Ignored);
}

ui::Handler frmTarnell::Command(void (frmTarnell::*handler)(), WhileLoading rule) {
  return [this, handler, rule] {
    if (!CommandIgnored(rule)) (this->*handler)();
  };
}

void frmTarnell::KeepMenuDesign() {
  ui::MenuItem* items[] = {&mnuFile,     &mnuNew,      &mnuOpen,         &mnuSave,       &mnuFileSep1,
                           &mnuMake,     &mnuRun,      &mnuProjectList(0), &mnuExit,     &mnuToolS,
                           &mnuNavigator, &mnuCutter,  &mnuToolSep1,     &mnuFolder,     &mnuOption,
                           &mnuAutoOpen, &mnuOptionSep3, &mnuSetVel,     &mnuEditor,     &mnuOptionSep1,
                           &mnuLanguage, &mnuLangList(0), &mnuHelp,      &mnuReference,  &mnuDownload,
                           &mnuForum,    &mnuHelpSep1, &mnuFeedback,     &mnuAbout};
  m_MenuDesign.clear();
  for (ui::MenuItem* item : items) m_MenuDesign.push_back({item, item->Caption(), item->Checked(), item->Enabled()});
}

void frmTarnell::RestoreMenuDesign() {
  while (mnuProjectList.UBound() > 0) mnuProjectList.Unload(mnuProjectList.UBound());
  while (mnuLangList.UBound() > 0) mnuLangList.Unload(mnuLangList.UBound());
  for (const MenuDesign& d : m_MenuDesign) {
    if (d.item->Caption() != d.caption) d.item->SetCaption(d.caption);
    if (d.item->Checked() != d.checked) d.item->SetChecked(d.checked);
    if (d.item->Enabled() != d.enabled) d.item->SetEnabled(d.enabled);
  }
}

void frmTarnell::mnuExit_Click() { Unload(); }

// ---------------------------------------------------------------- life

void frmTarnell::Form_Load() {
  m_Activated = false;
  m_Closing = false;
  // A window loaded again starts from the designed menus.
  RestoreMenuDesign();

  HWND self = hWnd();
  int width = kClientWidth + (Width() - ScaleWidth());
  int height = Height();
  int top = (GetSystemMetrics(SM_CYSCREEN) - height - kTaskBarAllowance) / 2;
  int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  Move(left, top, width, height);
  SetWindowIcons(self, "AAA", false);

  LoadLanguageItems();
  picTabs.ForEach([](ui::PictureBox& panel) { panel.SetTop(kPanelTop); });
  CreateTabStrip();
  SetCaptions();
  EmbedPages();
  UpdateProjectList();
  AttachTabStrip();
}

void frmTarnell::Form_Activate() {
  if (m_Activated) return;
  m_Activated = true;
  if (ReadIni(ConfigIni(), "General", "NavigatorShow", "1") == "1") mnuNavigator_Click();
  if (ReadIni(ConfigIni(), "General", "ReOpenLast") == "1") {
    mnuAutoOpen.SetChecked(true);
    if (!m_FirstRecentProject.empty()) {
      OpenProject(EntryFolder(m_FirstRecentProject) + "\\pelto.ini");
    }
  }
}

void frmTarnell::Form_Resize() {
  // A minimised window has no size to follow; restoring it sizes all again.
  if (State() == ui::WindowState::Minimized) return;
  if (m_hTabStrip) {
    int right = Width() - 10;
    int bottom = Height() - 51;
    if (right > 6 && bottom > 5)
      SetWindowPos(m_hTabStrip, nullptr, 6, 5, right - 6, bottom - 5, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  int width = ScaleWidth() - 18;
  int height = ScaleHeight() - 36;
  picTabs.ForEach([&](ui::PictureBox& panel) {
    if (width >= 0) panel.SetWidth(width);
    if (height >= 0) panel.SetHeight(height);
  });
}

void frmTarnell::Form_Unload(int& cancel) {
  if (ConfirmSave("")) {
    cancel = 1;
    return;
  }
  if (gLoadingProject) {
    // Project loading closes the window once it has finished.
    cancel = 1;
    gExitRequested = true;
    return;
  }
  gExitRequested = false;
  // From here on no command runs on the window.
  m_Closing = true;

  if (gNavigatorShown) {
    // The navigator records that it was closed; let that land first, then
    // record that it is to open again at the next start.
    tools::NavigatorForm().Unload();
    ui::DoEvents();
    WriteIni(ConfigIni(), "General", "NavigatorShow", "1");
  }
  if (gCutterShown) tools::CutterForm().Unload();

  // The work folder lives as long as the main window.
  if (!gTempFolder.empty()) {
    gFileSystem.RemoveFiles(gTempFolder, false);
    gFileSystem.RemoveFolder(gTempFolder, false);
  }
  ReleasePages();
  RemoveTabStrip();
}

void frmTarnell::UnloadMainWindow() {
  // Queued, not run on the spot: the close happens when pending messages
  // next run (the load's own last message-pump step), once every page has
  // been loaded and saved.
  if (HWND self = HwndIfLoaded()) PostMessageA(self, WM_CLOSE, 0, 0);
}

void frmTarnell::EnableProjectCommands() {
  picTabs(0).SetEnabled(true);
  mnuSave.SetEnabled(true);
  mnuMake.SetEnabled(true);
  mnuRun.SetEnabled(true);
}

void frmTarnell::SetFocus() {
  HWND self = HwndIfLoaded();
  if (!self) return;
  SetForegroundWindow(self);
  SetActiveWindow(self);
  ::SetFocus(self);
}

// ---------------------------------------------------------------- tool windows

void frmTarnell::mnuNavigator_Click() {
  if (m_Closing) return;
  if (gNavigatorShown) {
    if (HWND h = tools::NavigatorForm().HwndIfLoaded()) SendMessageA(h, WM_SYSCOMMAND, SC_RESTORE, 0);
    return;
  }
  tools::NavigatorForm().Show();
  gNavigatorShown = true;
}

void frmTarnell::mnuCutter_Click() {
  if (m_Closing) return;
  if (gCutterShown) {
    if (HWND h = tools::CutterForm().HwndIfLoaded()) SendMessageA(h, WM_SYSCOMMAND, SC_RESTORE, 0);
    return;
  }
  tools::CutterForm().Show();
  gCutterShown = true;
}

}  // namespace mainwindow
