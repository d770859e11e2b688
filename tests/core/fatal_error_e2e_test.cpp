// The fatal error box as the user sees it, and the exit code that follows.
#include <windows.h>

#include <gtest/gtest.h>

#include "host_commands.h"
#include "program_run.h"
#include "window_driver.h"

namespace folderlocker::testing {
namespace {

TEST(FatalErrorEndToEndTest, ShowsTheErrorBoxThenEndsWithMinusOne) {
  struct Case {
    std::wstring arguments;
    std::wstring text;
  } cases[] = {
      {L"0 载入启动窗口失败", L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {L"1 数组成员引用下标超出定义范围",
       L"运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run(c.arguments, L"", DosPathOf(FOLDERLOCKER_FATAL_ERROR_PROBE));
    HWND box = WaitForCaption(run.id(), L"错误", L"#32770");
    ASSERT_NE(box, nullptr);
    MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, c.text);
    EXPECT_TRUE(view.has_icon);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(run.WaitForExit(500), std::nullopt) << "the process waits for the box";
    PressButton(box, IDOK);
    EXPECT_EQ(run.WaitForExit(), 0xFFFFFFFFu);
  }
}

}  // namespace
}  // namespace folderlocker::testing
