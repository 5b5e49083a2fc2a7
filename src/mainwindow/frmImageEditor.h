// The Image Editor dialog: the command with which the pages open an image
// for editing (gImageEditor, ImageEditor in Config.ini). Shown modally,
// owned by the main window, from Options > Set Image Editor; each showing
// starts afresh.
#pragma once

#include "ui/ui.h"

namespace mainwindow {

class frmImageEditor : public ui::Form {
 public:
  frmImageEditor();

  ui::PictureBox picEditor{this, {1, 1, 450, 110}};
  ui::Label lblEditor{&picEditor, {16, 14, 381, 17}, "Use the following program to edit images :"};
  ui::TextBox txtEditor{&picEditor, {16, 32, 325, 22}};
  ui::CommandButton cmdBrowse{&picEditor, {348, 30, 90, 25}, "Browse..."};
  ui::CommandButton cmdOK{&picEditor, {252, 69, 90, 25}, "OK"};
  ui::CommandButton cmdCancel{&picEditor, {348, 69, 90, 25}, "Cancel"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Unload(int& cancel) override;

 private:
  void Bind() override;
  void cmdBrowse_Click();
  void cmdOK_Click();
  void cmdCancel_Click();
};

}  // namespace mainwindow
