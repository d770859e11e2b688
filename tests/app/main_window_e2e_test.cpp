// The main window as the user meets it: its form, the keyboard, the start-up argument and folders
// dragged onto it, all driven from outside the program's process.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/web_page.h"
#include "browser_log.h"
#include "e2e_steps.h"
#include "host_commands.h"
#include "temp_folder.h"

#include <memory>
#include <thread>

namespace folderlocker::testing {
namespace {

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

TEST(MainWindowEndToEndTest, WindowAsItsFormDescribesIt) {
  ProgramRun run(L"");
  HWND window = WaitForVisibleMainWindow(run);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(TextOf(window), kMainWindowCaption);

  RECT outer;
  GetWindowRect(window, &outer);
  const RECT expected{(GetSystemMetrics(SM_CXSCREEN) - 333) / 2,
                      (GetSystemMetrics(SM_CYSCREEN) - 233) / 2, 0, 0};
  EXPECT_TRUE(
      SameRect(outer, RECT{expected.left, expected.top, expected.left + 333, expected.top + 233}))
      << Describe(outer);

  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE),
            WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE);
  EXPECT_EQ(
      style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP),
      0);
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0)
      << "no extended style of our own (the system adds the window edge of a caption)";
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_NE(GetMenu(window), nullptr) << "a menu bar, empty: its only menu is hidden";
  if (RunningUnderWine()) {
    // Wine hands the big and the small icon to the X window; WM_GETICON does not cross
    // processes there.
    auto icons =
        RunHostCommand("xprop -id \"$(xdotool search --name '^" +
                       std::string(kMainWindowCaptionUtf8) + "$' | head -n 1)\" _NET_WM_ICON");
    ASSERT_TRUE(icons.has_value());
    EXPECT_NE(icons->output.find("Icon (32 x 32)"), std::string::npos) << icons->output;
    EXPECT_NE(icons->output.find("Icon (16 x 16)"), std::string::npos) << icons->output;
  }

  HWND edit = GetDlgItem(window, kEditId);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(ClassOf(edit), L"Edit");
  EXPECT_TRUE(SameRect(RectIn(edit, window), RECT{23, 33, 23 + 283, 33 + 133}))
      << Describe(RectIn(edit, window));
  EXPECT_EQ(TextOf(edit), L"请直接拖拽文件夹到这里。。。");
  const LONG edit_style = GetWindowLongW(edit, GWL_STYLE);
  EXPECT_EQ(edit_style & (ES_AUTOHSCROLL | ES_CENTER | WS_VISIBLE | WS_CHILD),
            ES_AUTOHSCROLL | ES_CENTER | WS_VISIBLE | WS_CHILD);
  EXPECT_EQ(edit_style & (ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE |
                          ES_NOHIDESEL | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL),
            0);
  EXPECT_EQ(GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
  EXPECT_GE(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no length limit";
  DWORD start = 1, end = 1;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);

  HWND label = GetDlgItem(window, kLabelId);
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(SameRect(RectIn(label, window), RECT{308, -3, 308 + 23, -3 + 23}))
      << Describe(RectIn(label, window));
  EXPECT_EQ(TextOf(label), L"V1");
  EXPECT_EQ(GetWindowLongW(label, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE), WS_VISIBLE);

  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  EXPECT_EQ(info.hwndActive, window);
  EXPECT_NE(info.hwndFocus, edit) << "no control takes the focus";

  if (RunningUnderWine()) {
    Sleep(300);  // let the window paint
    auto shot =
        RunHostCommand("mkdir -p '" FOLDERLOCKER_ARTIFACTS
                       "' && import -window root '" FOLDERLOCKER_ARTIFACTS "/main-window.png'");
    EXPECT_TRUE(shot && shot->exit_code == 0) << (shot ? shot->output : "not run");
  }
  EXPECT_EQ(CloseMainWindow(run), 0u);
}

TEST(MainWindowEndToEndTest, EscapeClosesShiftEscapeDoesNot) {
  if (!RunningUnderWine()) GTEST_SKIP() << "real keys come from xdotool";
  ProgramRun run(L"");
  HWND window = WaitForVisibleMainWindow(run);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(FocusWindowNamed(std::string(kMainWindowCaptionUtf8)));
  ASSERT_TRUE(Xdotool("key shift+Escape"));
  ASSERT_TRUE(Xdotool("key ctrl+Escape"));
  EXPECT_EQ(run.WaitForExit(1000), std::nullopt) << "Esc with Shift or Ctrl closes nothing";
  ASSERT_TRUE(Xdotool("key Escape"));
  EXPECT_EQ(run.WaitForExit(), 0u);
}

TEST(MainWindowEndToEndTest, EscapeInTheEditBoxClosesToo) {
  if (!RunningUnderWine()) GTEST_SKIP() << "real keys come from xdotool";
  ProgramRun run(L"");
  HWND window = WaitForVisibleMainWindow(run);
  ASSERT_NE(window, nullptr);
  RECT edit = RectIn(GetDlgItem(window, kEditId), nullptr);
  ASSERT_TRUE(FocusWindowNamed(std::string(kMainWindowCaptionUtf8)));
  ASSERT_TRUE(Xdotool("mousemove " + std::to_string(edit.left + 20) + " " +
                      std::to_string(edit.top + 20) + " click 1"));
  Sleep(200);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  EXPECT_EQ(info.hwndFocus, GetDlgItem(window, kEditId));
  ASSERT_TRUE(Xdotool("key Escape"));
  EXPECT_EQ(run.WaitForExit(), 0u);
}

