#include "pages/tabbar_colors/frmTab.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/gdiplus_images.h"
#include "core/image_keys.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/paths.h"

namespace pages {

using namespace core;

namespace {

constexpr char kSection[] = "TabBar";
constexpr char kImageFolder[] = "control";

// The items of the progress style list, in list order, as stored.
constexpr const char* kProgressStyles[] = {"Animation", "Progress", "None"};
constexpr int kNoProgress = 2;

std::string Read(const std::string& key, const std::string& def = "") { return ReadIni(gSkinIni, kSection, key, def); }

void Write(const std::string& key, const std::optional<std::string>& value) {
  WriteIni(gSkinIni, kSection, key, value);
}

// A stored flag. One the box cannot show (not a whole number from 0 to 2)
// loads as unchecked, the value of a missing key, rather than leaving what
// the project opened before had there.
void LoadFlag(ui::CheckBox& box, const std::string& key) {
  if (!SetCheckFromText(box, Read(key, "0"))) box.SetValue(ui::CheckBox::kUnchecked);
}

// Spreads a value of parts separated by single blanks over the boxes; an
// empty value puts "0" into every box. A box without a part of its own is
// emptied, so that nothing of a project opened earlier stays in it (and is
// saved into this one).
void LoadParts(const std::string& value, std::initializer_list<ui::TextBox*> boxes) {
  std::vector<std::string> parts = value.empty() ? std::vector<std::string>(boxes.size(), "0") : Split(value, " ");
  size_t i = 0;
  for (ui::TextBox* box : boxes) {
    box->SetText(i < parts.size() ? parts[i] : "");
    ++i;
  }
}

// The texts of boxes that LoadParts spreads a value over, joined by single
// blanks. The load splits the value at blanks, and a leading blank is lost
// on reading it back: an empty box before a filled one is written as "0",
// so that every later value comes back into its own box. Empty boxes after
// the last filled one, and boxes that are all empty, are joined as they are.
std::string JoinedParts(const std::vector<std::string>& parts) {
  size_t filled = parts.size();
  while (filled > 0 && Trimmed(parts[filled - 1]).empty()) --filled;
  std::string joined;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) joined += ' ';
    if (i < filled && Trimmed(parts[i]).empty())
      joined += '0';
    else
      joined += parts[i];
  }
  return joined;
}

// Draws an image key's file centred into an emptied preview, recording its
// width: a preview whose key is empty is not left showing the image of the
// project opened before.
void ShowPreview(OffsetMarkerPreview& preview, const std::string& path) {
  preview.Clear();
  preview.ShowImage(path);
}

}  // namespace

// ---------------------------------------------------------------- design

ImageEditorDesign frmTab::TabImageDesign(const std::string& stem, const std::string& picName) {
  ImageEditorDesign d = StandardImageDesign(stem);
  d.preview.picName = picName;
  d.preview.box = {96, 1, 173, 38};
  d.preview.marker = {0, -2, 40, 44};
  d.txtImage = {96, 40, 173, 22};
  d.cmdBrowse = {273, 39, 73, 24};
  d.txtStartOffset = {96, 70, 33, 22};
  d.txtEndOffset = {224, 70, 33, 22};
  d.chkStretch = {273, 72, 81, 17};
  d.editOnDoubleClick = true;
  return d;
}

BackgroundEditorDesign frmTab::BackgroundDesign(const std::string& stem, const std::string& caption, int left,
                                                const std::string& readPrefix, const std::string& writePrefix,
                                                const std::string& defaultFile) {
  BackgroundEditorDesign d;
  d.stem = stem;
  d.frameCaption = caption;
  d.frame = {left, 8, 361, 152};
  d.colourGroupHeight = 129;
  d.marker = {0, -2, 40, 44};
  d.transparentItem = false;
  d.editOnDoubleClick = true;
  d.zeroEmptyOffsets = false;
  d.gradientCheckCaption = "Use horizontal gradient";
  d.keys.section = kSection;
  d.keys.readPrefix = readPrefix;
  d.keys.writePrefix = writePrefix;
  d.keys.defaultStyle = "3Image";
  d.keys.subFolder = kImageFolder;
  d.keys.defaultFile = defaultFile;
  d.keys.cleanupPasses = 2;
  d.keys.keepImageKeyForGradient = true;
  return d;
}

