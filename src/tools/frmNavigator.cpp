#include "tools/frmNavigator.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/errors.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/navigator_host.h"
#include "core/program.h"
#include "core/window_icons.h"
#include "tools/navigator_picture.h"
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
// The vertical bar's arrow step and wheel unit, in pixels.
constexpr int kVerticalStep = 20;
// A page of the bars is the viewport less this many pixels.
constexpr int kPageOverlap = 16;
// Fitting the bars settles within two passes; the third is a safeguard.
constexpr int kFittingPasses = 3;
// Smooth scrolling: steps of this many pixels, every kFastInterval ms while
// the target is kFarAway pixels or more away, else every kSlowInterval ms.
constexpr int kScrollStep = 10;
constexpr int kFastInterval = 10;
constexpr int kSlowInterval = 15;
constexpr int kFarAway = 80;
// How much of a box's text a jump selects.
constexpr int kSelectedCharacters = 200;
constexpr int kAddFavSize = 25;

constexpr int32_t kHorizontal = clsScrollBars::kHorizontal;
constexpr int32_t kVertical = clsScrollBars::kVertical;

// One tick of a smooth scroll: 10 pixels toward the target, or onto it
// from 10 pixels or less.
int StepToward(int current, int target) {
  if (std::abs(target - current) > kScrollStep) return current + (current < target ? kScrollStep : -kScrollStep);
  return target;
}

// Starts (or restarts) a smooth scroll over distance pixels.
void StartSmoothScroll(ui::Timer& timer, int distance) {
  timer.SetInterval(std::abs(distance) >= kFarAway ? kFastInterval : kSlowInterval);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
}

}  // namespace

frmNavigator::frmNavigator() : ui::Form("Skin Navigator", 735, 376, ui::FormStyle::Sizable) {
  KeyPreview = true;
  lblDescription.SetForeColor(RGB(0, 0, 255));
  shpTextBackground.SetFill(ui::kSysButtonFace);
}

void frmNavigator::Bind() {
  picScrollBox.Resize = [this] { picScrollBox_Resize(); };
  // The mouse over the bare picture or the viewport around it.
  picScrollBox.MouseMove = [this](int, int, int, int) { ClearHighlight(); };
  picClient.MouseMove = [this](int, int, int, int) { ClearHighlight(); };
  for (int i = 0; i < kPieceCount; ++i) {
    picMaps(i).MouseMove = [this, i](int, int, int, int) { picMaps_MouseMove(i); };
    picMaps(i).MouseUp = [this, i](int button, int shift, int x, int y) { picMaps_MouseUp(i, button, shift, x, y); };
  }
  tmrVertical.Tick = [this] { tmrVertical_Timer(); };
  tmrHorizontal.Tick = [this] { tmrHorizontal_Timer(); };
}

void frmNavigator::SetCaptions() {
  if (gLanguageFile.empty()) return;
  SetCaption(GetLangString("Navigator"));
  lblDescription.SetCaption(GetLangString("Navigator_Note"));
}

void frmNavigator::Form_Load() {
  SetWindowIcons(hWnd(), "AAA", false);
  SetCaptions();
  m_iCurrentMap = -1;
  DrawMap();
  // The bars exist before the window is sized, so that the sizing sets
  // them up.
  m_cScroll = std::make_unique<clsScrollBars>();
  try {
    m_cScroll->Create(picScrollBox.hWnd());
  } catch (const AppError&) {
    // The bars' messages then go unheard; the picture stays in place.
  }
  m_cScroll->SetSmallChange(kVertical, kVerticalStep);
  m_cScroll->Change = [this](int32_t& bar) { m_cScroll_Change(bar); };
  m_cScroll->Scroll = [this](int32_t& bar) { m_cScroll_Scroll(bar); };
  ui::Rect r = ToolWindowPlace(ReadIni(ConfigIni(), "General", "NavigatorRect"), kMinWidth, kMinHeight,
                               kOffsetFromMain, kDefaultWidth, kDefaultHeight);
  Move(r.left, r.top, r.width, r.height);
}

