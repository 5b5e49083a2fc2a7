// The General and Frame pages: filled by a project load, saved back into
// [General] and [Global] with everything else in pelto.ini left alone, the
// Browse buttons, the previews and their image editor, and the captions.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/globals.h"
#include "project_support.h"
#include "support/png.h"

namespace {

using namespace main_window_tests;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::WriteFile;
using testing_support::WritePng;

const COLORREF kButtonFace = GetSysColor(COLOR_BTNFACE);

COLORREF Centre(ui::PictureBox& picture) { return picture.Point(picture.Width() / 2, picture.Height() / 2); }

// A file's bytes for a Unicode (UTF-16, little-endian) text, and back.
std::string Utf16Bytes(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF)};
  return bytes;
}
std::wstring Utf16Text(const std::string& bytes) {
  std::wstring text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
  return text;
}

class PagesTest : public ProjectTest {};

TEST_F(PagesTest, OpeningAProjectFillsBothPagesAndShowsTheGeneralPage) {
  std::string folder = DefaultSkinProject("Default");
  form.ActivateTab(3);
  Open(folder);

  EXPECT_EQ(form.txtName.Text(), "Default");
  EXPECT_EQ(form.txtVersion.Text(), "2.5");
  EXPECT_EQ(form.txtAuthor.Text(), "Velmora Team");
  EXPECT_EQ(form.txtEmail.Text(), "skins@velmora.example");
  EXPECT_EQ(form.txtWebsite.Text(), "http://www.velmora.example/skins/");
  EXPECT_EQ(form.txtLicense.Text(),
            "Free for personal and commercial use. Images may be reused in other Velmora skins.");
  EXPECT_EQ(form.txtPreview.Text(), "preview.png");
  EXPECT_EQ(form.txtFrameWidth.Text(), "4");
  EXPECT_EQ(form.txtFrameRadius.Text(), "6");
  EXPECT_EQ(form.txtFrameCorner.Text(), "8");
  EXPECT_EQ(form.txtFrameImage.Text(), "control\\main_frame.png");
  EXPECT_EQ(form.txtLoading.Text(), "control\\animate_loading.png");
  // Each preview holds its image, drawn at its natural width.
  EXPECT_EQ(form.picPreview.HelpContextID(), 220);
  EXPECT_EQ(form.picFrame.HelpContextID(), 24);
  EXPECT_EQ(form.picLoading.HelpContextID(), 128);
  EXPECT_NE(Centre(form.picPreview), kButtonFace);
  EXPECT_NE(Centre(form.picFrame), kButtonFace);

  // The load's own text changes leave the project unmodified.
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(ShownPanels(form), std::vector<int>{0});
  EXPECT_TRUE(IsWindowEnabled(form.picTabs(0).hWnd()));
  EXPECT_EQ(SelectedTab(form.TabStrip()), 0);
  EXPECT_EQ(WindowText(form.hWnd()), "Default - Velmora 2 Tarnell 1.2.7");
  EXPECT_EQ(core::gProjectFolder, folder);
  EXPECT_EQ(core::gProjectFolderName, "Default");
  EXPECT_EQ(core::gSkinIni, folder + "\\pelto.ini");
  EXPECT_EQ(Setting("LastOpenDir"), folder);
  EXPECT_EQ(Setting("LastProjects"), "Default$,$" + folder);
  EXPECT_EQ(form.mnuProjectList(1).Caption(), "1. Default");
}

