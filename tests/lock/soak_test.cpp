// The soak on the in-memory file system: many thousand steps in seconds.
#include "soak.h"

#include <gtest/gtest.h>

#include "memory_disk.h"

namespace folderlocker::testing {
namespace {

TEST(SoakTest, NothingIsLostOnTheMemoryFileSystem) {
  const SoakSettings settings = SoakSettingsFromEnvironment(10000);
  MemoryFileSystem files;
  MemoryDisk disk(files);
  auto same = [](const Text& text) { return text; };
  SoakOutcome outcome = RunSoak(disk, files, settings, same, same);
  EXPECT_TRUE(outcome.passed) << outcome.failure;
  EXPECT_EQ(outcome.steps_run, settings.steps);
}

}  // namespace
}  // namespace folderlocker::testing