void frmNavigator::DrawMap() {
  if (!m_Picture) m_Picture = MakeBrowserPicture();
  if (!m_Picture) return;
  if (!imgAddFav.HasPicture())
    imgAddFav.SetPicture(MakeAddFavIcon(m_Picture.get(), imgAddFav.Left(), imgAddFav.Top(), kAddFavSize));
  ui::WindowDC screen(nullptr);
  ui::UniqueDC source(CreateCompatibleDC(screen.get()));
  if (!source) return;
  ui::SelectGuard select(source.get(), m_Picture.get());
  BitBlt(picClient.hDC(), 0, 0, kBrowserPictureWidth, kBrowserPictureHeight, source.get(), 0, 0, SRCCOPY);
  // Each piece shows its own part of the picture, so that the pieces and
  // the picture around them make one.
  for (int i = 0; i < kPieceCount; ++i) {
    ui::Rect box = Piece(i).box;
    BitBlt(picMaps(i).hDC(), 0, 0, box.width, box.height, source.get(), box.left, box.top, SRCCOPY);
  }
}

void frmNavigator::Form_Activate() {
  // The viewport holds the focus, so that the wheel reaches its bars.
  picScrollBox.SetFocus();
}

void frmNavigator::Form_Resize() {
  // A minimised window has no size to follow; restoring it sizes all again.
  if (State() == ui::WindowState::Minimized) return;
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

void frmNavigator::picScrollBox_Resize() {
  if (!m_cScroll || m_bFittingBars) return;
  m_bFittingBars = true;
  // A bar shown or hidden narrows or widens the inside that the other bar
  // was fitted to: fit both again until the inside stays as it is, so that
  // the picture's far edges can always be scrolled to.
  for (int pass = 0; pass < kFittingPasses; ++pass) {
    int width = picScrollBox.ScaleWidth();
    int height = picScrollBox.ScaleHeight();
    FitBars();
    if (picScrollBox.ScaleWidth() == width && picScrollBox.ScaleHeight() == height) break;
  }
  m_bFittingBars = false;
}

void frmNavigator::FitBars() {
  // A bar is needed only when the picture does not fit the viewport without
  // bars (the box has no border of its own); only a needed bar takes room
  // from the other. Judged on the inside as it is, two bars left from a
  // smaller window would each keep the other looking needed.
  const int width = picScrollBox.Width();
  const int height = picScrollBox.Height();
  bool needVertical = picClient.Height() > height;
  const bool needHorizontal =
      picClient.Width() > width || (needVertical && picClient.Width() > width - GetSystemMetrics(SM_CXVSCROLL));
  needVertical = needVertical || (needHorizontal && picClient.Height() > height - GetSystemMetrics(SM_CYHSCROLL));
  // The vertical bar first, on the inner height; the horizontal one then
  // sees the inner width that a vertical bar shown just now left.
  for (int32_t bar : {kVertical, kHorizontal}) {
    bool vertical = bar == kVertical;
    int inner = vertical ? picScrollBox.ScaleHeight() : picScrollBox.ScaleWidth();
    int content = vertical ? picClient.Height() : picClient.Width();
    if (vertical ? needVertical : needHorizontal) {
      // Until the other bar shows, the picture may still fit this inside;
      // the next pass sizes the bar to the inside both bars leave.
      m_cScroll->SetLargeChange(bar, inner - kPageOverlap);
      m_cScroll->SetMax(bar, std::max(0, content - inner));
      m_cScroll->SetVisible(bar, true);
    } else {
      // Nothing left to scroll: the wheel or a late scroll message must not
      // move the picture behind a hidden bar, and a bar shown again later
      // starts where the picture is.
      m_cScroll->SetMax(bar, 0);
      m_cScroll->SetVisible(bar, false);
      if (vertical)
        picClient.SetTop(0);
      else
        picClient.SetLeft(0);
    }
  }
}

void frmNavigator::m_cScroll_Change(int32_t& eBar) { m_cScroll_Scroll(eBar); }

void frmNavigator::m_cScroll_Scroll(int32_t& eBar) {
  if (!m_cScroll) return;
  if (eBar == kHorizontal) {
    m_lTargetLeft = -m_cScroll->Value(kHorizontal);
    StartSmoothScroll(tmrHorizontal, m_lTargetLeft - picClient.Left());
  } else {
    m_lTargetTop = -m_cScroll->Value(kVertical);
    StartSmoothScroll(tmrVertical, m_lTargetTop - picClient.Top());
  }
}

void frmNavigator::tmrVertical_Timer() {
  int top = StepToward(picClient.Top(), m_lTargetTop);
  picClient.SetTop(top);
  if (top == m_lTargetTop) tmrVertical.SetEnabled(false);
}

void frmNavigator::tmrHorizontal_Timer() {
  int left = StepToward(picClient.Left(), m_lTargetLeft);
  picClient.SetLeft(left);
  if (left == m_lTargetLeft) tmrHorizontal.SetEnabled(false);
}

void frmNavigator::ClearHighlight() {
  if (m_iCurrentMap < 0) return;
  shpMaps(m_iCurrentMap).SetVisible(false);
  lblStatus.SetCaption("");
  m_iCurrentMap = -1;
}

void frmNavigator::picMaps_MouseMove(int index) {
  // Within the outlined piece the status text is not read again.
  if (index == m_iCurrentMap) return;
  if (m_iCurrentMap >= 0) shpMaps(m_iCurrentMap).SetVisible(false);
  shpMaps(index).SetVisible(true);
  m_iCurrentMap = index;
  lblStatus.SetCaption(LangText(Piece(index).statusKey, Piece(index).english));
}

void frmNavigator::picMaps_MouseUp(int index, int button, int, int x, int y) {
  if (button != ui::kLeftButton) return;
  // A release after the pointer left the pressed piece does nothing; the
  // right and bottom edges count as inside.
  const ui::PictureBox& piece = picMaps(index);
  if (x < 0 || y < 0 || x > piece.Width() || y > piece.Height()) return;
  if (gProjectName.empty()) {
    ShowMessage("Please open a project.", MB_OK, hWnd());
    return;
  }
  ClearHighlight();
  NavigatorHost* host = CurrentNavigatorHost();
  if (!host) return;
  const Jump& jump = PieceJump(index);
  host->BringMainWindowBack();
  host->ActivateTab(jump.page);
  if (jump.subPage >= 0) host->ShowSubPage(jump.page, jump.subPage);
  std::string box;
  if (jump.styleCombo) {
    // Read once the page and sub-page show: the image style (the first
    // item) picks the image box, any other the start colour.
    box = host->StyleIndex(jump.page, jump.styleCombo) == 0 ? jump.imageBox : jump.colourBox;
  } else {
    JumpTarget target = ZoneTarget(jump, x);
    if (target.group >= 0)
      host->SelectIconEntry(target.group, target.index);
    else if (target.box)
      box = target.box;
  }
  // The page paints before the focus moves into it.
  ui::DoEvents();
  if (!box.empty()) host->FocusControl(jump.page, box, kSelectedCharacters);
}

void frmNavigator::Form_KeyDown(int& keyCode, int) {
  if (keyCode == VK_ESCAPE) Unload();
}

void frmNavigator::Form_Unload(int&) {
  // Nothing of the window runs after it is gone: no scroll tick, no bar.
  tmrVertical.SetEnabled(false);
  tmrHorizontal.SetEnabled(false);
  m_cScroll.reset();
  gNavigatorShown = false;
  WriteIni(ConfigIni(), "General", "NavigatorShow", "0");
  WriteIni(ConfigIni(), "General", "NavigatorRect", WindowRectText(*this));
}

frmNavigator& NavigatorForm() {
  static frmNavigator form;
  return form;
}

}  // namespace tools
