// Opens a complete skin project in the real main window and saves it,
// several times, and prints the median times, the memory in use after the
// opens and, for reference, the time of one plain read of its pelto.ini.
//
// Usage: project_bench PROGRAM_FOLDER [RUNS]
// PROGRAM_FOLDER is a copy of the program folder (Languages\ inside). The
// skin is generated there as Projects\BenchSkin: every key of every
// section of pelto.ini and some 300 PNG images. An open runs from the Open
// command (its file dialog answered at once) to the end of the load; a
// save is the Save command.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/program.h"
#include "core/startup.h"
#include "mainwindow/frmTarnell.h"
#include "ui/prompts.h"
#include "ui/ui.h"

using namespace bench;

namespace {

// The skin's writer: pelto.ini line by line and its images, each named
// image written once.
class SkinWriter {
 public:
  explicit SkinWriter(std::string folder) : folder_(std::move(folder)) {
    for (const char* sub : {"", "\\toolbar", "\\control", "\\misc"}) CreateDirectoryA((folder_ + sub).c_str(), nullptr);
  }
  void Section(const std::string& name) { ini_ += "\r\n[" + name + "]\r\n"; }
  void Key(const std::string& key, const std::string& value) { ini_ += key + "=" + value + "\r\n"; }
  // An image key: the image is generated with the given size and kind.
  void Image(const std::string& key, const std::string& file, int w, int h, Kind kind) {
    Key(key, file);
    WriteBytes(folder_ + "\\" + file, Png(w, h, Picture(w, h, kind), 6));
    ++images_;
  }
  // A three-part image with its offsets and stretch flag.
  void ThreePart(const std::string& prefix, const std::string& file, const char* stretchSuffix = ".Image.Stretch") {
    Image(prefix + ".Image", file, 40 + static_cast<int>(Next() % 160), 20 + static_cast<int>(Next() % 16), Kind::Bar);
    Key(prefix + ".Image.StartOffset", std::to_string(2 + Next() % 8));
    Key(prefix + ".Image.EndOffset", std::to_string(2 + Next() % 8));
    Key(prefix + stretchSuffix, std::to_string(Next() % 2));
  }
  // A background element: style, gradient and image.
  void Background(const std::string& prefix, const std::string& file, const char* style) {
    Key(prefix + ".Style", style);
    Key(prefix + ".Fill.ColorStart", Colour());
    Key(prefix + ".Fill.ColorEnd", Colour());
    Key(prefix + ".Fill.Angle", Next() % 2 ? "90" : "0");
    ThreePart(prefix, file, ".Image.stretch");
  }
  static std::string Colour() {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(Next() & 0xFFFFFF));
    return text;
  }
  int Images() const { return images_; }
  void Finish() { WriteBytes(folder_ + "\\pelto.ini", "; Tarnell benchmark skin" + ini_); }

