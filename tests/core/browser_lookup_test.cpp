#include "core/browser_lookup.h"

#include <gtest/gtest.h>

#include "core/files.h"
#include "support/files.h"
#include "support/stand_in_browser.h"

namespace {

using core::FileVersionText;
using core::FirstBrowserOfVersion2;
using core::GetBrowserExePath;
using core::GetFileVersion;
using testing_support::RunningProgram;
using testing_support::StandInBrowserExe;

constexpr DWORD Words(int high, int low) { return static_cast<DWORD>((high << 16) | low); }

std::string Quoted(const std::string& path) {
  std::string quoted(1, '"');
  quoted.append(path).push_back('"');
  return quoted;
}

// --- Version text ------------------------------------------------------

TEST(FileVersionText, BuildAboveZeroGivesFourParts) {
  EXPECT_EQ(FileVersionText(Words(2, 5), Words(3, 1000)), "2.05.0003.1000");
  EXPECT_EQ(FileVersionText(Words(2, 5), Words(3, 7)), "2.05.0003.07");
  EXPECT_EQ(FileVersionText(Words(10, 123), Words(12345, 2)), "10.123.12345.02");
}

TEST(FileVersionText, BuildZeroLeavesTheBuildOut) {
  EXPECT_EQ(FileVersionText(Words(2, 0), Words(0, 5)), "2.00.0005");
  EXPECT_EQ(FileVersionText(Words(3, 1), Words(0, 0)), "3.01.0000");
}

TEST(FileVersionText, BuildOf32768OrMoreCountsAsNegative) {
  EXPECT_EQ(FileVersionText(Words(2, 1), Words(40000, 7)), "2.01.0007");
  EXPECT_EQ(FileVersionText(Words(2, 1), Words(32768, 12)), "2.01.0012");
  EXPECT_EQ(FileVersionText(Words(2, 1), Words(32767, 12)), "2.01.32767.12");
}

TEST(FileVersionText, TwelveDoesNotBeginWithTwoDot) {
  EXPECT_EQ(FileVersionText(Words(12, 0), Words(0, 1)), "12.00.0001");
}

// --- File versions of real executables -----------------------------------

TEST(GetFileVersion, ReadsTheStandInBuilds) {
  EXPECT_EQ(GetFileVersion(StandInBrowserExe(testing_support::kBrowserV2)), "2.05.0003.1000");
  EXPECT_EQ(GetFileVersion(StandInBrowserExe(testing_support::kBrowserV200)), "2.00.0005");
  EXPECT_EQ(GetFileVersion(StandInBrowserExe(testing_support::kBrowserV3)), "3.01.0000");
  EXPECT_EQ(GetFileVersion(StandInBrowserExe(testing_support::kBrowserV12)), "12.00.0001");
}

TEST(GetFileVersion, EmptyWithoutVersionInformation) {
  testing_support::TempFolder folder;
  EXPECT_EQ(GetFileVersion(testing_support::WriteFile(folder / "Velmora.exe", "not a program")), "");
  EXPECT_EQ(GetFileVersion(folder / "missing.exe"), "");
}

// --- Choosing among running copies ---------------------------------------

TEST(FirstBrowserOfVersion2, TakesTheFirstVersion2WhateverStandsBefore) {
  const std::string v2 = StandInBrowserExe(testing_support::kBrowserV2);
  const std::string v200 = StandInBrowserExe(testing_support::kBrowserV200);
  const std::string v3 = StandInBrowserExe(testing_support::kBrowserV3);
  EXPECT_EQ(FirstBrowserOfVersion2({v3, v2}), v2);
  EXPECT_EQ(FirstBrowserOfVersion2({v2, v3}), v2);
  EXPECT_EQ(FirstBrowserOfVersion2({v200, v2}), v200);
  EXPECT_EQ(FirstBrowserOfVersion2({v3}), "");
  EXPECT_EQ(FirstBrowserOfVersion2({StandInBrowserExe(testing_support::kBrowserV12), v2}), v2);
  EXPECT_EQ(FirstBrowserOfVersion2({}), "");
}

TEST(FirstBrowserOfVersion2, PassesOverCopiesWhosePathOrVersionCannotBeRead) {
  testing_support::TempFolder folder;
  const std::string v2 = StandInBrowserExe(testing_support::kBrowserV2);
  const std::string noVersion = testing_support::WriteFile(folder / "Velmora.exe", "MZ");
  EXPECT_EQ(FirstBrowserOfVersion2({std::nullopt, v2}), v2);
  EXPECT_EQ(FirstBrowserOfVersion2({noVersion, folder / "gone\\Velmora.exe", v2}), v2);
}

// --- Running copies ------------------------------------------------------

TEST(GetBrowserExePath, EmptyWhenNoBrowserRuns) { EXPECT_EQ(GetBrowserExePath(), ""); }

class RunningBrowsers : public ::testing::TestWithParam<bool> {};

TEST_P(RunningBrowsers, FindsTheVersion2CopyWhicheverStartedFirst) {
  const std::string v2 = StandInBrowserExe(testing_support::kBrowserV2);
  const std::string v3 = StandInBrowserExe(testing_support::kBrowserV3);
  const bool v3First = GetParam();
  RunningProgram first(Quoted(v3First ? v3 : v2));
  RunningProgram second(Quoted(v3First ? v2 : v3));
  ASSERT_TRUE(first.WaitUntilIdle());
  ASSERT_TRUE(second.WaitUntilIdle());

  EXPECT_TRUE(core::EqualsNoCase(GetBrowserExePath(), v2)) << GetBrowserExePath();
}

INSTANTIATE_TEST_SUITE_P(StartOrder, RunningBrowsers, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Version3First" : "Version2First"; });

TEST(GetBrowserExePath, EmptyWhenOnlyOtherVersionsRun) {
  RunningProgram v3(Quoted(StandInBrowserExe(testing_support::kBrowserV3)));
  ASSERT_TRUE(v3.WaitUntilIdle());
  EXPECT_EQ(GetBrowserExePath(), "");
}

}  // namespace
