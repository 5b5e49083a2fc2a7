// What the Skin Navigator needs of the main window to steer it to the editor
// of an element, without the tools knowing the main window: the main window
// implements NavigatorHost and plugs itself in while it exists. Pages are
// the main window's page numbers (0 General ... 9 Progress). A jump runs,
// in this order:
//   BringMainWindowBack();
//   ActivateTab(page);
//   ShowSubPage(page, subPage)   when the element lies on a sub-page;
//   StyleIndex(page, combo)      when the element's style picks the box;
//   SelectIconEntry(group, index) for a button or an icon;
//   ... pending messages run, so that the page paints ...
//   FocusControl(page, box, 200) for a text box.
// Nothing here reports a failure: a control that does not exist (yet) is
// passed over.
#pragma once

#include <string>

namespace core {

class NavigatorHost {
 public:
  virtual ~NavigatorHost() = default;

  // The main window is restored (a minimised one comes back, a maximised
  // one returns to its normal size); then it comes to the front with the
  // focus.
  virtual void BringMainWindowBack() = 0;
  // Shows page and selects its tab.
  virtual void ActivateTab(int page) = 0;
  // Shows sub-page of page through the page's own selector handler
  // (lblPage_MouseDown); pages without selectable sub-pages ignore it.
  virtual void ShowSubPage(int page, int subPage) = 0;
  // Selects entry index of an icon group (as gIconGroup numbers them)
  // through the Buttons or Icons page's selection handler.
  virtual void SelectIconEntry(int group, int index) = 0;
  // The list index of the named combo box of page; -1 when there is none.
  virtual int StyleIndex(int page, const std::string& combo) = 0;
  // Gives the named control of page the focus and selects the first
  // length characters of its text (also when it cannot take the focus).
  virtual void FocusControl(int page, const std::string& name, int length) = 0;
};

// The main window while it exists; nullptr before it is created.
NavigatorHost* CurrentNavigatorHost();
void SetNavigatorHost(NavigatorHost* host);

}  // namespace core
