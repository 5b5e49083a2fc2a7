// Image keys: the paths of images that pelto.ini names, relative to the
// project folder, and how a page stores one, copying an image chosen from
// outside the project into it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class TextBox;
}

namespace core {

// Where a page's image key lives and the file an outside image is copied
// to while the key has no value yet.
struct ImageKeyDefault {
  const char* section;
  const char* key;
  const char* subFolder;
  const char* file;
};

// The entry of section and key (matched without regard to case), or
// nullptr for a key that is no image key of a page.
const ImageKeyDefault* FindImageKeyDefault(const std::string& section, const std::string& key);
// Its default file name ("tab_inactive.png" for TabBar, Tab.Normal.Image),
// or "" when there is none.
std::string DefaultImageFile(const std::string& section, const std::string& key);
// Its sub-folder ("control"), or "".
std::string DefaultImageFolder(const std::string& section, const std::string& key);

// True when value names a place inside the project folder: a relative path
// that has no drive, does not start at a root and never climbs out with "..".
bool IsInsideProject(const std::string& value);

// A full path naming a place inside the project (the project folder as its
// start, in any letter case, and never climbing out of it) as the
// project-relative value; any other text as it is.
std::string RelativeIfInProject(const std::string& value);

// Copies source to the project-relative target, creating the target's
// folders inside the project as needed and replacing a file there. The
// target must lie inside the project, be no folder and not be marked
// read-only; a file already in place (the same path, whatever its letter
// case) is left alone. The copy replaces a file only once complete
// (FileSystem::ReplaceWithCopy); while a PictureStage lives it waits,
// complete, beside the target until the stage puts it in place. True when
// the target holds the file afterwards, or will once the stage commits.
bool CopyIntoProject(const std::string& source, const std::string& target);

// Holds back the pictures that CopyIntoProject puts into the project while
// it lives: each waits, complete, in a scratch file beside its target, and
// no project file changes until Commit puts them all in place. A save and
// Skin Preview's OK commit it only once pelto.ini, which names the
// pictures, is committed; those never put in place are removed when it
// goes, with the folders made for them, and the project stays as it was.
class PictureStage {
 public:
  PictureStage();
  ~PictureStage();
  PictureStage(const PictureStage&) = delete;
  PictureStage& operator=(const PictureStage&) = delete;
  // Renames every waiting picture over its target, then runs what waited
  // for it (WhenInPlace). Returns the sources of the pictures that could
  // not be put in place; their targets stay as they were.
  std::vector<std::string> Commit();

 private:
  friend bool CopyIntoProject(const std::string&, const std::string&);
  friend void WhenInPlace(const std::string&, std::function<void()>);
  struct Waiting {
    std::string source;
    std::string destination;
    std::string scratch;
    std::vector<std::function<void()>> actions;
  };
  // The picture waiting for the full path destination, or nullptr.
  Waiting* Find(const std::string& destination);
  // Copies source to a scratch beside destination, to wait there.
  bool Hold(const std::string& source, const std::string& destination);
  PictureStage* outer_;
  std::vector<Waiting> waiting_;
  // The project's folders made for the waiting pictures.
  std::vector<std::string> folders_;
};

// Runs action once the picture copied to the project-relative target is in
// place: at once, unless a PictureStage holds it back; then when the stage
// puts it in place, and never when it cannot. What the pages show of a
// copied picture (a box naming it, its picture drawn from the file) waits
// for it this way.
void WhenInPlace(const std::string& target, std::function<void()> action);

struct ImageKeyResult {
  // The project-relative value under which an outside file was copied into
  // the project; "" in every other case.
  std::string copiedAs;
  // An outside file could not be copied: the key was left as it was.
  bool copyFailed = false;
};

// What the image keys of a file are about to name. A save first rehearses
// its page savers (Rehearse): they leave the file as it is (IniWriteHold),
// and StoreImageKey only notes the project-relative value that each key's
// box holds; an image from outside the project is noted nowhere, since its
// place is found in the save itself.
// While the plan lives, a file that a noted value names counts as taken for
// every other key, as one that the file itself names does: a copy made later
// in the save never lands on an image that a page saved after it is about to
// name.
class ImageKeyPlan {
 public:
  explicit ImageKeyPlan(const std::string& file);
  ~ImageKeyPlan();
  ImageKeyPlan(const ImageKeyPlan&) = delete;
  ImageKeyPlan& operator=(const ImageKeyPlan&) = delete;

