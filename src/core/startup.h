// Start-up: the rights test, the program settings from Config.ini, the
// language choice and the work folder Temp.
#pragma once

#include <string>

namespace core {

// The image editor while Config.ini names none.
inline constexpr char kDefaultImageEditor[] = "mspaint.exe";

// The message shown when the program folder cannot be written.
extern const char kRightsMessage[];

// Whether the program folder can be written: creates and deletes a probe
// folder and a probe file under names that cannot clash with the user's
// files. Deletes nothing it did not create.
bool CanWriteAppFolder();

// The system globals (version, twips per pixel, window colour), every
// setting read from Config.ini, the browser folder and the language file.
void LoadProgramSettings();
// gBrowserFolder from VelmoraFolder, else from the registry value, which is
// kept only when the folder holds Velmora.exe (and then written back).
void FindBrowserFolder();
// The language for a system locale: 2052 Chinese Simplified, 1028 Chinese
// Traditional, 1036 French, anything else English.
std::string LanguageForLocale(int lcid);
// gLanguageFile from gLanguage (chosen from lcid while empty), falling back
// to English.ini and then to none.
void ChooseLanguage(int lcid);
// Empties Temp (files directly in it, read-only too; sub-folders stay) or
// creates it, and sets gTempFolder.
void PrepareTempFolder();

// Everything before the main window is shown: false when the rights test
// failed, after its message was shown.
bool StartUp();

}  // namespace core
