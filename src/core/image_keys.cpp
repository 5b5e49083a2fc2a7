#include "core/image_keys.h"

#include <windows.h>

#include <iterator>
#include <vector>

#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/paths.h"
#include "ui/controls.h"

namespace core {

namespace {

// The plan of the save that runs, if any.
ImageKeyPlan* gImageKeyPlan = nullptr;
// The stage made last among those alive; each holds the one made before it.
PictureStage* gPictureStage = nullptr;

// Every image key a page stores through SaveImageKey, with the file that an
// outside image gets while the key is empty.
constexpr ImageKeyDefault kImageKeyDefaults[] = {
    {"Global", "CustomFrame.Image", "control", "main_frame.png"},
    {"Global", "AnimateLoading", "control", "animate_loading.png"},

    {"TabBar", "Tab.Normal.Image", "control", "tab_inactive.png"},
    {"TabBar", "Tab.Active.Image", "control", "tab_active.png"},
    {"TabBar", "Tab.Hover.Image", "control", "tab_hover.png"},
    {"TabBar", "Tab.Unread.Image", "control", "tab_unread.png"},
    {"TabBar", "Background.Image", "control", "tab_bg.png"},
    {"TabBar", "InActiveBackground.Image", "control", "tab_bg_inactive.png"},
    {"TabBar", "TabProgress.Image", "control", "loading.png"},
    {"TabBar", "TabClose", "control", "tab_close.png"},
    {"TabBar", "TabClose.Hover", "control", "tab_close_hover.png"},

    {"Backgrounds", "MainPanel.Image", "control", "mainpanel_bg.png"},
    {"Backgrounds", "Button.Normal.Image", "control", "button_bg_normal.png"},
    {"Backgrounds", "Button.Hover.Image", "control", "button_bg_hover.png"},
    {"Backgrounds", "Button.Disable.Image", "control", "button_bg_disable.png"},
    {"Backgrounds", "Button.Pressed.Image", "control", "button_bg_pressed.png"},
    {"Backgrounds", "Button.Checked.Image", "control", "button_bg_checked.png"},
    {"Backgrounds", "MenuItem.Hover.Image", "control", "menuitem_bg_hover.png"},
    {"Backgrounds", "Menu.Image", "control", "menu_bg.png"},
    {"Backgrounds", "WebBar.Image", "control", "webbar_bg.png"},
    {"Backgrounds", "StatusBar.Image", "control", "statusbar_bg.png"},
    {"Backgrounds", "FloatBar.Image", "control", "floatbar_bg.png"},
    {"Backgrounds", "FavBar.Image", "control", "favbar_bg.png"},
    {"Backgrounds", "FindInPageBar.Image", "control", "findinpage_bg.png"},
    {"Backgrounds", "MenuBar.Image", "control", "menubar_bg.png"},
    {"Backgrounds", "ToolBar.Image", "control", "toolbar_bg.png"},

    {"SideBar", "Tab.Normal.Image", "control", "sidebar_tab_normal.png"},
    {"SideBar", "Tab.Active.Image", "control", "sidebar_tab_active.png"},
    {"SideBar", "TabBackground.Image", "control", "sidebar_tab_bg.png"},
    {"SideBar", "TitleBackground.Image", "control", "sidebar_title_bg.png"},

    {"ComboBox", "Background.Normal.Image", "control", "combo_bg_normal.png"},
    {"ComboBox", "Background.Hover.Image", "control", "combo_bg_hover.png"},
    {"ComboBox", "Thumb.Normal.Image", "control", "combo_thumb_normal.png"},
    {"ComboBox", "Thumb.Hover.Image", "control", "combo_thumb_hover.png"},

    // The same file as the combo box's normal background: while that key
    // names it, an outside image goes to a free name instead (StoreImageKey).
    {"Progress", "Foreground.Image", "control", "progress_fg.png"},
    {"Progress", "Background.Image", "control", "combo_bg_normal.png"},
};

// The absolute, normalised form of path ("." and ".." resolved); "" when
// Windows cannot make one.
std::string NormalisedPath(const std::string& path) {
  DWORD n = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return {};
  std::vector<char> buffer(n + 1);
  n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  if (n == 0 || n >= buffer.size()) return {};
  return std::string(buffer.data(), n);
}

bool SamePath(const std::string& a, const std::string& b) {
  std::string fullA = NormalisedPath(a);
  return !fullA.empty() && EqualsNoCase(fullA, NormalisedPath(b));
}

// The value of every key=value line of every section of file, as ReadIni
// reads it (ProfileValue), without the line of [section] key itself.
std::vector<std::string> OtherKeyValues(const std::string& file, const std::string& section, const std::string& key) {
  std::vector<std::string> values;
  for (const std::string& name : IniSectionNames(file)) {
    for (const std::string& text : IniSectionLines(file, name)) {
      size_t equals = text.find('=');
      if (equals == std::string::npos) continue;
      std::string lineKey = text.substr(0, equals);
      lineKey.erase(lineKey.find_last_not_of(" \t") + 1);
      if (EqualsNoCase(name, section) && EqualsNoCase(lineKey, key)) continue;
      values.push_back(ProfileValue(text.substr(equals + 1)));
    }
  }
  return values;
}

// The absolute, normalised path of the file that an image key's value names
// (blanks around it, either slash); "" for an empty value.
std::string ProjectFilePath(const std::string& value) {
  std::string trimmed = value;
  trimmed.erase(0, trimmed.find_first_not_of(" \t"));
  trimmed.erase(trimmed.find_last_not_of(" \t") + 1);
  if (trimmed.empty()) return {};
  return NormalisedPath(GetFullPath(ReplaceAll(trimmed, "/", "\\")));
}

// Creates every missing folder of the project-relative folder path;
// returns those it made.
std::vector<std::string> CreateProjectFolders(const std::string& folder) {
  std::vector<std::string> made;
  std::string partial = gProjectFolder;
  for (const auto& part : Split(folder, "\\")) {
    if (part.empty()) continue;
    partial += "\\" + part;
    if (!gFileSystem.FolderExists(partial) && gFileSystem.CreateFolder(partial)) made.push_back(partial);
  }
  return made;
}

}  // namespace

const ImageKeyDefault* FindImageKeyDefault(const std::string& section, const std::string& key) {
  for (const auto& entry : kImageKeyDefaults)
    if (EqualsNoCase(entry.section, section) && EqualsNoCase(entry.key, key)) return &entry;
  return nullptr;
}

std::string DefaultImageFile(const std::string& section, const std::string& key) {
  const ImageKeyDefault* entry = FindImageKeyDefault(section, key);
  return entry ? entry->file : "";
}

std::string DefaultImageFolder(const std::string& section, const std::string& key) {
  const ImageKeyDefault* entry = FindImageKeyDefault(section, key);
  return entry ? entry->subFolder : "";
}

bool IsInsideProject(const std::string& value) {
  if (gProjectFolder.empty() || value.empty()) return false;
  // No drive (nor a stream name), no root.
  if (value.find(':') != std::string::npos || value[0] == '\\' || value[0] == '/') return false;
  std::string project = NormalisedPath(gProjectFolder);
  std::string full = NormalisedPath(gProjectFolder + "\\" + value);
  if (project.empty() || full.empty()) return false;
  if (project.back() != '\\') project += "\\";
  return full.size() > project.size() && EqualsNoCase(full.substr(0, project.size()), project);
}

std::string RelativeIfInProject(const std::string& value) {
  std::string relative = ProjectRelativePath(value);
  return relative != value && IsInsideProject(relative) ? relative : value;
}

bool NamedByAnotherKey(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& target) {
  std::string full = ProjectFilePath(target);
  if (full.empty()) return false;
  // The description itself: the project's pelto.ini and the file written
  // now (a save writes a copy beside it).
  if (EqualsNoCase(full, NormalisedPath(file))) return true;
  if (!gProjectFolder.empty() && EqualsNoCase(full, NormalisedPath(gProjectFolder + "\\pelto.ini"))) return true;
  for (const std::string& value : OtherKeyValues(file, section, key))
    if (EqualsNoCase(ProjectFilePath(value), full)) return true;
  for (const ImageKeyPlan* plan = gImageKeyPlan; plan; plan = plan->outer_)
    if (plan->Names(file, section, key, target)) return true;
  return false;
}

std::string FreeTarget(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& newName, const std::string& spareName) {
  if (!NamedByAnotherKey(file, section, key, newName)) return newName;
  std::string base = spareName.empty() ? newName : spareName;
  size_t dot = base.find_last_of('.');
  if (dot != std::string::npos && base.find_first_of("\\/", dot) != std::string::npos) dot = std::string::npos;
  std::string stem = base.substr(0, dot);
  std::string extension = dot == std::string::npos ? "" : base.substr(dot);
  std::string target = base;
  for (int number = 2; NamedByAnotherKey(file, section, key, target); ++number)
    target = stem + std::to_string(number) + extension;
  return target;
}

// ---------------------------------------------------------------- ImageKeyPlan

ImageKeyPlan::ImageKeyPlan(const std::string& file) : outer_(gImageKeyPlan), file_(file) { gImageKeyPlan = this; }

ImageKeyPlan::~ImageKeyPlan() { gImageKeyPlan = outer_; }

void ImageKeyPlan::Rehearse(const std::function<void()>& savers) {
  struct Done {
    bool& rehearsing;
    ~Done() { rehearsing = false; }
  } done{rehearsing_};
  rehearsing_ = true;
  IniWriteHold hold(file_);
  savers();
}

ImageKeyPlan* RehearsingPlan(const std::string& file) {
  for (ImageKeyPlan* plan = gImageKeyPlan; plan; plan = plan->outer_)
    if (plan->rehearsing_ && EqualsNoCase(file, plan->file_)) return plan;
  return nullptr;
}

void ImageKeyPlan::Note(const std::string& section, const std::string& key, const std::string& value) {
  // The value as the written key will be read.
  noted_.push_back({section, key, ProfileValue(value)});
}

bool ImageKeyPlan::Names(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& target) const {
  if (!EqualsNoCase(file, file_)) return false;
  std::string full = ProjectFilePath(target);
  if (full.empty()) return false;
  for (const Noted& n : noted_)
    if (!(EqualsNoCase(n.section, section) && EqualsNoCase(n.key, key)) && EqualsNoCase(ProjectFilePath(n.value), full))
      return true;
  return false;
}

bool CopyIntoProject(const std::string& source, const std::string& target) {
  if (!IsInsideProject(target)) return false;
  std::string destination = GetFullPath(target);
  if (SamePath(source, destination))
    return gFileSystem.FileExists(destination) || (gPictureStage && gPictureStage->Find(destination));
  if (!gFileSystem.FileExists(source)) return false;
  auto slash = target.find_last_of("\\/");
  std::vector<std::string> folders;
  if (slash != std::string::npos) folders = CreateProjectFolders(ReplaceAll(target.substr(0, slash), "/", "\\"));
  // Through a scratch file beside the target: a copy that fails halfway
  // leaves the old picture as it was.
  if (gPictureStage) {
    gPictureStage->folders_.insert(gPictureStage->folders_.end(), folders.begin(), folders.end());
    return gPictureStage->Hold(source, destination);
  }
  return gFileSystem.ReplaceWithCopy(source, destination);
}

// ---------------------------------------------------------------- PictureStage

PictureStage::PictureStage() : outer_(gPictureStage) { gPictureStage = this; }

PictureStage::~PictureStage() {
  for (const Waiting& picture : waiting_) DeleteFileA(picture.scratch.c_str());
  // The folders made for the pictures go with them, the last made first.
  for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) RemoveDirectoryA(folder->c_str());
  gPictureStage = outer_;
}

