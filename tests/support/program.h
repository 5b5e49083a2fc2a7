// A fresh program folder for each test, and the shared globals put back to
// their start-up values around it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/files.h"

namespace testing_support {

// Every global of the program back to its value before start-up.
void ResetGlobals();

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Copies the built Languages\English.ini into the program folder.
  void InstallEnglish();
  std::string Config() const { return folder_.Path() + "\\Config.ini"; }
  const std::string& Folder() const { return folder_.Path(); }
  std::string operator/(const std::string& relative) const { return folder_ / relative; }

 private:
  TempFolder folder_;
  std::string savedFolder_;
};

}  // namespace testing_support