 private:
  std::string folder_;
  std::string ini_;
  int images_ = 0;
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

// Every section and key that the pages read, with an image behind every
// image key.
int MakeCompleteSkin(const std::string& folder) {
  SkinWriter skin(folder);
  skin.Section("General");
  for (const char* key : {"Name", "Version", "Author", "Email", "Website", "License"})
    skin.Key(key, std::string("Bench ") + key);
  skin.Image("Preview", "preview.png", 220, 220, Kind::Backdrop);

  skin.Section("Global");
  for (const char* key : {"CustomFrame.Width", "CustomFrame.CornerRadius", "CustomFrame.CornerSize"})
    skin.Key(key, std::to_string(2 + Next() % 6));
  skin.Image("CustomFrame.Image", "control\\main_frame.png", 200, 180, Kind::Backdrop);
  skin.Image("AnimateLoading", "control\\animate_loading.png", 16 * 8, 16, Kind::Strip);

  skin.Section("Icons");
  core::InitIconNames();
  for (int group : {core::kToolbarGroup, core::kTabButtonGroup, core::kWinButtonGroup}) {
    core::ButtonTables tables = core::ButtonGroupTables(group);
    int size = group == core::kToolbarGroup ? 24 : 16;
    for (int i = 0; i < tables.Count(); ++i) {
      const std::string name = tables.names[i];
      const std::string file = "toolbar\\" + std::to_string(size) + "_" + Lower(name);
      skin.Image(name, file + ".png", size, size, Kind::Icon);
      for (const char* state : {"Hover", "Disable", "Pressed"})
        skin.Image(name + "." + state, file + "_" + Lower(state) + ".png", size, size, Kind::Icon);
      skin.Key(name + ".Offset", std::to_string(Next() % 3) + " " + std::to_string(Next() % 3));
      skin.Key(name + ".Padding", "3 3 3 3");
      if (i < tables.keysWithDrawBG) skin.Key(name + ".drawbackground", std::to_string(Next() % 2));
    }
  }
  skin.Section("Icons16");
  for (int group : {core::kSmallIconGroup, core::kMiscIconGroup}) {
    core::IconTables tables = core::IconGroupTables(group);
    for (int i = 0; i < tables.Count(); ++i) {
      if (group == core::kMiscIconGroup && core::MiscIconTwin(i) >= 0 && core::MiscIconTwin(i) < i) continue;
      skin.Image(tables.names[i], "toolbar\\16_" + Lower(tables.names[i]) + ".png", 16, 16, Kind::Icon);
    }
  }

  skin.Section("TabBar");
  skin.Key("FlipSettings", "1");
  for (const char* state : {"Normal", "Active", "Hover", "Unread"}) {
    std::string prefix = std::string("Tab.") + state;
    skin.ThreePart(prefix, "control\\tab_" + Lower(state) + ".png");
    if (std::string(state) == "Normal" || std::string(state) == "Active") {
      skin.Key(prefix + ".StartOut", "0");
      skin.Key(prefix + ".EndOut", "1");
      skin.Key(prefix + ".Padding", "6 4 6 4");
    }
  }
  skin.Background("Background", "control\\tab_bg.png", "3Image");
  skin.Background("InactiveBackground", "control\\tab_bg_inactive.png", "GFill");
  skin.Key("TabProgress.Style", "Custom");
  skin.Key("TabProgress.HideIcon", "1");
  skin.Key("TabProgress.Image.FrameWidth", "16");
  skin.Image("TabProgress.Image", "control\\loading.png", 16 * 12, 16, Kind::Strip);
  skin.Key("TabProgress.Offset", "0 0");
  skin.Key("TabClose.ExtendSpace", "2");
  skin.Image("TabClose", "control\\tab_close.png", 16, 16, Kind::Icon);
  skin.Image("TabClose.Hover", "control\\tab_close_hover.png", 16, 16, Kind::Icon);
  skin.Key("TabClose.Offset", "1 1");

  skin.Section("Colors");
  for (const char* key : {"Caption.Text", "Tab.Active.Text", "Tab.Hover.Text", "Tab.Normal.Text", "Toolbar.Normal.Text",
                          "Toolbar.Disable.Text", "Toolbar.Hover.Text", "Toolbar.Checked.Text", "Toolbar.Pressed.Text",
                          "Menu.Normal.Text", "Menu.Disable.Text", "Menu.Hover.Text", "Menu.Checked.Text",
                          "ComboBox.Text", "Status.Address.Text", "Menu.Checked.Start", "Menu.Checked.End",
                          "Menu.Checked.Border", "Menu.Hover.Start", "Menu.Hover.End", "Menu.Hover.Border"})
    skin.Key(key, SkinWriter::Colour());

  skin.Section("Backgrounds");
  const char* styles[] = {"3Image", "GFill", "Transparent"};
  int n = 0;
  for (const char* element : {"MainPanel", "Button.Normal", "Button.Hover", "Button.Disable", "Button.Pressed",
                              "Button.Checked", "MenuItem.Hover", "Menu", "WebBar", "StatusBar", "FloatBar", "FavBar",
                              "FindInPageBar", "MenuBar", "ToolBar"}) {
    std::string file = Lower(element);
    std::replace(file.begin(), file.end(), '.', '_');
    skin.Background(element, "control\\" + file + "_bg.png", styles[n++ % 3]);
  }

  skin.Section("SideBar");
  for (const char* state : {"Normal", "Active"}) {
    std::string prefix = std::string("Tab.") + state;
    skin.ThreePart(prefix, "control\\sidebar_tab_" + Lower(state) + ".png");
    skin.Key(prefix + ".StartOut", "0");
    skin.Key(prefix + ".EndOut", "2");
    skin.Key(prefix + ".Padding", "8 4 8 4");
  }
  skin.Background("TabBackground", "control\\sidebar_tab_bg.png", "3Image");
  skin.Background("TitleBackground", "control\\sidebar_title_bg.png", "GFill");
  skin.Key("FlipSettings", "1");

  skin.Section("ComboBox");
  skin.Key("Style", "Custom");
  skin.ThreePart("Background.Normal", "control\\combo_bg_normal.png");
  skin.ThreePart("Background.Hover", "control\\combo_bg_hover.png");
  skin.Image("Thumb.Normal.Image", "control\\combo_thumb_normal.png", 16, 18, Kind::Icon);
  skin.Image("Thumb.Hover.Image", "control\\combo_thumb_hover.png", 16, 18, Kind::Icon);

  skin.Section("Progress");
  skin.Key("Style", "Custom");
  skin.Key("Foreground.Style", "3Image");
  skin.ThreePart("Foreground", "control\\progress_fg.png");
  skin.Key("Background.Style", "3Image");
  skin.ThreePart("Background", "control\\progress_bg.png");
  skin.Key("ShowText", "1");
  skin.Key("TextColor", SkinWriter::Colour());

  skin.Finish();
  return skin.Images();
}

// Answers the Open dialog with the skin and every question with No.
class BenchPrompter : public ui::Prompter {
 public:
  explicit BenchPrompter(std::string file) : file_(std::move(file)) {}
  int ShowMessage(const ui::MessageBoxRequest& request) override {
    std::fprintf(stderr, "message: %s\n", request.text.c_str());
    return IDNO;
  }
  std::string FileDialog(const ui::FileDialogRequest&) override { return file_; }
  std::string BrowseFolder(const ui::FolderRequest&) override { return ""; }
  long PickColor(const ui::ColorRequest&) override { return -1; }
  std::optional<std::string> InputBox(const ui::InputBoxRequest&) override { return std::nullopt; }
  void RunModal(ui::Form&, ui::Form*) override {}

