// The file-system object: a copy that replaces a file does so whole or not
// at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files.h"
#include "support/files.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

struct RoomCase {
  const char* name;
  long long room;
  bool target;     // the target exists before the copy
  bool replaced;   // the target holds the source's bytes afterwards
};

TEST(ReplaceWithCopy, TheTargetIsReplacedWholeOrKeptAsItWas) {
  const std::string source(200000, 'n');
  const RoomCase cases[] = {
      {"room enough, an old target", -1, true, true},
      {"room enough, no target yet", -1, false, true},
      {"the disk fills up halfway, an old target", 70000, true, false},
      {"the disk fills up halfway, no target yet", 70000, false, false},
      {"the disk is full at once", 0, true, false},
  };
  for (const RoomCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string from = WriteFile(folder / "outside\\new.png", source);
    const std::string to = folder / "project\\old.png";
    if (c.target)
      WriteFile(to, "the old picture");
    else
      testing_support::MakeFolders(folder / "project");
    core::gFileSystem.scratchRoom = c.room;
    bool ok = core::gFileSystem.ReplaceWithCopy(from, to);
    core::gFileSystem.scratchRoom = -1;
    EXPECT_EQ(ok, c.replaced);
    if (c.replaced)
      EXPECT_EQ(ReadFile(to), source);
    else if (c.target)
      EXPECT_EQ(ReadFile(to), "the old picture");
    else
      EXPECT_FALSE(testing_support::Exists(to));
    // Nothing but the target itself is left in its folder.
    std::vector<std::string> expected;
    if (c.replaced || c.target) expected.push_back("old.png");
    EXPECT_EQ(core::gFileSystem.FileNames(folder / "project"), expected);
    EXPECT_EQ(ReadFile(from), source);
  }
}

TEST(ReplaceWithCopy, AMissingSourceLeavesTheTargetAlone) {
  TempFolder folder;
  const std::string to = WriteFile(folder / "old.png", "kept");
  EXPECT_FALSE(core::gFileSystem.ReplaceWithCopy(folder / "missing.png", to));
  EXPECT_EQ(ReadFile(to), "kept");
  EXPECT_EQ(core::gFileSystem.FileNames(folder.Path()), std::vector<std::string>{"old.png"});
}

}  // namespace
