// INI files (Config.ini, pelto.ini, the language files) through the Windows
// profile functions, and the language texts looked up in them.
#pragma once

#include <optional>
#include <string>

namespace core {

// The value of key in [section] of file; def when the key is missing or its
// value is empty. Values of any length come back whole. Sections and keys
// match without regard to case; of duplicate keys the first is read.
std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& def = "");

// A value's text as the profile functions give it (ReadIni): blanks around
// it removed and one pair of matching quotes, double or single, around it
// dropped. For values read raw, a section's lines at a time.
std::string ProfileValue(const std::string& text);

// True when value, written by WriteIni, would read back (ReadIni) empty or
// as blanks only: blank itself, or blanks inside one pair of quotes.
bool ReadsBackBlank(const std::string& value);

// Writes key = value into [section] of file, creating both as needed. No
// value (std::nullopt) deletes the key; an empty text writes "key=". Line
// breaks cannot live in an INI value: each one is written as a blank.
// False when the file could not be written (read-only, folder missing, disk
// full); every IniWriteWatch alive then counts the failure.
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

 private:
  friend bool WriteIni(const std::string&, const std::string&, const std::string&,
                       const std::optional<std::string>&);
  IniWriteWatch* outer_;
  int failures_ = 0;
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
