#include "mainwindow/frmTarnell.h"

#include "core/files.h"
#include "core/globals.h"

namespace mainwindow {

using namespace core;

frmTarnell::frmTarnell() : ui::Form("Velmora 2 Tarnell", 784, 544, ui::FormStyle::FixedSingle) {}

void frmTarnell::Form_Unload(int&) {
  // The work folder lives as long as the main window.
  gFileSystem.RemoveFiles(gTempFolder, false);
  RemoveDirectoryA(gTempFolder.c_str());
}

frmTarnell& MainForm() {
  static frmTarnell form;
  return form;
}

}  // namespace mainwindow
