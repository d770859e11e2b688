// Every path through locking and unlocking, against the in-memory file system with scripted
// answers: what the user is shown, in order, and what is left on disk.
#include "lock/process_folder.h"

#include <gtest/gtest.h>

#include "faulty_file_system.h"
#include "flow_cases.h"
#include "memory_disk.h"
#include "memory_file_system.h"
#include "scripted_dialogue.h"

namespace folderlocker::testing {
namespace {

class ProcessFolderTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(ProcessFolderTest, ShowsAndLeavesOnDisk) {
  const FlowCase& c = GetParam();
  MemoryFileSystem memory;
  MemoryDisk disk(memory);
  if (c.setup) c.setup(disk);
  FaultyFileSystem files(
      memory, c.fault ? c.fault : [](FileOperation, const Text&) { return false; });
  ScriptedDialogue dialogue(c.answers);
  Text text = c.input;

  ProcessFolder(text, files, dialogue);

  EXPECT_EQ(dialogue.record(), c.shown);
  EXPECT_EQ(disk.Listing(), c.on_disk);
  EXPECT_EQ(text, c.used_path);
  EXPECT_FALSE(dialogue.prompted_with_filled_entry()) << "every prompt starts empty";
}

std::string CaseName(const ::testing::TestParamInfo<FlowCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Lock, ProcessFolderTest, ::testing::ValuesIn(LockCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Unlock, ProcessFolderTest, ::testing::ValuesIn(UnlockCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Faults, ProcessFolderTest, ::testing::ValuesIn(FaultCases()), CaseName);

// Lock, then unlock through the locked name: the folder is back as it was, and the unlock read
// exactly what the lock wrote.
TEST(ProcessFolderRoundTripTest, LockThenUnlockRestoresTheFolder) {
  MemoryFileSystem files;
  files.AddFile("D:\\Work\\a.txt", "alpha");
  ScriptedDialogue dialogue({"pw", "pw", "pw"});
  Text first = "D:\\Work";
  ProcessFolder(first, files, dialogue);
  Text second = "D:\\Work.";
  ProcessFolder(second, files, dialogue);
  EXPECT_EQ(dialogue.record(),
            (Lines{"prompt|输入密码|请输入\"D:\\Work\"要加密的密码",
                   "prompt|输入密码|请再次输入\"D:\\Work\"密码：", "message|0||加密成功！",
                   "prompt|录入密码|请输入\"D:\\Work\"文件夹的解密密码", "message|0||解密成功！"}));
  EXPECT_EQ(files.ListBelow("D:\\"), (std::vector<Text>{"D:\\Work", "D:\\Work\\a.txt"}));
}

}  // namespace
}  // namespace folderlocker::testing