ui::ControlArray<ui::Label>::Factory frmTab::CaptionLabels(const char* caption, LabelPlaces places) {
  return [caption, places = std::move(places)](int i) {
    const auto& place = places.at(static_cast<size_t>(i));
    return std::make_unique<ui::Label>(place.first, place.second, caption);
  };
}

ui::ControlArray<ui::Label>::Factory frmTab::PaddingLabels(const char* caption, int left) {
  return [this, caption, left](int i) {
    ui::Container* base = i == 0 ? &picTabActiveBase : &picTabNormalBase;
    return std::make_unique<ui::Label>(base, ui::Rect{left, 133, 25, 17}, caption, ui::Label::kAlignRight);
  };
}

frmTab::frmTab() {
  // Every frame, picture box, label, check box and button of the page lies
  // on the window colour.
  PaintOnWindowColour(*this);
  for (int i = 0; i < kSubPages; ++i) PaintSelector(lblPage(i), i == 0);
  SetSubPages(picTabs, lblPage, kPanelTop);
  AddNames();
}

void frmTab::AddNames() {
  names_.AddArray("picTabs", picTabs);
  names_.AddArrays({{"lblPage", lblPage}, {"lblNote", lblNote}, {"lblImage", lblImage}, {"lblFile", lblFile},
                    {"lblStartOffset", lblStartOffset}, {"lblEndOffset", lblEndOffset}, {"lblStyle", lblStyle},
                    {"lblPadding", lblPadding}, {"lblTop", lblTop}, {"lblRight", lblRight}, {"lblBottom", lblBottom},
                    {"lblLeft", lblLeft}});
  names_.AddArray("fraNote", fraNote);
  names_.AddArray("picNote", picNote);

  for (MarkedImageEditor* editor : {&TabActive, &TabNormal, &TabHover, &TabUnread}) editor->AddNames(names_);
  TabActiveBkgnd.AddNames(names_);
  TabInactiveBkgnd.AddNames(names_);

  struct Named {
    const char* name;
    ui::Control& control;
  };
  for (const Named& n : {
           Named{"fraTabActive", fraTabActive},
           {"picTabActiveBase", picTabActiveBase},
           {"lblTabActiveStartOut", lblTabActiveStartOut},
           {"txtTabActiveStartOut", txtTabActiveStartOut},
           {"lblTabActiveEndOut", lblTabActiveEndOut},
           {"txtTabActiveEndOut", txtTabActiveEndOut},
           {"txtTabActivePaddingTop", txtTabActivePaddingTop},
           {"txtTabActivePaddingRight", txtTabActivePaddingRight},
           {"txtTabActivePaddingBottom", txtTabActivePaddingBottom},
           {"txtTabActivePaddingLeft", txtTabActivePaddingLeft},
           {"fraTabNormal", fraTabNormal},
           {"picTabNormalBase", picTabNormalBase},
           {"lblTabNormalStartOut", lblTabNormalStartOut},
           {"txtTabNormalStartOut", txtTabNormalStartOut},
           {"lblTabNormalEndOut", lblTabNormalEndOut},
           {"txtTabNormalEndOut", txtTabNormalEndOut},
           {"txtTabNormalPaddingTop", txtTabNormalPaddingTop},
           {"txtTabNormalPaddingRight", txtTabNormalPaddingRight},
           {"txtTabNormalPaddingBottom", txtTabNormalPaddingBottom},
           {"txtTabNormalPaddingLeft", txtTabNormalPaddingLeft},
           {"fraTabHover", fraTabHover},
           {"picTabHoverBase", picTabHoverBase},
           {"fraTabUnread", fraTabUnread},
           {"picTabUnreadBase", picTabUnreadBase},
           {"chkTabFlipSettings", chkTabFlipSettings},
           {"lblTabActiveBkgndStartColor", lblTabActiveBkgndStartColor},
           {"lblTabActiveBkgndEndColor", lblTabActiveBkgndEndColor},
           {"lblTabInactiveBkgndStartColor", lblTabInactiveBkgndStartColor},
           {"lblTabInactiveBkgndEndColor", lblTabInactiveBkgndEndColor},
           {"fraTabClose", fraTabClose},
           {"picTabCloseBase", picTabCloseBase},
           {"lblTabCloseNormal", lblTabCloseNormal},
           {"picTabCloseNormalImage", picTabCloseNormalImage},
           {"txtTabCloseNormalImage", txtTabCloseNormalImage},
           {"cmdTabCloseNormalBrowse", cmdTabCloseNormalBrowse},
           {"lblTabCloseHover", lblTabCloseHover},
           {"picTabCloseHoverImage", picTabCloseHoverImage},
           {"txtTabCloseHoverImage", txtTabCloseHoverImage},
           {"cmdTabCloseHoverBrowse", cmdTabCloseHoverBrowse},
           {"lblTabCloseLeftOffset", lblTabCloseLeftOffset},
           {"txtTabCloseLeftOffset", txtTabCloseLeftOffset},
           {"lblTabCloseTopOffset", lblTabCloseTopOffset},
           {"txtTabCloseTopOffset", txtTabCloseTopOffset},
           {"lblTabCloseSpace", lblTabCloseSpace},
           {"txtTabCloseExtendSpace", txtTabCloseExtendSpace},
           {"fraTabProgress", fraTabProgress},
           {"picTabProgressBase", picTabProgressBase},
           {"picTabProgressImage", picTabProgressImage},
           {"txtTabProgressImage", txtTabProgressImage},
           {"cmdTabProgressBrowse", cmdTabProgressBrowse},
           {"lblTabProgressLeftOffset", lblTabProgressLeftOffset},
           {"txtTabProgressLeftOffset", txtTabProgressLeftOffset},
           {"lblTabProgressTopOffset", lblTabProgressTopOffset},
           {"txtTabProgressTopOffset", txtTabProgressTopOffset},
           {"lblTabProgressFrameWidth", lblTabProgressFrameWidth},
           {"txtTabProgressFrameWidth", txtTabProgressFrameWidth},
           {"chkTabProgressHideIcon", chkTabProgressHideIcon},
           {"cboTabProgressStyle", cboTabProgressStyle},
       })
    names_.Add(n.name, n.control);
}

