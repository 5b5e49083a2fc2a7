// What the Buttons and Icons pages share: how a tile tells that it is the
// selection, drawing into a tile or preview, and choosing an image file.
#pragma once

#include <windows.h>

#include <string>

#include "ui/picture.h"

namespace mainwindow::icon_pages {

// A tile is selected when its back colour is the highlight colour; the
// colour is the pages' only record of the selection.
inline bool IsSelected(const ui::PictureBox& tile) { return tile.BackColor() == ui::kSysHighlight; }

// Clears the box and draws the image path (an image key) centred; an empty
// path or a file that cannot be loaded leaves it cleared.
void DrawCentred(ui::PictureBox& box, const std::string& path);

// Gives the tile the highlight colour and draws the image over it.
void ShowSelectedTile(ui::PictureBox& tile, const std::string& path);

// Lets the user choose an image for a button or icon: "" when cancelled.
// Remembers the chosen file's folder (gLastImageDir and LastImageDir in
// Config.ini); a file inside the open project comes back relative to it,
// whatever the letter case of its project part.
std::string ChooseImage(HWND owner);

}  // namespace mainwindow::icon_pages
