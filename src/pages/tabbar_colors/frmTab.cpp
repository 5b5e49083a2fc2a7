#include "pages/tabbar_colors/frmTab.h"

#include "core/globals.h"

namespace pages {

using namespace core;

void frmTab::Form_Load() { SetCaptions(); }

void frmTab::SetCaptions() {
  if (gLanguageFile.empty()) return;
}

void frmTab::LoadTabBar() {}

void frmTab::SaveTabBar() {}

}  // namespace pages
