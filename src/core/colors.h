// Colour texts (ColorText in pelto.ini), the colour dialog and two-colour
// gradient previews.
//
// A colour value is a Windows colour reference: red in the low byte, then
// green, then blue.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace ui {
class PictureBox;
}

namespace core {

// The colour of a ColorText: RGB(r,g,b) (any letter case, blanks allowed,
// components above 255 count as 255), six hexadecimal digits RRGGBB or
// three (each doubled), each with or without a leading "#". Anything it
// cannot read gives 0 (black); never -1.
int32_t ParseColor(const std::string& text);

// "#" and six upper-case hexadecimal digits: red, green, blue.
std::string ColorToHex(int32_t colour);

// The system colour dialog, owned by the main window and starting at
// initial; the chosen colour, or -1 when cancelled.
int32_t PickColor(int32_t initial);

// Fills the picture's persistent bitmap with a two-colour gradient over the
// box's outer width and height: mode 0 from left to right, mode 1 from top
// to bottom. With inset, a one-pixel edge is left untouched on every side.
void DrawGradient(ui::PictureBox& picture, int32_t startColour, int32_t endColour, int mode, bool inset);

}  // namespace core
