// The Skin Navigator's artwork: a 735 x 355 picture of the browser window,
// drawn in code from a table of shapes, colours and texts laid out over the
// rectangles of the map's pieces, and the small add-to-favorites icon.
#pragma once

#include <windows.h>

#include "ui/gdi.h"

namespace tools {

inline constexpr int kBrowserPictureWidth = 735;
inline constexpr int kBrowserPictureHeight = 355;

// A new bitmap holding the browser picture; empty when GDI refuses one.
ui::UniqueBitmap MakeBrowserPicture();

// The add-to-favorites icon, size x size pixels, drawn over a copy of the
// picture's part at left, top so that it blends into it.
ui::UniqueBitmap MakeAddFavIcon(HBITMAP picture, int left, int top, int size);

}  // namespace tools
