#include "core/ini.h"

#include <windows.h>

#include <vector>

#include "core/globals.h"
#include "core/program.h"

namespace core {

namespace {

// The watch made last among those alive; each holds the one made before it.
IniWriteWatch* gInnermostWatch = nullptr;

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

std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& def) {
  std::string value = ReadProfile(file, section, key, def);
  return value.empty() ? def : value;
}

bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
              const std::optional<std::string>& value) {
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

std::string GetLangString(const std::string& key) {
  std::string text = ReadProfile(gLanguageFile, "General", key, "");
  if (!text.empty()) return text;
  return GetEnglishLangString(key);
}

std::string GetEnglishLangString(const std::string& key) {
  return ReadProfile(LanguagesFolder() + "\\English.ini", "General", key, "");
}

std::string LangText(const std::string& key, const std::string& builtIn) {
  std::string text = GetLangString(key);
  return text.empty() ? builtIn : text;
}

}  // namespace core
