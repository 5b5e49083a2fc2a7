// The program's file-system object: the file and folder operations that
// every Part uses, each reporting whether it worked. Folder listings come
// sorted by name without regard to case, as Windows lists them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace core {

class FileSystem {
 public:
  bool FileExists(const std::string& path) const;
  bool FolderExists(const std::string& path) const;
  // True when path is a file that can be written and replaced now: not
  // marked read-only (an administrator's process under Wine would write it
  // all the same) and held by no other program in a way that bars writing
  // or replacing it.
  bool CanWrite(const std::string& path) const;
  // Creates one folder level; true when it exists afterwards.
  bool CreateFolder(const std::string& path) const;
  // Deletes a file; read-only files only when forced.
  bool RemoveFile(const std::string& path, bool force) const;
  // Deletes every file directly in folder (sub-folders stay); true when
  // all of them went.
  bool RemoveFiles(const std::string& folder, bool force) const;
  // Deletes a folder with everything in it; read-only files only when
  // forced. True when the folder is gone afterwards.
  bool RemoveFolder(const std::string& path, bool force) const;
  bool CopyFileTo(const std::string& from, const std::string& to, bool overwrite) const;
  bool MoveFileTo(const std::string& from, const std::string& to) const;
  // A new file for to, written whole before it is put in to's place: write
  // fills a fresh scratch file beside to (NewScratchFile) and reports
  // success; the bytes are then flushed to the disk. The complete scratch,
  // or "" when to is marked read-only or is a folder, or the scratch cannot
  // be made complete (write fails or throws, the disk fills up); no scratch
  // is left then.
  std::string WriteScratch(const std::string& to, const std::function<bool(const std::string&)>& write) const;
  // WriteScratch with a byte copy of from.
  std::string CopyToScratch(const std::string& from, const std::string& to) const;
  // Renames a complete scratch over to, unless to is a folder or marked
  // read-only (an administrator's process under Wine would rename over it
  // all the same). False when it cannot, or scratch is ""; no scratch is
  // left either way.
  bool PutInPlace(const std::string& scratch, const std::string& to) const;
  // Puts a copy of from in the place of to as one step (CopyToScratch, then
  // PutInPlace): to changes only once the copy is complete.
  bool ReplaceWithCopy(const std::string& from, const std::string& to) const;
  // The bytes a scratch file of WriteScratch may take before the disk counts
  // as full, for tests that cannot fill a disk; negative: no limit.
  long long scratchRoom = -1;
  bool MoveFolderTo(const std::string& from, const std::string& to) const;
  std::vector<std::string> SubFolderNames(const std::string& folder) const;
  std::vector<std::string> FileNames(const std::string& folder) const;
};

extern FileSystem gFileSystem;

// The program's own scratch files: a new, empty file beside path, in its
// folder, under a short name that no file has ("~1.tmp", "~2.tmp" ..., or
// "~1" where the extension would take a path past the ANSI limit) and that
// this process has never made before, so the profile functions hold nothing
// read under it. A name that a file or folder has already (one left from a
// session that was ended) is passed over and left alone. "" when none can
// be made.
std::string NewScratchFile(const std::string& path);
// The same search for a name beside path, with make doing the making
// (creating a file there, or renaming one to it), failing where the name
// is taken.
std::string MakeScratchBeside(const std::string& path, const std::function<bool(const std::string&)>& make);
// True when a file name (without its folder) has the form of those names.
bool IsScratchName(const std::string& name);
// True when file's bytes have reached the disk.
bool FlushedToDisk(const std::string& file);

// Case-insensitive comparison and search in the ANSI code page.
bool EqualsNoCase(const std::string& a, const std::string& b);
std::string ToLower(std::string s);
std::string ToUpper(std::string s);
// Position of needle in hay without regard to case, or npos.
size_t FindNoCase(const std::string& hay, const std::string& needle, size_t from = 0);
// Every occurrence of what replaced by with.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);
std::string ReplaceAllNoCase(const std::string& text, const std::string& what, const std::string& with);
std::vector<std::string> Split(const std::string& text, const std::string& separator);
// True when text holds nothing but what ProfileTrimmed removes: as an INI
// value it would read back empty.
bool IsBlank(const std::string& text);
// text without the blanks and tabs around it.
std::string Trimmed(const std::string& text);
// text without what the profile functions drop around a key or a value as
// they read and write INI files: blanks, tabs, line breaks, vertical tabs,
// form feeds and Ctrl+Z (0x09-0x0D, 0x1A, 0x20).
std::string ProfileTrimmed(const std::string& text);
// The part of path before its last "\" (path itself when it has none).
std::string FolderOf(const std::string& path);
// The part of path after its last "\" (path itself when it has none).
std::string NameOf(const std::string& path);

// What tells a file from every other, however the path that leads to it is
// spelled (an 8.3 short name, a drive letter mapped onto a folder, a folder
// link): the volume it lies on and its index there. Its size is noted
// besides, as a quick first test; it does not tell files apart.
struct FileIdentity {
  unsigned long volume = 0;
  unsigned long long index = 0;
  unsigned long long size = 0;
  bool SameFileAs(const FileIdentity& other) const { return volume == other.volume && index == other.index; }
};
// The identity of the file or folder at path; none when it cannot be opened.
std::optional<FileIdentity> IdentityOf(const std::string& path);
// True when a and b lead to one and the same existing file or folder.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace core
