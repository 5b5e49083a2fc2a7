#include "core/icon_catalogue.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "core/files.h"
#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "core/image_keys.h"
#include "core/ini.h"
#include "core/paths.h"
#include "ui/app.h"
#include "ui/picture.h"

namespace core {

IconTexts<kToolbarCount> gToolbarNames, gToolbarNormal, gToolbarHover, gToolbarDisable, gToolbarPressed,
    gToolbarOffset, gToolbarPadding, gToolbarDrawBG;
IconFlags<kToolbarCount> gToolbarChanged{};
IconTexts<kTabButtonCount> gTabButtonNames, gTabButtonNormal, gTabButtonHover, gTabButtonDisable, gTabButtonPressed,
    gTabButtonOffset, gTabButtonPadding, gTabButtonDrawBG;
IconFlags<kTabButtonCount> gTabButtonChanged{};
IconTexts<kWinButtonCount> gWinButtonNames, gWinButtonNormal, gWinButtonHover, gWinButtonDisable, gWinButtonPressed,
    gWinButtonOffset, gWinButtonPadding;
IconFlags<kWinButtonCount> gWinButtonChanged{};
IconTexts<kSmallIconCount> gSmallIconNames, gSmallIconPaths;
IconFlags<kSmallIconCount> gSmallIconChanged{};
IconTexts<kMiscIconCount> gMiscIconNames, gMiscIconPaths;
IconFlags<kMiscIconCount> gMiscIconChanged{};

int gIconGroup = 0;
int gIconIndex = 0;
bool gFillingControls = false;

namespace {

IconHost* gIconHost = nullptr;

constexpr const char* kToolbarKeyNames[kToolbarCount] = {
    "Back",     "Forward",  "HistoryMenu", "Refresh",     "Stop",     "Home",       "New",        "Undo",
    "Favorites", "Feed",    "History",     "Layout",      "FontSize", "Encoding",   "Zoom",       "Proxy",
    "Tools",    "Plugins",  "Security",    "PageContent", "Edit",     "Save",       "Options",    "FormFiller",
    "ScreenShot", "Services", "Print",     "SplitScreen", "Download", "UserOnline", "UserOffline"};

constexpr const char* kTabButtonKeyNames[kTabButtonCount] = {"TabToolbar", "TabSidebar", "TabClose", "TabCloseAll",
                                                             "TabNew"};

constexpr const char* kWinButtonKeyNames[kWinButtonCount] = {"SkinSelect", "MenuMinimize", "MenuMaximum",
                                                             "MenuRestore", "MenuClose"};

// The small icons after the 31 that repeat the toolbar's names.
constexpr const char* kSmallIconOwnNames[kSmallIconCount - kToolbarCount] = {
    "f2_16_setting",   "f2_16_save",     "f2_16_restore",   "f2_16_open",    "f2_16_copy_file",
    "f2_16_copy_url",  "f2_16_ad_hunter", "f2_16_zoomin",   "f2_16_zoomout"};

constexpr const char* kMiscIconKeyNames[kMiscIconCount] = {
    "Page",         "AddressBar",   "DefaultTabIcon", "Search",        "SearchBar",
    "FolderOpen",   "FolderClose",  "Group",          "FeedChannel",   "FeedItem",
    "FeedItemEnclosure", "FeedDiscover", "FileSniffer", "Secure",      "Skin",
    "Plugin",       "TrashCan",     "TabLock",        "CleanHistory",  "WebsiteInfo",
    "AntiPhishingSafe", "AntiPhishingDanger", "Go",   "UpLevel",       "HotFav",
    "Highlight",    "ScriptError",  "Profile",        "Collector",     "AdHunter",
    "OpenInNew",    "ForceTabInBK", "Accelerator",    "FloatButton",   "Translate",
    "Find",         "_Add",         "_Edit",          "_Delete",       "_Save",
    "_Refresh",     "_Options",     "_Search",        "_Execute",      "_Execute.Hover",
    "_InProgress",  "_Stop",        "_Up",            "_Down",         "_Question",
    "_Info",        "_Alert",       "_Error",         "_OK",           "Caption",
    "CloseToolbar", "OpenInNew",    "ForceTabInBK",   "Copy",          "Paste",
    "ZoomOut",      "ZoomIn",       "VideoPopup",     "Mute_disable",  "Mute_enable"};

// The misc icons that repeat an earlier entry's key.
struct TwinPair {
  int first;
  int second;
};
constexpr TwinPair kMiscTwins[] = {{30, 56}, {31, 57}};

constexpr char kIconsSection[] = "Icons";
constexpr char kIcons16Section[] = "Icons16";

// The key suffix of a button state.
const char* StateSuffix(ButtonState s) {
  switch (s) {
    case ButtonState::Hover: return ".Hover";
    case ButtonState::Disable: return ".Disable";
    case ButtonState::Pressed: return ".Pressed";
    default: return "";
  }
}

// What a state image's file name carries before ".png".
const char* StateFileSuffix(ButtonState s) {
  switch (s) {
    case ButtonState::Hover: return "_hover.png";
    case ButtonState::Disable: return "_disable.png";
    case ButtonState::Pressed: return "_pressed.png";
    default: return ".png";
  }
}

// Lets the window repaint while a long step runs. Only paint messages run:
// a command the user gave now (Save, Open, closing the window) would run in
// the middle of the save and work on half-written tables.
void RepaintPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&msg);
}

