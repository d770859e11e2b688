// The real file layer: where its paths lead, and how it fails.
#include "lock/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "lock/process_folder.h"
#include "scripted_dialogue.h"
#include "temp_folder.h"

namespace folderlocker::testing {
namespace {

class Win32FileSystemTest : public ::testing::Test {
 protected:
  Text Path(const Text& relative) const { return temp.path() + "\\" + relative; }

  TempFolder temp;
  Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, ExtendedPathsOfTheLockScheme) {
  const std::wstring root = Widen(temp.path());
  struct Case {
    Text path;
    std::optional<std::wstring> extended;
  } cases[] = {
      {Path("Work"), L"\\\\?\\" + root + L"\\Work"},
      {Path("Work..\\"), L"\\\\?\\" + root + L"\\Work."},
      {Path("Work.\\tavro.dat"), L"\\\\?\\" + root + L"\\Work\\tavro.dat"},
      {Path("Work..\\tavro.dat"), L"\\\\?\\" + root + L"\\Work.\\tavro.dat"},
      {Path("Work."), L"\\\\?\\" + root + L"\\Work"},
      {"C:\\", L"\\\\?\\C:\\"},
      {"C:\\..\\", L"\\\\?\\C:\\"},
      {"\\\\server\\share\\Work..\\", L"\\\\?\\UNC\\server\\share\\Work."},
      {"\\\\server\\share\\", L"\\\\?\\UNC\\server\\share\\"},
      {"", std::nullopt},
      {"CON", std::nullopt},
      {Path("nul.txt"), std::nullopt},
      {"\\\\.\\C:\\Work", std::nullopt},
      {"\\\\?\\C:\\Work", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToExtendedPath(c.path), c.extended) << "path \"" << c.path << '"';
  }
}

TEST_F(Win32FileSystemTest, RelativePathsResolveAgainstTheCurrentDirectory) {
  ASSERT_TRUE(CreateFolders(Path("Work")));
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(temp.path()).c_str()));
  EXPECT_EQ(files.FileAttributes("Work"), 0x10u);
  EXPECT_TRUE(files.Move("Work", "Work..\\"));
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work."});
  SetCurrentDirectoryW(L"C:\\");
}

