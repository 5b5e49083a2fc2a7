// The program folder: the folder that holds Tarnell.exe. Every path of the
// program's own files (Config.ini, Languages\, Temp\, Projects\) is built on
// it. Tests point it at a fresh folder of their own.
#pragma once

#include <string>

namespace core {

// The program folder, without a trailing backslash.
const std::string& ProgramFolder();
void SetProgramFolder(const std::string& folder);

// ProgramFolder() & "\Config.ini".
std::string ConfigIni();
// ProgramFolder() & "\Languages".
std::string LanguagesFolder();

}  // namespace core
