// The recent projects of the File menu, and what project loading finds of
// the main window.
#include <gtest/gtest.h>

#include "core/project_host.h"
#include "main_window_support.h"

namespace {

using namespace main_window_tests;
using Texts = std::vector<std::string>;

class ProjectListTest : public MainWindowTest {
 protected:
  // A project folder holding pelto.ini; returns its list entry.
  std::string Project(const std::string& name, const std::string& folder) {
    testing_support::WriteFile(*this / (folder + "\\pelto.ini"), "[General]\r\nName=" + name + "\r\n");
    return name + "$,$" + (*this / folder);
  }
  Texts FileMenuList() {
    Texts items;
    for (int i = 0; i <= form.mnuProjectList.UBound(); ++i) items.push_back(form.mnuProjectList(i).Caption());
    return items;
  }
};

TEST_F(ProjectListTest, ListsTheProjectsThatStillExistNumberedWithAClosingSeparator) {
  core::gLastProjects = Project("Rock & Roll", "Projects\\a") + "$;$" + "Gone$,$" + (*this / "Projects\\gone") +
                        "$;$" + Project("Blue", "Projects\\b");
  form.Load();
  EXPECT_EQ(FileMenuList(), (Texts{"-", "1. Rock && Roll", "2. Blue", "-"}));

  core::gLastProjects.clear();
  form.UpdateProjectList();
  EXPECT_EQ(FileMenuList(), Texts{"-"});
}

TEST_F(ProjectListTest, ShowsAtMostEightProjects) {
  Texts entries;
  for (const char* name : {"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"})
    entries.push_back(Project(name, std::string("Projects\\") + name));
  core::gLastProjects = entries[0];
  for (size_t i = 1; i < entries.size(); ++i) core::gLastProjects += "$;$" + entries[i];
  form.Load();
  EXPECT_EQ(FileMenuList(),
            (Texts{"-", "1. P1", "2. P2", "3. P3", "4. P4", "5. P5", "6. P6", "7. P7", "8. P8", "-"}));
}

TEST_F(ProjectListTest, ProjectLoadingReachesTheMainWindowAsItsHost) {
  EXPECT_EQ(core::CurrentProjectHost(), static_cast<core::ProjectHost*>(&form));
  form.Load();
  EXPECT_FALSE(form.mnuSave.Enabled());
  EXPECT_FALSE(form.mnuMake.Enabled());
  EXPECT_FALSE(form.mnuRun.Enabled());
  core::CurrentProjectHost()->EnableProjectCommands();
  EXPECT_TRUE(IsWindowEnabled(form.picTabs(0).hWnd()));
  EXPECT_TRUE(form.mnuSave.Enabled());
  EXPECT_TRUE(form.mnuMake.Enabled());
  EXPECT_TRUE(form.mnuRun.Enabled());
  HMENU file = GetSubMenu(GetMenu(form.hWnd()), 0);
  EXPECT_FALSE(GetMenuState(file, form.mnuSave.Id(), MF_BYCOMMAND) & MF_GRAYED);

  // A window loaded again starts as designed.
  form.Unload();
  form.Load();
  EXPECT_FALSE(form.mnuSave.Enabled());
  EXPECT_FALSE(IsWindowEnabled(form.picTabs(0).hWnd()));
}

}  // namespace
