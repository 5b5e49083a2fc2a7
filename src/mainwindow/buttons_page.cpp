// The Buttons page (panel 2): the toolbar, tab-bar and window buttons of
// [Icons]. Selecting a tile fills the editors from the icon catalogue's
// tables; every edit goes straight back into the tables (the Save command
// writes them through SaveIcons). The selected button is the tile with the
// highlight colour: each edit first finds it, since the Icons page sets the
// shared gIconGroup and gIconIndex as well.
#include "core/files.h"
#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/paths.h"
#include "mainwindow/frmTarnell.h"
#include "mainwindow/icon_pages.h"

namespace mainwindow {

using namespace core;
using namespace icon_pages;

namespace {

// Blanks at both ends removed.
std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void frmTarnell::BindButtonsPage() {
  picBigIcon.ForEach([this](ui::PictureBox& tile) {
    tile.MouseDown = [this, i = tile.Index()](int button, int shift, int x, int y) {
      picBigIcon_MouseDown(i, button, shift, static_cast<float>(x), static_cast<float>(y));
    };
  });
  picTabIcon.ForEach([this](ui::PictureBox& tile) {
    tile.MouseDown = [this, i = tile.Index()](int button, int shift, int x, int y) {
      picTabIcon_MouseDown(i, button, shift, static_cast<float>(x), static_cast<float>(y));
    };
  });
  picWinIcon.ForEach([this](ui::PictureBox& tile) {
    tile.MouseDown = [this, i = tile.Index()](int button, int shift, int x, int y) {
      picWinIcon_MouseDown(i, button, shift, static_cast<float>(x), static_cast<float>(y));
    };
  });
  // Nothing reads the key name back.
  txtButtonName.SetBackColor(ui::kSysButtonFace);
  txtNormal.Change = [this] { txtNormal_Change(); };
  txtHover.Change = [this] { txtHover_Change(); };
  txtDisable.Change = [this] { txtDisable_Change(); };
  txtPressed.Change = [this] { txtPressed_Change(); };
  cmdNormal.Click = [this] { cmdNormal_Click(); };
  cmdHover.Click = [this] { cmdHover_Click(); };
  cmdDisable.Click = [this] { cmdDisable_Click(); };
  cmdPressed.Click = [this] { cmdPressed_Click(); };
  picNormal.DblClick = [this] { picNormal_DblClick(); };
  picHover.DblClick = [this] { picHover_DblClick(); };
  picDisable.DblClick = [this] { picDisable_DblClick(); };
  picPressed.DblClick = [this] { picPressed_DblClick(); };
  txtLeftOffset.Change = [this] { txtLeftOffset_Change(); };
  txtTopOffset.Change = [this] { txtTopOffset_Change(); };
  txtTopPadding.Change = [this] { txtTopPadding_Change(); };
  txtRightPadding.Change = [this] { txtRightPadding_Change(); };
  txtBottomPadding.Change = [this] { txtBottomPadding_Change(); };
  txtLeftPadding.Change = [this] { txtLeftPadding_Change(); };
  chkDrawBG.Click = [this] { chkDrawBG_Click(); };
  cmdReplaceButton.Click = [this] { cmdReplaceButton_Click(); };
}

ui::ControlArray<ui::PictureBox>* frmTarnell::IconTiles(int group) {
  switch (group) {
    case kToolbarGroup: return &picBigIcon;
    case kTabButtonGroup: return &picTabIcon;
    case kWinButtonGroup: return &picWinIcon;
    case kSmallIconGroup: return &picSmallIcon;
    case kMiscIconGroup: return &picMiscIcon;
    default: return nullptr;
  }
}

ui::PictureBox* frmTarnell::IconTile(int group, int index) {
  ui::ControlArray<ui::PictureBox>* tiles = IconTiles(group);
  if (!tiles || !tiles->Exists(index)) return nullptr;
  return &(*tiles)(index);
}

// ---------------------------------------------------------------- selection

void frmTarnell::picBigIcon_MouseDown(int index, int, int, float, float) { SelectButton(kToolbarGroup, index); }

void frmTarnell::picTabIcon_MouseDown(int index, int, int, float, float) { SelectButton(kTabButtonGroup, index); }

void frmTarnell::picWinIcon_MouseDown(int index, int, int, float, float) { SelectButton(kWinButtonGroup, index); }

void frmTarnell::SelectButton(int group, int index) {
  const ButtonTables t = ButtonGroupTables(group);
  ui::PictureBox* tile = IconTile(group, index);
  if (!t.Has(index) || !tile) return;

  gFillingControls = true;
  clearButtonHighlight();
  gIconGroup = group;
  gIconIndex = index;
  ShowSelectedTile(*tile, t.normal[index]);
  txtButtonName.SetText(t.names[index]);

  struct StateEditor {
    ButtonState state;
    ui::TextBox& box;
    ui::PictureBox& preview;
  };
  for (const StateEditor& e : {StateEditor{ButtonState::Normal, txtNormal, picNormal},
                               StateEditor{ButtonState::Hover, txtHover, picHover},
                               StateEditor{ButtonState::Disable, txtDisable, picDisable},
                               StateEditor{ButtonState::Pressed, txtPressed, picPressed}}) {
    const std::string& path = t.State(e.state)[index];
    e.box.SetText(path);
    DrawCentred(e.preview, path);
  }

  // A field the text lacks leaves its box as it was.
  const std::string& offset = t.offset[index];
  if (offset.empty()) {
    txtLeftOffset.SetText("0");
    txtTopOffset.SetText("0");
  } else {
    std::vector<std::string> fields = Split(offset, " ");
    ui::TextBox* boxes[] = {&txtLeftOffset, &txtTopOffset};
    for (size_t f = 0; f < std::size(boxes) && f < fields.size(); ++f) boxes[f]->SetText(fields[f]);
  }
  const std::string& padding = t.padding[index];
  ui::TextBox* paddingBoxes[] = {&txtTopPadding, &txtRightPadding, &txtBottomPadding, &txtLeftPadding};
  if (padding.empty()) {
    for (ui::TextBox* box : paddingBoxes) box->SetText("0");
  } else {
    std::vector<std::string> fields = Split(padding, " ");
    for (size_t f = 0; f < std::size(paddingBoxes) && f < fields.size(); ++f) paddingBoxes[f]->SetText(fields[f]);
  }

  // The stored flag stays as it is, read as every other flag (a text that is
  // no state leaves the box as it was); buttons without one show the box
  // clear and disabled.
  if (index < t.keysWithDrawBG) {
    pages::SetCheckFromText(chkDrawBG, t.drawBG[index]);
    chkDrawBG.SetEnabled(true);
  } else {
    chkDrawBG.SetValue(ui::CheckBox::kUnchecked);
    chkDrawBG.SetEnabled(false);
  }
  gFillingControls = false;
}

void frmTarnell::clearButtonHighlight() {
  for (int group : {kToolbarGroup, kTabButtonGroup, kWinButtonGroup}) {
    const ButtonTables t = ButtonGroupTables(group);
    for (int i = 0; i < t.Count(); ++i) {
      ui::PictureBox* tile = IconTile(group, i);
      if (tile && IsSelected(*tile)) ShowPlainTile(*tile, t.normal[i]);
    }
  }
}

void frmTarnell::FindSelectedButton() {
  for (int group : {kToolbarGroup, kTabButtonGroup, kWinButtonGroup}) {
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

void frmTarnell::UpdateTextBox() {
  FindSelectedButton();
  const ButtonTables t = ButtonGroupTables(gIconGroup);
  if (t.Has(gIconIndex)) {
    // Raised as typing would be: each box stores what it shows.
    txtNormal.SetText(t.normal[gIconIndex]);
    txtHover.SetText(t.hover[gIconIndex]);
    txtDisable.SetText(t.disable[gIconIndex]);
    txtPressed.SetText(t.pressed[gIconIndex]);
  }
  FindSelectedIcon();
  const IconTables icons = IconGroupTables(gIconGroup);
  if (icons.Has(gIconIndex)) txtSmallPath.SetText(icons.paths[gIconIndex]);
}

// ---------------------------------------------------------------- image paths

void frmTarnell::StoreButtonStateImage(ButtonState state, ui::TextBox& box) {
  if (gFillingControls) return;
  gModified = true;
  FindSelectedButton();
  const ButtonTables t = ButtonGroupTables(gIconGroup);
  if (!t.Has(gIconIndex)) return;
  std::string text = box.Text();
  t.State(state)[gIconIndex] = text;
  t.changed[gIconIndex] = true;
  // The Normal image is what the tile shows.
  if (state == ButtonState::Normal)
    if (ui::PictureBox* tile = IconTile(gIconGroup, gIconIndex)) ShowSelectedTile(*tile, GetFullPath(text));
}

void frmTarnell::txtNormal_Change() { StoreButtonStateImage(ButtonState::Normal, txtNormal); }
void frmTarnell::txtHover_Change() { StoreButtonStateImage(ButtonState::Hover, txtHover); }
void frmTarnell::txtDisable_Change() { StoreButtonStateImage(ButtonState::Disable, txtDisable); }
void frmTarnell::txtPressed_Change() { StoreButtonStateImage(ButtonState::Pressed, txtPressed); }

void frmTarnell::BrowseButtonStateImage(ui::TextBox& box, ui::PictureBox& preview) {
  std::string path = ChooseImage(HwndIfLoaded());
  if (path.empty()) return;
  // The box's change stores the path; the same path again stores nothing.
  box.SetText(path);
  DrawCentred(preview, GetFullPath(path));
}

void frmTarnell::cmdNormal_Click() { BrowseButtonStateImage(txtNormal, picNormal); }
void frmTarnell::cmdHover_Click() { BrowseButtonStateImage(txtHover, picHover); }
void frmTarnell::cmdDisable_Click() { BrowseButtonStateImage(txtDisable, picDisable); }
void frmTarnell::cmdPressed_Click() { BrowseButtonStateImage(txtPressed, picPressed); }

void frmTarnell::EditButtonStateImage(ButtonState state) {
  FindSelectedButton();
  const ButtonTables t = ButtonGroupTables(gIconGroup);
  if (t.Has(gIconIndex)) EditImage(t.State(state)[gIconIndex]);
}

void frmTarnell::picNormal_DblClick() { EditButtonStateImage(ButtonState::Normal); }
void frmTarnell::picHover_DblClick() { EditButtonStateImage(ButtonState::Hover); }
void frmTarnell::picDisable_DblClick() { EditButtonStateImage(ButtonState::Disable); }
void frmTarnell::picPressed_DblClick() { EditButtonStateImage(ButtonState::Pressed); }

// ---------------------------------------------------------------- offset, padding, flag

void frmTarnell::OffsetBoxChanged(ui::TextBox& box) {
  if (gFillingControls) return;
  gModified = true;
  // An emptied box, or one of blanks only, shows 0 at once; that change
  // stores it too.
  if (Trimmed(box.Text()).empty()) box.SetText("0");
  UpdateButtonOffset();
}

void frmTarnell::PaddingBoxChanged(ui::TextBox& box) {
  if (gFillingControls) return;
  gModified = true;
  if (Trimmed(box.Text()).empty()) box.SetText("0");
  UpdateButtonPadding();
}

void frmTarnell::txtLeftOffset_Change() { OffsetBoxChanged(txtLeftOffset); }
void frmTarnell::txtTopOffset_Change() { OffsetBoxChanged(txtTopOffset); }
void frmTarnell::txtTopPadding_Change() { PaddingBoxChanged(txtTopPadding); }
void frmTarnell::txtRightPadding_Change() { PaddingBoxChanged(txtRightPadding); }
void frmTarnell::txtBottomPadding_Change() { PaddingBoxChanged(txtBottomPadding); }
void frmTarnell::txtLeftPadding_Change() { PaddingBoxChanged(txtLeftPadding); }

void frmTarnell::UpdateButtonOffset() {
  std::string v = Trim(txtLeftOffset.Text()) + " " + Trim(txtTopOffset.Text());
  if (v == "0 0") v.clear();
  FindSelectedButton();
  const ButtonTables t = ButtonGroupTables(gIconGroup);
  if (t.Has(gIconIndex)) t.offset[gIconIndex] = v;
}

void frmTarnell::UpdateButtonPadding() {
  std::string v = Trim(txtTopPadding.Text()) + " " + Trim(txtRightPadding.Text()) + " " +
                  Trim(txtBottomPadding.Text()) + " " + Trim(txtLeftPadding.Text());
  if (v == "0 0 0 0") v.clear();
  FindSelectedButton();
  const ButtonTables t = ButtonGroupTables(gIconGroup);
  if (t.Has(gIconIndex)) t.padding[gIconIndex] = v;
}

void frmTarnell::chkDrawBG_Click() {
  if (gFillingControls) return;
  gModified = true;
  FindSelectedButton();
  const ButtonTables t = ButtonGroupTables(gIconGroup);
  if (gIconIndex >= 0 && gIconIndex < t.keysWithDrawBG) t.drawBG[gIconIndex] = std::to_string(chkDrawBG.Value());
}

}  // namespace mainwindow
