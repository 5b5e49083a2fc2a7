// The Tab Bar page: section [TabBar] of pelto.ini, embedded as page 6 of the
// main window. Two sub-pages chosen by the selector labels "1" and "2":
// the tab images in four states (active, inactive, hover, unread) with the
// flip setting, then the active and inactive tab-bar backgrounds, the tab
// close button and the tab progress animation.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "pages/element_editors.h"
#include "pages/embedded_page.h"

namespace pages {

class frmTab : public EmbeddedPage {
 public:
  static constexpr int kSubPages = 2;
  // Where the panel of sub-page 1 lies (the load puts it there).
  static constexpr int kPanelTop = 80;

  frmTab();

  static constexpr ui::PictureBox::Border kBox = ui::PictureBox::kNoBorder;

  // ---- Sub-page panels. Panel 0 fills the page and holds everything else,
  // panel 1 included; panel 1 lies over the sub-page-0 frames and the flip
  // check box, and is hidden as designed.
  ui::ControlArray<ui::PictureBox> picTabs{kSubPages, [this](int i) {
    ui::Container* parent = i == 0 ? static_cast<ui::Container*>(this) : &picTabs(0);
    ui::Rect rect = i == 0 ? ui::Rect{0, 0, 766, 508} : ui::Rect{0, 80, 766, 393};
    auto panel = std::make_unique<ui::PictureBox>(parent, rect, kBox, ui::kSysWindow);
    if (i > 0) panel->SetVisible(false);
    return panel;
  }};

  // ---- Sub-page 0: the note.
  ui::ControlArray<ui::Frame> fraNote{1, [this](int) {
    return std::make_unique<ui::Frame>(&picTabs(0), ui::Rect{16, 16, 737, 57});
  }};
  ui::ControlArray<ui::PictureBox> picNote{1, [this](int i) {
    return std::make_unique<ui::PictureBox>(&fraNote(i), ui::Rect{3, 10, 730, 44}, kBox, ui::kSysWindow);
  }};
  ui::ControlArray<ui::Label> lblNote{1, [this](int i) {
    return std::make_unique<ui::Label>(
        &picNote(i), ui::Rect{8, 12, 713, 33},
        "This section consists of 2 pages which define tab, tab bar background, and other tab elements.");
  }};

  // ---- Sub-page 0: the tab images in four states.
  ui::Frame fraTabActive{&picTabs(0), {16, 88, 361, 182}, "Active Tab"};
  ui::PictureBox picTabActiveBase{&fraTabActive, {3, 16, 353, 159}, kBox, ui::kSysWindow};
  MarkedImageEditor TabActive{&picTabActiveBase, TabImageDesign("TabActive", "picTabActiveImage")};
  ui::Label lblTabActiveStartOut{&picTabActiveBase, {8, 103, 81, 17}, "Start Out :"};
  ui::TextBox txtTabActiveStartOut{&picTabActiveBase, {96, 100, 33, 22}};
  ui::Label lblTabActiveEndOut{&picTabActiveBase, {140, 103, 81, 17}, "End Out :"};
  ui::TextBox txtTabActiveEndOut{&picTabActiveBase, {224, 100, 33, 22}};
  ui::TextBox txtTabActivePaddingTop{&picTabActiveBase, {96, 130, 33, 22}};
  ui::TextBox txtTabActivePaddingRight{&picTabActiveBase, {160, 130, 33, 22}};
  ui::TextBox txtTabActivePaddingBottom{&picTabActiveBase, {224, 130, 33, 22}};
  ui::TextBox txtTabActivePaddingLeft{&picTabActiveBase, {288, 130, 33, 22}};

  ui::Frame fraTabNormal{&picTabs(0), {392, 88, 361, 182}, "Inactive Tab"};
  ui::PictureBox picTabNormalBase{&fraTabNormal, {3, 16, 353, 159}, kBox, ui::kSysWindow};
  MarkedImageEditor TabNormal{&picTabNormalBase, TabImageDesign("TabNormal", "picTabNormalImage")};
  ui::Label lblTabNormalStartOut{&picTabNormalBase, {8, 103, 81, 17}, "Start Out :"};
  ui::TextBox txtTabNormalStartOut{&picTabNormalBase, {96, 100, 33, 22}};
  ui::Label lblTabNormalEndOut{&picTabNormalBase, {140, 103, 81, 17}, "End Out :"};
  ui::TextBox txtTabNormalEndOut{&picTabNormalBase, {224, 100, 33, 22}};
  ui::TextBox txtTabNormalPaddingTop{&picTabNormalBase, {96, 130, 33, 22}};
  ui::TextBox txtTabNormalPaddingRight{&picTabNormalBase, {160, 130, 33, 22}};
  ui::TextBox txtTabNormalPaddingBottom{&picTabNormalBase, {224, 130, 33, 22}};
  ui::TextBox txtTabNormalPaddingLeft{&picTabNormalBase, {288, 130, 33, 22}};

