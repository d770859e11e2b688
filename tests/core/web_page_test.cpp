// The maker's pages, handed to the user's browser.
#include "core/web_page.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "browser_log.h"

namespace folderlocker::testing {
namespace {

TEST(WebPageTest, AddressesPointAtTheMakersPages) {
  const std::string update = UpdatePageUrl;
  const std::string about = AboutPageUrl;
  ASSERT_EQ(update.rfind("http://", 0), 0u);
  const std::string host = update.substr(7, update.find('/', 7) - 7);
  EXPECT_FALSE(host.empty());
  EXPECT_EQ(update, "http://" + host + "/thread-12533-1-1.html");
  EXPECT_EQ(about, "http://" + host + "/thread-9282-1-1.html");
}

// A window titled "Microsoft Internet Explorer" becomes the owner of any shell message; the page
// opens either way.
TEST(WebPageTest, OpensThePageWithOrWithoutTheExplorerWindow) {
  for (bool with_window : {false, true}) {
    HWND explorer = nullptr;
    if (with_window) {
      explorer = CreateWindowExW(0, L"STATIC", L"Microsoft Internet Explorer", WS_OVERLAPPED, 0, 0,
                                 100, 100, nullptr, nullptr, nullptr, nullptr);
      ASSERT_EQ(FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer"), explorer);
    }
    BrowserLog browser;
    OpenWebPage(AboutPageUrl);
    EXPECT_EQ(browser.WaitForAddresses(1), std::vector<std::string>{AboutPageUrl})
        << (with_window ? "with" : "without") << " the explorer window";
    if (explorer) DestroyWindow(explorer);
  }
}

}  // namespace
}  // namespace folderlocker::testing