void frmTab::Bind() {

  // What only marks the project modified.
  for (ui::TextBox* text :
       {&txtTabNormalStartOut, &txtTabNormalEndOut, &txtTabActiveStartOut, &txtTabActiveEndOut,
        &txtTabNormalPaddingTop, &txtTabNormalPaddingRight, &txtTabNormalPaddingBottom, &txtTabNormalPaddingLeft,
        &txtTabActivePaddingTop, &txtTabActivePaddingRight, &txtTabActivePaddingBottom, &txtTabActivePaddingLeft,
        &txtTabCloseNormalImage, &txtTabCloseHoverImage, &txtTabCloseLeftOffset, &txtTabCloseTopOffset,
        &txtTabCloseExtendSpace, &txtTabProgressImage, &txtTabProgressFrameWidth, &txtTabProgressLeftOffset,
        &txtTabProgressTopOffset})
    text->Change = [this] { MarkModified(); };
  chkTabProgressHideIcon.Click = [this] { MarkModified(); };
  chkTabFlipSettings.Click = [this] { MarkModified(); };

  cboTabProgressStyle.Click = [this] { cboTabProgressStyle_Click(); };
  cmdTabCloseNormalBrowse.Click = [this] { cmdTabCloseNormalBrowse_Click(); };
  cmdTabCloseHoverBrowse.Click = [this] { cmdTabCloseHoverBrowse_Click(); };
  cmdTabProgressBrowse.Click = [this] { cmdTabProgressBrowse_Click(); };
  picTabCloseNormalImage.DblClick = [this] { picTabCloseNormalImage_DblClick(); };
  picTabCloseHoverImage.Click = [this] { picTabCloseHoverImage_Click(); };
  picTabProgressImage.DblClick = [this] { picTabProgressImage_DblClick(); };
}

// ---------------------------------------------------------------- shell

