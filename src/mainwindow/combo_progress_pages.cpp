// The Combo Box page (panel 8, section [ComboBox]): the normal and hover
// backgrounds of the browser's combo boxes and the two images of their
// drop-down button. The Progress page (panel 9, section [Progress]): the
// status bar's progress bar, its foreground and background images and the
// percentage text.
#include "core/colors.h"
#include "core/globals.h"
#include "core/image_keys.h"
#include "core/ini.h"
#include "core/paths.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr char kCombo[] = "ComboBox";
constexpr char kProgress[] = "Progress";

}  // namespace

pages::ImageEditorDesign frmTarnell::FilePathImageDesign(const std::string& stem) {
  // Only the marker's left and right sides cross the box.
  pages::ImageEditorDesign d = pages::TabImageLayout(stem, 38, {0, -2, 41, 41}, pages::MarkerAxis::Horizontal);
  d.preview.picName = "pic" + stem;
  d.txtImageName = "txt" + stem + "FilePath";
  return d;
}

void frmTarnell::BindComboProgressPages() {
  txtComboDropDownNormal.Change = [this] { txtComboDropDown_Change(); };
  txtComboDropDownHover.Change = [this] { txtComboDropDown_Change(); };
  cmdComboDropDownNormalBrowse.Click = [this] { cmdComboDropDownNormalBrowse_Click(); };
  cmdComboDropDownHoverBrowse.Click = [this] { cmdComboDropDownHoverBrowse_Click(); };
  picComboDropDownNormal.DblClick = [this] { picComboDropDownNormal_DblClick(); };
  picComboDropDownHover.DblClick = [this] { picComboDropDownHover_DblClick(); };
  chkProgressShowPercent.Click = [this] { chkProgressShowPercent_Click(); };

  for (pages::MarkedImageEditor* editor : {&ComboNormal, &ComboHover, &ProgressFG, &ProgressBg})
    editor->AddNames(names_);
  ProgressTextColor.AddNames(names_);
  struct Named {
    const char* name;
    ui::Control& control;
  };
  for (const Named& n : {
           Named{"fraComboNormal", fraComboNormal},
           {"picComboNormalBase", picComboNormalBase},
           {"fraComboHover", fraComboHover},
           {"picComboHoverBase", picComboHoverBase},
           {"fraComboDropDown", fraComboDropDown},
           {"picComboDropDownBase", picComboDropDownBase},
           {"lblComboDropDownNormal", lblComboDropDownNormal},
           {"txtComboDropDownNormal", txtComboDropDownNormal},
           {"cmdComboDropDownNormalBrowse", cmdComboDropDownNormalBrowse},
           {"lblComboDropDownHover", lblComboDropDownHover},
           {"txtComboDropDownHover", txtComboDropDownHover},
           {"cmdComboDropDownHoverBrowse", cmdComboDropDownHoverBrowse},
           {"picComboDropDownNormal", picComboDropDownNormal},
           {"picComboDropDownHover", picComboDropDownHover},
           {"fraProgressFG", fraProgressFG},
           {"picProgressFGBase", picProgressFGBase},
           {"fraProgressBg", fraProgressBg},
           {"picProgressBgBase", picProgressBgBase},
           {"chkProgressShowPercent", chkProgressShowPercent},
           {"lblProgressTextColor", lblProgressTextColor},
       })
    names_.Add(n.name, n.control);
}

// ---------------------------------------------------------------- handlers

void frmTarnell::txtComboDropDown_Change() { gModified = true; }

void frmTarnell::cmdComboDropDownNormalBrowse_Click() {
  BrowseImage(txtComboDropDownNormal, picComboDropDownNormal, kImageFilter, nullptr, false);
}

void frmTarnell::cmdComboDropDownHoverBrowse_Click() {
  BrowseImage(txtComboDropDownHover, picComboDropDownHover, kImageFilter, nullptr, false);
}

void frmTarnell::picComboDropDownNormal_DblClick() { EditImage(txtComboDropDownNormal.Text()); }

void frmTarnell::picComboDropDownHover_DblClick() { EditImage(txtComboDropDownHover.Text()); }

