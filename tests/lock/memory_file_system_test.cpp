// The in-memory file system must refuse what a Windows disk refuses, or the flow tests prove
// nothing about the faults.
#include "memory_file_system.h"

#include <gtest/gtest.h>

namespace folderlocker::testing {
namespace {

class MemoryFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files.AddFile("D:\\Work\\sub\\b.txt", "beta");
    files.AddFile("D:\\Work\\a.txt", "alpha");
  }
  MemoryFileSystem files;
};

TEST_F(MemoryFileSystemTest, PathsResolveByTheWin32Rules) {
  EXPECT_EQ(files.FileAttributes("D:\\Work"), kAttributeDirectory);
  EXPECT_EQ(files.FileAttributes("D:\\Work."), kAttributeDirectory);  // names D:\Work
  EXPECT_EQ(files.FileAttributes("D:\\Work.\\a.txt"), 0x20u);
  EXPECT_EQ(files.FileAttributes("D:\\Work..\\a.txt"), kInvalidAttributes);  // D:\Work.\a.txt
  EXPECT_EQ(files.FileAttributes("D:\\"), kAttributeDirectory);
  EXPECT_EQ(files.FileAttributes("CON"), kInvalidAttributes);
}

TEST_F(MemoryFileSystemTest, MoveTakesTheWholeFolderAlong) {
  ASSERT_TRUE(files.Move("D:\\Work", "D:\\Work..\\"));
  EXPECT_EQ(files.ListBelow("D:\\"),
            (std::vector<Text>{"D:\\Work.", "D:\\Work.\\a.txt", "D:\\Work.\\sub",
                               "D:\\Work.\\sub\\b.txt"}));
  EXPECT_EQ(files.Content("D:\\Work.\\sub\\b.txt"), "beta");
}

TEST_F(MemoryFileSystemTest, MoveRefusesWhatWindowsRefuses) {
  files.AddDirectory("D:\\Taken");
  EXPECT_FALSE(files.Move("D:\\Work", "D:\\Taken"));         // the target exists
  EXPECT_FALSE(files.Move("D:\\Work", "D:\\Work\\..\\"));    // that is D:\ itself
  EXPECT_FALSE(files.Move("D:\\Work", "D:\\Work\\sub\\x"));  // into itself
  EXPECT_FALSE(files.Move("D:\\Work", "D:\\Missing\\x"));    // no such parent
  EXPECT_FALSE(files.Move("D:\\Nothing", "D:\\Else"));
  files.HoldOpen("D:\\Work\\sub\\b.txt");
  EXPECT_FALSE(files.Move("D:\\Work", "D:\\Else"));  // a file inside is in use
  EXPECT_EQ(files.ListBelow("D:\\").size(), 5u);
}

TEST_F(MemoryFileSystemTest, WriteCreatesOnlyNewFiles) {
  EXPECT_TRUE(files.WriteFileBytes("D:\\Work\\new.dat", BytesOf("x")));
  EXPECT_EQ(files.Content("D:\\Work\\new.dat"), "x");
  EXPECT_FALSE(files.WriteFileBytes("D:\\Work\\a.txt", BytesOf("overwritten")));
  EXPECT_EQ(files.Content("D:\\Work\\a.txt"), "alpha");
  EXPECT_FALSE(files.WriteFileBytes("D:\\Work\\sub", BytesOf("x")));
  EXPECT_FALSE(files.WriteFileBytes("D:\\Missing\\new.dat", BytesOf("x")));
  EXPECT_FALSE(files.WriteFileBytes("", BytesOf("x")));
}

TEST_F(MemoryFileSystemTest, HeldOpenFileCannotBeReadOrDeleted) {
  files.AddFile("D:\\Work\\tavro.dat", "pw\r\nrest");
  EXPECT_EQ(files.ReadFirstLine("D:\\Work.\\tavro.dat"), "pw");
  files.HoldOpen("D:\\Work\\tavro.dat");
  EXPECT_EQ(files.ReadFirstLine("D:\\Work\\tavro.dat"), "");
  EXPECT_FALSE(files.Delete("D:\\Work\\tavro.dat"));
  files.HoldOpen("D:\\Work\\tavro.dat", false);
  EXPECT_TRUE(files.Delete("D:\\Work\\tavro.dat"));
  EXPECT_FALSE(files.Delete("D:\\Work\\sub"));  // folders are not deleted as files
}

}  // namespace
}  // namespace folderlocker::testing
