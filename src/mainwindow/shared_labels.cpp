// The labels that several pages share (lblFile, lblPadding ...): each
// array carries one text for all its elements, and each element stands on
// its own page. An element is one line of kSharedLabels.
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

namespace {

struct SharedLabelPlace {
  const char* array;
  int index;
  int panel;  // the page panel it stands on
  ui::Rect rect;
};

constexpr SharedLabelPlace kSharedLabels[] = {
    {"lblPadding", 1, frmTarnell::kButtonsPage, {352, 320, 81, 17}},
    {"lblFile", 10, frmTarnell::kIconsPage, {352, 135, 81, 17}},
};

}  // namespace

ui::ControlArray<ui::Label> frmTarnell::SharedLabels(const char* array, const char* caption) {
  ui::ControlArray<ui::Label> labels;
  for (const SharedLabelPlace& place : kSharedLabels) {
    if (std::string(place.array) != array) continue;
    labels.Load(place.index, std::make_unique<ui::Label>(&picTabs(place.panel), place.rect, caption));
  }
  return labels;
}

}  // namespace mainwindow