  ui::Frame fraTabHover{&picTabs(0), {16, 288, 361, 122}, "Hover Tab"};
  ui::PictureBox picTabHoverBase{&fraTabHover, {3, 16, 353, 99}, kBox, ui::kSysWindow};
  MarkedImageEditor TabHover{&picTabHoverBase, TabImageDesign("TabHover", "picTabHover")};

  ui::Frame fraTabUnread{&picTabs(0), {392, 288, 361, 122}, "Unread Tab"};
  ui::PictureBox picTabUnreadBase{&fraTabUnread, {3, 16, 353, 99}, kBox, ui::kSysWindow};
  MarkedImageEditor TabUnread{&picTabUnreadBase, TabImageDesign("TabUnread", "picTabUnread")};

  ui::CheckBox chkTabFlipSettings{&picTabs(0), {16, 424, 361, 17},
                                  "Flip tab appearance when tab bar is on the bottom"};

  // ---- Sub-page 1: the two tab-bar backgrounds.
  BackgroundEditor TabActiveBkgnd{&picTabs(1),
                                  BackgroundDesign("TabActiveBkgnd", "Active Tab Bar Background", 16, "Background",
                                                   "Background", "tab_bg.png")};
  ui::Label lblTabActiveBkgndStartColor{&TabActiveBkgnd.picBase, BackgroundEditor::kStartColorLabel,
                                        "Start Color :"};
  ui::Label lblTabActiveBkgndEndColor{&TabActiveBkgnd.picBase, BackgroundEditor::kEndColorLabel, "End Color :"};
  BackgroundEditor TabInactiveBkgnd{&picTabs(1),
                                    BackgroundDesign("TabInactiveBkgnd", "Inactive Tab Bar Background", 392,
                                                     "InactiveBackground", "InActiveBackground",
                                                     "tab_bg_inactive.png")};
  ui::Label lblTabInactiveBkgndStartColor{&TabInactiveBkgnd.picBase, BackgroundEditor::kStartColorLabel,
                                          "Start Color :"};
  ui::Label lblTabInactiveBkgndEndColor{&TabInactiveBkgnd.picBase, BackgroundEditor::kEndColorLabel,
                                        "End Color :"};

  // ---- Sub-page 1: the tab close button.
  ui::Frame fraTabClose{&picTabs(1), {16, 178, 361, 212}, "Tab Close Button"};
  ui::PictureBox picTabCloseBase{&fraTabClose, {3, 16, 353, 189}, kBox, ui::kSysWindow};
  ui::Label lblTabCloseNormal{&picTabCloseBase, {8, 13, 81, 17}, "Normal :"};
  ui::PictureBox picTabCloseNormalImage{&picTabCloseBase, {96, 0, 173, 40}, kBox, ui::kSysWindow};
  ui::TextBox txtTabCloseNormalImage{&picTabCloseBase, {96, 40, 173, 22}};
  ui::CommandButton cmdTabCloseNormalBrowse{&picTabCloseBase, {273, 39, 73, 24}, "Browse..."};
  ui::Label lblTabCloseHover{&picTabCloseBase, {8, 74, 81, 17}, "Hover :"};
  ui::PictureBox picTabCloseHoverImage{&picTabCloseBase, {96, 62, 173, 38}, kBox, ui::kSysWindow};
  ui::TextBox txtTabCloseHoverImage{&picTabCloseBase, {96, 100, 173, 22}};
  ui::CommandButton cmdTabCloseHoverBrowse{&picTabCloseBase, {273, 99, 73, 24}, "Browse..."};
  ui::Label lblTabCloseLeftOffset{&picTabCloseBase, {8, 133, 81, 17}, "Left Offset :"};
  ui::TextBox txtTabCloseLeftOffset{&picTabCloseBase, {96, 130, 33, 22}};
  ui::Label lblTabCloseTopOffset{&picTabCloseBase, {140, 134, 81, 17}, "Top Offset :"};
  ui::TextBox txtTabCloseTopOffset{&picTabCloseBase, {224, 130, 33, 22}};
  ui::Label lblTabCloseSpace{&picTabCloseBase, {8, 163, 86, 17}, "Extend Space :"};
  ui::TextBox txtTabCloseExtendSpace{&picTabCloseBase, {96, 160, 33, 22}};

