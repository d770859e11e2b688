// The program started on a folder, answered through its real password prompts and message boxes
// from outside its process, with the disk checked after each run. All of it happens before the
// main window shows.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/web_page.h"
#include "e2e_steps.h"
#include "host_commands.h"
#include "temp_folder.h"

namespace folderlocker::testing {
namespace {

std::wstring Quoted(const Text& path) { return L"\"" + Widen(path) + L"\""; }

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

TEST(LockDialogueEndToEndTest, WrongPasswordIsRefusedThenTheUpdatePageOpens) {
  TempFolder temp;
  const Text locked = temp.path() + "\\Work.";
  ASSERT_TRUE(WriteWholeFile(locked + "\\tavro.dat", "right"));
  BrowserLog browser;
  ProgramRun run(Quoted(locked));
  AnswerNextPrompt(run, L"录入密码", L"wrong");
  HWND box = WaitForCaption(run.id(), L"密码错误", L"#32770");
  ASSERT_NE(box, nullptr);
  Sleep(500);
  EXPECT_TRUE(browser.WaitForAddresses(0, 0).empty()) << "no page before the box is dismissed";
  MessageBoxView refusal = ReadMessageBox(box);
  EXPECT_EQ(refusal.text, L"密码不正确，请重新录入！");
  EXPECT_TRUE(refusal.has_icon);
  PressButton(box, IDOK);
  EXPECT_EQ(browser.WaitForAddresses(1), std::vector<std::string>{UpdatePageUrl});
  EXPECT_NE(WaitForVisibleMainWindow(run), nullptr);
  EXPECT_EQ(CloseMainWindow(run), 0u);
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work."});
}

}  // namespace
}  // namespace folderlocker::testing
