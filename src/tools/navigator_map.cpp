#include "tools/navigator_map.h"

#include <climits>
#include <initializer_list>

namespace tools {

namespace {

constexpr MapPiece kPieces[kPieceCount] = {
    {-1, {13, 29, 265, 32}, "Toolbar_Buttons", "Toolbar Buttons"},
    {-1, {13, 61, 713, 32}, "Active_Tabbar_Background", "Active Tab Bar Background"},
    {-1, {13, 324, 713, 25}, "Status_Bar_Background", "Status Bar Background"},
    {-1, {5, 93, 209, 25}, "Side_Bar_Title_Background", "Side Bar Title Background"},
    {36, {621, 7, 105, 19}, "Window_Buttons", "Window Buttons"},
    {-1, {6, 118, 30, 200}, "Side_Bar_Tab_Background", "Side Bar Tab Background"},
    {-1, {214, 93, 513, 25}, "Web_Toolbar_Background", "Web Toolbar Background"},
    {-1, {214, 118, 497, 25}, "Find_In_Page_Background", "Find in Page Bar Background"},
    {-1, {539, 143, 188, 121}, "Menu_Background", "Menu Background"},
    {-1, {285, 28, 209, 33}, "Combo_Box_Background", "Combo Box Background"},
    {8, {541, 163, 183, 25}, "Hover_Menu_Item_Background", "Hover Menu Item Background"},
    {1, {677, 69, 46, 17}, "Tabbar_Buttons", "Tab Bar Buttons"},
    {1, {38, 63, 273, 28}, "Active_Tab", "Active Tab"},
    {1, {311, 63, 252, 28}, "Normal_Tab", "Normal Tab"},
    {36, {29, 12, 145, 14}, "Caption_Text", "Caption Text"},
    {2, {27, 328, 257, 17}, "Status_Address_Text", "Status Bar Address Text"},
    {36, {317, 11, 273, 15}, "Normal_Toolbar_Text", "Normal Tool Bar Text"},
    {2, {469, 328, 169, 17}, "Status_Bar_Buttons", "Status Bar Buttons"},
    {5, {8, 120, 26, 33}, "Side_Bar_Active_Tab", "Side Bar Active Tab"},
    {5, {8, 153, 26, 33}, "Side_Bar_Inactive_Tab", "Side Bar Inactive Tab"},
    {9, {467, 34, 25, 25}, "Combo_Dropdown", "Combo Box Dropdown Button"},
    {9, {307, 39, 81, 17}, "Combo_Text", "Combo Box Text"},
    {8, {541, 188, 183, 20}, "Normal_Menu_Text", "Normal Menu Text"},
    {36, {8, 8, 20, 18}, "Caption_Bar_Icon", "Caption Bar Icon"},
    {12, {288, 69, 17, 17}, "Tab_Close_Button", "Tab Close Button"},
    {12, {66, 69, 217, 17}, "Active_Tab_Text", "Active Tab Text"},
    {13, {399, 69, 73, 17}, "Inactive_Tab_Text", "Inactive Tab Text"},
    {-1, {494, 34, 25, 25}, "Go_Button", "Go Button"},
    {1, {15, 66, 20, 20}, "Side_Bar_Button", "Side Bar Button"},
    {-1, {684, 35, 41, 25}, "Search_Bar_Buttons", "Search Bar Buttons"},
    {2, {287, 328, 129, 17}, "Progress", "Progress Bar"},
    {12, {45, 69, 17, 17}, "Tab_Progress_Animation", "Tab Progress Animation"},
    {-1, {42, 170, 153, 17}, "Closed_Favorites_Folder", "Closed Favorites Folder"},
    {-1, {42, 190, 153, 17}, "Opened_Favorites_Folder", "Opened Favorites Folder"},
    {-1, {42, 210, 153, 17}, "Default_Favorite_Document", "Default Favorite Document"},
    {6, {371, 96, 353, 17}, "Web_Toolbar_Buttons", "Web Toolbar Buttons"},
    {-1, {3, 3, 729, 25}, "Menu_Bar_Background", "Menu Bar/Caption Bar Background"},
    {7, {217, 120, 22, 21}, "Find_In_Page_Icon", "Find in Page Bar Icon"},
    {6, {217, 96, 89, 17}, "Web_Toolbar_Buttons", "Web Toolbar Buttons"},
};

// The main window's pages.
constexpr int kButtons = 2, kIcons = 3, kColors = 4, kBackgrounds = 5, kTabBar = 6, kSideBar = 7, kCombo = 8,
              kProgress = 9;
// Icon groups.
constexpr int kToolbar = 0, kTabButton = 1, kWinButton = 2, kSmall = 3, kMisc = 4;

constexpr int kFromStart = INT_MIN;
constexpr int kToEnd = INT_MAX;

constexpr JumpTarget Entry(int group, int index) { return {group, index, nullptr}; }
constexpr JumpTarget Box(const char* box) { return {-1, 0, box}; }

constexpr Jump Zones(int page, std::initializer_list<JumpZone> zones) {
  Jump jump{page};
  int i = 0;
  for (const JumpZone& zone : zones) jump.zones[i++] = zone;
  return jump;
}
constexpr Jump Whole(int page, JumpTarget target) { return Zones(page, {{kFromStart, kToEnd, target}}); }
constexpr Jump BoxOn(int page, int subPage, const char* box) {
  Jump jump = Whole(page, Box(box));
  jump.subPage = subPage;
  return jump;
}
// A background element: its style combo, image box and start-colour box.
constexpr Jump Element(int page, int subPage, const char* combo, const char* image, const char* colour) {
  return Jump{page, subPage, combo, image, colour};
}

constexpr Jump kJumps[kPieceCount] = {
    Zones(kButtons, {{kFromStart, 27, Entry(kToolbar, 6)},  // New
                     {43, 72, Entry(kToolbar, 0)},          // Back
                     {72, 102, Entry(kToolbar, 1)},         // Forward
                     {102, 128, Entry(kToolbar, 2)},        // HistoryMenu
                     {128, 158, Entry(kToolbar, 3)},        // Refresh
                     {158, 188, Entry(kToolbar, 4)},        // Stop
                     {198, 228, Entry(kToolbar, 5)},        // Home
                     {228, 258, Entry(kToolbar, 7)}}),      // Undo
    Element(kTabBar, 1, "cboTabActiveBkgndStyle", "txtTabActiveBkgndImage", "txtTabActiveBkgndStartColor"),
    Element(kBackgrounds, 1, "cboStatusBarBkgndStyle", "txtStatusBarBkgndImage", "txtStatusBarBkgndStartColor"),
    Element(kSideBar, -1, "cboSideBarTitleBkgndStyle", "txtSideBarTitleBkgndImage", "txtSideBarTitleBkgndStartColor"),
    // Window buttons: skin selection, minimise, maximise, close (restore,
    // entry 3, is never chosen from the map).
    Zones(kButtons, {{kFromStart, 24, Entry(kWinButton, 0)},
                     {24, 50, Entry(kWinButton, 1)},
                     {50, 74, Entry(kWinButton, 2)},
                     {74, kToEnd, Entry(kWinButton, 4)}}),
    Element(kSideBar, -1, "cboSideBarTabBkgndStyle", "txtSideBarTabBkgndImage", "txtSideBarTabBkgndStartColor"),
    Element(kBackgrounds, 2, "cboWebToolbarBkgndStyle", "txtWebToolbarBkgndImage", "txtWebToolbarBkgndStartColor"),
    Element(kBackgrounds, 2, "cboFindInPageBkgndStyle", "txtFindInPageBkgndImage", "txtFindInPageBkgndStartColor"),
    Element(kBackgrounds, 0, "cboMenuBkgndStyle", "txtMenuBkgndImage", "txtMenuBkgndStartColor"),
    BoxOn(kCombo, -1, "txtComboNormalFilePath"),
    Element(kBackgrounds, 0, "cboMenuItemBkgndHoverStyle", "txtMenuItemBkgndHoverImage",
            "txtMenuItemBkgndHoverStartColor"),
    Zones(kButtons, {{kFromStart, 26, Entry(kTabButton, 0)}, {26, kToEnd, Entry(kTabButton, 2)}}),
    BoxOn(kTabBar, 0, "txtTabActiveImage"),
    BoxOn(kTabBar, 0, "txtTabNormalImage"),
    BoxOn(kColors, -1, "txtCaptionTextColor"),
    BoxOn(kColors, -1, "txtStatusAddressTextColor"),
    BoxOn(kColors, -1, "txtToolbarNormalTextColor"),
    // Download, Accelerator, ForceTabInBK, OpenInNew, Collector, AdHunter, Zoom.
    Zones(kIcons, {{kFromStart, 23, Entry(kSmall, 28)},
                   {23, 46, Entry(kMisc, 32)},
                   {46, 69, Entry(kMisc, 57)},
                   {69, 92, Entry(kMisc, 56)},
                   {92, 115, Entry(kMisc, 28)},
                   {115, 148, Entry(kMisc, 29)},
                   {148, kToEnd, Entry(kSmall, 14)}}),
    BoxOn(kSideBar, -1, "txtSideBarTabActiveImage"),
    BoxOn(kSideBar, -1, "txtSideBarTabNormalImage"),
    BoxOn(kCombo, -1, "txtComboDropDownNormal"),
    BoxOn(kColors, -1, "txtComboBoxTextColor"),
    BoxOn(kColors, -1, "txtMenuNormalTextColor"),
    Whole(kIcons, Entry(kMisc, 54)),  // Caption
    BoxOn(kTabBar, 1, "txtTabCloseNormalImage"),
    BoxOn(kColors, -1, "txtTabActiveTextColor"),
    BoxOn(kColors, -1, "txtTabInactiveTextColor"),
    Whole(kIcons, Entry(kMisc, 22)),         // Go
    Whole(kButtons, Entry(kTabButton, 1)),   // TabSidebar
    Zones(kIcons, {{kFromStart, 23, Entry(kMisc, 3)}, {23, kToEnd, Entry(kMisc, 25)}}),  // Search, Highlight
    Zones(kProgress, {{kFromStart, 90, Box("txtProgressFGFilePath")}, {90, kToEnd, Box("txtProgressBgFilePath")}}),
    BoxOn(kTabBar, 1, "txtTabProgressImage"),
    Whole(kIcons, Entry(kMisc, 6)),  // FolderClose
    Whole(kIcons, Entry(kMisc, 5)),  // FolderOpen
    Whole(kIcons, Entry(kMisc, 0)),  // Page
    // FontSize, Encoding, PageContent, Favorites, FormFiller, ScreenShot, CleanHistory.
    Zones(kIcons, {{kFromStart, 72, Entry(kSmall, 12)},
                   {72, 148, Entry(kSmall, 13)},
                   {148, 264, Entry(kSmall, 19)},
                   {264, 288, Entry(kSmall, 8)},
                   {288, 312, Entry(kSmall, 23)},
                   {312, 336, Entry(kSmall, 24)},
                   {336, kToEnd, Entry(kMisc, 18)}}),
    Element(kBackgrounds, 0, "cboMenuBarBkgndStyle", "txtMenuBarBkgndImage", "txtMenuBarBkgndStartColor"),
    Whole(kIcons, Entry(kMisc, 35)),  // Find
    // Back, Forward, UpLevel.
    Zones(kIcons, {{kFromStart, 20, Entry(kSmall, 0)}, {20, 40, Entry(kSmall, 1)}, {40, kToEnd, Entry(kMisc, 23)}}),
};

int Depth(int index) {
  int depth = 0;
  for (int p = kPieces[index].parent; p >= 0; p = kPieces[p].parent) ++depth;
  return depth;
}

}  // namespace

const MapPiece& Piece(int index) { return kPieces[index]; }

ui::Rect PiecePlace(int index) {
  ui::Rect r = kPieces[index].box;
  if (int parent = kPieces[index].parent; parent >= 0) {
    r.left -= kPieces[parent].box.left;
    r.top -= kPieces[parent].box.top;
  }
  return r;
}

std::vector<int> PieceCreationOrder() {
  std::vector<int> order;
  for (int depth = 0; static_cast<int>(order.size()) < kPieceCount; ++depth)
    for (int i = 0; i < kPieceCount; ++i)
      if (Depth(i) == depth) order.push_back(i);
  return order;
}

const Jump& PieceJump(int index) { return kJumps[index]; }

JumpTarget ZoneTarget(const Jump& jump, int x) {
  for (const JumpZone& zone : jump.zones)
    if (zone.from <= x && x < zone.to) return zone.target;
  return {};
}

}  // namespace tools
