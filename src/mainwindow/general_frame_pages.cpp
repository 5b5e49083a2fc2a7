// The General page (panel 0, section [General]) and the Frame page (panel 1,
// section [Global]): loading, saving, the Browse buttons and the previews
// that open their image in the image editor.
#include <windows.h>

#include <commctrl.h>

#include "core/files.h"
#include "core/globals.h"
#include "core/image_keys.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/paths.h"
#include "mainwindow/frmPreview.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr char kGeneralFilter[] =
    "Image Files|*.bmp;*.gif;*.jpg;*.png|Bitmaps (*.bmp)|*.bmp|GIF Images (*.gif)|*.gif|"
    "JPEG Images (*.jpg)|*.jpg|PNG Images (*.png)|*.png";
// The Frame page's Browse buttons take the program's image filter.
constexpr const char* kFrameFilter = kImageFilter;

// The text boxes of [General] besides the name, with their keys in the
// order they are read and written.
struct GeneralRow {
  ui::TextBox frmTarnell::*box;
  const char* key;
};
constexpr GeneralRow kGeneralRows[] = {
    {&frmTarnell::txtVersion, "Version"}, {&frmTarnell::txtAuthor, "Author"},
    {&frmTarnell::txtEmail, "Email"},     {&frmTarnell::txtWebsite, "Website"},
    {&frmTarnell::txtLicense, "License"},
};

// True when a [General] box still holds the text its key gives now: such a
// text stays as it stands, since the box holds it in the ANSI code page,
// which may have lost letters of a Unicode pelto.ini.
bool TextLeftAsLoaded(const char* key, const std::string& text) {
  return !text.empty() && text == ReadIni(gSkinIni, "General", key, "");
}

// The extension of a file name with its dot ("" when it has none).
std::string ExtensionOf(const std::string& path) {
  std::string name = NameOf(path);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

// path without the extension of its file name.
std::string WithoutExtension(const std::string& path) {
  return path.substr(0, path.size() - ExtensionOf(path).size());
}

}  // namespace

void frmTarnell::BindGeneralFramePages() {
  for (ui::TextBox* box : {&txtName, &txtVersion, &txtAuthor, &txtEmail, &txtWebsite, &txtLicense, &txtPreview,
                           &txtFrameWidth, &txtFrameRadius, &txtFrameCorner, &txtFrameImage, &txtLoading})
    box->Change = [this] { GeneralFrameText_Change(); };
  cmdPreviewBrowse.Click = [this] { cmdPreviewBrowse_Click(); };
  cmdCreatePreview.Click = [this] { cmdCreatePreview_Click(); };
  cmdFrameBrowse.Click = [this] { cmdFrameBrowse_Click(); };
  cmdLoadingBrowse.Click = [this] { cmdLoadingBrowse_Click(); };
  picPreview.DblClick = [this] { picPreview_DblClick(); };
  picFrame.DblClick = [this] { picFrame_DblClick(); };
  picLoading.DblClick = [this] { picLoading_DblClick(); };
}

// ---------------------------------------------------------------- handlers

void frmTarnell::GeneralFrameText_Change() { gModified = true; }

void frmTarnell::cmdPreviewBrowse_Click() { BrowseImage(txtPreview, picPreview, kGeneralFilter, HwndIfLoaded(), false); }

void frmTarnell::cmdCreatePreview_Click() {
  // The capture is stored into the open project.
  if (gProjectName.empty()) return;
  // The main window takes no input while the dialog waits for the browser.
  frmPreview dialog;
  dialog.ShowModal(this);
}

void frmTarnell::cmdFrameBrowse_Click() { BrowseImage(txtFrameImage, picFrame, kFrameFilter, HwndIfLoaded(), false); }

void frmTarnell::cmdLoadingBrowse_Click() { BrowseImage(txtLoading, picLoading, kFrameFilter, HwndIfLoaded(), false); }

void frmTarnell::picPreview_DblClick() { EditImage(txtPreview.Text()); }

void frmTarnell::picFrame_DblClick() { EditImage(txtFrameImage.Text()); }

void frmTarnell::picLoading_DblClick() { EditImage(txtLoading.Text()); }

// ---------------------------------------------------------------- General