void frmTab::SetCaptions() {
  if (gLanguageFile.empty()) return;
  SetSharedCaptions({{"Image", lblImage},
                     {"File", lblFile},
                     {"Start_Offset", lblStartOffset},
                     {"End_Offset", lblEndOffset},
                     {"Style", lblStyle},
                     {"Top", lblTop},
                     {"Left", lblLeft},
                     {"Bottom", lblBottom},
                     {"right", lblRight},
                     {"Padding", lblPadding}});
  chkTabFlipSettings.SetCaption(GetLangString("Flip_Settings"));
  lblNote(0).SetCaption(GetLangString("TabBar_Note"));
  lblTabActiveStartOut.SetCaption(GetLangString("Start_Out"));
  lblTabNormalStartOut.SetCaption(GetLangString("Start_Out"));
  lblTabActiveEndOut.SetCaption(GetLangString("End_Out"));
  lblTabNormalEndOut.SetCaption(GetLangString("End_Out"));
  lblTabProgressFrameWidth.SetCaption(GetLangString("Frame_Width"));
  chkTabProgressHideIcon.SetCaption(GetLangString("Hide_Favicon"));
  TabActiveBkgnd.cmdBrowse.SetCaption(gTextBrowse);
  TabActiveBkgnd.chkStretch.SetCaption(gTextStretch);
  TabInactiveBkgnd.cmdBrowse.SetCaption(gTextBrowse);
  TabInactiveBkgnd.chkStretch.SetCaption(gTextStretch);
  cmdTabCloseNormalBrowse.SetCaption(gTextBrowse);
  cmdTabCloseHoverBrowse.SetCaption(gTextBrowse);
  cmdTabProgressBrowse.SetCaption(gTextBrowse);
  lblTabCloseLeftOffset.SetCaption(GetLangString("Left_Offset"));
  lblTabProgressLeftOffset.SetCaption(GetLangString("Left_Offset"));
  lblTabCloseTopOffset.SetCaption(GetLangString("Top_Offset"));
  lblTabProgressTopOffset.SetCaption(GetLangString("Top_Offset"));
  lblTabCloseHover.SetCaption(GetLangString("Hover"));
  lblTabCloseNormal.SetCaption(GetLangString("Normal"));
  lblTabCloseSpace.SetCaption(GetLangString("Extend_Space"));
  TabActiveBkgnd.fra.SetCaption(GetLangString("Active_Tabbar_Background"));
  TabInactiveBkgnd.fra.SetCaption(GetLangString("Inactive_Tabbar_Background"));
  fraTabClose.SetCaption(GetLangString("Tab_Close_Button"));
  fraTabProgress.SetCaption(GetLangString("Tab_Progress_Animation"));
  struct TabFrame {
    const char* key;
    ui::Frame& frame;
    MarkedImageEditor& editor;
  };
  for (const TabFrame& tab : {TabFrame{"Active_Tab", fraTabActive, TabActive},
                              TabFrame{"Normal_Tab", fraTabNormal, TabNormal},
                              TabFrame{"Hover_Tab", fraTabHover, TabHover},
                              TabFrame{"Unread_Tab", fraTabUnread, TabUnread}}) {
    tab.frame.SetCaption(GetLangString(tab.key));
    tab.editor.cmdBrowse.SetCaption(gTextBrowse);
    tab.editor.chkStretch.SetCaption(gTextStretch);
  }
  // The check boxes mean a vertical gradient when checked: their caption
  // comes from that key, not from the designed "Use horizontal gradient".
  struct Background {
    BackgroundEditor& editor;
    ui::Label& startColor;
    ui::Label& endColor;
  };
  for (const Background& b : {Background{TabInactiveBkgnd, lblTabInactiveBkgndStartColor, lblTabInactiveBkgndEndColor},
                              Background{TabActiveBkgnd, lblTabActiveBkgndStartColor, lblTabActiveBkgndEndColor}}) {
    b.startColor.SetCaption(GetLangString("Start_Color"));
    b.endColor.SetCaption(GetLangString("End_Color"));
    b.editor.chkGradientHorizontal.SetCaption(GetLangString("Vertical_Gradient"));
    b.editor.cmdBrowse.SetCaption(gTextBrowse);
  }
}

// ---------------------------------------------------------------- editors

void frmTab::MarkModified() { gModified = true; }

void frmTab::EnableProgressControls(bool enabled) {
  chkTabProgressHideIcon.SetEnabled(enabled);
  cmdTabProgressBrowse.SetEnabled(enabled);
  txtTabProgressFrameWidth.SetEnabled(enabled);
  txtTabProgressImage.SetEnabled(enabled);
  txtTabProgressLeftOffset.SetEnabled(enabled);
  txtTabProgressTopOffset.SetEnabled(enabled);
}

void frmTab::cboTabProgressStyle_Click() {
  gModified = true;
  EnableProgressControls(cboTabProgressStyle.ListIndex() != kNoProgress);
}

