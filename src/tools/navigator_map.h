// The Skin Navigator's map: the 39 pieces of the browser picture (where
// each lies, which piece holds it, its status text) and where a click on
// each leads in the main window, all as data.
#pragma once

#include <array>
#include <vector>

#include "ui/control.h"

namespace tools {

inline constexpr int kPieceCount = 39;

struct MapPiece {
  int parent;           // the piece it lies in; -1 for the picture itself
  ui::Rect box;         // in pixels of the browser picture
  const char* statusKey;  // language key of its status text
  const char* english;    // the status text without a language file
};

// Piece index (0 to kPieceCount - 1).
const MapPiece& Piece(int index);
// Where piece index lies in its container.
ui::Rect PiecePlace(int index);
// Every piece, each after the piece it lies in.
std::vector<int> PieceCreationOrder();

// What a click leads to: an entry of an icon group (as gIconGroup numbers
// them) or a text box of the page, by name.
struct JumpTarget {
  int group = -1;
  int index = 0;
  const char* box = nullptr;
};

// A target that holds for the release's x (pixels from the piece's left
// edge) from `from` up to, not including, `to`.
struct JumpZone {
  int from = 0;
  int to = 0;
  JumpTarget target;
};

struct Jump {
  int page = 0;
  int subPage = -1;  // -1: the page's sub-page is left as it is
  // A background element: the image box when the style combo shows its
  // first item (the image style), else the start-colour box.
  const char* styleCombo = nullptr;
  const char* imageBox = nullptr;
  const char* colourBox = nullptr;
  std::array<JumpZone, 8> zones{};
};

const Jump& PieceJump(int index);
// The target of a release at x; none (group -1, no box) outside every zone.
JumpTarget ZoneTarget(const Jump& jump, int x);

}  // namespace tools
