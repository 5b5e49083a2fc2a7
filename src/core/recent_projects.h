// The recent-projects list (Config.ini's LastProjects): entries of a
// project name, "$,$" and the project folder, joined by "$;$", newest first.
#pragma once

#include <string>
#include <vector>

namespace core {

// Entries kept besides the current project when the list is rewritten.
inline constexpr int kOlderProjectsKept = 8;

// The entry of a project. Its name is only shown, so a separator inside it
// is broken up ("$;$" becomes "$; $", "$,$" becomes "$, $"); a name or a
// folder ending in "$," or "$;" (blanks after it or not) takes one blank
// more, so that it cannot form a separator with the "$,$" or "$;$" after
// it. A folder holding "$;$" cannot be stored and gives "".
std::string ProjectEntry(const std::string& name, const std::string& folder);
// The name of an entry: the text before its first "$,$", less the blank
// that ProjectEntry put after a closing "$," or "$;".
std::string EntryName(const std::string& entry);
// The folder of an entry: the text after its first "$,$" ("" without one),
// less the blank that ProjectEntry put after a closing "$," or "$;".
std::string EntryFolder(const std::string& entry);
// The entries of a list, empty ones left out.
std::vector<std::string> ProjectEntries(const std::string& list);

// The list after opening the project of name and folder: that project
// first, then at most eight older entries in their order, each folder once
// (compared without regard to case) and only while its pelto.ini exists.
std::string ListWithProject(const std::string& list, const std::string& name, const std::string& folder);

}  // namespace core
