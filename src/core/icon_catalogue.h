// The icon catalogue: the buttons and icons of sections [Icons] and
// [Icons16] of pelto.ini in five groups of parallel tables (key names fixed
// at start-up, values read when a project loads), their tiles on the main
// window's Buttons and Icons pages, and the tables written back on saving.
//
// Groups, as gIconGroup numbers them:
//   0 toolbar buttons (31)  [Icons]   tiles picBigIcon
//   1 tab-bar buttons (5)   [Icons]   tiles picTabIcon
//   2 window buttons (5)    [Icons]   tiles picWinIcon
//   3 small icons (40)      [Icons16] tiles picSmallIcon
//   4 other icons (65)      [Icons16] tiles picMiscIcon
// A button entry named n owns the keys n (normal image), n.Hover,
// n.Disable, n.Pressed, n.Offset, n.Padding and, for toolbar buttons and
// the first three tab-bar buttons, n.drawbackground. An icon entry owns
// the key n of [Icons16].
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

namespace ui {
class PictureBox;
}

namespace core {

inline constexpr int kToolbarGroup = 0;
inline constexpr int kTabButtonGroup = 1;
inline constexpr int kWinButtonGroup = 2;
inline constexpr int kSmallIconGroup = 3;
inline constexpr int kMiscIconGroup = 4;
inline constexpr int kIconGroupCount = 5;

inline constexpr int kToolbarCount = 31;
inline constexpr int kTabButtonCount = 5;
inline constexpr int kWinButtonCount = 5;
inline constexpr int kSmallIconCount = 40;
inline constexpr int kMiscIconCount = 65;
// Tab-bar buttons from this index on ("TabCloseAll", "TabNew") have no
// draw-background key.
inline constexpr int kTabButtonsWithDrawBG = 3;

// The four images of a button, in the order the catalogue stores them.
enum class ButtonState { Normal, Hover, Disable, Pressed };
inline constexpr ButtonState kButtonStates[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Disable,
                                                ButtonState::Pressed};

template <size_t N>
using IconTexts = std::array<std::string, N>;
template <size_t N>
using IconFlags = std::array<bool, N>;

// Toolbar buttons.
extern IconTexts<kToolbarCount> gToolbarNames, gToolbarNormal, gToolbarHover, gToolbarDisable, gToolbarPressed,
    gToolbarOffset, gToolbarPadding, gToolbarDrawBG;
extern IconFlags<kToolbarCount> gToolbarChanged;
// Tab-bar buttons.
extern IconTexts<kTabButtonCount> gTabButtonNames, gTabButtonNormal, gTabButtonHover, gTabButtonDisable,
    gTabButtonPressed, gTabButtonOffset, gTabButtonPadding, gTabButtonDrawBG;
extern IconFlags<kTabButtonCount> gTabButtonChanged;
// Window buttons (no draw-background flag).
extern IconTexts<kWinButtonCount> gWinButtonNames, gWinButtonNormal, gWinButtonHover, gWinButtonDisable,
    gWinButtonPressed, gWinButtonOffset, gWinButtonPadding;
extern IconFlags<kWinButtonCount> gWinButtonChanged;
// Small tool-bar icons and other icons.
extern IconTexts<kSmallIconCount> gSmallIconNames, gSmallIconPaths;
extern IconFlags<kSmallIconCount> gSmallIconChanged;
extern IconTexts<kMiscIconCount> gMiscIconNames, gMiscIconPaths;
extern IconFlags<kMiscIconCount> gMiscIconChanged;

// The entry the Buttons and Icons pages edit. Both pages set them, so each
// page recovers them from its own highlighted tile before an edit.
extern int gIconGroup;
extern int gIconIndex;
// True while a selection fills the pages' editors: their change handlers
// then do nothing.
extern bool gFillingControls;

// One button group's tables, side by side. drawBG is empty for the window
// buttons; keysWithDrawBG tells how many entries own a draw-background key.
struct ButtonTables {
  std::span<std::string> names, normal, hover, disable, pressed, offset, padding, drawBG;
  std::span<bool> changed;
  int keysWithDrawBG = 0;
  const char* folder = "";        // where a new normal image goes
  const char* filePrefix = "";    // its file name: prefix & name & ".png"
  int Count() const { return static_cast<int>(names.size()); }
  bool Has(int index) const { return index >= 0 && index < Count(); }
  std::span<std::string> State(ButtonState s) const;
};
// One icon group's tables.
struct IconTables {
  std::span<std::string> names, paths;
  std::span<bool> changed;
  const char* folder = "";
  const char* filePrefix = "";
  int Count() const { return static_cast<int>(names.size()); }
  bool Has(int index) const { return index >= 0 && index < Count(); }
};
bool IsButtonGroup(int group);
bool IsIconGroup(int group);
// Groups 0 to 2; any other group gives tables without entries.
ButtonTables ButtonGroupTables(int group);
// Groups 3 and 4; any other group gives tables without entries.
IconTables IconGroupTables(int group);
// The number of entries of a group, 0 for no group.
int IconGroupCount(int group);

// "OpenInNew" and "ForceTabInBK" stand twice among the other icons; both
// entries of such a pair are the same key. The other entry of the pair of
// misc icon index, or -1.
int MiscIconTwin(int index);

// The main window's side of the catalogue: the tiles of both pages, the
// selection handlers that a load calls, and the refresh after a save.
class IconHost {
 public:
  virtual ~IconHost() = default;
  // Tile index of group; nullptr when there is none.
  virtual ui::PictureBox* IconTile(int group, int index) = 0;
  virtual void picBigIcon_MouseDown(int index, int button, int shift, float x, float y) = 0;
  virtual void picSmallIcon_MouseDown(int index, int button, int shift, float x, float y) = 0;
  virtual void UpdateTextBox() = 0;
};
IconHost* CurrentIconHost();
void SetIconHost(IconHost* host);

// A tile in its plain look: the window colour with the image drawn (at
// offset, -1 centred) when the file exists, else the button-face colour and
// nothing drawn.
void ShowPlainTile(ui::PictureBox& tile, const std::string& path, int offset = -1);

// Fills the name tables. Runs once at start-up.
void InitIconNames();

// Reads [Icons] and [Icons16] of gSkinIni into the tables (every Changed
// flag cleared), draws every tile, selects the first toolbar button and the
// first small icon, and lets pending messages run now and then.
void LoadIcons();

// Writes the tables back into [Icons] and [Icons16] of gSkinIni: the image
// keys of changed entries (an image from outside the project is copied into
// it and the entry takes the project-relative name), and the offset,
// padding and draw-background keys of every button. Then the host refreshes
// its path boxes. Returns the outside images that could not be copied; their
// keys and entries are left as they were, so that a later save tries again.
std::vector<std::string> SaveIcons();

// The name a hover, disabled or pressed image gets from normalValue, the
// value that the button's normal image key names once saved (the name an
// outside image is copied under, say), as ReadIni will read it back: every
// ".png" of it with the state's suffix before it (toolbar\24_Back.png gives
// toolbar\24_Back_hover.png). A normal value that names no PNG inside the
// project gives the name derived from the group's default file for the
// button instead, so that a state image never lands on the normal image nor
// outside the project.
std::string DerivedStateFile(const ButtonTables& group, int index, ButtonState state,
                             const std::string& normalValue);

}  // namespace core
