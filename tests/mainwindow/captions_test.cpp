// The main window's captions from the language files, and switching the
// language from the Language menu.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/program.h"
#include "main_window_support.h"

namespace {

using namespace main_window_tests;
using Texts = std::vector<std::string>;

const Texts kEnglishTabs = {"General",     "Frame",    "Main Buttons", "Icons",     "Colors",
                            "Backgrounds", "Tab Bar",  "Side Bar",     "Combo Box", "Progress Bar"};

const char kFrenchTabs[] =
    "General=Generalites\r\nFrame=Cadre\r\nButtons=Boutons\r\nIcons=Icones\r\nColors=Couleurs\r\n"
    "Backgrounds=Fonds\r\nTabBar=Onglets\r\nSideBar=Panneau\r\nComboBox=Listes\r\nProgress=Progression\r\n";
const Texts kFrenchTabTexts = {"Generalites", "Cadre",   "Boutons", "Icones", "Couleurs",
                               "Fonds",       "Onglets", "Panneau", "Listes", "Progression"};

Texts Captions(std::initializer_list<const ui::MenuItem*> items) {
  Texts texts;
  for (const ui::MenuItem* item : items) texts.push_back(item->Caption());
  return texts;
}

Texts LanguageItems(mainwindow::frmTarnell& form) {
  Texts items;
  for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
    items.push_back(form.mnuLangList(i).Caption() + (form.mnuLangList(i).Checked() ? " (checked)" : ""));
  return items;
}

TEST_F(MainWindowTest, WithoutALanguageFileTheTabsShowTheirEnglishTextsAndAllElseStaysAsDesigned) {
  form.Load();
  EXPECT_EQ(TabTexts(form.TabStrip()), kEnglishTabs);
  EXPECT_EQ(WindowText(form.hWnd()), "Velmora 2 Tarnell");
  EXPECT_EQ(core::gAppTitle, "Velmora 2 Tarnell");
  EXPECT_EQ(Captions({&form.mnuFile, &form.mnuNew, &form.mnuNavigator, &form.mnuAbout}),
            (Texts{"File", "New Project...", "Open Skin Navigator", "About..."}));
  EXPECT_EQ(core::gTextBrowse, "");
  EXPECT_EQ(LanguageItems(form), Texts{"English (checked)"});
}

TEST_F(MainWindowTest, WithALanguageFileEveryCaptionComesFromIt) {
  WriteLanguage("French", std::string(kFrenchTabs) +
                              "Name=Tarnell FR\r\nFile_Menu=Fichier\r\nNew_Project=Nouveau projet\r\n"
                              "Open_Project=Ouvrir...\r\nExit=Quitter\r\nNavigator=Navigateur\r\n"
                              "Browse=Parcourir...\r\nStretch=Etirer\r\nUse_Image=Image\r\n"
                              "Use_Gradient=Degrade\r\nTransparent=Transparent FR\r\nVertical_Gradient=Vertical\r\n");
  UseLanguage("French");
  form.Load();
  EXPECT_EQ(TabTexts(form.TabStrip()), kFrenchTabTexts);
  EXPECT_EQ(WindowText(form.hWnd()), "Tarnell FR 1.2.7");
  EXPECT_EQ(core::gAppTitle, "Tarnell FR");
  // Only New Project gets "..." added to its text.
  EXPECT_EQ(Captions({&form.mnuFile, &form.mnuNew, &form.mnuOpen, &form.mnuExit, &form.mnuNavigator}),
            (Texts{"Fichier", "Nouveau projet...", "Ouvrir...", "Quitter", "Navigateur"}));
  char text[64] = {};
  GetMenuStringA(GetMenu(form.hWnd()), 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Fichier");
  EXPECT_EQ((Texts{core::gTextBrowse, core::gTextStretch, core::gTextUseImage, core::gTextUseGradient,
                   core::gTextTransparent, core::gTextVerticalGradient}),
            (Texts{"Parcourir...", "Etirer", "Image", "Degrade", "Transparent FR", "Vertical"}));
}

TEST_F(MainWindowTest, AKeyMissingFromTheLanguageFileTakesEnglishIniElseAnEmptyCaption) {
  WriteLanguage("English", "Exit=Exit from English.ini\r\nGeneral=General from English.ini\r\n");
  WriteLanguage("French", "Name=Tarnell FR\r\nFile_Menu=Fichier\r\nExit=\r\n");
  UseLanguage("French");
  form.Load();
  EXPECT_EQ(form.mnuFile.Caption(), "Fichier");
  EXPECT_EQ(form.mnuExit.Caption(), "Exit from English.ini");
  EXPECT_EQ(form.mnuToolS.Caption(), "");
  EXPECT_EQ(TabText(form.TabStrip(), 0), "General from English.ini");
  EXPECT_EQ(TabText(form.TabStrip(), 2), "");
}

TEST_F(MainWindowTest, TheLanguageMenuListsTheLanguageFilesWithTheConfiguredOneChecked) {
  WriteLanguage("English", "");
  WriteLanguage("French", "");
  testing_support::WriteFile(*this / "Languages\\german.INI", "[General]\r\n");
  testing_support::WriteFile(*this / "Languages\\readme.txt", "");
  testing_support::WriteFile(*this / "Languages\\Old.ini.bak", "");
  core::gLanguage = "FRENCH";
  core::gLanguageFile = *this / "Languages\\French.ini";
  form.Load();
  EXPECT_EQ(LanguageItems(form), (Texts{"English", "French (checked)", "german"}));
  form.Unload();

  core::gLanguage = "English";
  form.Load();
  EXPECT_EQ(LanguageItems(form), (Texts{"English (checked)", "French", "german"}));
  form.Unload();

  testing_support::RemoveTree(*this / "Languages");
  form.Load();
  EXPECT_EQ(LanguageItems(form), Texts{"English (checked)"});
}

class LanguageSwitchTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteLanguage("English", "Name=Velmora 2 Tarnell\r\nFile_Menu=File\r\nGeneral=General\r\nNavigator=Skin Navigator\r\n");
    WriteLanguage("French", std::string(kFrenchTabs) + "Name=Tarnell FR\r\nFile_Menu=Fichier\r\nNavigator=Navigateur\r\n");
    UseLanguage("English");
    form.Load();
  }
  int French() {
    for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
      if (form.mnuLangList(i).Caption() == "French") return i;
    ADD_FAILURE() << "no French item";
    return 0;
  }
};

