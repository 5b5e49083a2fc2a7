#include "core/ini.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "core/files.h"
#include "core/globals.h"
#include "core/program.h"

namespace core {

namespace {

// The watch made last among those alive; each holds the one made before it.
IniWriteWatch* gInnermostWatch = nullptr;
// The same for the holds.
IniWriteHold* gInnermostHold = nullptr;
// The same for the scratch copies.
IniScratch* gInnermostScratch = nullptr;

// GetPrivateProfileStringA into a buffer that grows until the value fits.
std::string ReadProfile(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& def) {
  if (file.empty()) return def;
  std::vector<char> buf(1024);
  for (;;) {
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buf.data(),
                                       static_cast<DWORD>(buf.size()), file.c_str());
    if (n + 1 < buf.size() || buf.size() >= (1u << 24)) {
      std::string s(buf.data(), n);
      auto nul = s.find('\0');
      if (nul != std::string::npos) s.resize(nul);
      return s;
    }
    buf.resize(buf.size() * 4);
  }
}

// The [General] section of the language files, read whole once and again
// only when a file changes: the captions of every window look up a few
// hundred texts, and each profile read would open and parse the file anew.
// A text comes back as the profile functions give it: blanks around it
// removed, one pair of enclosing quotes dropped, the first of duplicate
// keys.
struct LessNoCase {
  bool operator()(const std::string& a, const std::string& b) const { return _stricmp(a.c_str(), b.c_str()) < 0; }
};

struct LanguageTexts {
  FILETIME written{};
  DWORD size = 0;
  std::map<std::string, std::string, LessNoCase> texts;
};

const LanguageTexts* ReadLanguageFile(const std::string& file) {
  static std::map<std::string, LanguageTexts, LessNoCase> files;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (file.empty() || !GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data)) {
    files.erase(file);
    return nullptr;
  }
  auto it = files.find(file);
  if (it != files.end() && CompareFileTime(&it->second.written, &data.ftLastWriteTime) == 0 &&
      it->second.size == data.nFileSizeLow)
    return &it->second;
  LanguageTexts read;
  read.written = data.ftLastWriteTime;
  read.size = data.nFileSizeLow;
  std::vector<char> buf(1 << 16);
  for (;;) {
    DWORD n = GetPrivateProfileSectionA("General", buf.data(), static_cast<DWORD>(buf.size()), file.c_str());
    if (n + 2 < buf.size() || buf.size() >= (1u << 24)) {
      buf.resize(n);
      break;
    }
    buf.resize(buf.size() * 4);
  }
  for (size_t at = 0; at < buf.size();) {
    std::string line(buf.data() + at);
    at += line.size() + 1;
    size_t eq = line.find('=');
    if (eq == std::string::npos || line[0] == ';') continue;
    std::string key = Trimmed(line.substr(0, eq));
    read.texts.emplace(key, ProfileValue(line.substr(eq + 1)));
  }
  return &(files[file] = std::move(read));
}

std::string LanguageText(const std::string& file, const std::string& key) {
  const LanguageTexts* texts = ReadLanguageFile(file);
  if (!texts) return "";
  auto it = texts->texts.find(key);
  return it == texts->texts.end() ? "" : it->second;
}

// The strings a profile function fills a buffer with, each ended by a
// null, the list by a second one. A buffer filled to its end may have lost
// some: a larger one.
template <class Fill>
std::vector<std::string> ProfileList(Fill fill) {
  std::vector<char> buffer(32768);
  DWORD n = 0;
  for (;; buffer.resize(buffer.size() * 2)) {
    n = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n + 2 < buffer.size()) break;
  }
  std::vector<std::string> list;
  for (const char* item = buffer.data(); item < buffer.data() + n && *item; item += strlen(item) + 1)
    list.emplace_back(item);
  return list;
}

// The stand-in for a disk that fills up (gIniDiskRoom): file cut short.
void CutToRoom(const std::string& file) {
  if (gIniDiskRoom < 0) return;
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER size{};
  LARGE_INTEGER room{};
  room.QuadPart = gIniDiskRoom;
  if (GetFileSizeEx(h, &size) && size.QuadPart > room.QuadPart && SetFilePointerEx(h, room, nullptr, FILE_BEGIN))
    SetEndOfFile(h);
  CloseHandle(h);
}

