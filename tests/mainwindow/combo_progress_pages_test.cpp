// The Combo Box and Progress pages: their sections opened and saved back,
// the default image name they share, and what a second project leaves of the
// first on these pages and the Side Bar's.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "project_support.h"
#include "support/png.h"

namespace {

using namespace main_window_tests;
using testing_support::ReadFile;
using testing_support::WritePng;

using ComboProgressPagesTest = ProjectTest;

TEST_F(ComboProgressPagesTest, ASaveWritesEachSectionAsThePageShowsItKeepsUnknownKeysAndReportsUncopiedImages) {
  Open(WriteProject("Bars",
                    "[General]\r\nName=Bars\r\n"
                    "[ComboBox]\r\nBackground.Normal.Image=control\\n.png\r\nBackground.Normal.Image.StartOffset=4\r\n"
                    "Background.Normal.Image.Stretch=1\r\nBackground.Hover.Image.EndOffset=2\r\n"
                    "Background.Hover.Image.Stretch=yes\r\nThumb.Hover.Image=control\\th.png\r\nUnknown.Key=stays\r\n"
                    "[Progress]\r\nForeground.Image=control\\fg.png\r\nForeground.Image.EndOffset=3\r\n"
                    "Background.Image.Stretch=1\r\nShowText=1\r\nTextColor=#1A5\r\nOther=kept\r\n"));
  EXPECT_EQ(form.ProgressTextColor.Colour(), static_cast<int32_t>(RGB(0x11, 0xAA, 0x55)));
  Save();
  std::map<std::string, std::string> combo = {
      {"style", "Custom"}, {"background.normal.image", "control\\n.png"}, {"background.normal.image.startoffset", "4"},
      {"background.normal.image.endoffset", ""}, {"background.normal.image.stretch", "1"},
      {"background.hover.image.startoffset", ""}, {"background.hover.image.endoffset", "2"},
      {"background.hover.image.stretch", "0"}, {"thumb.hover.image", "control\\th.png"}, {"unknown.key", "stays"}};
  std::map<std::string, std::string> progress = {
      {"style", "Custom"}, {"foreground.image", "control\\fg.png"}, {"foreground.style", "3Image"},
      {"foreground.image.startoffset", ""}, {"foreground.image.endoffset", "3"}, {"foreground.image.stretch", "0"},
      {"background.style", "3Image"}, {"background.image.startoffset", ""}, {"background.image.endoffset", ""},
      {"background.image.stretch", "1"}, {"showtext", "1"}, {"textcolor", "#1A5"}, {"other", "kept"}};
  EXPECT_EQ(Saved()["combobox"], combo);
  EXPECT_EQ(Saved()["progress"], progress);
  // Images that cannot be copied are named in one report, and the project stays modified.
  std::vector<std::string> gone;
  for (ui::TextBox* box : {&form.SideBarTitleBkgnd.txtImage, &form.txtComboDropDownNormal, &form.ProgressFG.txtImage,
                           &form.txtPressed})
    box->SetText(gone.emplace_back(*this / ("Images\\" + std::to_string(gone.size()) + ".png")));
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Save();
  ASSERT_EQ(prompts.messages.size(), 1u);
  for (const std::string& path : gone) EXPECT_NE(prompts.messages[0].text.find(path), std::string::npos) << path;
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(form.txtPressed.Text(), gone[3]);
}

TEST_F(ComboProgressPagesTest, TheProgressBackgroundNeverOverwritesAnImageThatAnotherKeyNames) {
  std::string combo = WritePng(*this / "Images\\combo.png", 30, 22, RGB(255, 0, 0));
  std::string bar = WritePng(*this / "Images\\bar.png", 30, 14, RGB(0, 0, 255));
  const char* kShared = "control\\combo_bg_normal.png";
  // What the project holds before the save, whether the combo box's image is chosen too, where the bar's goes.
  using Case = std::tuple<const char*, bool, const char*>;
  for (auto [sections, pickCombo, saved] :
       {Case{"", true, "control\\progress_bg.png"},
        Case{"[ComboBox]\r\nBackground.Normal.Image=control\\combo_bg_normal.png\r\n"
             "[Progress]\r\nBackground.Image=control\\combo_bg_normal.png\r\n", false, "control\\progress_bg.png"},
        Case{"[Progress]\r\nForeground.Image=control\\progress_bg.png\r\n", true, "control\\progress_bg2.png"}}) {
    SCOPED_TRACE(sections);
    std::string folder = WriteProject("Shared", std::string("[General]\r\nName=Shared\r\n") + sections);
    core::gFileSystem.CopyFileTo(combo, testing_support::WriteFile(folder + "\\" + kShared, ""), true);
    Open(folder);
    if (pickCombo) form.ComboNormal.txtImage.SetText(combo);
    form.ProgressBg.txtImage.SetText(bar);
    Save();
    EXPECT_EQ(Saved()["combobox"]["background.normal.image"], kShared);
    EXPECT_EQ(Saved()["progress"]["background.image"], saved);
    EXPECT_EQ(form.ProgressBg.txtImage.Text(), saved);
    // Both images survive.
    EXPECT_EQ(ReadFile(folder + "\\" + kShared), ReadFile(combo));
    EXPECT_EQ(ReadFile(folder + "\\" + saved), ReadFile(bar));
    testing_support::RemoveTree(folder);
  }
}

TEST_F(ComboProgressPagesTest, ACopyNeverReplacesAnImageThatABoxOfALaterPageNames) {
  std::string fresh = WritePng(*this / "Images\\fresh.png", 30, 22, RGB(255, 0, 0));
  std::string kept = WritePng(*this / "Images\\kept.png", 30, 14, RGB(0, 0, 255));
  const char* kShared = "control\\combo_bg_normal.png";
  // What the project holds: the shared file (the image the Progress box is
  // pointed at) is named by no key yet, or by the combo box's own key.
  for (const char* sections : {"", "[ComboBox]\r\nBackground.Normal.Image=control\\combo_bg_normal.png\r\n"}) {
    SCOPED_TRACE(sections);
    std::string folder = WriteProject("Taken", std::string("[General]\r\nName=Taken\r\n") + sections);
    core::gFileSystem.CopyFileTo(kept, testing_support::WriteFile(folder + "\\" + kShared, ""), true);
    Open(folder);
    form.ProgressBg.txtImage.SetText(folder + "\\" + kShared);
    form.ComboNormal.txtImage.SetText(fresh);
    Save();
    EXPECT_FALSE(core::gModified);
    std::string combo = Saved()["combobox"]["background.normal.image"];
    EXPECT_EQ(Saved()["progress"]["background.image"], kShared);
    EXPECT_NE(combo, kShared);
    EXPECT_EQ(form.ComboNormal.txtImage.Text(), combo);
    // Each key names its own picture.
    EXPECT_EQ(ReadFile(folder + "\\" + kShared), ReadFile(kept));
    EXPECT_EQ(ReadFile(folder + "\\" + combo), ReadFile(fresh));
    testing_support::RemoveTree(folder);
  }
}

TEST_F(ComboProgressPagesTest, NothingOfTheProjectOpenedBeforeStaysOnTheThreePages) {
  // The default skin's images, without the offsets of three of them: their
  // markers show where they would in a fresh window.
  std::string bare = DefaultSkinProject("Bare");
  mainwindow::frmTarnell& f = form;
  const std::tuple<pages::MarkedImageEditor*, const char*, const char*> members[] = {
      {&f.SideBarTabNormal.image, "SideBar", "Tab.Normal.Image"},
      {&f.ComboHover, "ComboBox", "Background.Hover.Image"},
      {&f.ProgressBg, "Progress", "Background.Image"}};
  for (auto [editor, section, key] : members)
    for (const char* offset : {".StartOffset", ".EndOffset"})
      core::WriteIni(bare + "\\pelto.ini", section, std::string(key) + offset, std::nullopt);
  auto places = [&members] {
    std::vector<int> p;
    for (auto [e, section, key] : members)
      p.insert(p.end(), {e->shp.Visible(), e->shp.Left(), e->shp.Top(), e->shp.Width(), e->shp.Height()});
    return p;
  };
  Open(bare);
  auto fresh = places();
  Open(DefaultSkinProject("Default"));
  Open(bare);
  EXPECT_EQ(places(), fresh);

  form.ProgressTextColor.txt.SetForeColor(RGB(255, 0, 0));
  Open(NamedProject("Empty"));
  for (pages::MarkedImageEditor* e :
       {&f.SideBarTabNormal.image, &f.SideBarTabActive.image, &f.SideBarTabBkgnd.image, &f.SideBarTitleBkgnd.image,
        &f.ComboNormal, &f.ComboHover, &f.ProgressFG, &f.ProgressBg})  // image, stretch, preview, marker
    EXPECT_EQ(std::tuple(e->txtImage.Text(), e->chkStretch.Value(), e->preview.RecordedExtent(), e->shp.Visible()),
              std::tuple("", 0, 0, false));
  for (ui::TextBox* box : {&f.SideBarTabNormal.txtStartOut, &f.SideBarTitleBkgnd.txtStartColor,
                           &f.txtComboDropDownHover, &f.ProgressFG.txtEndOffset, &f.ProgressTextColor.txt})
    EXPECT_EQ(box->Text(), "");
  for (ui::CheckBox* box : {&f.chkFlipSettings, &f.chkProgressShowPercent, &f.SideBarTitleBkgnd.chkGradientHorizontal})
    EXPECT_EQ(box->Value(), 0);
  EXPECT_EQ(f.picComboDropDownNormal.HelpContextID(), 0);
  EXPECT_EQ(ui::ResolveColor(f.ProgressTextColor.txt.ForeColor()), GetSysColor(COLOR_WINDOWTEXT));
  // The paddings read "0" with none stored, and stay absent when saved.
  Save();
  EXPECT_EQ(Saved()["sidebar"].count("tab.normal.padding"), 0u);
  EXPECT_EQ(Saved()["sidebar"]["tab.normal.image.stretch"], "0");
}

}  // namespace