  // ---- Sub-page 1: the tab progress animation.
  ui::Frame fraTabProgress{&picTabs(1), {392, 178, 361, 182}, "Tab Progress Animation"};
  ui::PictureBox picTabProgressBase{&fraTabProgress, {3, 16, 353, 159}, kBox, ui::kSysWindow};
  ui::PictureBox picTabProgressImage{&picTabProgressBase, {96, 0, 173, 40}, kBox, ui::kSysWindow};
  ui::TextBox txtTabProgressImage{&picTabProgressBase, {96, 40, 173, 22}};
  ui::CommandButton cmdTabProgressBrowse{&picTabProgressBase, {273, 39, 73, 24}, "Browse..."};
  ui::Label lblTabProgressLeftOffset{&picTabProgressBase, {8, 73, 81, 17}, "Left Offset :"};
  ui::TextBox txtTabProgressLeftOffset{&picTabProgressBase, {96, 70, 33, 22}};
  ui::Label lblTabProgressTopOffset{&picTabProgressBase, {140, 73, 81, 17}, "Top Offset :"};
  ui::TextBox txtTabProgressTopOffset{&picTabProgressBase, {224, 70, 33, 22}};
  ui::Label lblTabProgressFrameWidth{&picTabProgressBase, {8, 103, 81, 17}, "Frame Width :"};
  ui::TextBox txtTabProgressFrameWidth{&picTabProgressBase, {96, 100, 33, 22}};
  ui::CheckBox chkTabProgressHideIcon{&picTabProgressBase, {144, 102, 169, 17}, "Hide website icons"};
  ui::ComboBox cboTabProgressStyle{&picTabProgressBase, {96, 130, 249, 23}, ui::ComboBox::kDropdownList};

  // ---- Selectors of the sub-pages, under the panels.
  ui::ControlArray<ui::Label> lblPage{kSubPages, [this](int i) {
    auto selector = std::make_unique<ui::Label>(&picTabs(0), ui::Rect{16 + 32 * i, 480, 25, 17},
                                                std::to_string(i + 1), ui::Label::kAlignCenter);
    selector->AddStyle(WS_BORDER);
    return selector;
  }};

  // ---- Caption labels that repeat, one member per place. Images: active,
  // inactive, hover and unread tab, active and inactive background,
  // progress. Files: the same, then the close button's normal and hover
  // images before the progress. Offsets: the four tabs and the two
  // backgrounds. Styles: the two backgrounds and the progress. Paddings:
  // the active and the inactive tab.
  ui::ControlArray<ui::Label> lblImage{
      7, CaptionLabels("Image :", {{&picTabActiveBase, kTabImageLabel},
                                   {&picTabNormalBase, kTabImageLabel},
                                   {&picTabHoverBase, kTabImageLabel},
                                   {&picTabUnreadBase, kTabImageLabel},
                                   {&TabActiveBkgnd.picImageBase, BackgroundEditor::kImageLabel},
                                   {&TabInactiveBkgnd.picImageBase, BackgroundEditor::kImageLabel},
                                   {&picTabProgressBase, kTabImageLabel}})};
  ui::ControlArray<ui::Label> lblFile{
      9, CaptionLabels("File :", {{&picTabActiveBase, kTabFileLabel},
                                  {&picTabNormalBase, kTabFileLabel},
                                  {&picTabHoverBase, kTabFileLabel},
                                  {&picTabUnreadBase, kTabFileLabel},
                                  {&TabActiveBkgnd.picImageBase, BackgroundEditor::kFileLabel},
                                  {&TabInactiveBkgnd.picImageBase, BackgroundEditor::kFileLabel},
                                  {&picTabCloseBase, kTabFileLabel},
                                  {&picTabCloseBase, {8, 103, 81, 17}},
                                  {&picTabProgressBase, kTabFileLabel}})};
  ui::ControlArray<ui::Label> lblStartOffset{
      6, CaptionLabels("Start Offset :", {{&picTabActiveBase, kTabStartOffsetLabel},
                                          {&picTabNormalBase, kTabStartOffsetLabel},
                                          {&picTabHoverBase, kTabStartOffsetLabel},
                                          {&picTabUnreadBase, kTabStartOffsetLabel},
                                          {&TabActiveBkgnd.picImageBase, BackgroundEditor::kStartOffsetLabel},
                                          {&TabInactiveBkgnd.picImageBase, BackgroundEditor::kStartOffsetLabel}})};
  ui::ControlArray<ui::Label> lblEndOffset{
      6, CaptionLabels("End Offset :", {{&picTabActiveBase, kTabEndOffsetLabel},
                                        {&picTabNormalBase, kTabEndOffsetLabel},
                                        {&picTabHoverBase, kTabEndOffsetLabel},
                                        {&picTabUnreadBase, kTabEndOffsetLabel},
                                        {&TabActiveBkgnd.picImageBase, BackgroundEditor::kEndOffsetLabel},
                                        {&TabInactiveBkgnd.picImageBase, BackgroundEditor::kEndOffsetLabel}})};
  ui::ControlArray<ui::Label> lblStyle{
      3, CaptionLabels("Style :", {{&TabActiveBkgnd.picBase, BackgroundEditor::kStyleLabel},
                                   {&TabInactiveBkgnd.picBase, BackgroundEditor::kStyleLabel},
                                   {&picTabProgressBase, {8, 133, 81, 17}}})};
  ui::ControlArray<ui::Label> lblPadding{
      2, CaptionLabels("Padding :", {{&picTabActiveBase, {8, 133, 65, 17}}, {&picTabNormalBase, {8, 133, 65, 17}}})};
  ui::ControlArray<ui::Label> lblTop{2, PaddingLabels("(T)", 69)};
  ui::ControlArray<ui::Label> lblRight{2, PaddingLabels("(R)", 133)};
  ui::ControlArray<ui::Label> lblBottom{2, PaddingLabels("(B)", 197)};
  ui::ControlArray<ui::Label> lblLeft{2, PaddingLabels("(L)", 261)};

