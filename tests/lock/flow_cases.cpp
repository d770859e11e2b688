#include "flow_cases.h"

#include <algorithm>
#include <ostream>

#include "core/web_page.h"

namespace folderlocker::testing {

void PrintTo(const FlowCase& c, std::ostream* os) { *os << c.name; }

Lines SortedListing(Lines lines) {
  // Sorted by what follows the five-byte kind: the location.
  std::sort(lines.begin(), lines.end(),
            [](const std::string& a, const std::string& b) { return a.substr(5) < b.substr(5); });
  return lines;
}

namespace {

// The user's folder: a file, a subfolder with binary content.
void AddWork(FixtureDisk& files, const Text& path = "D:\\Work") {
  files.AddDirectory(path);
  files.AddFile(path + "\\a.txt", "alpha");
  files.AddFile(path + "\\sub\\b.bin", std::string("be\0ta\r\n", 7));
}

// What AddWork leaves under folder, plus extra lines, as Listing shows it.
Lines WorkListing(const Text& folder, Lines extra = {}) {
  Lines lines = {"dir  " + folder, "file " + folder + "\\a.txt = alpha", "dir  " + folder + "\\sub",
                 "file " + folder + "\\sub\\b.bin = " + std::string("be\0ta\r\n", 7)};
  lines.insert(lines.end(), extra.begin(), extra.end());
  return SortedListing(lines);
}

void AddLockedWork(FixtureDisk& files, const std::string& password_file = "abc") {
  AddWork(files, "D:\\Work.");
  files.AddFile("D:\\Work.\\tavro.dat", password_file);
}

const std::string kUpdatePage = std::string("web|") + UpdatePageUrl;

const std::string kLockPrompt1 = "prompt|输入密码|请输入\"D:\\Work\"要加密的密码";
const std::string kLockPrompt2 = "prompt|输入密码|请再次输入\"D:\\Work\"密码：";
const std::string kUnlockPrompt = "prompt|录入密码|请输入\"D:\\Work\"文件夹的解密密码";
const std::string kLocked = "message|0||加密成功！";
const std::string kUnlocked = "message|0||解密成功！";
const std::string kLockMoveFailed = "message|16|加密失败|加密失败，无法重命名该文件夹。";
const std::string kLockWriteFailed = "message|16|加密失败|加密失败，无法写入密码文件。";

}  // namespace

const std::vector<FlowCase>& LockCases() {
  static const std::vector<FlowCase> cases = {
      FlowCase{"LocksWithTwoEqualEntries",
               [](auto& f) { AddWork(f); },
               "D:\\Work",
               {"abc", "abc"},
               {kLockPrompt1, kLockPrompt2, kLocked},
               WorkListing("D:\\Work.", {"file D:\\Work.\\tavro.dat = abc"}),
               "D:\\Work"},
      FlowCase{"KeepsSpacesAndGbkOfThePassword",
               [](auto& f) { AddWork(f); },
               "D:\\Work",
               {" 密 码 ", " 密 码 "},
               {kLockPrompt1, kLockPrompt2, kLocked},
               WorkListing("D:\\Work.", {"file D:\\Work.\\tavro.dat =  密 码 "}),
               "D:\\Work"},
      FlowCase{"CancelAtFirstPrompt",
               [](auto& f) { AddWork(f); },
               "D:\\Work",
               {std::nullopt},
               {kLockPrompt1},
               WorkListing("D:\\Work"),
               "D:\\Work"},
      FlowCase{"CancelAtSecondPrompt",
               [](auto& f) { AddWork(f); },
               "D:\\Work",
               {"abc", std::nullopt},
               {kLockPrompt1, kLockPrompt2},
               WorkListing("D:\\Work"),
               "D:\\Work"},
      FlowCase{
          "DifferingEntries",
          [](auto& f) { AddWork(f); },
          "D:\\Work",
          {"abc", "abC"},
          {kLockPrompt1, kLockPrompt2, "message|16|密码错误！|两次输入密码不相同。", kUpdatePage},
          WorkListing("D:\\Work"),
          "D:\\Work"},
      FlowCase{
          "OneEntryEmptyCountsAsDiffering",
          [](auto& f) { AddWork(f); },
          "D:\\Work",
          {"", "abc"},
          {kLockPrompt1, kLockPrompt2, "message|16|密码错误！|两次输入密码不相同。", kUpdatePage},
          WorkListing("D:\\Work"),
          "D:\\Work"},
      FlowCase{"BothEntriesEmpty",
               [](auto& f) { AddWork(f); },
               "D:\\Work",
               {"", ""},
               {kLockPrompt1, kLockPrompt2, "message|16|密码不能为空！|不录入密码不能加密。",
                kUpdatePage},
               WorkListing("D:\\Work"),
               "D:\\Work"},
      FlowCase{"OnlyTheFirstOfSeveralNames",
               [](auto& f) {
                 AddWork(f);
                 f.AddDirectory("D:\\Other");
               },
               "D:\\Work\r\nD:\\Other\r\n",
               {"abc", "abc"},
               {kLockPrompt1, kLockPrompt2, kLocked},
               WorkListing("D:\\Work.", {"dir  D:\\Other", "file D:\\Work.\\tavro.dat = abc"}),
               "D:\\Work"},
      FlowCase{"AFileIsNotAFolder",
               [](auto& f) { f.AddFile("D:\\file.txt", "x"); },
               "D:\\file.txt",
               {},
               {},
               {"file D:\\file.txt = x"},
               "D:\\file.txt"},
      FlowCase{"GbkNameEndingInDoubleByteCharacter",
               [](auto& f) { AddWork(f, "D:\\文件锁"); },
               "D:\\文件锁",
               {"pw", "pw"},
               {"prompt|输入密码|请输入\"D:\\文件锁\"要加密的密码",
                "prompt|输入密码|请再次输入\"D:\\文件锁\"密码：", kLocked},
               WorkListing("D:\\文件锁.", {"file D:\\文件锁.\\tavro.dat = pw"}),
               "D:\\文件锁"},
      FlowCase{"NameWithTrailByteBackslash",
               [](auto& f) { AddWork(f, "D:\\\x81\\"); },
               "D:\\\x81\\",
               {"pw", "pw"},
               {"prompt|输入密码|请输入\"D:\\\x81\\\"要加密的密码",
                "prompt|输入密码|请再次输入\"D:\\\x81\\\"密码：", kLocked},
               WorkListing("D:\\\x81\\.", {"file D:\\\x81\\.\\tavro.dat = pw"}),
               "D:\\\x81\\"},
      // A folder that already holds a tavro.dat with an empty first line: the user's file is
      // never overwritten.
      FlowCase{"ExistingPasswordFileWithEmptyFirstLineKept",
               [](auto& f) {
                 AddWork(f);
                 f.AddFile("D:\\Work\\tavro.dat", "\nnotes");
               },
               "D:\\Work",
               {"abc", "abc"},
               {kLockPrompt1, kLockPrompt2, kLockWriteFailed},
               WorkListing("D:\\Work", {"file D:\\Work\\tavro.dat = \nnotes"}),
               "D:\\Work"},
      FlowCase{"PasswordThatIsNotItsOwnFirstLine",
               [](auto& f) { AddWork(f); },
               "D:\\Work",
               {"ab\x1a"
                "c",
                "ab\x1a"
                "c"},
               {kLockPrompt1, kLockPrompt2,
                "message|16|加密失败|密码中含有无法保存到密码文件中的字符，文件夹未加密。"},
               WorkListing("D:\\Work"),
               "D:\\Work"}};
  return cases;
}

const std::vector<FlowCase>& UnlockCases() {
  static const std::vector<FlowCase> cases = {
      FlowCase{"UnlocksWithTheStoredPassword",
               [](auto& f) { AddLockedWork(f); },
               "D:\\Work.",
               {"abc"},
               {kUnlockPrompt, kUnlocked},
               WorkListing("D:\\Work"),
               "D:\\Work."},
      FlowCase{"WrongPassword",
               [](auto& f) { AddLockedWork(f); },
               "D:\\Work.",
               {"abd"},
               {kUnlockPrompt, "message|16|密码错误|密码不正确，请重新录入！", kUpdatePage},
               WorkListing("D:\\Work.", {"file D:\\Work.\\tavro.dat = abc"}),
               "D:\\Work."},
      FlowCase{"Cancel",
               [](auto& f) { AddLockedWork(f); },
               "D:\\Work.",
               {std::nullopt},
               {kUnlockPrompt},
               WorkListing("D:\\Work.", {"file D:\\Work.\\tavro.dat = abc"}),
               "D:\\Work."},
      FlowCase{"OnlyTheFirstLineWithoutItsCrCounts",
               [](auto& f) { AddLockedWork(f, "abc\r\nsecond line"); },
               "D:\\Work.",
               {"abc"},
               {kUnlockPrompt, kUnlocked},
               WorkListing("D:\\Work"),
               "D:\\Work."},
      FlowCase{"ComparedCaseSensitively",
               [](auto& f) { AddLockedWork(f); },
               "D:\\Work.",
               {"ABC"},
               {kUnlockPrompt, "message|16|密码错误|密码不正确，请重新录入！", kUpdatePage},
               WorkListing("D:\\Work.", {"file D:\\Work.\\tavro.dat = abc"}),
               "D:\\Work."},
      FlowCase{"GbkName",
               [](auto& f) {
                 AddWork(f, "D:\\文件锁.");
                 f.AddFile("D:\\文件锁.\\tavro.dat", "密码");
               },
               "D:\\文件锁.",
               {"密码"},
               {"prompt|录入密码|请输入\"D:\\文件锁\"文件夹的解密密码", kUnlocked},
               WorkListing("D:\\文件锁"),
               "D:\\文件锁."},
      // A folder of the former name exists again: nothing moves, nothing is deleted.
      FlowCase{"FormerNameTaken",
               [](auto& f) {
                 AddLockedWork(f);
                 f.AddDirectory("D:\\Work");
               },
               "D:\\Work.",
               {"abc"},
               {kUnlockPrompt, "message|16|解密失败|解密失败，无法恢复文件夹原名。"},
               WorkListing("D:\\Work.", {"dir  D:\\Work", "file D:\\Work.\\tavro.dat = abc"}),
               "D:\\Work."},
      FlowCase{"PasswordFileCannotBeDeleted",
               [](auto& f) { AddLockedWork(f); },
               "D:\\Work.",
               {"abc"},
               {kUnlockPrompt, "message|48||解密成功，但无法删除密码文件tavro.dat。"},
               WorkListing("D:\\Work", {"file D:\\Work\\tavro.dat = abc"}),
               "D:\\Work.",
               [](FileOperation op, const Text&) { return op == FileOperation::kDelete; }}};
  return cases;
}

const std::vector<FlowCase>& FaultCases() {
  static const std::vector<FlowCase> cases = {
      FlowCase{"EmptyInputDoesNothing",
               [](auto& f) { AddWork(f); },
               "",
               {},
               {},
               WorkListing("D:\\Work"),
               ""},
      FlowCase{"EmptyFirstNameDoesNothing",
               [](auto& f) { AddWork(f); },
               "\r\nD:\\Work\r\n",
               {},
               {},
               WorkListing("D:\\Work"),
               ""},
      FlowCase{"PathThatNamesNothing",
               nullptr,
               "D:\\Nothing",
               {"abc", "abc"},
               {"prompt|输入密码|请输入\"D:\\Nothing\"要加密的密码",
                "prompt|输入密码|请再次输入\"D:\\Nothing\"密码：", kLockMoveFailed},
               {},
               "D:\\Nothing"},
      FlowCase{"PathEndingInBackslash",
               [](auto& f) { AddWork(f); },
               "D:\\Work\\",
               {"abc", "abc"},
               {"prompt|输入密码|请输入\"D:\\Work\\\"要加密的密码",
                "prompt|输入密码|请再次输入\"D:\\Work\\\"密码：", kLockMoveFailed},
               WorkListing("D:\\Work"),
               "D:\\Work\\"},
      FlowCase{"DriveRootWithoutPasswordFile",
               [](auto& f) { AddWork(f); },
               "D:\\",
               {"abc", "abc"},
               {"prompt|输入密码|请输入\"D:\\\"要加密的密码",
                "prompt|输入密码|请再次输入\"D:\\\"密码：", kLockMoveFailed},
               WorkListing("D:\\Work"),
               "D:\\"},
      // Anything with a password file that does not end in a period is not a locked folder:
      // no prompt, nothing moved or deleted.
      FlowCase{"DriveRootWithPasswordFile",
               [](auto& f) {
                 AddWork(f);
                 f.AddFile("D:\\tavro.dat", "pw");
               },
               "D:\\",
               {},
               {"message|16|无法解密|该文件夹并未加密，但其中已有密码文件tavro.dat。"},
               WorkListing("D:\\Work", {"file D:\\tavro.dat = pw"}),
               "D:\\"},
      FlowCase{"UnlockedFolderHoldingPasswordFile",
               [](auto& f) {
                 AddWork(f);
                 f.AddFile("D:\\Work\\tavro.dat", "pw");
               },
               "D:\\Work",
               {},
               {"message|16|无法解密|该文件夹并未加密，但其中已有密码文件tavro.dat。"},
               WorkListing("D:\\Work", {"file D:\\Work\\tavro.dat = pw"}),
               "D:\\Work"},
      FlowCase{"PathEndingInBackslashWithPasswordFile",
               [](auto& f) {
                 AddWork(f);
                 f.AddFile("D:\\Work\\tavro.dat", "pw");
               },
               "D:\\Work\\",
               {},
               {"message|16|无法解密|该文件夹并未加密，但其中已有密码文件tavro.dat。"},
               WorkListing("D:\\Work", {"file D:\\Work\\tavro.dat = pw"}),
               "D:\\Work\\"},
      // Held open with no sharing, the password file reads as absent; locking the locked name
      // then fails at the move and says so.
      FlowCase{"PasswordFileHeldOpen",
               [](auto& f) {
                 AddLockedWork(f);
                 f.HoldOpen("D:\\Work.\\tavro.dat");
               },
               "D:\\Work.",
               {"abc", "abc"},
               {"prompt|输入密码|请输入\"D:\\Work.\"要加密的密码",
                "prompt|输入密码|请再次输入\"D:\\Work.\"密码：", kLockMoveFailed},
               WorkListing("D:\\Work.", {"file D:\\Work.\\tavro.dat = abc"}),
               "D:\\Work."},
      FlowCase{"FolderHeldOpen",
               [](auto& f) {
                 AddWork(f);
                 f.HoldOpen("D:\\Work");
               },
               "D:\\Work",
               {"abc", "abc"},
               {kLockPrompt1, kLockPrompt2, kLockMoveFailed},
               WorkListing("D:\\Work"),
               "D:\\Work"},
      // A folder named tavro.dat blocks the password file: the folder is moved back.
      FlowCase{"PasswordFileCannotBeWritten",
               [](auto& f) {
                 AddWork(f);
                 f.AddDirectory("D:\\Work\\tavro.dat");
               },
               "D:\\Work",
               {"abc", "abc"},
               {kLockPrompt1, kLockPrompt2, kLockWriteFailed},
               WorkListing("D:\\Work", {"dir  D:\\Work\\tavro.dat"}),
               "D:\\Work"},
      FlowCase{"NeitherWriteNorMoveBack",
               [](auto& f) { AddWork(f); },
               "D:\\Work",
               {"abc", "abc"},
               {kLockPrompt1, kLockPrompt2,
                "message|16|加密失败|加密失败，无法写入密码文件，也无法恢复文件夹原名。\r\n"
                "文件夹现在名为\"D:\\Work.\"，处于加密状态但其中没有密码文件。"},
               WorkListing("D:\\Work."),
               "D:\\Work",
               [](FileOperation op, const Text& path) {
                 return op == FileOperation::kWrite ||
                        (op == FileOperation::kMove && path == "D:\\Work..\\");
               }}};
  return cases;
}

}  // namespace folderlocker::testing
