// The Image Editor dialog, opened by Options > Set Image Editor: the
// command it shows, Browse, and what OK, Enter, Cancel and Escape leave in
// gImageEditor and Config.ini.
#include "mainwindow/frmImageEditor.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/globals.h"
#include "main_window_support.h"
#include "support/scripted_prompter.h"

namespace {

using namespace main_window_tests;
using mainwindow::frmImageEditor;
using testing_support::ParseIni;
using testing_support::ScriptedPrompter;

constexpr char kPaint[] = "C:\\Tools\\Paint Shop\\paint.exe";

class ImageEditorTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    core::gImageEditor = kPaint;
    form.Load();
  }
  // Chooses Set Image Editor and runs driver on the dialog.
  void SetEditor(ScriptedPrompter& prompts, std::function<void(frmImageEditor&)> driver) {
    prompts.AnswerModal([driver](ui::Form& f) { driver(static_cast<frmImageEditor&>(f)); });
    ChooseMenu(form, form.mnuEditor);
  }
  static void Click(ui::CommandButton& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
  bool ConfigHasEditor() { return ParseIni(Config())["general"].count("imageeditor") > 0; }
};

TEST_F(ImageEditorTest, ShowsTheCurrentCommandSelectedAsAWholeOverTheMainWindow) {
  ScriptedPrompter prompts;
  SetEditor(prompts, [&](frmImageEditor& d) {
    EXPECT_EQ(GetWindow(d.hWnd(), GW_OWNER), form.hWnd());
    EXPECT_EQ(WindowText(d.hWnd()), "Image Editor");
    EXPECT_EQ(d.lblEditor.Caption(), "Use the following program to edit images :");
    EXPECT_EQ(d.txtEditor.Text(), kPaint);
    EXPECT_EQ(d.txtEditor.SelStart(), 0);
    EXPECT_EQ(d.txtEditor.SelLength(), static_cast<int>(std::string(kPaint).size()));
    Click(d.cmdCancel);
  });
  ASSERT_EQ(prompts.modalForms.size(), 1u);
  EXPECT_EQ(core::gImageEditor, kPaint);
  EXPECT_FALSE(ConfigHasEditor());
}

TEST_F(ImageEditorTest, BrowseOffersProgramsAndAChosenOneIsStoredByOk) {
  ScriptedPrompter prompts;
  prompts.AnswerFile("D:\\Apps\\Pixel Studio\\studio.exe");
  SetEditor(prompts, [&](frmImageEditor& d) {
    Click(d.cmdBrowse);
    EXPECT_EQ(d.txtEditor.Text(), "D:\\Apps\\Pixel Studio\\studio.exe");
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].filter, "Executable Files (*.exe)|*.exe");
    EXPECT_EQ(prompts.fileDialogs[0].initialDir, "");
    EXPECT_EQ(prompts.fileDialogs[0].owner, d.hWnd());
    Click(d.cmdOK);
    EXPECT_FALSE(d.IsLoaded());
  });
  EXPECT_EQ(core::gImageEditor, "D:\\Apps\\Pixel Studio\\studio.exe");
  EXPECT_EQ(Setting("ImageEditor"), "D:\\Apps\\Pixel Studio\\studio.exe");
}

TEST_F(ImageEditorTest, ACancelledBrowseKeepsTheTextWhichEnterStoresAsTyped) {
  ScriptedPrompter prompts;
  prompts.AnswerFile("");
  SetEditor(prompts, [&](frmImageEditor& d) {
    d.txtEditor.SetText("  gimp.exe ");
    Click(d.cmdBrowse);
    EXPECT_EQ(d.txtEditor.Text(), "  gimp.exe ");
    PressKey(d.txtEditor.hWnd(), VK_RETURN);
    EXPECT_FALSE(d.IsLoaded());
  });
  EXPECT_EQ(core::gImageEditor, "  gimp.exe ");
  EXPECT_EQ(core::ReadIni(Config(), "General", "ImageEditor"), "gimp.exe");
}

TEST_F(ImageEditorTest, EscapeClosesWithoutWritingAnything) {
  ScriptedPrompter prompts;
  SetEditor(prompts, [&](frmImageEditor& d) {
    d.txtEditor.SetText("other.exe");
    PressKey(d.txtEditor.hWnd(), VK_ESCAPE);
    EXPECT_FALSE(d.IsLoaded());
  });
  EXPECT_EQ(core::gImageEditor, kPaint);
  EXPECT_FALSE(ConfigHasEditor());
}

TEST_F(ImageEditorTest, AnEmptyCommandIsStoredEmptyAndMeansTheDefaultEditorAlreadyNow) {
  ScriptedPrompter prompts;
  SetEditor(prompts, [&](frmImageEditor& d) {
    d.txtEditor.SetText("");
    Click(d.cmdOK);
  });
  ASSERT_TRUE(ConfigHasEditor());
  EXPECT_EQ(ParseIni(Config())["general"]["imageeditor"], "");
  // As the next start reads it.
  EXPECT_EQ(core::ReadIni(Config(), "General", "ImageEditor", "mspaint.exe"), "mspaint.exe");
  EXPECT_EQ(core::gImageEditor, "mspaint.exe");
}

TEST_F(ImageEditorTest, CaptionsComeFromTheLanguageInUseButTheTitleStays) {
  UseLanguage("Lingua");
  WriteLanguage("Lingua", "Select_Editor=Programme :\r\nOK=Valider\r\nCancel=Annuler\r\nBrowse=Parcourir\r\n");
  core::gTextBrowse = "Parcourir...";
  ScriptedPrompter prompts;
  SetEditor(prompts, [&](frmImageEditor& d) {
    EXPECT_EQ(WindowText(d.hWnd()), "Image Editor");
    EXPECT_EQ(d.lblEditor.Caption(), "Programme :");
    EXPECT_EQ(d.cmdBrowse.Caption(), "Parcourir...");
    EXPECT_EQ(d.cmdOK.Caption(), "Valider");
    EXPECT_EQ(d.cmdCancel.Caption(), "Annuler");
    Click(d.cmdCancel);
  });
}

}  // namespace
