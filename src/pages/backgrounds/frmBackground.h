// The Backgrounds page: section [Backgrounds] of pelto.ini, embedded as
// page 5 of the main window.
#pragma once

#include "pages/embedded_page.h"

namespace pages {

class frmBackground : public EmbeddedPage {
 public:
  void SetCaptions() override;
  // Fills the page from [Backgrounds] of gSkinIni.
  void LoadBackground();
  // Writes [Backgrounds] of gSkinIni from the page.
  void SaveBackground();

 protected:
  void Form_Load() override;
};

}  // namespace pages