// A relative argument names something in the program's folder, not in the starting directory.
TEST(MainWindowEndToEndTest, RelativeArgumentResolvesAgainstTheProgramFolder) {
  TempFolder temp;
  const Text program_folder = temp.path() + "\\program";
  const Text starting_folder = temp.path() + "\\started-here";
  ASSERT_TRUE(CreateFolders(program_folder + "\\Work"));
  ASSERT_TRUE(CreateFolders(starting_folder + "\\Work"));
  const std::wstring copy = Widen(program_folder + "\\FolderLocker.exe");
  ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), TRUE));

  ProgramRun run(L"Work", Widen(starting_folder), copy);
  EXPECT_EQ(AnswerNextPrompt(run, L"输入密码", L"pw"), L"请输入\"Work\"要加密的密码");
  AnswerNextPrompt(run, L"输入密码", L"pw");
  EXPECT_EQ(DismissNextMessage(run, L"信息：").text, L"加密成功！");
  EXPECT_EQ(CloseMainWindow(run), 0u);
  EXPECT_EQ(FolderEntries(program_folder), (std::vector<Text>{"FolderLocker.exe", "Work."}));
  EXPECT_EQ(FolderEntries(starting_folder), std::vector<Text>{"Work"});
}

// An empty or three-byte first argument opens the update page first; an empty one then does
// nothing else, and the window shows.
TEST(MainWindowEndToEndTest, EmptyArgumentOpensTheUpdatePageThenTheWindow) {
  BrowserLog browser;
  ProgramRun run(L"\"\"");
  HWND window = WaitForVisibleMainWindow(run);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(browser.WaitForAddresses(1), std::vector<std::string>{UpdatePageUrl});
  EXPECT_EQ(TopLevelWindows(run.id()), std::vector<HWND>{window}) << "no prompt, no box";
  EXPECT_EQ(CloseMainWindow(run), 0u);
}

TEST(MainWindowEndToEndTest, ThreeByteArgumentOpensTheUpdatePageBeforeThePrompts) {
  TempFolder temp;
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(temp.path()).c_str()));
  BrowserLog browser;
  ProgramRun run(L"abc");  // names nothing: the lock prompts come, and are cancelled
  HWND prompt = WaitForCaption(run.id(), L"输入密码", L"#32770");
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(browser.WaitForAddresses(1), std::vector<std::string>{UpdatePageUrl});
  AnswerPrompt(prompt, L"", false);
  EXPECT_NE(WaitForVisibleMainWindow(run), nullptr);
  EXPECT_EQ(CloseMainWindow(run), 0u);
  SetCurrentDirectoryW(L"C:\\");
}

// A folder dragged from another program with the real mouse: dropped on the edit box it starts
// the lock dialogue; dropped beside it, nothing happens.
class DragAndDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RunningUnderWine()) GTEST_SKIP() << "the mouse comes from xdotool";
    ASSERT_TRUE(CreateFolders(work));
    locker = std::make_unique<ProgramRun>(L"");
    window = WaitForVisibleMainWindow(*locker);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (locker) {
      EXPECT_EQ(CloseMainWindow(*locker), 0u);
    }
  }

  // Drags work from the drag source to the point (screen coordinates); returns the source's
  // exit code.
  std::optional<DWORD> DragTo(POINT target) {
    ProgramRun source(Quoted(work), L"", DosPathOf(FOLDERLOCKER_DRAG_SOURCE));
    HWND source_window = WaitForCaption(source.id(), L"FolderLocker drag source");
    EXPECT_NE(source_window, nullptr);
    if (!source_window) return std::nullopt;
    RECT from;
    GetWindowRect(source_window, &from);
    const std::string start = std::to_string((from.left + from.right) / 2) + " " +
                              std::to_string((from.top + from.bottom) / 2);
    const std::string middle = std::to_string((from.right + target.x) / 2) + " " +
                               std::to_string((from.bottom + target.y) / 2);
    const std::string end = std::to_string(target.x) + " " + std::to_string(target.y);
    EXPECT_TRUE(Xdotool("mousemove " + start + " sleep 0.2 mousedown 1 sleep 0.3 mousemove " +
                        middle + " sleep 0.3 mousemove " + end + " sleep 0.3 mousemove " + end +
                        " sleep 0.3 mouseup 1"));
    return source.WaitForExit(20000);
  }

  POINT ClientPoint(int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
  }

  TempFolder temp;
  const Text work = temp.path() + "\\Work";
  std::unique_ptr<ProgramRun> locker;
  HWND window = nullptr;
};

TEST_F(DragAndDropTest, FolderDroppedOnTheEditBoxStartsTheLockDialogue) {
  std::optional<DWORD> source_exit;
  std::thread drag([&] { source_exit = DragTo(ClientPoint(23 + 141, 33 + 66)); });
  HWND prompt = WaitForCaption(locker->id(), L"输入密码", L"#32770");
  ASSERT_NE(prompt, nullptr) << "the drop did not reach the lock dialogue";
  EXPECT_EQ(TextOf(GetDlgItem(prompt, kPromptText)), L"请输入\"" + Widen(work) + L"\"要加密的密码");
  EXPECT_EQ(TextOf(GetDlgItem(window, kEditId)), L"请直接拖拽文件夹到这里。。。");
  AnswerPrompt(prompt, L"", false);
  drag.join();
  EXPECT_TRUE(source_exit.has_value()) << "the drag ends once the dialogue is over";
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<Text>{"Work"});
}

TEST_F(DragAndDropTest, FolderDroppedBesideTheEditBoxDoesNothing) {
  std::optional<DWORD> source_exit = DragTo(ClientPoint(8, 120));  // the window's background
  EXPECT_TRUE(source_exit.has_value());
  Sleep(1000);
  EXPECT_EQ(TopLevelWindows(locker->id()), std::vector<HWND>{window}) << "no prompt appeared";
}

}  // namespace
}  // namespace folderlocker::testing
