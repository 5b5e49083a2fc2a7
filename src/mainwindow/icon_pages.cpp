#include "mainwindow/icon_pages.h"

#include "core/files.h"
#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/paths.h"
#include "core/program.h"

namespace mainwindow::icon_pages {

using namespace core;

void DrawCentred(ui::PictureBox& box, const std::string& path) {
  box.Cls();
  LoadImageToPicture(path, box, -1, false);
}

void ShowSelectedTile(ui::PictureBox& tile, const std::string& path) {
  tile.SetBackColor(ui::kSysHighlight);
  DrawCentred(tile, path);
}

std::string ChooseImage(HWND owner) {
  std::string path = OpenFileDialog(gLastImageDir, kImageFilter, owner);
  if (path.empty()) return {};
  gLastImageDir = FolderOf(path);
  WriteIni(ConfigIni(), "General", "LastImageDir", gLastImageDir);
  std::string prefix = gProjectFolder + "\\";
  if (!gProjectFolder.empty() && path.size() > prefix.size() && EqualsNoCase(path.substr(0, prefix.size()), prefix))
    path.erase(0, prefix.size());
  return path;
}

}  // namespace mainwindow::icon_pages
