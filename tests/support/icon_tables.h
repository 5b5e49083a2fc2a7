// The icon catalogue's tables for tests: names filled as at start-up, every
// value and flag emptied, and the selection globals reset.
#pragma once

#include "core/icon_catalogue.h"

namespace testing_support {

inline void ResetIconCatalogue() {
  using namespace core;
  InitIconNames();
  for (int group : {kToolbarGroup, kTabButtonGroup, kWinButtonGroup}) {
    const ButtonTables t = ButtonGroupTables(group);
    for (auto table : {t.normal, t.hover, t.disable, t.pressed, t.offset, t.padding, t.drawBG})
      for (std::string& value : table) value.clear();
    for (bool& flag : t.changed) flag = false;
  }
  for (int group : {kSmallIconGroup, kMiscIconGroup}) {
    const IconTables t = IconGroupTables(group);
    for (std::string& value : t.paths) value.clear();
    for (bool& flag : t.changed) flag = false;
  }
  gIconGroup = 0;
  gIconIndex = 0;
  gFillingControls = false;
}

}  // namespace testing_support
