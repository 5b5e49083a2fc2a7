// The main window.
#pragma once

#include "ui/ui.h"

namespace mainwindow {

class frmTarnell : public ui::Form {
 public:
  frmTarnell();

 protected:
  void Form_Unload(int& cancel) override;
};

// The one main window, created on first use.
frmTarnell& MainForm();

}  // namespace mainwindow
