#include "pages/backgrounds/frmBackground.h"

#include "core/globals.h"

namespace pages {

using namespace core;

void frmBackground::Form_Load() { SetCaptions(); }

void frmBackground::SetCaptions() {
  if (gLanguageFile.empty()) return;
}

void frmBackground::LoadBackground() {}

void frmBackground::SaveBackground() {}

}  // namespace pages