 private:
  std::string file_;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double TimeCommand(mainwindow::frmTarnell& form, const ui::MenuItem& item) {
  ui::DoEvents();
  LARGE_INTEGER start = Now();
  SendMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
  double seconds = SecondsSince(start);
  ui::DoEvents();
  return seconds;
}

double PlainRead(const std::string& path) {
  LARGE_INTEGER start = Now();
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return text.empty() ? -1 : SecondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: project_bench PROGRAM_FOLDER [RUNS]\n");
    return 2;
  }
  std::string folder = argv[1];
  int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  core::SetProgramFolder(folder);
  std::string project = folder + "\\Projects\\BenchSkin";
  core::gFileSystem.RemoveFolder(project, true);
  CreateDirectoryA((folder + "\\Projects").c_str(), nullptr);
  int images = MakeCompleteSkin(project);
  std::string ini = project + "\\pelto.ini";

  OleInitialize(nullptr);
  if (!core::StartUp()) return 1;
  BenchPrompter prompter(ini);
  ui::SetPrompter(&prompter);
  mainwindow::frmTarnell& form = mainwindow::MainForm();
  form.Show();
  ui::DoEvents();

  std::vector<double> opens, saves;
  for (int i = 0; i < runs; ++i) opens.push_back(TimeCommand(form, form.mnuOpen));
  if (core::gProjectName.empty()) {
    std::fprintf(stderr, "the project did not open\n");
    return 1;
  }
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  for (int i = 0; i < runs; ++i) saves.push_back(TimeCommand(form, form.mnuSave));
  std::vector<double> reads;
  for (int i = 0; i < runs; ++i) reads.push_back(PlainRead(ini));

  std::printf("images %d\n", images);
  for (double t : opens) std::printf("open_run %.4f\n", t);
  for (double t : saves) std::printf("save_run %.4f\n", t);
  std::printf("open_median %.4f\n", Median(opens));
  std::printf("save_median %.4f\n", Median(saves));
  std::printf("plain_read_median %.6f\n", Median(reads));
  std::printf("working_set_mb %.1f\n", memory.WorkingSetSize / 1048576.0);
  std::printf("peak_working_set_mb %.1f\n", memory.PeakWorkingSetSize / 1048576.0);
  ui::SetPrompter(nullptr);
  form.Unload();
  OleUninitialize();
  return 0;
}
