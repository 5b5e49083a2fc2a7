// Loading and saving the window's own pages (General, Frame, Side Bar,
// Combo Box, Progress), each from and into its section of gSkinIni. Each
// page's pair moves into that page's own file when the page is built.
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

void frmTarnell::LoadGeneral() {}
void frmTarnell::SaveGeneral() {}

void frmTarnell::LoadFrame() {}
void frmTarnell::SaveFrame() {}

void frmTarnell::LoadSideBar() {}
void frmTarnell::SaveSideBar() {}

void frmTarnell::LoadCombo() {}
void frmTarnell::SaveCombo() {}

void frmTarnell::LoadProgress() {}
void frmTarnell::SaveProgress() {}

}  // namespace mainwindow
