#include "pages/embedded_page.h"

#include "mainwindow/frmTarnell.h"

namespace pages {

EmbeddedPage::EmbeddedPage() : ui::Form("", kWidth, kHeight, ui::FormStyle::Borderless) {
  // The page sees its keys before the control that has the focus.
  KeyPreview = true;
}

void EmbeddedPage::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_F2) return;
  keyCode = 0;
  mainwindow::MainForm().mnuNavigator_Click();
}

}  // namespace pages
