#include "pages/embedded_page.h"

#include "core/ini.h"
#include "core/window_links.h"

namespace pages {

namespace {

constexpr ui::Color kSysHighlightText = 0x8000000E;

}  // namespace

EmbeddedPage::EmbeddedPage() : ui::Form("", kWidth, kHeight, ui::FormStyle::Borderless) {
  // The page sees its keys before the control that has the focus.
  KeyPreview = true;
}

void EmbeddedPage::SetSubPages(ui::ControlArray<ui::PictureBox>& panels, ui::ControlArray<ui::Label>& selectors,
                               int panelTop) {
  panels_ = &panels;
  selectors_ = &selectors;
  panelTop_ = panelTop;
  for (int i = 0; i < selectors.Count(); ++i)
    selectors(i).MouseDown = [this, i](int button, int shift, int x, int y) {
      lblPage_MouseDown(i, button, shift, static_cast<float>(x), static_cast<float>(y));
    };
}

void EmbeddedPage::lblPage_MouseDown(int index, int, int, float, float) { ShowSubPage(index); }

void EmbeddedPage::Form_Load() {
  if (panels_ && panelTop_ != kDesignedPlace) {
    for (int i = 1; i < panels_->Count(); ++i) {
      ui::PictureBox& panel = (*panels_)(i);
      panel.SetTop(panelTop_);
      // In front of what it covers, and of the panels before it.
      panel.BringToFront();
    }
  }
  SetCaptions();
}

void EmbeddedPage::ShowSubPage(int index) {
  if (!panels_ || !selectors_) return;
  for (int i = 0; i < selectors_->Count(); ++i) {
    PaintSelector((*selectors_)(i), i == index);
    // Panel 0 holds everything else: it is never hidden.
    if (i == index)
      (*panels_)(i).SetVisible(true);
    else if (i > 0)
      (*panels_)(i).SetVisible(false);
  }
}

void EmbeddedPage::PaintSelector(ui::Label& selector, bool selected) {
  selector.SetBackColor(selected ? ui::kSysHighlight : ui::kSysWindow);
  selector.SetForeColor(selected ? kSysHighlightText : ui::kSysWindowText);
}

void EmbeddedPage::SetSharedCaptions(std::initializer_list<SharedCaption> arrays) {
  for (const SharedCaption& array : arrays) {
    const std::string text = core::GetLangString(array.key);
    for (int i = 0; i < array.labels.Count(); ++i) array.labels(i).SetCaption(text);
  }
}

void EmbeddedPage::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_F2) return;
  keyCode = 0;
  if (core::ShowNavigator) core::ShowNavigator();
}

}  // namespace pages
