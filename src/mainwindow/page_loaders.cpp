// Loading and saving the window's own pages (Side Bar, Combo Box,
// Progress), each from and into its section of gSkinIni. Each page's pair
// moves into that page's own file when the page is built; the General and
// Frame pages have theirs in general_frame_pages.cpp.
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

void frmTarnell::LoadSideBar() {}
void frmTarnell::SaveSideBar() {}

void frmTarnell::LoadCombo() {}
void frmTarnell::SaveCombo() {}

void frmTarnell::LoadProgress() {}
void frmTarnell::SaveProgress() {}

}  // namespace mainwindow
