#include "mainwindow/frmImageEditor.h"

#include <string>

#include "core/globals.h"
#include "core/ini.h"
#include "core/paths.h"
#include "core/program.h"
#include "core/startup.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr int kClientWidth = 454;
constexpr int kClientHeight = 112;
constexpr char kProgramFilter[] = "Executable Files (*.exe)|*.exe";

}  // namespace

frmImageEditor::frmImageEditor() : ui::Form("Image Editor", kClientWidth, kClientHeight, ui::FormStyle::FixedDialog) {
  KeyPreview = true;
}

void frmImageEditor::Bind() {
  cmdBrowse.Click = [this] { cmdBrowse_Click(); };
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmImageEditor::Form_Load() {
  txtEditor.SetText(gImageEditor);
  // The title is not translated.
  if (!gLanguageFile.empty()) {
    lblEditor.SetCaption(GetLangString("Select_Editor"));
    cmdBrowse.SetCaption(gTextBrowse);
    cmdOK.SetCaption(GetLangString("OK"));
    cmdCancel.SetCaption(GetLangString("Cancel"));
  }
}

// Typing replaces the whole command: the keys go to the box, its text selected.
void frmImageEditor::Form_Activate() {
  txtEditor.SetFocus();
  txtEditor.SelectAll();
}

void frmImageEditor::Form_KeyDown(int& keyCode, int) {
  if (keyCode == VK_ESCAPE) {
    keyCode = 0;
    cmdCancel_Click();
  } else if (keyCode == VK_RETURN) {
    keyCode = 0;
    cmdOK_Click();
  }
}

void frmImageEditor::Form_Unload(int&) {}

void frmImageEditor::cmdBrowse_Click() {
  const std::string program = OpenFileDialog("", kProgramFilter, HwndIfLoaded());
  if (!program.empty()) txtEditor.SetText(program);
}

void frmImageEditor::cmdOK_Click() {
  // Stored as typed. An empty command stands for the default editor, now as
  // at the next start, so that images still open for editing.
  const std::string command = txtEditor.Text();
  gImageEditor = command.empty() ? std::string(kDefaultImageEditor) : command;
  WriteIni(ConfigIni(), "General", "ImageEditor", command);
  Unload();
}

void frmImageEditor::cmdCancel_Click() { Unload(); }

}  // namespace mainwindow
