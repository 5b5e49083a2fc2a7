#include "core/recent_projects.h"

#include "core/files.h"

namespace core {

namespace {

constexpr char kEntrySeparator[] = "$;$";
constexpr char kNameSeparator[] = "$,$";

// text with a blank put into every separator it holds ("$; $", "$, $").
std::string WithoutSeparators(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    size_t n = out.size();
    if (c == '$' && n >= 2 && out[n - 2] == '$' && (out[n - 1] == ';' || out[n - 1] == ',')) out += ' ';
    out += c;
  }
  return out;
}

// True when text ends in "$," or "$;", with or without blanks after it: the
// start of a separator, which the "$,$" after a name would complete.
bool EndsInSeparatorStart(const std::string& text) {
  size_t last = text.find_last_not_of(' ');
  return last != std::string::npos && last >= 1 && text[last - 1] == '$' && (text[last] == ',' || text[last] == ';');
}

// A name or folder never runs into the separator after it: one blank
// parts them, and Unparted drops it again.
std::string Parted(const std::string& text) { return EndsInSeparatorStart(text) ? text + ' ' : text; }
std::string Unparted(std::string text) {
  if (!text.empty() && text.back() == ' ' && EndsInSeparatorStart(text)) text.pop_back();
  return text;
}

}  // namespace

std::string ProjectEntry(const std::string& name, const std::string& folder) {
  if (folder.empty() || folder.find(kEntrySeparator) != std::string::npos) return {};
  return Parted(WithoutSeparators(name)) + kNameSeparator + Parted(folder);
}

std::string EntryName(const std::string& entry) { return Unparted(entry.substr(0, entry.find(kNameSeparator))); }

std::string EntryFolder(const std::string& entry) {
  size_t separator = entry.find(kNameSeparator);
  return separator == std::string::npos ? std::string() : Unparted(entry.substr(separator + 3));
}

std::vector<std::string> ProjectEntries(const std::string& list) {
  std::vector<std::string> entries;
  for (const std::string& entry : Split(list, kEntrySeparator))
    if (!entry.empty()) entries.push_back(entry);
  return entries;
}

std::string ListWithProject(const std::string& list, const std::string& name, const std::string& folder) {
  std::string current = ProjectEntry(name, folder);
  std::vector<std::string> folders;
  std::string result = current;
  if (!current.empty()) folders.push_back(folder);
  int kept = 0;
  for (const std::string& entry : ProjectEntries(list)) {
    if (kept == kOlderProjectsKept) break;
    std::string entryFolder = EntryFolder(entry);
    if (entryFolder.empty()) continue;
    bool listed = false;
    for (const std::string& f : folders) listed = listed || EqualsNoCase(f, entryFolder);
    if (listed || !gFileSystem.FileExists(entryFolder + "\\pelto.ini")) continue;
    folders.push_back(entryFolder);
    if (!result.empty()) result += kEntrySeparator;
    result += entry;
    ++kept;
  }
  return result;
}

}  // namespace core
