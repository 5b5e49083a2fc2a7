// The three pages the main window embeds into its page panels: Colors on
// panel 4, Backgrounds on panel 5, Tab Bar on panel 6. They exist while the
// main window is loaded (null otherwise); project loading, the Save command,
// the Language menu and the Skin Navigator reach them through these.
#pragma once

#include <memory>

#include "pages/backgrounds/frmBackground.h"
#include "pages/tabbar_colors/frmColor.h"
#include "pages/tabbar_colors/frmTab.h"

namespace mainwindow {

extern std::unique_ptr<pages::frmColor> gColorsPage;
extern std::unique_ptr<pages::frmBackground> gBackgroundsPage;
extern std::unique_ptr<pages::frmTab> gTabBarPage;

}  // namespace mainwindow