// A key of an entry, def while the catalogue has no names (InitIconNames
// has not run): no key is named by a suffix alone.
std::string ReadKey(const char* section, const std::string& name, const char* suffix, const char* def) {
  if (name.empty()) return def;
  return ReadIni(gSkinIni, section, name + suffix, def);
}

void ShowLoadedTile(int group, int index, const std::string& path, int offset) {
  if (IconHost* host = CurrentIconHost())
    if (ui::PictureBox* tile = host->IconTile(group, index)) ShowPlainTile(*tile, path, offset);
}

std::optional<std::string> KeepUnlessEmpty(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

// Saving one image of a changed entry: value is its table text, updated
// to the project-relative name once an outside image is in the project
// (WhenInPlace).
class ImageSaver {
 public:
  explicit ImageSaver(std::vector<std::string>& uncopied) : uncopied_(uncopied) {}

  // emptyKeepsKey: an empty value leaves the key, empty (a button's
  // normal image); otherwise an empty value deletes it. newName: the
  // project-relative file an outside image gets while the key names none
  // inside the project, or one that another key names too.
  // Returns the name an outside image was copied under, else "".
  template <class NewName>
  std::string Save(const char* section, const std::string& key, std::string& value, bool emptyKeepsKey,
                   NewName newName) {
    if (value.empty()) {
      WriteIni(gSkinIni, section, key, emptyKeepsKey ? std::optional<std::string>("") : std::nullopt);
      return {};
    }
    std::optional<std::string> stored = StoredImageText(gSkinIni, section, key, value);
    if (!stored) return {};
    const std::string v = *stored;
    if (v.find(":\\") != 1) {
      // A rehearsal of the save (ImageKeyPlan) only notes what the key is to name.
      if (ImageKeyPlan* rehearsal = RehearsingPlan(gSkinIni)) {
        rehearsal->Note(section, key, v);
        return {};
      }
      WriteIni(gSkinIni, section, key, v);
      value = v;
      return {};
    }
    // From outside the project: onto the file the key names, else under a
    // new name, as page images go. The key changes only once the file is in
    // place.
    ImageKeyResult result = CopyImageIn(gSkinIni, section, key, v, newName());
    if (result.copyFailed) uncopied_.push_back(v);
    if (!result.copiedAs.empty()) WhenInPlace(result.copiedAs, [&value, name = result.copiedAs] { value = name; });
    return result.copiedAs;
  }

 private:
  std::vector<std::string>& uncopied_;
};

void SaveButtonGroup(int group, ImageSaver& saver) {
  const ButtonTables t = ButtonGroupTables(group);
  for (int i = 0; i < t.Count(); ++i) {
    const std::string& n = t.names[i];
    if (n.empty()) continue;
    if (t.changed[i]) {
      // What the normal image key names once saved, which the other
      // states' names come from.
      std::string normalValue = t.normal[i];
      for (ButtonState s : kButtonStates) {
        bool normal = s == ButtonState::Normal;
        std::string copied = saver.Save(kIconsSection, n + StateSuffix(s), t.State(s)[i], normal, [&] {
          return normal ? std::string(t.folder) + "\\" + t.filePrefix + n + ".png"
                        : DerivedStateFile(t, i, s, normalValue);
        });
        if (normal) normalValue = copied.empty() ? t.normal[i] : copied;
      }
      RepaintPending();
    }
    WriteIni(gSkinIni, kIconsSection, n + ".Offset", KeepUnlessEmpty(t.offset[i]));
    WriteIni(gSkinIni, kIconsSection, n + ".Padding", KeepUnlessEmpty(t.padding[i]));
    if (i < t.keysWithDrawBG) {
      const std::string& flag = t.drawBG[i];
      WriteIni(gSkinIni, kIconsSection, n + ".drawbackground",
               flag == "1" ? std::nullopt : std::optional<std::string>(flag));
    }
  }
}

void SaveIconGroup(int group, ImageSaver& saver) {
  const IconTables t = IconGroupTables(group);
  for (int i = 0; i < t.Count(); ++i) {
    const std::string& n = t.names[i];
    if (!t.changed[i] || n.empty()) continue;
    saver.Save(kIcons16Section, n, t.paths[i], false,
               [&] { return std::string(t.folder) + "\\" + t.filePrefix + n + ".png"; });
    RepaintPending();
  }
}

}  // namespace

