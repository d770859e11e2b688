// The version label's popup menu and its commands, in process.
#include "ui/version_menu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "browser_log.h"
#include "core/web_page.h"
#include "dialog_thread.h"

namespace folderlocker::testing {
namespace {

TEST(VersionMenuTest, HoldsTheThreeItemsOfTheHiddenMenuInOrder) {
  ScopedMenu menu = BuildVersionMenu();
  ASSERT_TRUE(menu.valid());
  ASSERT_EQ(GetMenuItemCount(menu.get()), 3);
  const struct {
    UINT command;
    const char* text;
  } expected[] = {
      {kCommandExit, "退出"}, {kCommandUpdatePage, "本软件更新"}, {kCommandAbout, "关于砚池听松"}};
  for (int i = 0; i < 3; ++i) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    char text[64] = {};
    item.dwTypeData = text;
    item.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(menu.get(), i, TRUE, &item));
    EXPECT_EQ(item.wID, expected[i].command);
    EXPECT_STREQ(text, expected[i].text) << "no shortcut key either";
    EXPECT_EQ(item.fType, static_cast<UINT>(MFT_STRING)) << "no separator";
    EXPECT_EQ(item.fState & (MFS_DISABLED | MFS_CHECKED), 0u);
    EXPECT_EQ(item.hSubMenu, nullptr);
  }
}

// Exit only asks: the window destroys itself when it takes the request from its queue.
TEST(VersionMenuTest, ExitPostsTheDestroyRequest) {
  HWND window = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(RunMenuCommand(window, kCommandExit));
  EXPECT_TRUE(IsWindow(window));
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, window, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, kDestroyRequest);
  EXPECT_FALSE(PeekMessageW(&message, window, 0, 0, PM_REMOVE)) << "nothing else was posted";
  DestroyWindow(window);
}

TEST(VersionMenuTest, PageCommandsHandTheirAddressToTheBrowser) {
  BrowserLog browser;
  EXPECT_TRUE(RunMenuCommand(nullptr, kCommandUpdatePage));
  EXPECT_EQ(browser.WaitForAddresses(1), std::vector<std::string>{UpdatePageUrl});
  BrowserLog later;
  EXPECT_TRUE(RunMenuCommand(nullptr, kCommandAbout));
  EXPECT_EQ(later.WaitForAddresses(1), std::vector<std::string>{AboutPageUrl});
  EXPECT_FALSE(RunMenuCommand(nullptr, 1));
}

}  // namespace
}  // namespace folderlocker::testing
