// Images through GDI+: drawing an image file at its natural size into a
// picture box (the previews of every page), the small GDI+ services the
// image cutter uses directly, and writing a bitmap as a JPEG file.
//
// GDI+ runs once for the whole program: the first user starts it and it is
// shut down when the program ends. StartGdiPlus and StopGdiPlus only hand
// the running session's token out and take it back, so one user can never
// shut GDI+ down under another's feet.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ui {
class PictureBox;
}

// GDI+'s opaque object types, as its flat interface declares them.
namespace Gdiplus {
class GpImage;
class GpGraphics;
}  // namespace Gdiplus

namespace core {

using GdipImage = Gdiplus::GpImage;
using GdipGraphics = Gdiplus::GpGraphics;

// State shared with the image cutter: the token of the running session
// (0 while StartGdiPlus has not handed it out), the image and graphics
// object made last, and the last status stored.
extern ULONG_PTR gGdipToken;
extern GdipImage* gGdipImage;
extern GdipGraphics* gGdipGraphics;
extern int32_t gGdipStatus;

// Makes sure GDI+ runs and stores its token in gGdipToken; false when GDI+
// cannot be started (gGdipToken is then left as it was).
bool StartGdiPlus();
// Sets gGdipToken to 0. The session itself runs until the program ends.
void StopGdiPlus();
// Deletes gGdipGraphics and disposes gGdipImage where set; both become 0.
void DisposeGdiObjects();

// The pixel size of a GDI+ image; the status goes through CheckGdipStatus
// into gGdipStatus, so a bad image raises instead of giving a value.
int32_t GetImageWidth(GdipImage* image);
int32_t GetImageHeight(GdipImage* image);

// Returns status when it is 0 (Ok); otherwise raises AppError number
// 1048 + status, source "<exe>.GDIP", description "GDI+ Error <status>".
int32_t CheckGdipStatus(int32_t status);

// Draws the image file at path (an image key: relative to the project or
// absolute) into the picture's persistent bitmap at its natural pixel size,
// whatever resolution the file states. A negative offset centres it on the
// box's outer size; otherwise it lands at (offset, offset). The box's
// HelpContextID records the image's width, or its height with storeHeight.
// Width and height are kept as 16-bit numbers: an extent of 32,768 pixels or
// more counts as 0, so nothing is drawn and 0 is recorded for it.
// An empty path does nothing at all; a file that cannot be loaded leaves
// the box cleared and HelpContextID 0.
void LoadImageToPicture(const std::string& path, ui::PictureBox& picture, int offset, bool storeHeight);

// Writes a GDI bitmap as a JPEG file of the given quality (0 to 100),
// replacing an existing file. Raises AppError 5 "Cannot save the image.
// GDI+ Error:<status>" when GDI+, the bitmap or the save fails.
void SavePictureAsJpeg(HBITMAP bitmap, const std::string& path, int32_t quality);

// A text in the ANSI code page as UTF-16, for the GDI+ calls that need it.
std::wstring ToWide(const std::string& text);

}  // namespace core