PictureStage::Waiting* PictureStage::Find(const std::string& destination) {
  for (Waiting& picture : waiting_)
    if (SamePath(picture.destination, destination)) return &picture;
  return nullptr;
}

bool PictureStage::Hold(const std::string& source, const std::string& destination) {
  std::string scratch = gFileSystem.CopyToScratch(source, destination);
  if (scratch.empty()) return false;
  // A second copy to one target replaces the first.
  if (Waiting* earlier = Find(destination)) {
    DeleteFileA(earlier->scratch.c_str());
    earlier->source = source;
    earlier->scratch = std::move(scratch);
    return true;
  }
  waiting_.push_back({source, destination, std::move(scratch), {}});
  return true;
}

std::vector<std::string> PictureStage::Commit() {
  std::vector<std::string> failed;
  std::vector<Waiting> pictures = std::move(waiting_);
  waiting_.clear();
  folders_.clear();
  for (Waiting& picture : pictures) {
    if (!gFileSystem.PutInPlace(picture.scratch, picture.destination)) {
      failed.push_back(picture.source);
      continue;
    }
    for (const auto& action : picture.actions) action();
  }
  return failed;
}

void WhenInPlace(const std::string& target, std::function<void()> action) {
  const std::string destination = GetFullPath(target);
  for (PictureStage* stage = gPictureStage; stage; stage = stage->outer_)
    if (PictureStage::Waiting* picture = stage->Find(destination)) {
      picture->actions.push_back(std::move(action));
      return;
    }
  action();
}

