// The Icons page (panel 3): the small tool-bar icons and the other icons of
// [Icons16], edited in the icon catalogue's tables; and the two replace
// commands (this page's and the Buttons page's), which fill in missing
// images from the browser's default skin. The selected icon is the tile
// with the highlight colour: each edit first finds it, since the Buttons
// page sets the shared gIconGroup and gIconIndex as well.
#include "core/default_skin.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/ini.h"
#include "core/paths.h"
#include "core/program.h"
#include "core/zip.h"
#include "mainwindow/frmTarnell.h"
#include "mainwindow/icon_pages.h"

namespace mainwindow {

using namespace core;
using namespace icon_pages;

namespace {

// Where the replace commands unpack the default skin, and its description
// inside: the archive holds the skin under a folder "default".
std::string DefaultSkinWorkFolder() { return ProgramFolder() + "\\Temp\\Default"; }
std::string DefaultSkinFolder() { return DefaultSkinWorkFolder() + "\\default"; }
std::string DefaultSkinIni() { return DefaultSkinFolder() + "\\pelto.ini"; }

bool ImageExists(const std::string& path) { return gFileSystem.FileExists(GetFullPath(path)); }

// The default skin's file for a key of section, or "" when the default
// skin names none or lacks the file.
std::string DefaultSkinImage(const std::string& section, const std::string& key) {
  std::string candidate = DefaultSkinFolder() + "\\" + ReadIni(DefaultSkinIni(), section, key, "");
  return gFileSystem.FileExists(candidate) ? candidate : std::string();
}

}  // namespace

void frmTarnell::BindIconsPage() {
  picSmallIcon.ForEach([this](ui::PictureBox& tile) {
    int i = tile.Index();
    tile.MouseDown = [this, i](int button, int shift, int x, int y) {
      picSmallIcon_MouseDown(i, button, shift, static_cast<float>(x), static_cast<float>(y));
    };
    tile.DblClick = [this, i] { picSmallIcon_DblClick(i); };
  });
  picMiscIcon.ForEach([this](ui::PictureBox& tile) {
    int i = tile.Index();
    tile.MouseDown = [this, i](int button, int shift, int x, int y) {
      picMiscIcon_MouseDown(i, button, shift, static_cast<float>(x), static_cast<float>(y));
    };
    tile.DblClick = [this, i] { picMiscIcon_DblClick(i); };
  });
  // Nothing reacts to the key name box.
  txtSmallButton.SetBackColor(ui::kSysButtonFace);
  txtSmallPath.Change = [this] { txtSmallPath_Change(); };
  cmdSmallBrowse.Click = [this] { cmdSmallBrowse_Click(); };
  cmdReplaceIcons.Click = [this] { cmdReplaceIcons_Click(); };
}

// ---------------------------------------------------------------- selection

void frmTarnell::picSmallIcon_MouseDown(int index, int, int, float, float) { SelectIcon(kSmallIconGroup, index); }

void frmTarnell::picMiscIcon_MouseDown(int index, int, int, float, float) { SelectIcon(kMiscIconGroup, index); }

void frmTarnell::SelectIcon(int group, int index) {
  const IconTables t = IconGroupTables(group);
  ui::PictureBox* tile = IconTile(group, index);
  if (!t.Has(index) || !tile) return;
  gFillingControls = true;
  clearSmallIconHighlight();
  gIconGroup = group;
  gIconIndex = index;
  ShowSelectedTile(*tile, t.paths[index]);
  txtSmallButton.SetText(t.names[index]);
  txtSmallPath.SetText(t.paths[index]);
  gFillingControls = false;
}

void frmTarnell::picSmallIcon_DblClick(int index) {
  const IconTables t = IconGroupTables(kSmallIconGroup);
  if (t.Has(index)) EditImage(t.paths[index]);
}

void frmTarnell::picMiscIcon_DblClick(int index) {
  const IconTables t = IconGroupTables(kMiscIconGroup);
  if (t.Has(index)) EditImage(t.paths[index]);
}

void frmTarnell::clearSmallIconHighlight() {
  for (int group : {kSmallIconGroup, kMiscIconGroup}) {
    const IconTables t = IconGroupTables(group);
    for (int i = 0; i < t.Count(); ++i) {
      ui::PictureBox* tile = IconTile(group, i);
      if (tile && IsSelected(*tile)) ShowPlainTile(*tile, t.paths[i]);
    }
  }
}

void frmTarnell::FindSelectedIcon() {
  for (int group : {kSmallIconGroup, kMiscIconGroup}) {
    for (int i = 0; i < IconGroupCount(group); ++i) {
      ui::PictureBox* tile = IconTile(group, i);
      if (tile && IsSelected(*tile)) {
        gIconGroup = group;
        gIconIndex = i;
        return;
      }
    }
  }
}

// ---------------------------------------------------------------- editing

void frmTarnell::SetIconPath(int group, int index, const std::string& path) {
  const IconTables t = IconGroupTables(group);
  if (!t.Has(index)) return;
  t.paths[index] = path;
  t.changed[index] = true;
  // Both entries of a misc pair are one key: they change together.
  if (group != kMiscIconGroup) return;
  int twin = MiscIconTwin(index);
  if (t.Has(twin)) {
    t.paths[twin] = path;
    t.changed[twin] = true;
  }
}

void frmTarnell::txtSmallPath_Change() {
  if (gFillingControls) return;
  gModified = true;
  FindSelectedIcon();
  // The tile keeps its look while the user types.
  if (IsIconGroup(gIconGroup)) SetIconPath(gIconGroup, gIconIndex, txtSmallPath.Text());
}

void frmTarnell::cmdSmallBrowse_Click() {
  std::string path = ChooseImage(HwndIfLoaded());
  if (path.empty()) return;
  txtSmallPath.SetText(path);
  FindSelectedIcon();
  const IconTables t = IconGroupTables(gIconGroup);
  if (!t.Has(gIconIndex)) return;
  if (t.paths[gIconIndex] != path) SetIconPath(gIconGroup, gIconIndex, path);
  if (ui::PictureBox* tile = IconTile(gIconGroup, gIconIndex)) ShowSelectedTile(*tile, GetFullPath(path));
  if (gIconGroup == kMiscIconGroup)
    if (ui::PictureBox* twin = IconTile(kMiscIconGroup, MiscIconTwin(gIconIndex))) ShowPlainTile(*twin, path);
}

// ---------------------------------------------------------------- default images

void frmTarnell::UnpackDefaultSkin() {
  const std::string archive = DefaultSkinFile();
  if (gFileSystem.FileExists(archive)) gFileSystem.RemoveFile(archive, false);
  ExtractDefaultSkin();
  if (!gFileSystem.FileExists(archive)) return;

  ui::SetMousePointer(ui::MousePointer::Hourglass);
  gFileSystem.CreateFolder(ProgramFolder() + "\\Temp");
  gFileSystem.CreateFolder(DefaultSkinWorkFolder());
  try {
    clsUnzip unzip;
    unzip.SetZipFileName(archive);
    unzip.SetExtractDir(DefaultSkinWorkFolder());
    unzip.SetHonorDirectories(true);
    // What was unpacked shows in whether default\pelto.ini is there.
    unzip.Unzip();
  } catch (const std::exception&) {
    ui::SetMousePointer(ui::MousePointer::Default);
    return;
  }
  gFileSystem.RemoveFile(archive, false);
  ui::SetMousePointer(ui::MousePointer::Default);
  ui::DoEvents();
}

void frmTarnell::ShowReplacedTile(int group, int index, const std::string& path) {
  ui::PictureBox* tile = IconTile(group, index);
  if (!tile) return;
  // The selection stays where it was: the page's edits find it by its
  // highlight.
  if (IsSelected(*tile))
    ShowSelectedTile(*tile, path);
  else
    ShowPlainTile(*tile, path);
}

void frmTarnell::cmdReplaceIcons_Click() {
  if (!gFileSystem.FileExists(DefaultSkinIni())) UnpackDefaultSkin();
  if (!gFileSystem.FileExists(DefaultSkinIni())) return;

  for (int group : {kSmallIconGroup, kMiscIconGroup}) {
    const IconTables t = IconGroupTables(group);
    for (int i = 0; i < t.Count(); ++i) {
      if (ImageExists(t.paths[i])) continue;
      std::string candidate = DefaultSkinImage("Icons16", t.names[i]);
      if (candidate.empty()) continue;
      t.paths[i] = candidate;
      t.changed[i] = true;
      gModified = true;
      ShowReplacedTile(group, i, candidate);
    }
  }
}

void frmTarnell::cmdReplaceButton_Click() {
  if (!gFileSystem.FileExists(DefaultSkinIni())) UnpackDefaultSkin();
  if (!gFileSystem.FileExists(DefaultSkinIni())) return;

  // Toolbar and tab-bar buttons whose normal image is missing; a tab-bar
  // button's hover image as well, when that one is missing too. Window
  // buttons are left as they are.
  for (int group : {kToolbarGroup, kTabButtonGroup}) {
    const ButtonTables t = ButtonGroupTables(group);
    for (int i = 0; i < t.Count(); ++i) {
      if (ImageExists(t.normal[i])) continue;
      std::string candidate = DefaultSkinImage("Icons", t.names[i]);
      if (!candidate.empty()) {
        t.normal[i] = candidate;
        t.changed[i] = true;
        gModified = true;
        ShowReplacedTile(group, i, candidate);
      }
      if (group != kTabButtonGroup || ImageExists(t.hover[i])) continue;
      std::string hover = DefaultSkinImage("Icons", t.names[i] + ".Hover");
      if (hover.empty()) continue;
      t.hover[i] = hover;
      t.changed[i] = true;
      gModified = true;
    }
  }
}

}  // namespace mainwindow
