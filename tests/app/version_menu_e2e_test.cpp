// The popup menu of the label "V1", opened with the real mouse and driven with the real keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "browser_log.h"
#include "core/web_page.h"
#include "e2e_steps.h"
#include "host_commands.h"

namespace folderlocker::testing {
namespace {

std::string Point(POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

class VersionMenuEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RunningUnderWine()) GTEST_SKIP() << "the mouse and keys come from xdotool";
    run = std::make_unique<ProgramRun>(L"");
    window = WaitForVisibleMainWindow(*run);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (run && run->WaitForExit(0) == std::nullopt) {
      EXPECT_EQ(CloseMainWindow(*run), 0u);
    }
  }

  // A point inside the label, in screen coordinates.
  POINT LabelPoint(int x = 11, int y = 11) {
    RECT label = RectIn(GetDlgItem(window, kLabelId), nullptr);
    return POINT{label.left + x, label.top + y};
  }

  // The popup menu of the program, once it shows; null if none shows within timeout_ms.
  HWND WaitForMenu(DWORD timeout_ms = 3000) {
    return WaitForWindow(
        [&](HWND candidate) {
          DWORD owner = 0;
          GetWindowThreadProcessId(candidate, &owner);
          return owner == run->id() && ClassOf(candidate) == L"#32768";
        },
        timeout_ms);
  }

  // Presses the left button on the label and lets it go again; returns the menu.
  HWND OpenMenuAt(POINT point) {
    if (!Xdotool("mousemove " + Point(point) + " sleep 0.1 mousedown 1")) return nullptr;
    HWND menu = WaitForMenu();
    Xdotool("mouseup 1");
    return menu;
  }

  std::unique_ptr<ProgramRun> run;
  HWND window = nullptr;
};

TEST_F(VersionMenuEndToEndTest, LeftPressOpensTheMenuRightOfAndBelowTheCursor) {
  const POINT press = LabelPoint();
  ASSERT_TRUE(Xdotool("mousemove " + Point(press) + " sleep 0.1 mousedown 1"));
  HWND menu = WaitForMenu();
  ASSERT_NE(menu, nullptr) << "the press itself opens the menu, before the button goes up";
  RECT place;
  GetWindowRect(menu, &place);
  EXPECT_EQ(place.left, press.x + 3);
  EXPECT_EQ(place.top, press.y + 3);
  Sleep(200);
  auto shot =
      RunHostCommand("mkdir -p '" FOLDERLOCKER_ARTIFACTS
                     "' && import -window root '" FOLDERLOCKER_ARTIFACTS "/version-menu.png'");
  EXPECT_TRUE(shot && shot->exit_code == 0);
  Xdotool("mouseup 1");
  EXPECT_TRUE(IsWindowVisible(menu)) << "letting the button go beside the menu keeps it open";
}

TEST_F(VersionMenuEndToEndTest, EachPressOpensAFreshMenuAtTheNewCursor) {
  const POINT first = LabelPoint(4, 6);
  const POINT second = LabelPoint(18, 15);
  RECT places[2];
  int i = 0;
  for (POINT press : {first, second}) {
    HWND menu = OpenMenuAt(press);
    ASSERT_NE(menu, nullptr);
    GetWindowRect(menu, &places[i++]);
    ASSERT_TRUE(Xdotool("key Escape"));
    ASSERT_TRUE(WaitUntilGone(menu, 3000));
  }
  EXPECT_EQ(places[0].left, first.x + 3);
  EXPECT_EQ(places[0].top, first.y + 3);
  EXPECT_EQ(places[1].left, second.x + 3);
  EXPECT_EQ(places[1].top, second.y + 3);
}

TEST_F(VersionMenuEndToEndTest, RightPressOpensNothing) {
  ASSERT_TRUE(
      Xdotool("mousemove " + Point(LabelPoint()) + " sleep 0.1 mousedown 3 sleep 0.2 mouseup 3"));
  EXPECT_EQ(WaitForMenu(1000), nullptr);
}

TEST_F(VersionMenuEndToEndTest, EscapeClosesTheMenuWithoutEffect) {
  BrowserLog browser;
  HWND menu = OpenMenuAt(LabelPoint());
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(Xdotool("key Escape"));
  EXPECT_TRUE(WaitUntilGone(menu, 3000));
  Sleep(500);
  EXPECT_EQ(run->WaitForExit(0), std::nullopt);
  EXPECT_TRUE(browser.WaitForAddresses(0, 0).empty());
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(VersionMenuEndToEndTest, ClickOutsideClosesTheMenuWithoutEffect) {
  BrowserLog browser;
  HWND menu = OpenMenuAt(LabelPoint());
  ASSERT_NE(menu, nullptr);
  RECT edit = RectIn(GetDlgItem(window, 1002), nullptr);
  ASSERT_TRUE(Xdotool("mousemove " + std::to_string(edit.left + 10) + " " +
                      std::to_string(edit.bottom - 10) + " click 1"));
  EXPECT_TRUE(WaitUntilGone(menu, 3000));
  Sleep(500);
  EXPECT_EQ(run->WaitForExit(0), std::nullopt);
  EXPECT_TRUE(browser.WaitForAddresses(0, 0).empty());
}

TEST_F(VersionMenuEndToEndTest, NearTheScreenEdgeTheMenuStaysOnScreen) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  ASSERT_TRUE(SetWindowPos(window, nullptr, width - 333, height - 233, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  Sleep(300);
  const POINT press = LabelPoint(8, 11);
  HWND menu = OpenMenuAt(press);
  ASSERT_NE(menu, nullptr);
  RECT place;
  GetWindowRect(menu, &place);
  EXPECT_LT(place.left, press.x + 3) << "the system moved the menu to keep it visible";
  EXPECT_LE(place.right, width);
  EXPECT_LE(place.bottom, height);
  EXPECT_GE(place.left, 0);
  Xdotool("key Escape");
}

TEST_F(VersionMenuEndToEndTest, ExitEndsTheProgramWithoutAsking) {
  ASSERT_NE(OpenMenuAt(LabelPoint()), nullptr);
  ASSERT_TRUE(Xdotool("key Down Return"));
  EXPECT_EQ(run->WaitForExit(), 0u);
  EXPECT_EQ(TopLevelWindows(run->id()), std::vector<HWND>{}) << "nothing asked before exit";
}

struct PageCase {
  const char* name;
  const char* keys;
  const char* address;
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class MenuPageTest : public VersionMenuEndToEndTest,
                     public ::testing::WithParamInterface<PageCase> {};

TEST_P(MenuPageTest, HandsItsAddressToTheBrowserOnce) {
  const PageCase& c = GetParam();
  BrowserLog browser;
  ASSERT_NE(OpenMenuAt(LabelPoint()), nullptr);
  ASSERT_TRUE(Xdotool(std::string("key ") + c.keys));
  EXPECT_EQ(browser.WaitForAddresses(1), std::vector<std::string>{c.address});
  Sleep(700);
  EXPECT_EQ(browser.WaitForAddresses(2, 0), std::vector<std::string>{c.address}) << "only once";
  EXPECT_EQ(run->WaitForExit(0), std::nullopt) << "the program goes on";
}

INSTANTIATE_TEST_SUITE_P(
    Pages, MenuPageTest,
    ::testing::Values(PageCase{"UpdatePage", "Down Down Return", UpdatePageUrl},
                      PageCase{"AboutPage", "Down Down Down Return", AboutPageUrl}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace folderlocker::testing
