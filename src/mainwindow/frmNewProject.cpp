#include "mainwindow/frmNewProject.h"

#include <exception>
#include <optional>
#include <vector>

#include "core/default_skin.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/program.h"
#include "core/project_loader.h"
#include "core/zip.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr int kClientWidth = 454;
constexpr int kClientHeight = 163;
constexpr char kDesignedDefaultTemplate[] = "Velmora 2.5 Default Skin (Recommended)";
// LastTemplates' word for the default template, in any language.
constexpr char kDefaultTemplateToken[] = "Default_Skin";
constexpr char kTemplateSeparator[] = "$;$";
constexpr char kSkinFilter[] = "Velmora 2 Skin Files (*.zqv)|*.zqv";
constexpr char kDefaultName[] = "New Skin";
// The proposed name counts up to "New Skin 10" at most.
constexpr int kMaxNameCount = 10;
// Templates listed before the default one, at most.
constexpr int kMaxListedTemplates = 6;
// A new project's folder name counts on this far at most while taken.
constexpr int kMaxFolderCount = 999;

std::string ProjectsFolder() { return ProgramFolder() + "\\Projects"; }

// The folder name, in Projects\, of the first project called name (without
// regard to case).
std::optional<std::string> ProjectNamed(const std::string& name) {
  const std::string projects = ProjectsFolder();
  for (const std::string& folder : gFileSystem.SubFolderNames(projects)) {
    if (EqualsNoCase(ReadIni(projects + "\\" + folder + "\\pelto.ini", "General", "Name"), name)) return folder;
  }
  return std::nullopt;
}

// base, or base followed by 1, 2, ... when a folder of that name is in
// Projects\ already; none when base is a device's name or every name up to
// the last count is taken.
std::optional<std::string> FreeFolderName(const std::string& base) {
  const std::string projects = ProjectsFolder();
  for (int n = 0; n <= kMaxFolderCount; ++n) {
    const std::string name = n == 0 ? base : base + std::to_string(n);
    if (IsDeviceName(name)) continue;
    if (!gFileSystem.FolderExists(projects + "\\" + name) && !gFileSystem.FileExists(projects + "\\" + name))
      return name;
  }
  return std::nullopt;
}

// A folder of Temp\ for moving something out of the way: prefix, counted on
// while taken.
std::string FreeTempName(const std::string& prefix) {
  std::string path = gTempFolder + "\\" + prefix;
  for (int n = 1; gFileSystem.FolderExists(path) || gFileSystem.FileExists(path); ++n)
    path = gTempFolder + "\\" + prefix + std::to_string(n);
  return path;
}

// The folder inside work that holds pelto.ini: work itself or the first of
// its sub-folders that does; "" when neither does.
std::string SkinFolderIn(const std::string& work) {
  if (gFileSystem.FileExists(work + "\\pelto.ini")) return work;
  for (const std::string& sub : gFileSystem.SubFolderNames(work)) {
    if (gFileSystem.FileExists(work + "\\" + sub + "\\pelto.ini")) return work + "\\" + sub;
  }
  return {};
}

}  // namespace

frmNewProject::frmNewProject() : ui::Form("New Project", kClientWidth, kClientHeight, ui::FormStyle::FixedDialog) {
  KeyPreview = true;
}

frmNewProject& NewProjectForm() {
  static frmNewProject form;
  return form;
}

