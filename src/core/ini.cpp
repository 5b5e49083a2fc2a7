#include "core/ini.h"

#include <windows.h>

#include <cctype>
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

}  // namespace

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
  std::string value = Trimmed(text);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

bool ReadsBackBlank(const std::string& value) { return IsBlank(ProfileValue(OneLine(value))); }

std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& def) {
  std::string value = ReadProfile(file, section, key, def);
  return value.empty() ? def : value;
}

bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
              const std::optional<std::string>& value) {
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
  if (!written)
    for (IniWriteWatch* watch = gInnermostWatch; watch; watch = watch->outer_) ++watch->failures_;
  return written;
}

IniWriteWatch::IniWriteWatch() : outer_(gInnermostWatch) { gInnermostWatch = this; }

IniWriteWatch::~IniWriteWatch() { gInnermostWatch = outer_; }

IniWriteHold::IniWriteHold(std::string file) : outer_(gInnermostHold), file_(std::move(file)) { gInnermostHold = this; }

IniWriteHold::~IniWriteHold() { gInnermostHold = outer_; }

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