TEST_F(PagesTest, ASaveWritesTheEditsAndKeepsEverythingElseInPeltoIni) {
  std::string folder = DefaultSkinProject("Default");
  std::string ini = folder + "\\pelto.ini";
  WriteFile(ini, ReadFile(ini) + "\r\n[Custom]\r\nMine=kept\r\n");
  core::WriteIni(ini, "General", "Homepage", std::string("unknown key"));
  testing_support::IniData expected = testing_support::ParseIni(ini);
  Open(folder);

  form.txtVersion.SetText("3.0");
  form.txtAuthor.SetText("");
  form.txtLicense.SetText("First line\r\nsecond line");
  form.txtFrameWidth.SetText("wide");
  form.txtFrameRadius.SetText("");
  EXPECT_TRUE(core::gModified);
  Save();
  EXPECT_FALSE(core::gModified);

  expected["general"]["version"] = "3.0";
  expected["general"].erase("author");
  // A line break would end the value: it is stored as a blank.
  expected["general"]["license"] = "First line second line";
  expected["global"]["customframe.width"] = "wide";
  expected["global"]["customframe.cornerradius"] = "";
  // A draw-background flag of 1 is the browser's default: the icon
  // catalogue leaves such keys out.
  std::erase_if(expected["icons"], [](const auto& key) {
    return key.first.ends_with(".drawbackground") && key.second == "1";
  });
  // [Backgrounds], [TabBar] and [SideBar] keep only the keys of each
  // element's style: the pages' own tests tell what they write.
  testing_support::IniData saved = Saved();
  for (const char* section : {"backgrounds", "tabbar", "sidebar"}) {
    expected.erase(section);
    saved.erase(section);
  }
  EXPECT_EQ(saved, expected);
  EXPECT_NE(ReadFile(ini).find("; Velmora 2 default skin"), std::string::npos);

  // What was stored reads back as typed.
  Open(NamedProject("Other"));
  Open(folder);
  EXPECT_EQ(form.txtFrameWidth.Text(), "wide");
  EXPECT_EQ(form.txtAuthor.Text(), "");
}

TEST_F(PagesTest, AnEmptyNameKeepsTheNameSavedLastAndSaysSo) {
  std::string folder = NamedProject("Blue");
  Open(folder);
  form.txtName.SetText("Sky Blue");
  Save();
  EXPECT_EQ(Saved()["general"]["name"], "Sky Blue");

  form.txtName.SetText("   ");
  {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    Save();
    EXPECT_EQ(prompts.MessageTexts(),
              std::vector<std::string>{"The skin name cannot be empty. The name \"Sky Blue\" is kept."});
  }
  EXPECT_EQ(Saved()["general"]["name"], "Sky Blue");
  EXPECT_EQ(form.txtName.Text(), "Sky Blue");
  EXPECT_FALSE(core::gModified);
  // The open project keeps its name until it is opened again.
  EXPECT_EQ(core::gProjectName, "Blue");
}

TEST_F(PagesTest, ANameThatWouldReadBackEmptyKeepsTheNameSavedLast) {
  std::string folder = NamedProject("Blue");
  Open(folder);
  for (const char* typed : {"\"\"", "''", "' '", "\v", "\f", "'\x1a'"}) {
    form.txtName.SetText(typed);
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    Save();
    EXPECT_EQ(prompts.MessageTexts(),
              std::vector<std::string>{"The skin name cannot be empty. The name \"Blue\" is kept."})
        << typed;
    EXPECT_EQ(Saved()["general"]["name"], "Blue") << typed;
    EXPECT_EQ(form.txtName.Text(), "Blue") << typed;
  }
}

TEST_F(PagesTest, TextsLeftAsLoadedKeepTheirLettersInAUnicodePeltoIni) {
  // Letters outside the ANSI code page reach the boxes as "?" or a near
  // letter; the rows not edited are still stored as they were.
  const std::vector<std::wstring> untouched = {L"Name=\u5F20\u4E09 Skin", L"Author=\u5F20\u4E09 \u0141ukasz",
                                               L"License=\u00A9 2024 \u03A9mega"};
  std::wstring ini = L"[General]\r\nVersion=1.0\r\n";
  for (const std::wstring& line : untouched) ini += line + L"\r\n";
  std::string folder = WriteProject("Unicode", Utf16Bytes(ini));
  Open(folder);
  form.txtVersion.SetText("2.0");
  Save();

  std::wstring saved = Utf16Text(ReadFile(folder + "\\pelto.ini"));
  for (const std::wstring& line : untouched) EXPECT_NE(saved.find(line + L"\r\n"), std::wstring::npos) << line;
  EXPECT_NE(saved.find(L"Version=2.0\r\n"), std::wstring::npos) << saved;
}

class PreviewTest : public PagesTest {
 protected:
  void Browse(ui::CommandButton& button, const std::string& file) {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerFile(file);
    SendMessageA(button.hWnd(), BM_CLICK, 0, 0);
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    filters.push_back(prompts.fileDialogs[0].filter);
  }
  std::vector<std::string> filters;
};