void frmNewProject::Bind() {
  cmdBrowse.Click = [this] { cmdBrowse_Click(); };
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmNewProject::Form_Load() {
  m_DefaultTemplate = kDesignedDefaultTemplate;
  if (!gLanguageFile.empty()) SetCaptions();

  // Propose a name that no project in Projects\ has yet.
  std::string candidate = kDefaultName;
  if (gFileSystem.FolderExists(ProjectsFolder())) {
    for (int n = 1; n <= kMaxNameCount; ++n) {
      if (!ProjectNamed(candidate)) break;
      candidate = std::string(kDefaultName) + " " + std::to_string(n);
    }
  }
  txtSkinName.SetText(candidate);

  FillTemplates();
}

void frmNewProject::SetCaptions() {
  SetCaption(GetLangString("New_Project"));
  lblSkinName.SetCaption(GetLangString("New_Skin_Name"));
  lblTemplate.SetCaption(GetLangString("Use_Template"));
  cmdBrowse.SetCaption(gTextBrowse);
  cmdOK.SetCaption(GetLangString("OK"));
  cmdCancel.SetCaption(GetLangString("Cancel"));
  // Without a label the default template could not be chosen at all.
  const std::string label = GetLangString("Default_Skin");
  if (!label.empty()) m_DefaultTemplate = label;
}

void frmNewProject::FillTemplates() {
  const std::string last = ReadIni(ConfigIni(), "General", "LastTemplates");
  std::vector<std::string> entries;
  if (!last.empty()) {
    entries = Split(last, kTemplateSeparator);
    // The token stands for the default template only as a whole entry: a
    // file whose path holds it is a file like any other.
    for (std::string& entry : entries)
      if (EqualsNoCase(entry, kDefaultTemplateToken)) entry = m_DefaultTemplate;
    std::vector<std::string> listed;
    for (const std::string& entry : entries) {
      if (entry == m_DefaultTemplate || !gFileSystem.FileExists(entry)) continue;
      bool already = false;
      for (const std::string& l : listed) already = already || EqualsNoCase(l, entry);
      if (already) continue;
      listed.push_back(entry);
      cboTemplate.AddItem(entry);
      if (static_cast<int>(listed.size()) == kMaxListedTemplates) break;
    }
  }
  cboTemplate.AddItem(m_DefaultTemplate);

  // The template used last is proposed again, when it is still listed.
  if (!entries.empty()) {
    for (int i = 0; i < cboTemplate.ListCount(); ++i) {
      if (cboTemplate.List(i) == entries.front()) {
        cboTemplate.SetText(cboTemplate.List(i));
        break;
      }
    }
  }
  if (cboTemplate.Text().empty()) cboTemplate.SetText(m_DefaultTemplate);
}

void frmNewProject::Form_Activate() { txtSkinName.SelectAll(); }

void frmNewProject::Form_KeyDown(int& keyCode, int) {
  if (keyCode == VK_RETURN) {
    keyCode = 0;
    cmdOK_Click();
  } else if (keyCode == VK_ESCAPE) {
    keyCode = 0;
    cmdCancel_Click();
  }
}

void frmNewProject::Form_Unload(int&) {}

void frmNewProject::cmdBrowse_Click() {
  const std::string path = OpenFileDialog(gLastImportDir, kSkinFilter, HwndIfLoaded());
  if (path.empty()) return;
  if (path.find('\\') != std::string::npos) {
    gLastImportDir = FolderOf(path);
    WriteIni(ConfigIni(), "General", "LastImportDir", gLastImportDir);
  }
  cboTemplate.SetText(path);
}

void frmNewProject::cmdCancel_Click() { Unload(); }

void frmNewProject::cmdOK_Click() {
  const HWND self = HwndIfLoaded();
  // The name is kept as typed; one that reads back empty or blank (blanks
  // only, a pair of quotes around nothing else) would leave a project that
  // could never be opened again.
  const std::string name = txtSkinName.Text();
  // A name no project can take is refused, and the user is back in its box.
  auto refuseName = [this, self] {
    ShowMessage(LangText("No_Name", "Please enter new skin name!"), MB_OK, self);
    ui::DoEvents();
    txtSkinName.SetFocus();
  };
  if (ReadsBackBlank(name)) {
    refuseName();
    return;
  }
  const std::string chosen = cboTemplate.Text();
  if (chosen.empty()) {
    ShowMessage(LangText("No_Template", "Please enter the file path of skin template!"), MB_OK, self);
    ui::DoEvents();
    cboTemplate.SetFocus();
    return;
  }
  const std::string noSkin = LangText("No_Skin", "Cannot find specified skin template!");
  if (!gFileSystem.FileExists(chosen) && !EqualsNoCase(chosen, m_DefaultTemplate)) {
    ShowMessage(noSkin, MB_OK, self);
    ui::DoEvents();
    cboTemplate.SetFocus();
    cboTemplate.SetSelection(0, static_cast<int>(chosen.size()));
    return;
  }

  const std::string projects = ProjectsFolder();
  if (!gFileSystem.FolderExists(projects)) gFileSystem.CreateFolder(projects);

  // A project of that name is replaced in its own folder, once the user
  // agrees.
  std::string folderName;
  const std::optional<std::string> existing = ProjectNamed(name);
  if (existing) {
    const std::string question =
        LangText("Confirm_Replace", "Skin project \"$name\" already exists, do you want to replace it?");
    if (ShowMessage(ReplaceAll(question, "$name", name), MB_OKCANCEL, self) != IDOK) return;
    folderName = *existing;
  } else {
    const std::optional<std::string> free = FreeFolderName(SafeFileName(name));
    if (!free) {
      // A device's name, or one taken all the way: no folder can hold it.
      refuseName();
      return;
    }
    folderName = *free;
  }

  std::string templateFile = chosen;
  if (chosen == m_DefaultTemplate) {
    ExtractDefaultSkin();
    templateFile = DefaultSkinFile();
    ui::DoEvents();
  }
  if (!gFileSystem.FileExists(templateFile)) {
    ShowMessage(noSkin, MB_OK, self);
    return;
  }

  ui::SetMousePointer(ui::MousePointer::Hourglass);
  const bool unpacked = UnpackTemplate(templateFile, folderName, existing.has_value());
  // The default skin is extracted afresh for every new project.
  if (templateFile == DefaultSkinFile()) gFileSystem.RemoveFile(templateFile, false);
  ui::SetMousePointer(ui::MousePointer::Default);
  if (!unpacked) {
    ShowMessage(LangText("Cannot_Open", "Cannot open skin template!"), MB_OK, self);
    return;
  }

  // The chosen template heads the list, followed by the others in list
  // order; the default template is stored as the token, a path that holds
  // its label as it is.
  auto stored = [this](const std::string& entry) {
    return EqualsNoCase(entry, m_DefaultTemplate) ? std::string(kDefaultTemplateToken) : entry;
  };
  std::string templates = stored(chosen);
  for (int i = 0; i < cboTemplate.ListCount(); ++i) {
    if (!EqualsNoCase(cboTemplate.List(i), chosen)) templates += kTemplateSeparator + stored(cboTemplate.List(i));
  }
  WriteIni(ConfigIni(), "General", "LastTemplates", templates);

  const std::string projectFolder = projects + "\\" + folderName;
  const std::string skinIni = projectFolder + "\\pelto.ini";
  WriteIni(skinIni, "General", "Name", name);
  WriteIni(skinIni, "General", "Version", "1.0.0");
  WriteIni(skinIni, "General", "Author", "");
  WriteIni(skinIni, "General", "Email", "");
  WriteIni(skinIni, "General", "Website", "");

  gProjectFolder = projectFolder;
  gProjectName = name;
  gProjectFolderName = folderName;
  gSkinIni = skinIni;
  MainForm().SetProjectCaption();

  Unload();
  LoadProject();
}

bool frmNewProject::UnpackTemplate(const std::string& templateFile, const std::string& folderName, bool replacing) {
  if (!gFileSystem.FolderExists(gTempFolder)) gFileSystem.CreateFolder(gTempFolder);
  const std::string work = gTempFolder + "\\" + folderName;
  if (gFileSystem.FolderExists(work)) gFileSystem.RemoveFolder(work, true);
  if (!gFileSystem.CreateFolder(work)) return false;

  try {
    clsUnzip unzip;
    unzip.SetZipFileName(templateFile);
    unzip.SetExtractDir(work);
    // The skin ends up in Projects\: its paths must fit there.
    unzip.SetFinalDir(ProjectsFolder() + "\\" + folderName);
    unzip.SetHonorDirectories(true);
    // Any failure code, also one for entries skipped (a method Tarnell
    // cannot unpack, a name refused), would leave the project with files
    // missing.
    if (unzip.Unzip() != 0) {
      gFileSystem.RemoveFolder(work, true);
      return false;
    }
  } catch (const std::exception&) {
    gFileSystem.RemoveFolder(work, true);
    return false;
  }

  const std::string skin = SkinFolderIn(work);
  if (skin.empty()) {
    gFileSystem.RemoveFolder(work, true);
    return false;
  }

  // The project being replaced steps aside until the new one is in place,
  // and comes back when it cannot be.
  const std::string projectFolder = ProjectsFolder() + "\\" + folderName;
  std::string aside;
  if (replacing) {
    aside = FreeTempName(folderName + ".replaced");
    if (!gFileSystem.MoveFolderTo(projectFolder, aside)) {
      gFileSystem.RemoveFolder(work, true);
      return false;
    }
  }
  if (!gFileSystem.MoveFolderTo(skin, projectFolder)) {
    if (replacing) gFileSystem.MoveFolderTo(aside, projectFolder);
    gFileSystem.RemoveFolder(work, true);
    return false;
  }
  if (replacing) gFileSystem.RemoveFolder(aside, true);
  if (skin != work) gFileSystem.RemoveFolder(work, true);
  return true;
}

}  // namespace mainwindow