bool LeftAsLoaded(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& path) {
  std::string stored = ReadIni(file, section, key, "");
  if (path.empty() || path != stored) return false;
  if (ImageKeyPlan* rehearsal = RehearsingPlan(file)) rehearsal->Note(section, key, stored);
  return true;
}

ImageKeyResult CopyImageIn(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& source, const std::string& newName, const std::string& spareName,
                           const std::optional<std::string>& preferred) {
  // An image from outside finds its place in the save itself.
  if (RehearsingPlan(file)) return {};
  std::string stored = ReadIni(file, section, key, "");
  std::string target = preferred.value_or(stored);
  // A folder of the project takes no picture, as a place outside it does not.
  if (!IsInsideProject(target) || gFileSystem.FolderExists(GetFullPath(target)) ||
      NamedByAnotherKey(file, section, key, target))
    target = FreeTarget(file, section, key, newName, spareName);
  if (!CopyIntoProject(source, target)) return {"", true};
  if (target != stored) WriteIni(file, section, key, target);
  return {target, false};
}

std::optional<std::string> StoredImageText(const std::string& file, const std::string& section, const std::string& key,
                                           const std::string& text) {
  const std::string path = ReadBack(text);
  const std::string relative = RelativeIfInProject(path);
  if (relative != path) return relative;
  if (LeftAsLoaded(file, section, key, path)) return std::nullopt;
  return path.find(":\\") == 1 ? path : text;
}

