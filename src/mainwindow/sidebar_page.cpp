// The Side Bar page (panel 7, section [SideBar]): the inactive and active
// side-bar tabs, the tab background and the title background, and the flag
// that mirrors the tabs when the side bar is on the right.
#include "core/globals.h"
#include "core/image_keys.h"
#include "core/ini.h"
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

using namespace core;

namespace {

constexpr char kSection[] = "SideBar";
constexpr char kImageFolder[] = "control";

// The tab background and the tab strips are vertical, marked across their
// height: the marker's sides stick out two pixels left and right of the box.
constexpr ui::Rect kVerticalMarker{-2, 0, 177, 17};
// The title background is marked across its width.
constexpr ui::Rect kHorizontalMarker{0, -2, 40, 44};

}  // namespace

pages::TabImageDesign frmTarnell::SideBarTabDesign(const char* stem, const char* caption, int left) {
  return {stem, caption, {left, 88, 361, 182}, 36, kVerticalMarker, pages::MarkerAxis::Vertical};
}

pages::BackgroundEditorDesign frmTarnell::SideBarBackgroundDesign(bool title) {
  pages::BackgroundEditorDesign d;
  d.stem = title ? "SideBarTitleBkgnd" : "SideBarTabBkgnd";
  d.frameCaption = title ? "Title Background" : "Tab Background";
  d.frame = {title ? 392 : 16, 288, 361, 152};
  d.colourGroupHeight = 129;
  d.marker = title ? kHorizontalMarker : kVerticalMarker;
  d.axis = title ? pages::MarkerAxis::Horizontal : pages::MarkerAxis::Vertical;
  d.transparentItem = false;
  // The tab background's preview opens the image editor on one click.
  d.editOnDoubleClick = title;
  d.zeroEmptyOffsets = true;
  d.englishStyleItems = true;
  d.gradientCheckCaption = "Use horizontal gradient";
  d.keys.section = kSection;
  d.keys.readPrefix = title ? "TitleBackground" : "TabBackground";
  d.keys.defaultStyle = "3Image";
  d.keys.subFolder = kImageFolder;
  d.keys.defaultFile = DefaultImageFile(kSection, d.keys.readPrefix + ".Image");
  d.keys.cleanupPasses = 2;
  // Stored files rely on it: the tab background's box is ticked for "0".
  d.keys.invertAngle = !title;
  d.keys.stretchSuffix = ".Image.Stretch";
  return d;
}

void frmTarnell::BindSideBarPage() {
  chkFlipSettings.Click = [this] { chkFlipSettings_Click(); };

  SideBarTabNormal.AddNames(names_);
  SideBarTabActive.AddNames(names_);
  SideBarTabBkgnd.AddNames(names_);
  SideBarTitleBkgnd.AddNames(names_);
  names_.Add("chkFlipSettings", chkFlipSettings);
}

void frmTarnell::chkFlipSettings_Click() { gModified = true; }

void frmTarnell::LoadSideBar() {
  SideBarTabNormal.Load(kSection, "Tab.Normal");
  SideBarTabActive.Load(kSection, "Tab.Active");
  SideBarTabBkgnd.Load();
  SideBarTitleBkgnd.Load();
  pages::LoadCheckFromText(chkFlipSettings, ReadIni(gSkinIni, kSection, "FlipSettings", "0"));
}

void frmTarnell::SaveSideBar() {
  struct Tab {
    pages::TabImageEditor& editor;
    const char* prefix;
  };
  for (const Tab& tab : {Tab{SideBarTabNormal, "Tab.Normal"}, Tab{SideBarTabActive, "Tab.Active"}}) {
    std::string path = tab.editor.image.txtImage.Text();
    std::string key = std::string(tab.prefix) + ".Image";
    KeepUncopied(tab.editor.Save(kSection, tab.prefix, kImageFolder, DefaultImageFile(kSection, key)), path);
  }
  for (pages::BackgroundEditor* editor : {&SideBarTabBkgnd, &SideBarTitleBkgnd}) {
    std::string path = editor->txtImage.Text();
    KeepUncopied(editor->Save(), path);
  }
  WriteIni(gSkinIni, kSection, "FlipSettings", std::to_string(chkFlipSettings.Value()));
}

}  // namespace mainwindow
