#include "pages/tabbar_colors/frmColor.h"

#include "core/globals.h"

namespace pages {

using namespace core;

void frmColor::Form_Load() { SetCaptions(); }

void frmColor::SetCaptions() {
  if (gLanguageFile.empty()) return;
}

void frmColor::LoadColor() {}

void frmColor::SaveColor() {}

}  // namespace pages
