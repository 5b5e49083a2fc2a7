// The Image Editor dialog of Options > Set Image Editor: what Browse, OK,
// Enter, Cancel and Escape leave in gImageEditor and Config.ini.
#include "mainwindow/frmImageEditor.h"

#include <gtest/gtest.h>

#include "main_window_support.h"
#include "support/scripted_prompter.h"

namespace {

class ImageEditorTest : public main_window_tests::MainWindowTest {};

TEST_F(ImageEditorTest, OkAndEnterStoreTheCommandAsTypedAndCancelAndEscapeNothing) {
  constexpr char kPaint[] = "C:\\Tools\\Paint Shop\\paint.exe";
  // Typed text, Browse's answer ("": cancelled), the closing button or key, and
  // what gImageEditor and Config.ini then hold; nullptr: not done.
  const std::tuple<const char*, const char*, UINT, const char*, const char*> cases[] = {
      {nullptr, nullptr, IDCANCEL, kPaint, "<none>"},
      {"other.exe", nullptr, VK_ESCAPE, kPaint, "<none>"},
      {nullptr, "D:\\Apps\\studio.exe", IDOK, "D:\\Apps\\studio.exe", "D:\\Apps\\studio.exe"},
      {"  gimp.exe ", "", VK_RETURN, "  gimp.exe ", "gimp.exe"},
      {"", nullptr, IDOK, "mspaint.exe", ""}};  // the default editor, now as at the next start
  form.Load();
  for (auto [typed, browsed, close, editor, stored] : cases) {
    SCOPED_TRACE(close);
    core::gImageEditor = kPaint;
    testing_support::ScriptedPrompter prompts;
    if (browsed) prompts.AnswerFile(browsed);
    prompts.AnswerModal([&](ui::Form& f) {
      auto& d = static_cast<mainwindow::frmImageEditor&>(f);
      EXPECT_EQ(GetWindow(d.hWnd(), GW_OWNER), form.hWnd());
      EXPECT_EQ(d.txtEditor.Text(), kPaint);
      EXPECT_EQ(d.txtEditor.SelLength(), static_cast<int>(sizeof kPaint - 1));
      EXPECT_EQ(GetFocus(), d.txtEditor.hWnd());
      EXPECT_EQ(SendMessageA(d.txtEditor.hWnd(), EM_GETSEL, 0, 0), MAKELRESULT(0, sizeof kPaint - 1));
      if (typed) d.txtEditor.SetText(typed);
      if (browsed) SendMessageA(d.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
      if (close == IDOK || close == IDCANCEL)
        SendMessageA((close == IDOK ? d.cmdOK : d.cmdCancel).hWnd(), BM_CLICK, 0, 0);
      else
        main_window_tests::PressKey(d.txtEditor.hWnd(), close);
      EXPECT_FALSE(d.IsLoaded());
    });
    main_window_tests::ChooseMenu(form, form.mnuEditor);
    EXPECT_EQ(core::gImageEditor, editor);
    EXPECT_EQ(testing_support::ParseIni(Config())["general"].count("imageeditor") ? Setting("ImageEditor") : "<none>",
              stored);
  }
}

}  // namespace