  // ---- The page contract.
  void SetCaptions() override;
  // Fills the page from [TabBar] of gSkinIni while a project loads.
  void LoadTabBar();
  // Writes [TabBar] of gSkinIni from the page.
  void SaveTabBar();

  // The images from outside the project that the last save could not copy
  // into it.
  const std::vector<std::string>& UncopiedImages() const { return m_UncopiedImages; }

 private:
  // Caption labels of a tab frame and of the frames laid out like one.
  static constexpr ui::Rect kTabImageLabel{8, 13, 81, 17};
  static constexpr ui::Rect kTabFileLabel{8, 43, 81, 17};
  static constexpr ui::Rect kTabStartOffsetLabel{8, 73, 81, 17};
  static constexpr ui::Rect kTabEndOffsetLabel{140, 73, 81, 17};

  using LabelPlaces = std::vector<std::pair<ui::Container*, ui::Rect>>;
  static ImageEditorDesign TabImageDesign(const std::string& stem, const std::string& picName);
  static BackgroundEditorDesign BackgroundDesign(const std::string& stem, const std::string& caption, int left,
                                                 const std::string& readPrefix, const std::string& writePrefix,
                                                 const std::string& defaultFile);
  static ui::ControlArray<ui::Label>::Factory CaptionLabels(const char* caption, LabelPlaces places);
  ui::ControlArray<ui::Label>::Factory PaddingLabels(const char* caption, int left);
  void Bind() override;
  void AddNames();

  // The previews, by the names the handlers and the load use.
  void UpdateActiveBkgndMarkers() { TabActiveBkgnd.UpdateOffsetMarker(); }
  void UpdateInactiveBkgndMarkers() { TabInactiveBkgnd.UpdateOffsetMarker(); }
  void UpdateNormalTabMarkers() { TabNormal.UpdateOffsetMarker(); }
  void UpdateActiveTabMarkers() { TabActive.UpdateOffsetMarker(); }
  void UpdateHoverTabMarkers() { TabHover.UpdateOffsetMarker(); }
  void UpdateUnreadTabMarkers() { TabUnread.UpdateOffsetMarker(); }
  void DrawActiveBkgndGradient() { TabActiveBkgnd.UpdateGradientPreview(); }
  void DrawInactiveBkgndGradient() { TabInactiveBkgnd.UpdateGradientPreview(); }
  void EnableProgressControls(bool enabled);

  // Handlers of the controls that no element editor owns.
  void MarkModified();
  void cboTabProgressStyle_Click();
  void cmdTabCloseNormalBrowse_Click();
  void cmdTabCloseHoverBrowse_Click();
  void cmdTabProgressBrowse_Click();
  void picTabCloseNormalImage_DblClick();
  void picTabCloseHoverImage_Click();
  void picTabProgressImage_DblClick();

  // The four tab states in the order of the section: normal, active,
  // hover, unread. Only the normal and the active tab have outs and
  // paddings.
  static constexpr int kTabStates = 4;
  struct TabState {
    MarkedImageEditor& editor;
    const char* keyPrefix;    // "Tab.Normal"
    const char* defaultFile;  // of an image copied into "control"
    ui::TextBox* startOut;
    ui::TextBox* endOut;
    ui::TextBox* padding[4];  // top, right, bottom, left
  };
  TabState TabStateAt(int index);

  // Load and save steps.
  void LoadTabState(const TabState& tab);
  void LoadProgress();
  void LoadCloseButton();
  void SaveTabState(const TabState& tab);
  void SaveImage(ui::TextBox& text, const std::string& key, const std::string& defaultFile);
  void Collect(const core::ImageKeyResult& result, const std::string& path);

  std::vector<std::string> m_UncopiedImages;
};

}  // namespace pages
