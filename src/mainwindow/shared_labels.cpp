// The labels that several pages share (lblFile, lblPadding ...): each
// array carries one text for all its elements, and each element stands on
// its own page, on the container its place names. An element is one line
// of kSharedLabels.
#include "mainwindow/frmTarnell.h"

namespace mainwindow {

namespace {

using pages::BackgroundEditor;
using pages::TabImageEditor;
using Container = ui::Container& (*)(frmTarnell&);

// The containers the labels stand on.
template <int panel>
ui::Container& Panel(frmTarnell& f) {
  return f.picTabs(panel);
}
ui::Container& SideBarNormal(frmTarnell& f) { return f.SideBarTabNormal.picBase; }
ui::Container& SideBarActive(frmTarnell& f) { return f.SideBarTabActive.picBase; }
ui::Container& TabBkgndColours(frmTarnell& f) { return f.SideBarTabBkgnd.picBase; }
ui::Container& TabBkgndImage(frmTarnell& f) { return f.SideBarTabBkgnd.picImageBase; }
ui::Container& TitleBkgndColours(frmTarnell& f) { return f.SideBarTitleBkgnd.picBase; }
ui::Container& TitleBkgndImage(frmTarnell& f) { return f.SideBarTitleBkgnd.picImageBase; }
ui::Container& ComboNormal(frmTarnell& f) { return f.picComboNormalBase; }
ui::Container& ComboHover(frmTarnell& f) { return f.picComboHoverBase; }
ui::Container& ProgressFG(frmTarnell& f) { return f.picProgressFGBase; }
ui::Container& ProgressBg(frmTarnell& f) { return f.picProgressBgBase; }

struct SharedLabelPlace {
  const char* array;
  int index;
  Container on;
  ui::Rect rect;
  ui::Label::Alignment align = ui::Label::kAlignLeft;
};

// Frames with an image laid out as a tab's: the Side Bar's tabs, the Combo
// Box's backgrounds and the Progress images.
constexpr ui::Rect kImage = TabImageEditor::kImageLabel;
constexpr ui::Rect kFile = TabImageEditor::kFileLabel;
constexpr ui::Rect kStart = TabImageEditor::kStartOffsetLabel;
constexpr ui::Rect kEnd = TabImageEditor::kEndOffsetLabel;
constexpr ui::Label::Alignment kRight = ui::Label::kAlignRight;

const SharedLabelPlace kSharedLabels[] = {
    {"lblImage", 0, SideBarNormal, kImage},
    {"lblImage", 1, SideBarActive, kImage},
    {"lblImage", 2, ProgressBg, kImage},
    {"lblImage", 3, ProgressFG, kImage},
    {"lblImage", 4, TabBkgndImage, BackgroundEditor::kImageLabel},
    {"lblImage", 5, TitleBkgndImage, BackgroundEditor::kImageLabel},
    {"lblImage", 6, ComboNormal, kImage},
    {"lblImage", 7, ComboHover, kImage},

    {"lblFile", 0, SideBarNormal, kFile},
    {"lblFile", 1, SideBarActive, kFile},
    {"lblFile", 2, TabBkgndImage, BackgroundEditor::kFileLabel},
    {"lblFile", 3, TitleBkgndImage, BackgroundEditor::kFileLabel},
    {"lblFile", 4, ProgressBg, kFile},
    {"lblFile", 5, ComboNormal, kFile},
    {"lblFile", 6, ComboHover, kFile},
    {"lblFile", 10, Panel<frmTarnell::kIconsPage>, {352, 135, 81, 17}},
    {"lblFile", 11, ProgressFG, kFile},

    {"lblStartOffset", 0, ProgressFG, kStart},
    {"lblStartOffset", 1, ProgressBg, kStart},
    {"lblStartOffset", 2, SideBarNormal, kStart},
    {"lblStartOffset", 3, SideBarActive, kStart},
    {"lblStartOffset", 4, TabBkgndImage, BackgroundEditor::kStartOffsetLabel},
    {"lblStartOffset", 5, TitleBkgndImage, BackgroundEditor::kStartOffsetLabel},
    {"lblStartOffset", 6, ComboNormal, kStart},
    {"lblStartOffset", 7, ComboHover, kStart},

    {"lblEndOffset", 0, ProgressFG, kEnd},
    {"lblEndOffset", 1, ProgressBg, kEnd},
    {"lblEndOffset", 2, SideBarNormal, kEnd},
    {"lblEndOffset", 3, SideBarActive, kEnd},
    {"lblEndOffset", 4, TabBkgndImage, BackgroundEditor::kEndOffsetLabel},
    {"lblEndOffset", 5, TitleBkgndImage, BackgroundEditor::kEndOffsetLabel},
    {"lblEndOffset", 6, ComboNormal, kEnd},
    {"lblEndOffset", 7, ComboHover, kEnd},

    {"lblPadding", 0, SideBarNormal, TabImageEditor::kPaddingLabel},
    {"lblPadding", 1, Panel<frmTarnell::kButtonsPage>, {352, 320, 81, 17}},
    {"lblPadding", 2, SideBarActive, TabImageEditor::kPaddingLabel},
    {"lblStartOut", 0, SideBarNormal, TabImageEditor::kStartOutLabel},
    {"lblStartOut", 1, SideBarActive, TabImageEditor::kStartOutLabel},
    {"lblEndOut", 0, SideBarNormal, TabImageEditor::kEndOutLabel},
    {"lblEndOut", 1, SideBarActive, TabImageEditor::kEndOutLabel},
    {"lblTop", 0, SideBarNormal, TabImageEditor::PaddingMark(0), kRight},
    {"lblTop", 1, SideBarActive, TabImageEditor::PaddingMark(0), kRight},
    {"lblRight", 0, SideBarNormal, TabImageEditor::PaddingMark(1), kRight},
    {"lblRight", 1, SideBarActive, TabImageEditor::PaddingMark(1), kRight},
    {"lblBottom", 0, SideBarNormal, TabImageEditor::PaddingMark(2), kRight},
    {"lblBottom", 1, SideBarActive, TabImageEditor::PaddingMark(2), kRight},
    {"lblLeft", 0, SideBarNormal, TabImageEditor::PaddingMark(3), kRight},
    {"lblLeft", 1, SideBarActive, TabImageEditor::PaddingMark(3), kRight},

    {"lblStyle", 0, TabBkgndColours, BackgroundEditor::kStyleLabel},
    {"lblStyle", 1, TitleBkgndColours, BackgroundEditor::kStyleLabel},
    {"lblStartColor", 0, TabBkgndColours, BackgroundEditor::kStartColorLabel},
    {"lblStartColor", 1, TitleBkgndColours, BackgroundEditor::kStartColorLabel},
    {"lblEndColor", 0, TabBkgndColours, BackgroundEditor::kEndColorLabel},
    {"lblEndColor", 1, TitleBkgndColours, BackgroundEditor::kEndColorLabel},
};

}  // namespace

ui::ControlArray<ui::Label> frmTarnell::SharedLabels(const char* array, const char* caption) {
  ui::ControlArray<ui::Label> labels;
  for (const SharedLabelPlace& place : kSharedLabels) {
    if (std::string(place.array) != array) continue;
    labels.Load(place.index, std::make_unique<ui::Label>(&place.on(*this), place.rect, caption, place.align));
  }
  return labels;
}

void frmTarnell::AddSharedNames() {
  names_.AddArray("picTabs", picTabs);
  names_.AddArray("fraNote", fraNote);
  names_.AddArray("picNote", picNote);
  names_.AddArrays({{"lblNote", lblNote}, {"lblImage", lblImage}, {"lblFile", lblFile},
                    {"lblStartOffset", lblStartOffset}, {"lblEndOffset", lblEndOffset}, {"lblPadding", lblPadding},
                    {"lblStartOut", lblStartOut}, {"lblEndOut", lblEndOut}, {"lblStyle", lblStyle}, {"lblTop", lblTop},
                    {"lblRight", lblRight}, {"lblBottom", lblBottom}, {"lblLeft", lblLeft},
                    {"lblStartColor", lblStartColor}, {"lblEndColor", lblEndColor}});
}

}  // namespace mainwindow