  // Runs the savers once against the plan's file without changing it.
  void Rehearse(const std::function<void()>& savers);
  // Notes that [section] key is about to name value (as ReadIni will read
  // it back).
  void Note(const std::string& section, const std::string& key, const std::string& value);
  // True when a noted key other than [section] key names the
  // project-relative target.
  bool Names(const std::string& file, const std::string& section, const std::string& key,
             const std::string& target) const;

 private:
  friend ImageKeyPlan* RehearsingPlan(const std::string& file);
  friend bool NamedByAnotherKey(const std::string&, const std::string&, const std::string&, const std::string&);
  struct Noted {
    std::string section;
    std::string key;
    std::string value;
  };
  ImageKeyPlan* outer_;
  std::string file_;
  bool rehearsing_ = false;
  std::vector<Noted> noted_;
};

// The plan that is rehearsing savers of file; nullptr outside a rehearsal.
ImageKeyPlan* RehearsingPlan(const std::string& file);

// True when a key of file other than [section] key names the
// project-relative target (whatever the letter case or the slashes), on
// disk or in the ImageKeyPlan alive. The project's pelto.ini and file
// itself, in any form that resolves to them, count as named by every key.
bool NamedByAnotherKey(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& target);

// The project-relative newName when no other key of file than [section] key
// names it (NamedByAnotherKey), else the first of spareName (or newName)
// numbered 2, 3 ... that no other key names.
std::string FreeTarget(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& newName, const std::string& spareName = "");

// True when path is the value that [section] key holds in file now: an
// image loaded from the file and left alone, which a save writes back as it
// stands and never copies (a rehearsal notes it). False for an empty path.
bool LeftAsLoaded(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& path);

// Copies source, an image from outside the project that the user gave, into
// the project for [section] key of file, and writes the key once the copy
// succeeded. The copy goes to preferred (by default the key's current
// file) while that lies inside the project, is no folder and no other key
// names it (NamedByAnotherKey); else to newName; else, where that is named
// too, to the first of spareName (or newName) numbered 2, 3 ... that no
// other key names. A rehearsal copies nothing: the place is found in the save itself.
ImageKeyResult CopyImageIn(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& source, const std::string& newName, const std::string& spareName = "",
                           const std::optional<std::string>& preferred = std::nullopt);

// What a save makes of text, an image box's text, for [section] key of
// file. The path is the text as the key will read it back (ReadBack: a path
// typed in quotes is the path itself). A full path into the project gives
// the project-relative value, even where the key holds it so now; a path
// that is the key's value now (LeftAsLoaded) gives nullopt: it is written
// back as it stands; a full path outside the project gives the path, to
// copy in; any other text itself, to write as typed.
std::optional<std::string> StoredImageText(const std::string& file, const std::string& section, const std::string& key,
                                           const std::string& text);

// Stores an image key of section in file (gSkinIni) from path, the text of
// the page's image box (read as StoredImageText reads it):
// - an empty path deletes the key;
// - a full path inside the project (RelativeIfInProject) is written as the
//   project-relative value, even where the key holds it so now;
// - any other path that is the key's value now is left as it stands
//   (LeftAsLoaded);
// - any other path without a drive is written as it is;
// - a file outside the project is copied into it (CopyImageIn) under the
//   key's current value, or under subFolder\defaultFile, then
//   subFolder\spareFile numbered, where that file is outside the project or
//   named by another key.
ImageKeyResult StoreImageKey(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& path, const std::string& subFolder, const std::string& defaultFile,
                             const std::string& spareFile = "");
// Puts copiedAs, the name an outside picture was copied under, into the box
// that gave the picture once the picture is in place (WhenInPlace); nothing
// when nothing was copied.
void ShowCopiedName(ui::TextBox& box, const ImageKeyResult& result);

// StoreImageKey's copiedAs: what a page puts back into its image box.
std::string SaveImageKey(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& path, const std::string& subFolder, const std::string& defaultFile);

}  // namespace core