TEST_F(LanguageSwitchTest, ChoosingALanguageRewritesTheCaptionsAndRemembersTheChoice) {
  core::gProjectName = "My Skin";
  form.mnuNavigator_Click();
  ChooseMenu(form, form.mnuLangList(French()));

  EXPECT_EQ(Setting("Language"), "French");
  EXPECT_EQ(core::gLanguageFile, *this / "Languages\\French.ini");
  EXPECT_EQ(LanguageItems(form), (Texts{"English", "French (checked)"}));
  EXPECT_EQ(form.mnuFile.Caption(), "Fichier");
  EXPECT_EQ(TabTexts(form.TabStrip()), kFrenchTabTexts);
  EXPECT_EQ(WindowText(form.hWnd()), "My Skin - Tarnell FR 1.2.7");
  // The open navigator follows; the closed cutter is not opened for it.
  EXPECT_EQ(WindowText(tools::NavigatorForm().hWnd()), "Navigateur");
  EXPECT_FALSE(tools::CutterForm().IsLoaded());
  // The project is not touched.
  EXPECT_FALSE(core::gModified);

  ChooseMenu(form, form.mnuLangList(0));
  EXPECT_EQ(Setting("Language"), "English");
  EXPECT_EQ(LanguageItems(form), (Texts{"English (checked)", "French"}));
  EXPECT_EQ(form.mnuFile.Caption(), "File");
  EXPECT_EQ(WindowText(form.hWnd()), "My Skin - Velmora 2 Tarnell 1.2.7");
}

TEST_F(LanguageSwitchTest, ALanguageWhoseFileIsGoneChangesNothing) {
  core::gFileSystem.RemoveFile(*this / "Languages\\French.ini", true);
  ChooseMenu(form, form.mnuLangList(French()));
  EXPECT_EQ(Setting("Language"), "");
  EXPECT_EQ(LanguageItems(form), (Texts{"English (checked)", "French"}));
  EXPECT_EQ(form.mnuFile.Caption(), "File");
  EXPECT_EQ(core::gLanguageFile, *this / "Languages\\English.ini");
}

TEST_F(LanguageSwitchTest, WhileAProjectLoadsOnlySaveAndExitAreTakenAndTheyWaitForTheLoad) {
  core::gProjectName = "My Skin";
  form.EnableProjectCommands();
  core::gLoadingProject = true;
  ChooseMenu(form, form.mnuLangList(French()));
  EXPECT_EQ(Setting("Language"), "");
  EXPECT_EQ(form.mnuFile.Caption(), "File");
  ChooseMenu(form, form.mnuNavigator);
  EXPECT_FALSE(core::gNavigatorShown);

  ChooseMenu(form, form.mnuSave);
  EXPECT_TRUE(core::gSaveRequested);
  ChooseMenu(form, form.mnuExit);
  EXPECT_TRUE(core::gExitRequested);
  EXPECT_TRUE(form.IsLoaded());

  // The load ends and carries out the exit: the window closes once the
  // load has returned, not inside it.
  core::gLoadingProject = false;
  core::gSaveRequested = false;
  core::CurrentProjectHost()->UnloadMainWindow();
  EXPECT_TRUE(form.IsLoaded());
  ui::DoEvents();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gExitRequested);
}

}  // namespace
