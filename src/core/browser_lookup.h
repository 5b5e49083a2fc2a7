// Finding the executable of a running Velmora 2, and reading the file
// version of an executable as text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace core {

// The file version of an executable or library as text: major, ".", minor
// with two digits, then, when the build part is above 0, ".", the build with
// four digits, ".", the revision with two digits, else ".", the revision
// with four digits. 2.5.3.1000 gives "2.05.0003.1000", 2.0.0.5 "2.00.0005".
// Each part is read as a signed 16-bit number, so a build of 32768 or more
// counts as negative and is left out. "" when the file has no version
// information.
std::string GetFileVersion(const std::string& path);
// The same text from the two version words of the fixed file information.
std::string FileVersionText(DWORD versionMS, DWORD versionLS);

// The full path of the first running Velmora.exe whose file version text
// begins with "2.", in the order the system lists the processes; "" when
// there is none or the process list cannot be had.
std::string GetBrowserExePath();

// The choice GetBrowserExePath makes from the executable paths of the
// running copies: the first whose version begins with "2.". A copy whose
// path could not be read (nullopt) is passed over.
std::string FirstBrowserOfVersion2(const std::vector<std::optional<std::string>>& paths);

}  // namespace core
