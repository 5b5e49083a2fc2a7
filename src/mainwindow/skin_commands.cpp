// Making a skin file from the project and running the browser on it, the
// browser folder and image editor settings, and the Help menu.
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

void frmTarnell::mnuMake_Click() {}

void frmTarnell::mnuRun_Click() {}

void frmTarnell::mnuSetVel_Click() {}

void frmTarnell::mnuEditor_Click() {}

void frmTarnell::mnuReference_Click() {}

void frmTarnell::mnuDownload_Click() {}

void frmTarnell::mnuForum_Click() {}

void frmTarnell::mnuFeedback_Click() {}

void frmTarnell::mnuAbout_Click() {}

}  // namespace mainwindow
