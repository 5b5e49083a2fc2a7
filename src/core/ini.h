// INI files (Config.ini, pelto.ini, the language files) through the Windows
// profile functions, and the language texts looked up in them.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace core {

// The value of key in [section] of file; def when the key is missing or its
// value is empty. Values of any length come back whole. Sections and keys
// match without regard to case; of duplicate keys the first is read.
std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& def = "");

// A value's text as the profile functions give it (ReadIni): what they trim
// around it removed (ProfileTrimmed) and one pair of matching quotes, double
// or single, around it dropped. For values read raw, a section's lines at a
// time.
std::string ProfileValue(const std::string& text);

// value, written by WriteIni, as ReadIni reads it back: on one line
// (OneLine), and as ProfileValue gives it. A path typed in quotes (as
// Explorer's "Copy as path" gives one) is the path itself.
std::string ReadBack(const std::string& value);

// True when value, written by WriteIni, would read back (ReadIni) empty or
// as blanks only: blank itself (blanks, tabs, vertical tabs, form feeds,
// Ctrl+Z), or blanks inside one pair of quotes.
bool ReadsBackBlank(const std::string& value);

// The longest value, in UTF-16 characters, that WriteIni can store: the
// profile functions convert a value to UTF-16 with a limit of 32,767
// characters with its closing null. A longer value is lost (Wine deletes
// the key, and reports success), yet one already in a file is read whole
// and kept by every other write.
inline constexpr size_t kIniValueLimit = 32766;

// The names of file's sections, and the lines of one of its sections, each
// "key=value" as the profile functions give it; read whole, however long.
std::vector<std::string> IniSectionNames(const std::string& file);
std::vector<std::string> IniSectionLines(const std::string& file, const std::string& section);

// Writes key = value into [section] of file, creating both as needed. No
// value (std::nullopt) deletes the key; an empty text writes "key=". Line
// breaks cannot live in an INI value: each one is written as a blank.
// False when the file could not be written (read-only, folder missing, disk
// full); every IniWriteWatch alive then counts the failure. A value longer
// than kIniValueLimit is never written: where the file holds it already
// (loaded and left alone) nothing needs writing; otherwise the write fails,
// also while an IniWriteHold holds the file, and every watch notes the key.
bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
              const std::optional<std::string>& value);

// Counts the writes through WriteIni that fail while it lives, so that a
// command running many writers (the Save command and its page savers) can
// tell whether every one of them landed. Watches nest: a failure counts in
// every watch alive.
class IniWriteWatch {
 public:
  IniWriteWatch();
  ~IniWriteWatch();
  IniWriteWatch(const IniWriteWatch&) = delete;
  IniWriteWatch& operator=(const IniWriteWatch&) = delete;
  int Failures() const { return failures_; }
  // The writes that failed for a value longer than kIniValueLimit: each
  // section and key.
  const std::vector<std::pair<std::string, std::string>>& TooLong() const { return tooLong_; }

 private:
  friend bool WriteIni(const std::string&, const std::string&, const std::string&,
                       const std::optional<std::string>&);
  IniWriteWatch* outer_;
  int failures_ = 0;
  std::vector<std::pair<std::string, std::string>> tooLong_;
};

// Holds back every write to one file while it lives: WriteIni then leaves
// that file as it is and reports success, so that code which writes it can
// run once as a rehearsal (ImageKeyPlan). Writes to other files go ahead.
class IniWriteHold {
 public:
  explicit IniWriteHold(std::string file);
  ~IniWriteHold();
  IniWriteHold(const IniWriteHold&) = delete;
  IniWriteHold& operator=(const IniWriteHold&) = delete;

 private:
  friend bool WriteIni(const std::string&, const std::string&, const std::string&,
                       const std::optional<std::string>&);
  IniWriteHold* outer_;
  std::string file_;
};

// For tests that cannot fill a disk: the bytes a file written through
// WriteIni keeps on disk; negative: no limit. A write that leaves a file
// longer is cut to that size afterwards and still reports success, as
// Wine's writer does when the disk fills up.
extern long long gIniDiskRoom;

// A scratch copy of an INI file beside it, in the same folder (one of the
// program's scratch files, NewScratchFile), written in the file's place and
// put in its place only once it is known complete on disk (Commit). While it lives, the variable that names the file (the
// project's gSkinIni) names the scratch, so that every writer and reader of
// the file works on it; after Commit, and when it goes, it names the file
// again. Wine's writer rewrites the whole file on every write; on a disk
// that fills up it cuts the file short yet reports success, and its cache
// still answers with the whole text. So the scratch's bytes on disk are
// read back and must hold every key of the copy and of the writes since,
// each with its value as the profile functions read it. A file cut short
// lacks keys or ends a value early; keys beyond those are no sign of it.
class IniScratch {
 public:
  // No scratch (Ready() false, file left naming the file) when the file
  // cannot be written now (FileSystem::CanWrite) or no copy can be made. A
  // file that is missing (removed since it was read) gets an empty scratch,
  // which Commit puts in its place.
  explicit IniScratch(std::string& file);
  ~IniScratch();
  IniScratch(const IniScratch&) = delete;
  IniScratch& operator=(const IniScratch&) = delete;
  bool Ready() const { return !scratch_.empty(); }
  // Replaces the file by the scratch (a rename) when the scratch is
  // complete on disk; true then. Otherwise the file stays as it was. No
  // scratch is left either way.
  bool Commit();

 private:
  friend bool WriteIni(const std::string&, const std::string&, const std::string&,
                       const std::optional<std::string>&);
  // A section's lines as the profile functions read them: each key in
  // lower case, its value as ReadIni reads it.
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> lines;
  };
  // Every section of file, each name once.
  static std::vector<Section> ReadSections(const std::string& file);
  // What a write through WriteIni makes of the scratch.
  void Apply(const std::string& section, const std::string& key, const std::optional<std::string>& value);
  // True when sections hold every line expected, in any order, and maybe
  // more.
  bool Holds(const std::vector<Section>& sections) const;

  std::string& file_;
  std::string target_;
  std::string scratch_;
  std::vector<Section> expected_;
  IniScratch* outer_;
};

// The text of key in the current language file, else in English.ini, else "".
std::string GetLangString(const std::string& key);
// The text of key in Languages\English.ini, else "".
std::string GetEnglishLangString(const std::string& key);
// GetLangString(key), or builtIn when that is empty: the rule for texts
// built in code (message boxes).
std::string LangText(const std::string& key, const std::string& builtIn);

// Line breaks (CRLF, CR or LF) each replaced by one blank.
std::string OneLine(const std::string& text);

}  // namespace core
