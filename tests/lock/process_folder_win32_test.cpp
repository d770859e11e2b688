// The flows of locking and unlocking against the real file layer, in a temporary folder that
// stands for D:\. Under Wine the folder is a Linux directory, and its entries are listed as the
// disk holds them, so a locked folder must really be named Work. there.
#include "lock/process_folder.h"

#include <gtest/gtest.h>

#include "faulty_file_system.h"
#include "flow_cases.h"
#include "lock/win32_file_system.h"
#include "scripted_dialogue.h"
#include "real_disk.h"
#include "temp_folder.h"

namespace folderlocker::testing {
namespace {

class ProcessFolderOnDiskTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(ProcessFolderOnDiskTest, ShowsAndLeavesOnDisk) {
  const FlowCase& c = GetParam();
  TempFolder temp;
  Lines on_disk;
  Lines shown;
  Text used_path;
  {
    RealDisk disk(temp.path());
    if (c.setup) c.setup(disk);
    Win32FileSystem real;
    FaultyFileSystem files(real, [&](FileOperation operation, const Text& path) {
      return c.fault && c.fault(operation, disk.FromDisk(path));
    });
    ScriptedDialogue dialogue(c.answers);
    Text text = disk.ToDisk(c.input);

    ProcessFolder(text, files, dialogue);

    for (const std::string& line : dialogue.record()) shown.push_back(disk.FromDisk(line));
    used_path = disk.FromDisk(text);
  }  // files held open are closed before the disk is listed
  RealDisk disk(temp.path());
  EXPECT_EQ(shown, c.shown);
  EXPECT_EQ(disk.Listing(), c.on_disk);
  EXPECT_EQ(used_path, c.used_path);
}

std::string CaseName(const ::testing::TestParamInfo<FlowCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Lock, ProcessFolderOnDiskTest, ::testing::ValuesIn(LockCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Unlock, ProcessFolderOnDiskTest, ::testing::ValuesIn(UnlockCases()),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Faults, ProcessFolderOnDiskTest, ::testing::ValuesIn(FaultCases()),
                         CaseName);

}  // namespace
}  // namespace folderlocker::testing