TEST_F(PreviewTest, APictureFromOutsideIsCopiedAsPreviewWithItsOwnExtension) {
  std::string folder = NamedProject("Blue");
  std::string shot = WritePng(*this / "Shots\\skin shot.jpeg", 50, 40, RGB(200, 0, 0));
  Open(folder);
  Browse(form.cmdPreviewBrowse, shot);
  EXPECT_EQ(form.txtPreview.Text(), shot);
  EXPECT_EQ(form.picPreview.HelpContextID(), 50);
  EXPECT_EQ(Centre(form.picPreview), RGB(200, 0, 0));
  EXPECT_TRUE(core::gModified);
  Save();

  EXPECT_EQ(ReadFile(folder + "\\Preview.jpeg"), ReadFile(shot));
  EXPECT_EQ(Saved()["general"]["preview"], "Preview.jpeg");
  EXPECT_EQ(form.txtPreview.Text(), "Preview.jpeg");
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(filters[0], "Image Files|*.bmp;*.gif;*.jpg;*.png|Bitmaps (*.bmp)|*.bmp|GIF Images (*.gif)|*.gif|"
                        "JPEG Images (*.jpg)|*.jpg|PNG Images (*.png)|*.png");
}

TEST_F(PreviewTest, AStoredPreviewKeepsItsFolderAndNameAndTakesTheNewExtension) {
  std::string folder = WriteProject("Blue", "[General]\r\nName=Blue\r\nPreview=img\\Preview.png\r\n");
  WriteFile(folder + "\\img\\Preview.png", "old");
  std::string shot = WritePng(*this / "Shots\\new.jpeg", 8, 8, RGB(0, 0, 200));
  Open(folder);
  Browse(form.cmdPreviewBrowse, shot);
  Save();
  EXPECT_EQ(Saved()["general"]["preview"], "img\\Preview.jpeg");
  EXPECT_EQ(ReadFile(folder + "\\img\\Preview.jpeg"), ReadFile(shot));
  EXPECT_EQ(ReadFile(folder + "\\img\\Preview.png"), "old");
}

TEST_F(PreviewTest, APictureInsideTheProjectIsStoredRelativeAndNothingIsCopied) {
  std::string folder = NamedProject("Blue");
  WritePng(folder + "\\shots\\mine.png", 8, 8, RGB(0, 200, 0));
  Open(folder);
  Browse(form.cmdPreviewBrowse, folder + "\\shots\\mine.png");
  EXPECT_EQ(form.txtPreview.Text(), "shots\\mine.png");
  Save();
  EXPECT_EQ(Saved()["general"]["preview"], "shots\\mine.png");
  EXPECT_EQ(core::gFileSystem.FileNames(folder), std::vector<std::string>{"pelto.ini"});

  form.txtPreview.SetText("");
  Save();
  EXPECT_EQ(Saved()["general"].count("preview"), 0u);
}

TEST_F(PreviewTest, FrameImagesFromOutsideGoIntoControlUnderTheirDefaultNames) {
  std::string folder = NamedProject("Blue");
  std::string frame = WritePng(*this / "Art\\frame.png", 30, 30, RGB(10, 20, 30));
  std::string loading = WritePng(*this / "Art\\spinner.png", 64, 16, RGB(30, 20, 10));
  Open(folder);
  Browse(form.cmdFrameBrowse, frame);
  EXPECT_EQ(form.picFrame.HelpContextID(), 30);
  Browse(form.cmdLoadingBrowse, loading);
  EXPECT_EQ(form.picLoading.HelpContextID(), 64);
  Save();

  EXPECT_EQ(Saved()["global"]["customframe.image"], "control\\main_frame.png");
  EXPECT_EQ(Saved()["global"]["animateloading"], "control\\animate_loading.png");
  EXPECT_EQ(ReadFile(folder + "\\control\\main_frame.png"), ReadFile(frame));
  EXPECT_EQ(ReadFile(folder + "\\control\\animate_loading.png"), ReadFile(loading));
  EXPECT_EQ(form.txtFrameImage.Text(), "control\\main_frame.png");
  EXPECT_EQ(form.txtLoading.Text(), "control\\animate_loading.png");
  EXPECT_EQ(filters[0], "PNG Images (*.png)| *.png|All Image Files|*.bmp;*.gif;*.jpg;*.png");
  EXPECT_EQ(filters[1], filters[0]);
}