std::span<std::string> ButtonTables::State(ButtonState s) const {
  switch (s) {
    case ButtonState::Hover: return hover;
    case ButtonState::Disable: return disable;
    case ButtonState::Pressed: return pressed;
    default: return normal;
  }
}

bool IsButtonGroup(int group) { return group >= kToolbarGroup && group <= kWinButtonGroup; }
bool IsIconGroup(int group) { return group == kSmallIconGroup || group == kMiscIconGroup; }

ButtonTables ButtonGroupTables(int group) {
  switch (group) {
    case kToolbarGroup:
      return {gToolbarNames,   gToolbarNormal,  gToolbarHover, gToolbarDisable, gToolbarPressed,
              gToolbarOffset,  gToolbarPadding, gToolbarDrawBG, gToolbarChanged, kToolbarCount,
              "toolbar",       "24_"};
    case kTabButtonGroup:
      return {gTabButtonNames,   gTabButtonNormal,  gTabButtonHover,  gTabButtonDisable,
              gTabButtonPressed, gTabButtonOffset,  gTabButtonPadding, gTabButtonDrawBG,
              gTabButtonChanged, kTabButtonsWithDrawBG, "control",     "tab_"};
    case kWinButtonGroup:
      return {gWinButtonNames,   gWinButtonNormal,  gWinButtonHover, gWinButtonDisable,
              gWinButtonPressed, gWinButtonOffset,  gWinButtonPadding, {},
              gWinButtonChanged, 0,                 "control",        "win_"};
    default:
      return {};
  }
}

IconTables IconGroupTables(int group) {
  switch (group) {
    case kSmallIconGroup: return {gSmallIconNames, gSmallIconPaths, gSmallIconChanged, "toolbar", "16_"};
    case kMiscIconGroup: return {gMiscIconNames, gMiscIconPaths, gMiscIconChanged, "misc", "16_"};
    default: return {};
  }
}

int IconGroupCount(int group) {
  if (IsButtonGroup(group)) return ButtonGroupTables(group).Count();
  return IconGroupTables(group).Count();
}

int MiscIconTwin(int index) {
  for (const TwinPair& pair : kMiscTwins) {
    if (index == pair.first) return pair.second;
    if (index == pair.second) return pair.first;
  }
  return -1;
}

IconHost* CurrentIconHost() { return gIconHost; }
void SetIconHost(IconHost* host) { gIconHost = host; }

void ShowPlainTile(ui::PictureBox& tile, const std::string& path, int offset) {
  if (gFileSystem.FileExists(GetFullPath(path))) {
    tile.SetBackColor(ui::kSysWindow);
    LoadImageToPicture(path, tile, offset, false);
  } else {
    tile.SetBackColor(ui::kSysButtonFace);
  }
}