void frmTab::cmdTabCloseNormalBrowse_Click() {
  BrowseImage(txtTabCloseNormalImage, picTabCloseNormalImage, kImageFilter, nullptr, false);
}

void frmTab::cmdTabCloseHoverBrowse_Click() {
  BrowseImage(txtTabCloseHoverImage, picTabCloseHoverImage, kImageFilter, nullptr, false);
}

void frmTab::cmdTabProgressBrowse_Click() {
  BrowseImage(txtTabProgressImage, picTabProgressImage, kImageFilter, nullptr, false);
}

void frmTab::picTabCloseNormalImage_DblClick() { EditImage(txtTabCloseNormalImage.Text()); }

void frmTab::picTabCloseHoverImage_Click() { EditImage(txtTabCloseHoverImage.Text()); }

void frmTab::picTabProgressImage_DblClick() { EditImage(txtTabProgressImage.Text()); }

// ---------------------------------------------------------------- load

frmTab::TabState frmTab::TabStateAt(int index) {
  switch (index) {
    case 0:
      return {TabNormal, "Tab.Normal", "tab_inactive.png", &txtTabNormalStartOut, &txtTabNormalEndOut,
              {&txtTabNormalPaddingTop, &txtTabNormalPaddingRight, &txtTabNormalPaddingBottom,
               &txtTabNormalPaddingLeft}};
    case 1:
      return {TabActive, "Tab.Active", "tab_active.png", &txtTabActiveStartOut, &txtTabActiveEndOut,
              {&txtTabActivePaddingTop, &txtTabActivePaddingRight, &txtTabActivePaddingBottom,
               &txtTabActivePaddingLeft}};
    case 2:
      return {TabHover, "Tab.Hover", "tab_hover.png", nullptr, nullptr, {}};
    default:
      return {TabUnread, "Tab.Unread", "tab_unread.png", nullptr, nullptr, {}};
  }
}

void frmTab::LoadTabState(const TabState& tab) {
  const std::string k = tab.keyPrefix;
  MarkedImageEditor& e = tab.editor;
  e.txtImage.SetText(Read(k + ".Image"));
  ShowPreview(e.preview, e.txtImage.Text());
  e.txtStartOffset.SetText(Read(k + ".Image.StartOffset"));
  e.txtEndOffset.SetText(Read(k + ".Image.EndOffset"));
  e.UpdateOffsetMarker();
  if (tab.startOut) {
    tab.startOut->SetText(Read(k + ".StartOut"));
    tab.endOut->SetText(Read(k + ".EndOut"));
  }
  LoadFlag(e.chkStretch, k + ".Image.Stretch");
  if (tab.padding[0])
    LoadParts(Read(k + ".Padding"), {tab.padding[0], tab.padding[1], tab.padding[2], tab.padding[3]});
}

void frmTab::LoadProgress() {
  if (cboTabProgressStyle.ListCount() == 0) {
    cboTabProgressStyle.AddItem(GetLangString("Show_Animate"));
    cboTabProgressStyle.AddItem(GetLangString("Show_Progress"));
    cboTabProgressStyle.AddItem(GetLangString("Show_None"));
  }
  std::string style = ToLower(Read("TabProgress.Style"));
  int item = style == "animation" ? 0 : style == "progress" ? 1 : kNoProgress;
  cboTabProgressStyle.SetListIndex(item);
  EnableProgressControls(item != kNoProgress);
  // Read whatever the style: with "None" the save keeps these keys in the
  // file, and the boxes must show them, not the values of the project
  // opened before, should the user choose a style again.
  LoadFlag(chkTabProgressHideIcon, "TabProgress.HideIcon");
  txtTabProgressFrameWidth.SetText(Read("TabProgress.Image.FrameWidth"));
  txtTabProgressImage.SetText(Read("TabProgress.Image"));
  ShowLoadedImage(picTabProgressImage, txtTabProgressImage.Text());
  LoadParts(Read("TabProgress.Offset"), {&txtTabProgressLeftOffset, &txtTabProgressTopOffset});
}

void frmTab::LoadCloseButton() {
  txtTabCloseExtendSpace.SetText(Read("TabClose.ExtendSpace"));
  txtTabCloseNormalImage.SetText(Read("TabClose"));
  ShowLoadedImage(picTabCloseNormalImage, txtTabCloseNormalImage.Text());
  txtTabCloseHoverImage.SetText(Read("TabClose.Hover"));
  ShowLoadedImage(picTabCloseHoverImage, txtTabCloseHoverImage.Text());
  LoadParts(Read("TabClose.Offset"), {&txtTabCloseLeftOffset, &txtTabCloseTopOffset});
}