// The ANSI functions would not do this under Wine: they drop the period of the new name.
TEST_F(Win32FileSystemTest, MoveToThePeriodNameCreatesItOnDisk) {
  ASSERT_TRUE(CreateFolders(Path("Work")));
  ASSERT_TRUE(WriteWholeFile(Path("Work\\a.txt"), "alpha"));
  ASSERT_TRUE(files.Move(Path("Work"), Path("Work..\\")));
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work."});
  EXPECT_EQ(GetFileAttributesA(Path("Work").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(files.FileAttributes(Path("Work.")), kInvalidAttributes);  // that is Work again
  EXPECT_EQ(files.FileAttributes(Path("Work..\\a.txt")), 0x20u);
  ASSERT_TRUE(files.Move(Path("Work..\\"), Path("Work")));
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work"});
}

TEST_F(Win32FileSystemTest, MoveFailsOntoAnExistingTarget) {
  ASSERT_TRUE(CreateFolders(Path("Work.")));
  ASSERT_TRUE(CreateFolders(Path("Work")));
  EXPECT_FALSE(files.Move(Path("Work..\\"), Path("Work")));
  EXPECT_FALSE(files.Move(Path("Work"), Path("Work..\\")));
  EXPECT_EQ(FolderEntries(temp.path()), (std::vector<Text>{"Work", "Work."}));
}

TEST_F(Win32FileSystemTest, WriteCreatesOnlyNewFilesWithExactlyTheBytes) {
  ASSERT_TRUE(CreateFolders(Path("Work")));
  const std::string bytes("p\0w\r\n", 5);
  ASSERT_TRUE(files.WriteFileBytes(Path("Work\\tavro.dat"), Bytes(bytes.begin(), bytes.end())));
  std::string content;
  ASSERT_TRUE(ReadWholeFile(Path("Work\\tavro.dat"), content));
  EXPECT_EQ(content, bytes);

  EXPECT_FALSE(files.WriteFileBytes(Path("Work\\tavro.dat"), BytesOf("other")));
  ASSERT_TRUE(ReadWholeFile(Path("Work\\tavro.dat"), content));
  EXPECT_EQ(content, bytes) << "an existing file is never overwritten";

  ASSERT_TRUE(CreateFolders(Path("Work\\folder.dat")));
  EXPECT_FALSE(files.WriteFileBytes(Path("Work\\folder.dat"), BytesOf("x")));
  EXPECT_FALSE(files.WriteFileBytes(Path("Missing\\tavro.dat"), BytesOf("x")));
  EXPECT_FALSE(files.WriteFileBytes("", BytesOf("x")));

  EXPECT_TRUE(files.WriteFileBytes(Path("Work\\empty.dat"), Bytes()));
  ASSERT_TRUE(ReadWholeFile(Path("Work\\empty.dat"), content));
  EXPECT_EQ(content, "");
}

TEST_F(Win32FileSystemTest, FirstLineOnlyFromAFileThatCanBeOpened) {
  ASSERT_TRUE(WriteWholeFile(Path("Work\\tavro.dat"), "pw\r\nsecond"));
  EXPECT_EQ(files.ReadFirstLine(Path("Work.\\tavro.dat")), "pw");
  {
    ScopedFileHandle held = HoldOpenWithoutSharing(Path("Work\\tavro.dat"));
    ASSERT_TRUE(held.valid());
    EXPECT_EQ(files.ReadFirstLine(Path("Work\\tavro.dat")), "");
    EXPECT_FALSE(files.Delete(Path("Work\\tavro.dat")));
  }
  EXPECT_EQ(files.ReadFirstLine(Path("Work")), "");  // a folder
  EXPECT_EQ(files.ReadFirstLine(Path("Missing.dat")), "");
  EXPECT_TRUE(files.Delete(Path("Work\\tavro.dat")));
  EXPECT_FALSE(files.Delete(Path("Work")));
}

TEST_F(Win32FileSystemTest, FirstLineLongerThanAReadChunk) {
  std::string line(10000, 'x');
  line[4095] = '\x81';  // a lead byte at the end of the first chunk takes the LF after it along
  line[4096] = '\n';
  ASSERT_TRUE(WriteWholeFile(Path("long.dat"), line + "\nrest"));
  EXPECT_EQ(files.ReadFirstLine(Path("long.dat")), line);
}

TEST_F(Win32FileSystemTest, PathsLongerThanMaxPath) {
  Text deep = temp.path();
  for (int i = 0; i < 12; ++i) deep += "\\" + std::string(30, static_cast<char>('a' + i));
  ASSERT_GT(deep.size(), static_cast<std::size_t>(MAX_PATH));
  ASSERT_TRUE(CreateFolders(deep + "\\Work"));
  EXPECT_EQ(files.FileAttributes(deep + "\\Work"), 0x10u);
  EXPECT_TRUE(files.Move(deep + "\\Work", deep + "\\Work..\\"));
  EXPECT_TRUE(files.WriteFileBytes(deep + "\\Work..\\tavro.dat", BytesOf("pw")));
  EXPECT_EQ(files.ReadFirstLine(deep + "\\Work..\\tavro.dat"), "pw");
  EXPECT_EQ(FolderEntries(deep), std::vector<Text>{"Work."});
}

// Locks and unlocks through the real layer with a password as long as the entry field allows.
TEST_F(Win32FileSystemTest, LongestPasswordRoundTrip) {
  ASSERT_TRUE(WriteWholeFile(Path("Work\\a.txt"), "alpha"));
  std::string password(32767, 'p');
  password[100] = ' ';
  ScriptedDialogue dialogue({password, password, password});
  Text folder = Path("Work");
  ProcessFolder(folder, files, dialogue);
  std::string stored;
  ASSERT_TRUE(ReadWholeFile(Path("Work.\\tavro.dat"), stored));  // taken literally: Work.
  EXPECT_EQ(stored, password);
  Text locked = Path("Work.");
  ProcessFolder(locked, files, dialogue);
  ASSERT_EQ(dialogue.record().size(), 5u);
  EXPECT_EQ(dialogue.record()[4], "message|0||解密成功！");
  EXPECT_EQ(FolderEntries(Path("Work")), std::vector<Text>{"a.txt"});
}

}  // namespace
}  // namespace folderlocker::testing
