// The program started on a folder, answered through its real password prompts and message boxes
// from outside its process, with the disk checked after each run.
#include <windows.h>

#include <gtest/gtest.h>

#include "host_commands.h"
#include "program_run.h"
#include "temp_folder.h"
#include "window_driver.h"

namespace folderlocker::testing {
namespace {

constexpr int kPromptText = 1128;

std::wstring Quoted(const Text& path) { return L"\"" + Widen(path) + L"\""; }

// Answers the next prompt of run with entry; returns the prompt's text.
std::wstring AnswerNextPrompt(const ProgramRun& run, const std::wstring& caption,
                              const std::wstring& entry) {
  HWND prompt = WaitForCaption(run.id(), caption, L"#32770");
  if (!prompt) return L"<no prompt captioned " + caption + L">";
  std::wstring text = TextOf(GetDlgItem(prompt, kPromptText));
  AnswerPrompt(prompt, entry, true);
  WaitUntilGone(prompt);
  return text;
}

// Dismisses the next message box of run; returns what it showed.
MessageBoxView DismissNextMessage(const ProgramRun& run, const std::wstring& caption) {
  HWND box = WaitForCaption(run.id(), caption, L"#32770");
  if (!box) return {L"<no box captioned " + caption + L">", L"", false};
  MessageBoxView view = ReadMessageBox(box);
  PressButton(box, IDOK);
  return view;
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
    MessageBoxView done = DismissNextMessage(run, L"信息：");
    EXPECT_EQ(done.text, L"加密成功！");
    EXPECT_FALSE(done.has_icon);
    EXPECT_EQ(run.WaitForExit(), 0u);
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
    EXPECT_EQ(run.WaitForExit(), 0u);
  }
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work"});
  EXPECT_EQ(FolderEntries(work), (std::vector<Text>{"a.txt", "sub"}));
  std::string content;
  ASSERT_TRUE(ReadWholeFile(work + "\\sub\\b.bin", content));
  EXPECT_EQ(content, std::string("b\0c", 3));
}

TEST(LockDialogueEndToEndTest, WrongPasswordIsRefusedWithAnErrorBox) {
  TempFolder temp;
  const Text locked = temp.path() + "\\Work.";
  ASSERT_TRUE(WriteWholeFile(locked + "\\tavro.dat", "right"));
  ProgramRun run(Quoted(locked));
  AnswerNextPrompt(run, L"录入密码", L"wrong");
  MessageBoxView refusal = DismissNextMessage(run, L"密码错误");
  EXPECT_EQ(refusal.text, L"密码不正确，请重新录入！");
  EXPECT_TRUE(refusal.has_icon);
  EXPECT_EQ(run.WaitForExit(), 0u);
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work."});
}

}  // namespace
}  // namespace folderlocker::testing