void frmTarnell::LoadGeneral() {
  txtName.SetText(gProjectName);
  for (const GeneralRow& row : kGeneralRows) (this->*row.box).SetText(ReadIni(gSkinIni, "General", row.key, ""));
  txtPreview.SetText(ReadIni(gSkinIni, "General", "Preview", ""));
  pages::ShowLoadedImage(picPreview, txtPreview.Text());

  // The General page is the one to show after a load.
  for (int i = 1; i < picTabs.Count(); ++i) picTabs(i).SetVisible(false);
  ui::DoEvents();
  picTabs(0).SetVisible(true);
  if (m_hTabStrip) SendMessageA(m_hTabStrip, TCM_SETCURSEL, 0, 0);
}

void frmTarnell::SaveGeneral() {
  SaveName();
  for (const GeneralRow& row : kGeneralRows) {
    std::string text = (this->*row.box).Text();
    if (TextLeftAsLoaded(row.key, text)) continue;
    WriteIni(gSkinIni, "General", row.key, text.empty() ? std::nullopt : std::optional<std::string>(text));
  }
  SavePreview();
}

void frmTarnell::SaveName() {
  std::string name = txtName.Text();
  if (!ReadsBackBlank(name)) {
    if (!TextLeftAsLoaded("Name", name)) WriteIni(gSkinIni, "General", "Name", name);
    return;
  }
  // Without a name (blanks, or a pair of quotes that reads back as none)
  // the project could not be opened again: the name saved last stays, and
  // the save itself says so, not its rehearsal.
  if (RehearsingPlan(gSkinIni)) return;
  std::string kept = ReadIni(gSkinIni, "General", "Name", "");
  if (kept.empty()) {
    kept = gProjectName;
    WriteIni(gSkinIni, "General", "Name", kept);
  }
  txtName.SetText(kept);
  ShowMessage("The skin name cannot be empty. The name \"" + kept + "\" is kept.", MB_OK, HwndIfLoaded());
}

void frmTarnell::SavePreview() {
  const std::string text = txtPreview.Text();
  if (text.empty()) {
    WriteIni(gSkinIni, "General", "Preview", std::nullopt);
    return;
  }
  // The path as the key will read it back; any other text as typed.
  const std::string path = ReadBack(text);
  if (LeftAsLoaded(gSkinIni, "General", "Preview", path)) return;
  if (!IsAbsolutePath(path)) {
    WriteIni(gSkinIni, "General", "Preview", text);
    return;
  }
  // A picture from outside the project is copied into it: over the stored
  // preview's name with the new picture's extension, or as "Preview" with
  // that extension while none is stored inside the project or another key
  // names that file.
  std::string extension = ExtensionOf(path);
  std::string stored = ReadIni(gSkinIni, "General", "Preview", "");
  ImageKeyResult result = CopyImageIn(gSkinIni, "General", "Preview", path, "Preview" + extension, "",
                                      stored.empty() ? "" : WithoutExtension(stored) + extension);
  KeepUncopied(result, path);
  ShowCopiedName(txtPreview, result);
}

// ---------------------------------------------------------------- Frame

void frmTarnell::LoadFrame() {
  txtFrameWidth.SetText(ReadIni(gSkinIni, "Global", "CustomFrame.Width"));
  txtFrameRadius.SetText(ReadIni(gSkinIni, "Global", "CustomFrame.CornerRadius"));
  txtFrameCorner.SetText(ReadIni(gSkinIni, "Global", "CustomFrame.CornerSize"));
  txtFrameImage.SetText(ReadIni(gSkinIni, "Global", "CustomFrame.Image"));
  pages::ShowLoadedImage(picFrame, txtFrameImage.Text());
  txtLoading.SetText(ReadIni(gSkinIni, "Global", "AnimateLoading"));
  pages::ShowLoadedImage(picLoading, txtLoading.Text());
}

void frmTarnell::SaveFrame() {
  // The numbers are stored as typed, an empty box as an empty value.
  WriteIni(gSkinIni, "Global", "CustomFrame.Width", txtFrameWidth.Text());
  WriteIni(gSkinIni, "Global", "CustomFrame.CornerRadius", txtFrameRadius.Text());
  WriteIni(gSkinIni, "Global", "CustomFrame.CornerSize", txtFrameCorner.Text());
  SavePageImage(txtFrameImage, "Global", "CustomFrame.Image");
  SavePageImage(txtLoading, "Global", "AnimateLoading");
}

void frmTarnell::SavePageImage(ui::TextBox& box, const std::string& section, const std::string& key,
                               const std::string& spareFile) {
  ImageKeyResult result = StoreImageKey(gSkinIni, section, key, box.Text(), DefaultImageFolder(section, key),
                                        DefaultImageFile(section, key), spareFile);
  KeepUncopied(result, box.Text());
  ShowCopiedName(box, result);
}

}  // namespace mainwindow