void frmTab::LoadTabBar() {
  lblPage_MouseDown(0, 1, 1, 1.0f, 1.0f);
  LoadFlag(chkTabFlipSettings, "FlipSettings");
  for (int i = 0; i < kTabStates; ++i) LoadTabState(TabStateAt(i));
  // A stretch value the box cannot show leaves it unticked, as a missing
  // one does, rather than as the project opened before had it.
  for (BackgroundEditor* editor : {&TabActiveBkgnd, &TabInactiveBkgnd}) {
    editor->chkStretch.SetValue(ui::CheckBox::kUnchecked);
    editor->Load();
  }
  LoadProgress();
  LoadCloseButton();
}

// ---------------------------------------------------------------- save

void frmTab::Collect(const ImageKeyResult& result, const std::string& path) {
  if (result.copyFailed) m_UncopiedImages.push_back(path);
}

void frmTab::SaveImage(ui::TextBox& text, const std::string& key, const std::string& defaultFile) {
  std::string path = text.Text();
  ImageKeyResult result = StoreImageKey(gSkinIni, kSection, key, path, kImageFolder, defaultFile);
  ShowCopiedName(text, result);
  Collect(result, path);
}

void frmTab::SaveTabState(const TabState& tab) {
  const std::string k = tab.keyPrefix;
  MarkedImageEditor& e = tab.editor;
  std::string path = e.txtImage.Text();
  if (tab.startOut) {
    Write(k + ".Image.StartOffset", e.txtStartOffset.Text());
    Write(k + ".Image.EndOffset", e.txtEndOffset.Text());
    Write(k + ".StartOut", tab.startOut->Text());
    Write(k + ".EndOut", tab.endOut->Text());
    Write(k + ".Image.Stretch", std::to_string(e.chkStretch.Value()));
    Collect(e.StoreImage(kSection, k + ".Image", kImageFolder, tab.defaultFile), path);
    std::vector<std::string> parts;
    for (ui::TextBox* box : tab.padding) parts.push_back(Trimmed(box->Text()));
    std::string padding = JoinedParts(parts);
    Write(k + ".Padding", padding == "0 0 0 0" ? std::nullopt : std::optional<std::string>(padding));
  } else {
    Collect(e.StoreImage(kSection, k + ".Image", kImageFolder, tab.defaultFile), path);
    Write(k + ".Image.StartOffset", e.txtStartOffset.Text());
    Write(k + ".Image.EndOffset", e.txtEndOffset.Text());
    Write(k + ".Image.Stretch", std::to_string(e.chkStretch.Value()));
  }
}

void frmTab::SaveTabBar() {
  m_UncopiedImages.clear();
  Write("FlipSettings", std::to_string(chkTabFlipSettings.Value()));
  for (int i = 0; i < kTabStates; ++i) SaveTabState(TabStateAt(i));
  for (BackgroundEditor* editor : {&TabActiveBkgnd, &TabInactiveBkgnd}) {
    std::string path = editor->txtImage.Text();
    Collect(editor->Save(), path);
  }

  int item = cboTabProgressStyle.ListIndex();
  Write("TabProgress.Style", kProgressStyles[item == 0 || item == 1 ? item : kNoProgress]);
  if (item != kNoProgress) {
    Write("TabProgress.HideIcon", std::to_string(chkTabProgressHideIcon.Value()));
    Write("TabProgress.Image.FrameWidth", txtTabProgressFrameWidth.Text());
    SaveImage(txtTabProgressImage, "TabProgress.Image", "loading.png");
    Write("TabProgress.Offset", JoinedParts({txtTabProgressLeftOffset.Text(), txtTabProgressTopOffset.Text()}));
  }

  Write("TabClose.ExtendSpace", txtTabCloseExtendSpace.Text());
  SaveImage(txtTabCloseNormalImage, "TabClose", "tab_close.png");
  SaveImage(txtTabCloseHoverImage, "TabClose.Hover", "tab_close_hover.png");
  Write("TabClose.Offset", JoinedParts({txtTabCloseLeftOffset.Text(), txtTabCloseTopOffset.Text()}));
}

}  // namespace pages
