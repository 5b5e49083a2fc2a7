// What the three pages that the main window embeds (Colors, Backgrounds,
// Tab Bar) share: a borderless form of 766 x 508 pixels that works as a
// child window of one of the main window's page panels, its captions
// re-read on a change of language, F2 opening the Skin Navigator from
// wherever the focus is on the page, its controls found by name, and the
// shell of its sub-pages. Panel 0 of the sub-pages fills the page and is
// never hidden; the others show one at a time, as the selector labels under
// them choose.
#pragma once

#include <initializer_list>

#include "pages/element_editors.h"
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

  // A press on sub-page selector index shows that sub-page (ShowSubPage);
  // the Skin Navigator calls it as the mouse does.
  void lblPage_MouseDown(int index, int button, int shift, float x, float y);

  // A control by the name the page's table gives it ("txtTabHoverImage",
  // "picTabs(1)", "lblFile(8)"); nullptr when there is none.
  ui::Control* FindControl(const std::string& name) const { return names_.Find(name); }
  template <class T>
  T* FindAs(const std::string& name) const {
    return names_.FindAs<T>(name);
  }
  ui::Graphic* FindGraphic(const std::string& name) const { return names_.FindGraphic(name); }

 protected:
  // The page's controls by name, registered by the page as it is made.
  ControlNames names_;

  // The sub-page panels and their selectors, one selector a panel, each
  // selector's MouseDown bound to lblPage_MouseDown. With a panel top, the
  // load moves panels 1 and up to it, each in front of the ones before it;
  // with kDesignedPlace they stay where they were designed.
  static constexpr int kDesignedPlace = -1;
  void SetSubPages(ui::ControlArray<ui::PictureBox>& panels, ui::ControlArray<ui::Label>& selectors,
                   int panelTop = kDesignedPlace);

  // Places the sub-page panels, then SetCaptions.
  void Form_Load() override;
  // Shows sub-page index: its selector highlighted, its panel shown, every
  // other selector plain and every other panel but panel 0 hidden. Only the
  // index is looked at; one beyond the selectors highlights none.
  void ShowSubPage(int index);
  static void PaintSelector(ui::Label& selector, bool selected);

  // Label arrays whose members all show the text of one language key.
  struct SharedCaption {
    const char* key;
    ui::ControlArray<ui::Label>& labels;
  };
  static void SetSharedCaptions(std::initializer_list<SharedCaption> arrays);

  // F2 shows the Skin Navigator (or restores it). The key is consumed, so
  // that the main window's own F2 does not run a second time.
  void Form_KeyDown(int& keyCode, int shift) override;

 private:
  ui::ControlArray<ui::PictureBox>* panels_ = nullptr;
  ui::ControlArray<ui::Label>* selectors_ = nullptr;
  int panelTop_ = kDesignedPlace;
};

}  // namespace pages
