#include "tools/frmNavigator.h"

#include "core/globals.h"
#include "core/ini.h"
#include "core/program.h"
#include "core/window_icons.h"
#include "tools/tool_window.h"

namespace tools {

using namespace core;

namespace {

// Outer size and offset from the main window's corner of a navigator that
// has no stored place; the smallest size a stored place may give.
constexpr int kDefaultWidth = 752;
constexpr int kDefaultHeight = 412;
constexpr POINT kOffsetFromMain{100, 225};
constexpr int kMinWidth = 400;
constexpr int kMinHeight = 300;
// Height of the status strip's visible part.
constexpr int kStatusHeight = 21;

}  // namespace

frmNavigator::frmNavigator() : ui::Form("Skin Navigator", 735, 376, ui::FormStyle::Sizable) {
  KeyPreview = true;
  lblDescription.SetForeColor(RGB(0, 0, 255));
  shpTextBackground.SetFill(ui::kSysButtonFace);
}

void frmNavigator::SetCaptions() {
  if (gLanguageFile.empty()) return;
  SetCaption(GetLangString("Navigator"));
  lblDescription.SetCaption(GetLangString("Navigator_Note"));
}

void frmNavigator::Form_Load() {
  SetWindowIcons(hWnd(), "AAA", false);
  SetCaptions();
  ui::Rect r = ToolWindowPlace(ReadIni(ConfigIni(), "General", "NavigatorRect"), kMinWidth, kMinHeight,
                               kOffsetFromMain, kDefaultWidth, kDefaultHeight);
  Move(r.left, r.top, r.width, r.height);
}

void frmNavigator::Form_Resize() {
  int w = ScaleWidth();
  int h = ScaleHeight();
  // A size that would come out negative (a window shrunk to nothing or
  // minimised) is refused; the control keeps its previous one.
  picScrollBox.SetWidth(w);
  if (h - kStatusHeight >= 0) picScrollBox.SetHeight(h - kStatusHeight);
  picStatus.SetWidth(w);
  if (w - 8 >= 0) lblStatus.SetWidth(w - 8);
  shpStatus.SetWidth(w);
  Line1.SetPoints(0, 0, w, 0);
  Line2.SetPoints(0, 2, w, 2);
  picStatus.SetTop(h - kStatusHeight);
  lblStatus.SetTop(5);
  shpStatus.SetTop(3);
}

void frmNavigator::Form_KeyDown(int& keyCode, int) {
  if (keyCode == VK_ESCAPE) Unload();
}

void frmNavigator::Form_Unload(int&) {
  gNavigatorShown = false;
  WriteIni(ConfigIni(), "General", "NavigatorShow", "0");
  WriteIni(ConfigIni(), "General", "NavigatorRect", WindowRectText(*this));
}

frmNavigator& NavigatorForm() {
  static frmNavigator form;
  return form;
}

}  // namespace tools
