// The message box, shown for real and dismissed from a second thread.
#include "ui/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "dialog_thread.h"

namespace folderlocker::testing {
namespace {

struct MessageCase {
  const char* name;
  Text message;
  std::uint32_t flags;
  Text title;
  std::wstring caption;
  std::wstring text;
  bool icon;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class ShowMessageTest : public ::testing::TestWithParam<MessageCase> {};

// Every box is task-modal: the thread's other windows are disabled while it is open.
TEST_P(ShowMessageTest, ShowsTaskModalBox) {
  const MessageCase& c = GetParam();
  HWND window = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  MessageBoxView view;
  BOOL enabled_while_open = TRUE;
  HWND owner = reinterpret_cast<HWND>(1);
  DialogAnswerer answerer(c.caption, [&](HWND box) {
    view = ReadMessageBox(box);
    enabled_while_open = IsWindowEnabled(window);
    owner = GetWindow(box, GW_OWNER);
    PressButton(box, IDOK);
  });
  ShowMessage(c.message, c.flags, c.title);
  ASSERT_TRUE(answerer.Join()) << "no box captioned as expected";
  EXPECT_EQ(view.text, c.text);
  EXPECT_EQ(view.has_icon, c.icon);
  EXPECT_FALSE(enabled_while_open);
  EXPECT_EQ(owner, nullptr);
  EXPECT_TRUE(IsWindowEnabled(window));
  DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ShowMessageTest,
    ::testing::Values(
        MessageCase{"ErrorWithTitle", "密码不正确，请重新录入！", 16, "密码错误", L"密码错误",
                    L"密码不正确，请重新录入！", true},
        MessageCase{"PlainWithDefaultTitle", "加密成功！", 0, "", L"信息：", L"加密成功！", false},
        MessageCase{"WarningWithDefaultTitle", "解密成功，但无法删除密码文件tavro.dat。", 48, "",
                    L"信息：", L"解密成功，但无法删除密码文件tavro.dat。", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace folderlocker::testing
