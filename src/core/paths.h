// Paths of image keys, file names, the open, save and folder dialogs,
// choosing an image for a page and opening one in the image editor.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace ui {
class PictureBox;
class TextBox;
}  // namespace ui

namespace core {

// The filter of every image Browse button.
inline constexpr char kImageFilter[] = "PNG Images (*.png)| *.png|All Image Files|*.bmp;*.gif;*.jpg;*.png";

// True when the path's second and third characters are ":\" (a drive path).
bool IsAbsolutePath(const std::string& path);
// path unchanged when absolute, else gProjectFolder & "\" & path (an empty
// path gives the project folder and a backslash). Nothing else is done.
std::string GetFullPath(const std::string& path);
// name with each character Windows forbids in file names ( \ / : * ? " < > | )
// replaced by "_".
std::string SafeFileName(const std::string& name);
// True when Windows takes a file or folder name for a device (CON, PRN,
// AUX, NUL, CONIN$, CONOUT$, CLOCK$, COM0 to COM9 and LPT0 to LPT9, also
// with a superscript 1 to 3), whatever extension or trailing blanks follow:
// such a name always "exists" and can never be a file or a folder.
bool IsDeviceName(const std::string& name);

// The open dialog ("Select File", explorer style, read-only box hidden):
// the chosen path, or "" when cancelled. filter: description and pattern
// pairs separated by "|".
std::string OpenFileDialog(const std::string& initialDir, const std::string& filter, HWND owner);
// The save dialog ("Save to", asks before overwriting), proposing
// defaultName: the chosen path, or "". A failure shows the message "err".
std::string SaveFileDialog(const std::string& initialDir, const std::string& filter, HWND owner,
                           const std::string& defaultName);
// The shell's folder picker under the special folder root (0 = desktop):
// the chosen folder, or "".
std::string BrowseForFolder(HWND owner, const std::string& title, UINT flags, int root);

// A file inside the open project (gProjectFolder and "\", in any letter
// case) as its project-relative path; any other path as it is, and every
// path while no project is open.
std::string ProjectRelativePath(const std::string& path);

// A page's image Browse button: lets the user pick an image, remembers its
// folder (gLastImageDir, LastImageDir in Config.ini), puts the path into
// textBox (project-relative for a file inside the open project) and draws
// it into picture; owner 0 stands for the main window. When the owner is
// the open image cutter, the cutter shows the image instead. textBox's
// Change runs last, even when the same file was chosen again.
void BrowseImage(ui::TextBox& textBox, ui::PictureBox& picture, const std::string& filter, HWND owner,
                 bool storeHeight);

// Opens the image (an image key) in the external editor gImageEditor when
// the file exists; nothing happens otherwise or when the start fails.
void EditImage(const std::string& path);

// A program path as the start of a command line: quoted unless it already
// is, so that paths with blanks work.
std::string QuoteProgram(const std::string& program);
// Starts a command line as a new process with the given show command;
// true when it started. Tests replace ProcessStarter to see the command.
bool StartProcess(const std::string& commandLine, int showCommand);
extern std::function<bool(const std::string& commandLine, int showCommand)> ProcessStarter;

// The text up to its first NUL character.
std::string StripNull(const std::string& text);
// The low 16 bits of value as a signed number.
int16_t LoWord(int32_t value);
// low and high packed into one 32-bit value, high in the upper half.
int32_t MakeLong(int16_t low, int16_t high);
// 0 to 65535 as the signed 16-bit number with the same bits.
int16_t UnsignedToInteger(int32_t value);

}  // namespace core
