// What the Skin Navigator's jumps do in the main window: bring it back,
// show a page and sub-page, select a button or an icon, read a style combo
// and put the focus into a box, every control reached by the name its
// page's table gives it.
#include "core/icon_catalogue.h"
#include "mainwindow/embedded_pages.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

void frmTarnell::AddOwnPageNames() {
  struct Named {
    const char* name;
    ui::Control& control;
  };
  const Named controls[] = {
      // General and Frame.
      {"txtName", txtName}, {"txtVersion", txtVersion}, {"txtAuthor", txtAuthor}, {"txtEmail", txtEmail},
      {"txtWebsite", txtWebsite}, {"txtLicense", txtLicense}, {"txtPreview", txtPreview},
      {"txtFrameWidth", txtFrameWidth}, {"txtFrameRadius", txtFrameRadius}, {"txtFrameCorner", txtFrameCorner},
      {"txtFrameImage", txtFrameImage}, {"txtLoading", txtLoading},
      // Buttons: the selected button and its settings.
      {"txtButtonName", txtButtonName}, {"txtNormal", txtNormal}, {"txtHover", txtHover},
      {"txtPressed", txtPressed}, {"txtDisable", txtDisable}, {"txtLeftOffset", txtLeftOffset},
      {"txtTopOffset", txtTopOffset}, {"txtTopPadding", txtTopPadding}, {"txtRightPadding", txtRightPadding},
      {"txtBottomPadding", txtBottomPadding}, {"txtLeftPadding", txtLeftPadding}, {"chkDrawBG", chkDrawBG},
      // Icons: the selected icon.
      {"txtSmallButton", txtSmallButton}, {"txtSmallPath", txtSmallPath}};
  for (const Named& n : controls) names_.Add(n.name, n.control);
}

ui::Control* frmTarnell::PageControl(int page, const std::string& name) const {
  switch (page) {
    case kColorsPage: return gColorsPage ? gColorsPage->FindControl(name) : nullptr;
    case kBackgroundsPage: return gBackgroundsPage ? gBackgroundsPage->FindControl(name) : nullptr;
    case kTabBarPage: return gTabBarPage ? gTabBarPage->FindControl(name) : nullptr;
    default: return FindControl(name);
  }
}

void frmTarnell::BringMainWindowBack() {
  HWND self = HwndIfLoaded();
  if (!self) return;
  // Restored in every state: a minimised window comes back, a maximised
  // one returns to its normal size.
  SendMessageA(self, WM_SYSCOMMAND, SC_RESTORE, 0);
  SetFocus();
}

void frmTarnell::ShowSubPage(int page, int subPage) {
  if (page == kBackgroundsPage && gBackgroundsPage)
    gBackgroundsPage->lblPage_MouseDown(subPage, 1, 1, 1.0f, 1.0f);
  else if (page == kTabBarPage && gTabBarPage)
    gTabBarPage->lblPage_MouseDown(subPage, 1, 1, 1.0f, 1.0f);
}

void frmTarnell::SelectIconEntry(int group, int index) {
  switch (group) {
    case kToolbarGroup: picBigIcon_MouseDown(index, 1, 1, 1.0f, 1.0f); break;
    case kTabButtonGroup: picTabIcon_MouseDown(index, 1, 1, 1.0f, 1.0f); break;
    case kWinButtonGroup: picWinIcon_MouseDown(index, 1, 1, 1.0f, 1.0f); break;
    case kSmallIconGroup: picSmallIcon_MouseDown(index, 1, 1, 1.0f, 1.0f); break;
    case kMiscIconGroup: picMiscIcon_MouseDown(index, 1, 1, 1.0f, 1.0f); break;
    default: break;
  }
}

int frmTarnell::StyleIndex(int page, const std::string& combo) {
  auto* box = dynamic_cast<ui::ComboBox*>(PageControl(page, combo));
  return box ? box->ListIndex() : -1;
}

void frmTarnell::FocusControl(int page, const std::string& name, int length) {
  ui::Control* control = PageControl(page, name);
  if (!control || !control->hWnd()) return;
  // A disabled box, or one on a hidden sub-page, stays without the focus;
  // its text is selected all the same.
  if (IsWindowVisible(control->hWnd()) && IsWindowEnabled(control->hWnd())) control->SetFocus();
  if (auto* text = dynamic_cast<ui::TextBox*>(control))
    text->SetSelection(0, length);
  else if (auto* combo = dynamic_cast<ui::ComboBox*>(control))
    combo->SetSelection(0, length);
}

}  // namespace mainwindow