TEST_F(PreviewTest, EditingTheLoadingImagePathMarksTheProjectModified) {
  Open(NamedProject("Blue"));
  form.txtLoading.SetText("control\\other.png");
  EXPECT_TRUE(core::gModified);
  Save();
  EXPECT_EQ(Saved()["global"]["animateloading"], "control\\other.png");
}

TEST_F(PagesTest, AProjectWhoseImagesAreMissingOpensWithEmptyPreviews) {
  Open(DefaultSkinProject("Default"));
  ASSERT_NE(form.picFrame.HelpContextID(), 0);
  Open(WriteProject("Bare", "[General]\r\nName=Bare\r\nPreview=gone.png\r\n"
                            "[Global]\r\nCustomFrame.Image=control\\gone.png\r\n"));
  for (ui::PictureBox* picture : {&form.picPreview, &form.picFrame, &form.picLoading}) {
    EXPECT_EQ(picture->HelpContextID(), 0);
    EXPECT_EQ(Centre(*picture), kButtonFace);
  }
  EXPECT_EQ(form.txtFrameImage.Text(), "control\\gone.png");
  EXPECT_EQ(form.txtLoading.Text(), "");
  EXPECT_EQ(form.txtVersion.Text(), "");
}

TEST_F(PagesTest, ADoubleClickOnAPreviewOpensItsImageInTheEditor) {
  std::string folder = DefaultSkinProject("Default");
  Open(folder);
  for (ui::PictureBox* picture : {&form.picPreview, &form.picFrame, &form.picLoading})
    SendMessageA(picture->hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(started, (std::vector<std::string>{"\"mspaint.exe\" \"" + folder + "\\preview.png\"",
                                               "\"mspaint.exe\" \"" + folder + "\\control\\main_frame.png\"",
                                               "\"mspaint.exe\" \"" + folder + "\\control\\animate_loading.png\""}));
  // No file, no editor.
  started.clear();
  form.txtFrameImage.SetText("control\\gone.png");
  SendMessageA(form.picFrame.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(started.empty());
}

TEST_F(PagesTest, CaptionsComeFromTheLanguageFileWithTheSharedBrowseText) {
  EXPECT_EQ(form.lblName.Caption(), "Skin Name :");
  EXPECT_EQ(form.lblFrameRadius.Caption(), "Frame Round Corner Radius :");
  EXPECT_EQ(form.cmdFrameBrowse.Caption(), "Browse...");
  EXPECT_EQ(form.lblNote(1).Caption(),
            "This section defines Velmora's window frame and the web page loading animation.");
  form.Unload();

  WriteLanguage("French", "Name=Tarnell FR\r\nBrowse=Parcourir...\r\nSkin_Name=Nom :\r\nGeneral_Note=Infos\r\n"
                          "General_Note2=Double clic\r\nFrame_Note=Cadre\r\nCorner_Radius=Rayon :\r\n"
                          "Loading=Chargement\r\nCapture_Preview=Capturer\r\n");
  UseLanguage("French");
  form.Load();
  EXPECT_EQ(form.lblName.Caption(), "Nom :");
  EXPECT_EQ(form.lblNote(0).Caption(), "Infos");
  EXPECT_EQ(form.lblTip(1).Caption(), "Double clic");
  EXPECT_EQ(form.lblNote(1).Caption(), "Cadre");
  EXPECT_EQ(form.lblFrameRadius.Caption(), "Rayon :");
  EXPECT_EQ(form.fraLoading.Caption(), "Chargement");
  EXPECT_EQ(form.cmdCreatePreview.Caption(), "Capturer");
  for (ui::CommandButton* browse : {&form.cmdPreviewBrowse, &form.cmdFrameBrowse, &form.cmdLoadingBrowse})
    EXPECT_EQ(browse->Caption(), "Parcourir...");
  // A key no file holds gives an empty caption.
  EXPECT_EQ(form.lblVersion.Caption(), "");
}

}  // namespace
