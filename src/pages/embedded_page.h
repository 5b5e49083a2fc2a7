// What the three pages that the main window embeds (Colors, Backgrounds,
// Tab Bar) share: a borderless form of 766 x 508 pixels that works as a
// child window of one of the main window's page panels, its captions
// re-read on a change of language, and F2 opening the Skin Navigator from
// wherever the focus is on the page.
#pragma once

#include "ui/ui.h"

namespace pages {

class EmbeddedPage : public ui::Form {
 public:
  static constexpr int kWidth = 766;
  static constexpr int kHeight = 508;

  EmbeddedPage();

  // Every caption of the page from the language file; nothing while no
  // language file is in use (the designed captions stay).
  virtual void SetCaptions() = 0;

 protected:
  // F2 shows the Skin Navigator (or restores it). The key is consumed, so
  // that the main window's own F2 does not run a second time.
  void Form_KeyDown(int& keyCode, int shift) override;
};

}  // namespace pages
