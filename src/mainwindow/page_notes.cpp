// The notes at the top of the window's own pages: note i lies on the page
// panel and carries the designed text given here. A page's note is one line
// of kNotes.
#include <iterator>

#include "mainwindow/frmTarnell.h"

namespace mainwindow {

namespace {

struct NoteDesign {
  int panel;
  const char* text;  // without a language file
};

constexpr NoteDesign kNotes[] = {
    {0, "This section defines general information of the skin, and the preview (220x220) used in Velmora Tivanel."},
    {1, "This section defines Velmora's window frame and the web page loading animation."},
    {2, "This section defines the main buttons which have optional advanced properties."},
    {3, "This section defines all the 16x16 icons used in buttons, menu, and toolbars."},
    {7, "This section defines the side bar tab, tab background and title background."},
    {8, "This section defines the combo box used in address bar, search bar, and some side bar tools."},
    {9, "This section defines the progress bar which appears on status bar when web page is loading."},
};

}  // namespace

int frmTarnell::NoteCount() { return static_cast<int>(std::size(kNotes)); }

int frmTarnell::NotePanel(int note) { return kNotes[note].panel; }

const char* frmTarnell::NoteText(int note) { return kNotes[note].text; }

}  // namespace mainwindow
