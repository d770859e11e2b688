// The program started on a folder, answered through its real password prompts and message boxes
// from outside its process, with the disk checked after each run. All of it happens before the
// main window shows.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/web_page.h"
#include "browser_log.h"
#include "e2e_steps.h"
#include "host_commands.h"
#include "temp_folder.h"

namespace folderlocker::testing {
namespace {

// The main window exists but stays hidden while run talks to the user.
void ExpectHiddenMainWindow(const ProgramRun& run) {
  HWND window = FindMainWindow(run, 2000);
  ASSERT_NE(window, nullptr) << "the window is created before the start-up argument is handled";
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST(LockDialogueEndToEndTest, LocksAndUnlocksThroughTheRealDialogs) {
  TempFolder temp;
  const Text work = temp.path() + "\\Work";
  ASSERT_TRUE(WriteWholeFile(work + "\\a.txt", "alpha"));
  ASSERT_TRUE(WriteWholeFile(work + "\\sub\\b.bin", std::string("b\0c", 3)));

  {
    ProgramRun run(Quoted(work));
    ASSERT_TRUE(run.started());
    HWND prompt = WaitForCaption(run.id(), L"输入密码", L"#32770");
    ASSERT_NE(prompt, nullptr);
    ExpectHiddenMainWindow(run);
    EXPECT_EQ(TextOf(GetDlgItem(prompt, kPromptText)),
              L"请输入\"" + Widen(work) + L"\"要加密的密码");
    if (RunningUnderWine()) {
      auto shot = RunHostCommand("mkdir -p '" FOLDERLOCKER_ARTIFACTS
                                 "' && import -window root '" FOLDERLOCKER_ARTIFACTS
                                 "/password-prompt.png'");
      EXPECT_TRUE(shot && shot->exit_code == 0) << (shot ? shot->output : "not run");
    }
    AnswerPrompt(prompt, L"口令 1", true);
    WaitUntilGone(prompt);
    EXPECT_EQ(AnswerNextPrompt(run, L"输入密码", L"口令 1"),
              L"请再次输入\"" + Widen(work) + L"\"密码：");
    ExpectHiddenMainWindow(run);
    MessageBoxView done = DismissNextMessage(run, L"信息：");
    EXPECT_EQ(done.text, L"加密成功！");
    EXPECT_FALSE(done.has_icon);
    EXPECT_NE(WaitForVisibleMainWindow(run), nullptr) << "the window shows once the lock is done";
    EXPECT_EQ(CloseMainWindow(run), 0u);
  }
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work."});
  std::string stored;
  ASSERT_TRUE(ReadWholeFile(work + ".\\tavro.dat", stored));
  EXPECT_EQ(stored, "口令 1");  // GBK bytes, no line end

  {
    ProgramRun run(Quoted(work + "."));
    EXPECT_EQ(AnswerNextPrompt(run, L"录入密码", L"口令 1"),
              L"请输入\"" + Widen(work) + L"\"文件夹的解密密码");
    EXPECT_EQ(DismissNextMessage(run, L"信息：").text, L"解密成功！");
    EXPECT_NE(WaitForVisibleMainWindow(run), nullptr);
    EXPECT_EQ(CloseMainWindow(run), 0u);
  }
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work"});
  EXPECT_EQ(FolderEntries(work), (std::vector<Text>{"a.txt", "sub"}));
  std::string content;
  ASSERT_TRUE(ReadWholeFile(work + "\\sub\\b.bin", content));
  EXPECT_EQ(content, std::string("b\0c", 3));
}

// Every refusal shows its error box, and only once the box is dismissed does the update page
// open, once; nothing on disk changes.
struct RefusalCase {
  const char* name;
  const char* folder;  // below the temporary folder; a name ending in a period is locked
  std::vector<std::pair<std::wstring, std::wstring>> answers;  // prompt caption, entry
  std::wstring caption;
  std::wstring text;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, ErrorBoxThenTheUpdatePageOnce) {
  const RefusalCase& c = GetParam();
  TempFolder temp;
  const Text folder = temp.path() + "\\" + c.folder;
  const bool locked = folder.back() == '.';
  ASSERT_TRUE(locked ? WriteWholeFile(folder + "\\tavro.dat", "right") : CreateFolders(folder));
  const std::vector<Text> before = FolderEntries(temp.path());
  BrowserLog browser;
  ProgramRun run(Quoted(folder));
  for (const auto& [caption, entry] : c.answers) AnswerNextPrompt(run, caption, entry);
  HWND box = WaitForCaption(run.id(), c.caption, L"#32770");
  ASSERT_NE(box, nullptr);
  Sleep(500);
  EXPECT_TRUE(browser.WaitForAddresses(0, 0).empty()) << "no page before the box is dismissed";
  MessageBoxView refusal = ReadMessageBox(box);
  EXPECT_EQ(refusal.text, c.text);
  EXPECT_TRUE(refusal.has_icon);
  PressButton(box, IDOK);
  EXPECT_EQ(browser.WaitForAddresses(1), std::vector<std::string>{UpdatePageUrl});
  EXPECT_NE(WaitForVisibleMainWindow(run), nullptr);
  Sleep(500);
  EXPECT_EQ(browser.WaitForAddresses(2, 0), std::vector<std::string>{UpdatePageUrl})
      << "the page opens once";
  EXPECT_EQ(CloseMainWindow(run), 0u);
  EXPECT_EQ(FolderEntries(temp.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusalTest,
                         ::testing::Values(RefusalCase{"WrongPassword",
                                                       "Work.",
                                                       {{L"录入密码", L"wrong"}},
                                                       L"密码错误",
                                                       L"密码不正确，请重新录入！"},
                                           RefusalCase{
                                               "DifferingEntries",
                                               "Work",
                                               {{L"输入密码", L"one"}, {L"输入密码", L"two"}},
                                               L"密码错误！",
                                               L"两次输入密码不相同。"},
                                           RefusalCase{"EmptyPassword",
                                                       "Work",
                                                       {{L"输入密码", L""}, {L"输入密码", L""}},
                                                       L"密码不能为空！",
                                                       L"不录入密码不能加密。"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace folderlocker::testing
