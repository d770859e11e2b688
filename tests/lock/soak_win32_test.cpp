// The soak on the real file layer, in a temporary folder that stands for D:\.
#include <gtest/gtest.h>

#include "lock/win32_file_system.h"
#include "real_disk.h"
#include "soak.h"
#include "temp_folder.h"

namespace folderlocker::testing {
namespace {

TEST(SoakTest, NothingIsLostOnTheRealFileLayer) {
  const SoakSettings settings = SoakSettingsFromEnvironment(1000);
  TempFolder temp;
  RealDisk disk(temp.path());
  Win32FileSystem files;
  SoakOutcome outcome = RunSoak(
      disk, files, settings, [&](const Text& text) { return disk.ToDisk(text); },
      [&](const Text& text) { return disk.FromDisk(text); });
  EXPECT_TRUE(outcome.passed) << outcome.failure;
  EXPECT_EQ(outcome.steps_run, settings.steps);
}

}  // namespace
}  // namespace folderlocker::testing