// True when the profile functions can store line as a value: at most
// kIniValueLimit characters in UTF-16, and (where the ANSI code page is
// UTF-8) at most 65,534 bytes, as their conversion takes.
bool FitsProfile(const std::string& line) {
  if (line.size() <= kIniValueLimit) return true;
  if (line.size() > 65534) return false;
  int units = MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
  return units > 0 && static_cast<size_t>(units) <= kIniValueLimit;
}

}  // namespace

long long gIniDiskRoom = -1;

std::string OneLine(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out.push_back(' ');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out.push_back(' ');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string ProfileValue(const std::string& text) {
  std::string value = ProfileTrimmed(text);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

std::string ReadBack(const std::string& value) { return ProfileValue(OneLine(value)); }

bool ReadsBackBlank(const std::string& value) { return IsBlank(ReadBack(value)); }

std::vector<std::string> IniSectionNames(const std::string& file) {
  return ProfileList(
      [&file](char* data, DWORD size) { return GetPrivateProfileSectionNamesA(data, size, file.c_str()); });
}

std::vector<std::string> IniSectionLines(const std::string& file, const std::string& section) {
  return ProfileList([&file, &section](char* data, DWORD size) {
    return GetPrivateProfileSectionA(section.c_str(), data, size, file.c_str());
  });
}

std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& def) {
  std::string value = ReadProfile(file, section, key, def);
  return value.empty() ? def : value;
}

bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
              const std::optional<std::string>& value) {
  if (value && !FitsProfile(OneLine(*value))) {
    if (ReadIni(file, section, key) == ReadBack(*value)) return true;
    for (IniWriteWatch* watch = gInnermostWatch; watch; watch = watch->outer_) {
      ++watch->failures_;
      watch->tooLong_.emplace_back(section, key);
    }
    return false;
  }
  for (IniWriteHold* hold = gInnermostHold; hold; hold = hold->outer_)
    if (!file.empty() && EqualsNoCase(hold->file_, file)) return true;
  bool written = false;
  // A file marked read-only is never written, whoever runs the program
  // (Wine lets an administrator's process write one).
  DWORD attributes = file.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(file.c_str());
  bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  if (!file.empty() && !readOnly) {
    if (value) {
      std::string line = OneLine(*value);
      written = WritePrivateProfileStringA(section.c_str(), key.c_str(), line.c_str(), file.c_str()) != 0;
    } else {
      written = WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != 0;
    }
  }
  if (written) {
    CutToRoom(file);
    for (IniScratch* scratch = gInnermostScratch; scratch; scratch = scratch->outer_)
      if (scratch->Ready() && EqualsNoCase(scratch->scratch_, file))
        scratch->Apply(section, key, value ? std::optional<std::string>(OneLine(*value)) : std::nullopt);
  }
  if (!written)
    for (IniWriteWatch* watch = gInnermostWatch; watch; watch = watch->outer_) ++watch->failures_;
  return written;
}

IniWriteWatch::IniWriteWatch() : outer_(gInnermostWatch) { gInnermostWatch = this; }

IniWriteWatch::~IniWriteWatch() { gInnermostWatch = outer_; }

IniWriteHold::IniWriteHold(std::string file) : outer_(gInnermostHold), file_(std::move(file)) { gInnermostHold = this; }

IniWriteHold::~IniWriteHold() { gInnermostHold = outer_; }

// ---------------------------------------------------------------- IniScratch