void frmTarnell::chkProgressShowPercent_Click() { gModified = true; }

// ---------------------------------------------------------------- saving images

void frmTarnell::KeepUncopied(const ImageKeyResult& result, const std::string& path) {
  if (result.copyFailed) m_UncopiedImages.push_back(path);
}

// ---------------------------------------------------------------- Combo Box

void frmTarnell::LoadCombo() {
  ComboNormal.LoadKeys(kCombo, "Background.Normal.Image");
  ComboHover.LoadKeys(kCombo, "Background.Hover.Image");
  txtComboDropDownNormal.SetText(ReadIni(gSkinIni, kCombo, "Thumb.Normal.Image"));
  pages::ShowLoadedImage(picComboDropDownNormal, txtComboDropDownNormal.Text());
  txtComboDropDownHover.SetText(ReadIni(gSkinIni, kCombo, "Thumb.Hover.Image"));
  pages::ShowLoadedImage(picComboDropDownHover, txtComboDropDownHover.Text());
}

void frmTarnell::SaveCombo() {
  WriteIni(gSkinIni, kCombo, "Style", "Custom");
  SavePageImage(ComboNormal.txtImage, kCombo, "Background.Normal.Image");
  SavePageImage(ComboHover.txtImage, kCombo, "Background.Hover.Image");
  SavePageImage(txtComboDropDownNormal, kCombo, "Thumb.Normal.Image");
  SavePageImage(txtComboDropDownHover, kCombo, "Thumb.Hover.Image");
  for (auto [editor, key] : {std::pair{&ComboNormal, "Background.Normal.Image"},
                             std::pair{&ComboHover, "Background.Hover.Image"}}) {
    std::string k = key;
    WriteIni(gSkinIni, kCombo, k + ".StartOffset", editor->txtStartOffset.Text());
    WriteIni(gSkinIni, kCombo, k + ".EndOffset", editor->txtEndOffset.Text());
    WriteIni(gSkinIni, kCombo, k + ".Stretch", std::to_string(editor->chkStretch.Value()));
  }
}

// ---------------------------------------------------------------- Progress

void frmTarnell::LoadProgress() {
  ProgressFG.LoadKeys(kProgress, "Foreground.Image");
  ProgressBg.LoadKeys(kProgress, "Background.Image");
  pages::LoadCheckFromText(chkProgressShowPercent, ReadIni(gSkinIni, kProgress, "ShowText"));
  // A colour picked in the project opened before tinted the text.
  ProgressTextColor.txt.SetForeColor(ui::kSysWindowText);
  ProgressTextColor.txt.SetText(ReadIni(gSkinIni, kProgress, "TextColor"));
  ProgressTextColor.SetColour(ParseColor(ProgressTextColor.Text()));
}

void frmTarnell::SaveProgress() {
  WriteIni(gSkinIni, kProgress, "Style", "Custom");
  struct Part {
    pages::MarkedImageEditor& editor;
    const char* prefix;
    // The background's default file is the combo box's normal background
    // too: where that key names it, the image goes to a free name.
    const char* spareFile;
  };
  for (const Part& part : {Part{ProgressFG, "Foreground", ""}, Part{ProgressBg, "Background", "progress_bg.png"}}) {
    std::string p = part.prefix;
    SavePageImage(part.editor.txtImage, kProgress, p + ".Image", part.spareFile);
    WriteIni(gSkinIni, kProgress, p + ".Style", "3Image");
    WriteIni(gSkinIni, kProgress, p + ".Image.StartOffset", part.editor.txtStartOffset.Text());
    WriteIni(gSkinIni, kProgress, p + ".Image.EndOffset", part.editor.txtEndOffset.Text());
    WriteIni(gSkinIni, kProgress, p + ".Image.Stretch", std::to_string(part.editor.chkStretch.Value()));
  }
  WriteIni(gSkinIni, kProgress, "ShowText", std::to_string(chkProgressShowPercent.Value()));
  WriteIni(gSkinIni, kProgress, "TextColor", ProgressTextColor.Text());
}

}  // namespace mainwindow