ImageKeyResult StoreImageKey(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& path, const std::string& subFolder, const std::string& defaultFile,
                             const std::string& spareFile) {
  if (path.empty()) {
    WriteIni(file, section, key, std::nullopt);
    return {};
  }
  std::optional<std::string> stored = StoredImageText(file, section, key, path);
  if (!stored) return {};
  const std::string& value = *stored;
  if (value.find(":\\") != 1) {
    if (ImageKeyPlan* rehearsal = RehearsingPlan(file)) rehearsal->Note(section, key, value);
    WriteIni(file, section, key, value);
    return {};
  }
  // Outside the project: copied under the key's current file, or under the
  // default name while the key names no file inside the project.
  auto inFolder = [&subFolder](const std::string& name) { return subFolder.empty() ? name : subFolder + "\\" + name; };
  return CopyImageIn(file, section, key, value, inFolder(defaultFile.empty() ? NameOf(value) : defaultFile),
                     spareFile.empty() ? "" : inFolder(spareFile));
}

void ShowCopiedName(ui::TextBox& box, const ImageKeyResult& result) {
  if (result.copiedAs.empty()) return;
  WhenInPlace(result.copiedAs, [&box, name = result.copiedAs] { box.SetText(name); });
}

std::string SaveImageKey(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& path, const std::string& subFolder, const std::string& defaultFile) {
  return StoreImageKey(file, section, key, path, subFolder, defaultFile).copiedAs;
}

}  // namespace core