std::string DerivedStateFile(const ButtonTables& group, int index, ButtonState state, const std::string& normalValue) {
  if (!group.Has(index)) return {};
  // The normal value as the written key will be read.
  const std::string normal = ProfileValue(normalValue);
  if (normal.find(".png") != std::string::npos && IsInsideProject(normal)) {
    std::string derived = ReplaceAll(normal, ".png", StateFileSuffix(state));
    if (IsInsideProject(derived)) return derived;
  }
  return std::string(group.folder) + "\\" + group.filePrefix + group.names[index] + StateFileSuffix(state);
}

void InitIconNames() {
  for (int i = 0; i < kToolbarCount; ++i) gToolbarNames[i] = kToolbarKeyNames[i];
  for (int i = 0; i < kTabButtonCount; ++i) gTabButtonNames[i] = kTabButtonKeyNames[i];
  for (int i = 0; i < kWinButtonCount; ++i) gWinButtonNames[i] = kWinButtonKeyNames[i];
  for (int i = 0; i < kToolbarCount; ++i) gSmallIconNames[i] = gToolbarNames[i];
  for (int i = kToolbarCount; i < kSmallIconCount; ++i) gSmallIconNames[i] = kSmallIconOwnNames[i - kToolbarCount];
  for (int i = 0; i < kMiscIconCount; ++i) gMiscIconNames[i] = kMiscIconKeyNames[i];
}

void LoadIcons() {
  gToolbarChanged.fill(false);
  gTabButtonChanged.fill(false);
  gWinButtonChanged.fill(false);
  gSmallIconChanged.fill(false);
  gMiscIconChanged.fill(false);

  for (int group : {kToolbarGroup, kTabButtonGroup, kWinButtonGroup}) {
    const ButtonTables t = ButtonGroupTables(group);
    for (int i = 0; i < t.Count(); ++i) {
      const std::string& n = t.names[i];
      for (ButtonState s : kButtonStates) t.State(s)[i] = ReadKey(kIconsSection, n, StateSuffix(s), "");
      t.offset[i] = ReadKey(kIconsSection, n, ".Offset", "");
      t.padding[i] = ReadKey(kIconsSection, n, ".Padding", "");
      if (i < t.keysWithDrawBG) t.drawBG[i] = ReadKey(kIconsSection, n, ".drawbackground", "1");
      ShowLoadedTile(group, i, t.normal[i], -1);
      if (group != kToolbarGroup) continue;
      // The first button is selected as soon as its values are in.
      if (i == 0)
        if (IconHost* host = CurrentIconHost()) host->picBigIcon_MouseDown(0, 1, 1, 1.0f, 1.0f);
      if (i == 0 || i == 15 || i == 30) ui::DoEvents();
    }
  }

  const IconTables small = IconGroupTables(kSmallIconGroup);
  for (int i = 0; i < small.Count(); ++i) {
    small.paths[i] = ReadKey(kIcons16Section, small.names[i], "", "");
    ShowLoadedTile(kSmallIconGroup, i, small.paths[i], -1);
    if (i == 0)
      if (IconHost* host = CurrentIconHost()) host->picSmallIcon_MouseDown(0, 1, 1, 1.0f, 1.0f);
    if (i == 0 || i == 20) ui::DoEvents();
  }

  // Misc icons are placed 4 pixels from the tile's edges.
  const IconTables misc = IconGroupTables(kMiscIconGroup);
  for (int i = 0; i < misc.Count(); ++i) {
    misc.paths[i] = ReadKey(kIcons16Section, misc.names[i], "", "");
    ShowLoadedTile(kMiscIconGroup, i, misc.paths[i], 4);
    if (i % 20 == 0) ui::DoEvents();
  }
}

std::vector<std::string> SaveIcons() {
  std::vector<std::string> uncopied;
  ImageSaver saver(uncopied);
  for (int group : {kToolbarGroup, kTabButtonGroup, kWinButtonGroup}) SaveButtonGroup(group, saver);
  for (int group : {kSmallIconGroup, kMiscIconGroup}) SaveIconGroup(group, saver);
  if (IconHost* host = CurrentIconHost()) host->UpdateTextBox();
  return uncopied;
}

}  // namespace core