IniScratch::IniScratch(std::string& file) : file_(file), target_(file), outer_(gInnermostScratch) {
  gInnermostScratch = this;
  // A file removed since the project was opened is written anew, from an
  // empty scratch.
  const bool missing =
      GetFileAttributesA(target_.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND;
  if (!missing && !gFileSystem.CanWrite(target_)) return;
  std::string scratch = NewScratchFile(target_);
  if (scratch.empty()) return;
  // A byte copy: the file keeps its encoding (Wine writes a UTF-16 file
  // back as UTF-16).
  if (!missing && !CopyFileA(target_.c_str(), scratch.c_str(), FALSE)) {
    DeleteFileA(scratch.c_str());
    return;
  }
  scratch_ = scratch;
  expected_ = ReadSections(scratch_);
  file_ = scratch_;
}

IniScratch::~IniScratch() {
  if (Ready()) {
    file_ = target_;
    DeleteFileA(scratch_.c_str());
  }
  gInnermostScratch = outer_;
}

bool IniScratch::Commit() {
  if (!Ready()) return false;
  file_ = target_;
  const std::string scratch = std::move(scratch_);
  scratch_.clear();
  // Under a name the profile functions have never seen, what they read
  // comes from the bytes on disk, not from what they hold of the scratch.
  const std::string check = MakeScratchBeside(
      target_, [&scratch](const std::string& name) { return MoveFileExA(scratch.c_str(), name.c_str(), 0) != 0; });
  if (check.empty()) {
    DeleteFileA(scratch.c_str());
    return false;
  }
  bool complete = FlushedToDisk(check) && Holds(ReadSections(check)) &&
                  MoveFileExA(check.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!complete) DeleteFileA(check.c_str());
  return complete;
}

std::vector<IniScratch::Section> IniScratch::ReadSections(const std::string& file) {
  std::vector<Section> sections;
  for (const std::string& name : IniSectionNames(file)) {
    // Of sections of one name the profile functions read the first.
    if (std::any_of(sections.begin(), sections.end(), [&name](const Section& s) { return EqualsNoCase(s.name, name); }))
      continue;
    Section& section = sections.emplace_back(Section{name, {}});
    for (const std::string& text : IniSectionLines(file, name)) {
      size_t equals = text.find('=');
      std::string value = equals == std::string::npos ? "" : ProfileValue(text.substr(equals + 1));
      section.lines.emplace_back(ToLower(ProfileTrimmed(text.substr(0, equals))), value);
    }
  }
  return sections;
}

void IniScratch::Apply(const std::string& section, const std::string& key, const std::optional<std::string>& value) {
  auto s = std::find_if(expected_.begin(), expected_.end(),
                        [&section](const Section& each) { return EqualsNoCase(each.name, section); });
  if (s == expected_.end()) {
    if (!value) return;
    s = expected_.insert(expected_.end(), Section{section, {}});
  }
  // Of duplicate keys the first is written and the first deleted.
  const std::string name = ToLower(ProfileTrimmed(key));
  auto line = std::find_if(s->lines.begin(), s->lines.end(), [&name](const auto& each) { return each.first == name; });
  if (!value) {
    if (line != s->lines.end()) s->lines.erase(line);
  } else if (line != s->lines.end()) {
    line->second = ProfileValue(*value);
  } else {
    s->lines.emplace_back(name, ProfileValue(*value));
  }
}

bool IniScratch::Holds(const std::vector<Section>& sections) const {
  for (const Section& wanted : expected_) {
    if (wanted.lines.empty()) continue;
    auto found = std::find_if(sections.begin(), sections.end(),
                              [&wanted](const Section& each) { return EqualsNoCase(each.name, wanted.name); });
    if (found == sections.end()) return false;
    auto want = wanted.lines;
    auto have = found->lines;
    std::sort(want.begin(), want.end());
    std::sort(have.begin(), have.end());
    // Lines the writes did not give are no sign of a cut: the keys under an
    // unnamed section ("[]") are read as none, and written back without
    // their header, under the section before them.
    if (!std::includes(have.begin(), have.end(), want.begin(), want.end())) return false;
  }
  return true;
}

std::string GetLangString(const std::string& key) {
  std::string text = LanguageText(gLanguageFile, key);
  if (!text.empty()) return text;
  return GetEnglishLangString(key);
}

std::string GetEnglishLangString(const std::string& key) {
  return LanguageText(LanguagesFolder() + "\\English.ini", key);
}

std::string LangText(const std::string& key, const std::string& builtIn) {
  std::string text = GetLangString(key);
  return text.empty() ? builtIn : text;
}

}  // namespace core
