// The Tab Bar page: section [TabBar] of pelto.ini, embedded as page 6 of the
// main window.
#pragma once

#include "pages/embedded_page.h"

namespace pages {

class frmTab : public EmbeddedPage {
 public:
  void SetCaptions() override;
  // Fills the page from [TabBar] of gSkinIni.
  void LoadTabBar();
  // Writes [TabBar] of gSkinIni from the page.
  void SaveTabBar();

 protected:
  void Form_Load() override;
};

}  // namespace pages
