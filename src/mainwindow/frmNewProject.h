// The New Project dialog: a name and a template (the browser's default
// skin or a packed skin file) become a project folder under Projects\,
// which is then opened. Shown modally by the main window's New command and
// unloaded after OK and Cancel, so that every showing starts afresh.
#pragma once

#include <string>

#include "ui/ui.h"

namespace mainwindow {

class frmNewProject : public ui::Form {
 public:
  frmNewProject();

  ui::PictureBox picMain{this, {0, 0, 454, 163}};
  ui::Label lblSkinName{&picMain, {16, 14, 410, 17}, "Skin Name (Please use alphanumeric characters) :"};
  ui::TextBox txtSkinName{&picMain, {16, 32, 421, 22}, "New Skin"};
  ui::Label lblTemplate{&picMain, {16, 64, 313, 17}, "Use the following skin as template :"};
  ui::ComboBox cboTemplate{&picMain, {16, 82, 325, 23}, ui::ComboBox::kDropdownCombo};
  ui::CommandButton cmdBrowse{&picMain, {348, 80, 90, 25}, "Browse..."};
  ui::CommandButton cmdOK{&picMain, {252, 120, 90, 25}, "OK"};
  ui::CommandButton cmdCancel{&picMain, {348, 120, 90, 25}, "Cancel"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Unload(int& cancel) override;

 private:
  void Bind() override;
  void cmdBrowse_Click();
  void cmdCancel_Click();
  void cmdOK_Click();

  void SetCaptions();
  void FillTemplates();
  // Unpacks the template into the work folder and moves its skin folder
  // (the one holding pelto.ini) into Projects\folderName, replacing the
  // project there when replacing. False, with nothing left behind and the
  // old project as it was, when the template does not unpack whole or
  // holds no skin.
  bool UnpackTemplate(const std::string& templateFile, const std::string& folderName, bool replacing);

  // The label that stands for the browser's default skin in cboTemplate.
  std::string m_DefaultTemplate;
};

// The one New Project dialog, created on first use.
frmNewProject& NewProjectForm();

}  // namespace mainwindow
