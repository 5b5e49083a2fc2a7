// The Colors page: section [Colors] of pelto.ini, embedded as page 4 of the
// main window.
#pragma once

#include "pages/embedded_page.h"

namespace pages {

class frmColor : public EmbeddedPage {
 public:
  void SetCaptions() override;
  // Fills the page from [Colors] of gSkinIni.
  void LoadColor();
  // Writes [Colors] of gSkinIni from the page.
  void SaveColor();

 protected:
  void Form_Load() override;
};

}  // namespace pages
