#include "mainwindow/embedded_pages.h"

#include "mainwindow/frmTarnell.h"

namespace mainwindow {

std::unique_ptr<pages::frmColor> gColorsPage;
std::unique_ptr<pages::frmBackground> gBackgroundsPage;
std::unique_ptr<pages::frmTab> gTabBarPage;

namespace {

template <class Page>
void Embed(std::unique_ptr<Page>& page, ui::PictureBox& panel) {
  page = std::make_unique<Page>();
  // Loading the page runs its Form_Load; it then becomes a child window at
  // the panel's top-left corner, shown without being activated.
  page->EmbedInto(panel.hWnd());
}

template <class Page>
void Release(std::unique_ptr<Page>& page) {
  if (!page) return;
  page->Unload();
  page.reset();
}

}  // namespace

void frmTarnell::EmbedPages() {
  ReleasePages();
  Embed(gColorsPage, picTabs(kColorsPage));
  Embed(gBackgroundsPage, picTabs(kBackgroundsPage));
  Embed(gTabBarPage, picTabs(kTabBarPage));
}

void frmTarnell::ReleasePages() {
  Release(gColorsPage);
  Release(gBackgroundsPage);
  Release(gTabBarPage);
}

void frmTarnell::LoadColor() {
  if (gColorsPage) gColorsPage->LoadColor();
}

void frmTarnell::LoadBackground() {
  if (gBackgroundsPage) gBackgroundsPage->LoadBackground();
}

void frmTarnell::LoadTabBar() {
  if (gTabBarPage) gTabBarPage->LoadTabBar();
}

}  // namespace mainwindow
