// The password prompt, shown for real and answered the way a user answers it.
#include "ui/password_prompt.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "dialog_thread.h"
#include "ui/resource.h"

namespace folderlocker::testing {
namespace {

const Text kUntouched = "untouched";

// One way of answering the prompt after typing into its field.
struct AnswerCase {
  const char* name;
  std::wstring typed;
  std::function<void(HWND dialog, HWND field)> answer;
  bool confirmed;
  Text entry;  // what the receiving text holds afterwards
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class PromptAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(PromptAnswerTest, ReturnsWhatTheUserDid) {
  const AnswerCase& c = GetParam();
  DialogAnswerer answerer(L"输入密码", [&](HWND dialog) {
    HWND field = GetDlgItem(dialog, IDC_PASSWORD_ENTRY);
    TypeInto(field, c.typed);
    c.answer(dialog, field);
  });
  Text entry = kUntouched;
  bool confirmed = PromptForPassword("请输入\"C:\\Work\"要加密的密码", "输入密码", entry);
  ASSERT_TRUE(answerer.Join()) << "the prompt did not appear";
  EXPECT_EQ(confirmed, c.confirmed);
  EXPECT_EQ(entry, c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PromptAnswerTest,
    ::testing::Values(
        AnswerCase{"OkButton", L"abc", [](HWND d, HWND) { PressButton(d, IDOK); }, true, "abc"},
        AnswerCase{"Enter", L"abc", [](HWND, HWND f) { PressKey(f, VK_RETURN); }, true, "abc"},
        AnswerCase{"AltO", L"abc", [](HWND, HWND f) { PressAltLetter(f, L'o'); }, true, "abc"},
        AnswerCase{"EmptyEntryConfirmed", L"", [](HWND d, HWND) { PressButton(d, IDOK); }, true,
                   ""},
        AnswerCase{"SpacesAndGbkKept", L"  密码 x ", [](HWND d, HWND) { PressButton(d, IDOK); },
                   true, "  密码 x "},
        AnswerCase{"CancelButton", L"abc", [](HWND d, HWND) { PressButton(d, IDCANCEL); }, false,
                   kUntouched},
        AnswerCase{"AltC", L"abc", [](HWND, HWND f) { PressAltLetter(f, L'c'); }, false,
                   kUntouched},
        AnswerCase{"Escape", L"abc", [](HWND, HWND f) { PressKey(f, VK_ESCAPE); }, false,
                   kUntouched},
        AnswerCase{"CloseBox", L"abc",
                   [](HWND d, HWND) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, false,
                   kUntouched}),
    [](const auto& info) { return std::string(info.param.name); });

// What the dialog looks like while it is open, read from the answering thread.
struct Layout {
  std::wstring caption;
  LONG style = 0;
  SIZE client{};
  SIZE expected_client{};
  std::vector<std::wstring> mismatches;
  std::wstring prompt;
  std::wstring field_text;
  bool field_has_focus = false;
  WCHAR password_char = 0;
  bool has_prompt_control = false;
  POINT centre_offset{};
};

// A control's place, in dialog units, and what it must be.
struct ControlLayout {
  int id;
  const wchar_t* class_name;
  RECT units;  // left, top, width, height
  LONG required_style;
  const wchar_t* text;  // nullptr: not checked
};

Layout ReadLayout(HWND dialog, const std::vector<ControlLayout>& controls, SIZE client_units) {
  Layout layout;
  layout.caption = TextOf(dialog);
  layout.style = GetWindowLongW(dialog, GWL_STYLE);
  RECT client;
  GetClientRect(dialog, &client);
  layout.client = {client.right, client.bottom};
  RECT expected{0, 0, client_units.cx, client_units.cy};
  MapDialogRect(dialog, &expected);
  layout.expected_client = {expected.right, expected.bottom};
  for (const ControlLayout& want : controls) {
    HWND control = GetDlgItem(dialog, want.id);
    if (want.id == -1) {  // the unnamed frame: the first child
      control = GetWindow(dialog, GW_CHILD);
    }
    std::wstring name = std::to_wstring(want.id);
    if (!control) {
      layout.mismatches.push_back(name + L": missing");
      continue;
    }
    // Position and size are converted separately, as the dialog manager does.
    RECT place{want.units.left, want.units.top, want.units.right, want.units.bottom};
    MapDialogRect(dialog, &place);
    RECT wanted{place.left, place.top, place.left + place.right, place.top + place.bottom};
    RECT got = RectIn(control, dialog);
    if (!EqualRect(&wanted, &got)) layout.mismatches.push_back(name + L": rectangle");
    if (ClassOf(control) != want.class_name) layout.mismatches.push_back(name + L": class");
    LONG style = GetWindowLongW(control, GWL_STYLE);
    // The dialog manager draws a bordered edit with a sunken client edge instead.
    if (GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) style |= WS_BORDER;
    if ((style & want.required_style) != want.required_style) {
      layout.mismatches.push_back(name + L": style");
    }
    if (want.text && TextOf(control) != want.text) layout.mismatches.push_back(name + L": text");
  }
  layout.has_prompt_control = GetDlgItem(dialog, IDC_PROMPT_TEXT) != nullptr;
  layout.prompt = TextOf(GetDlgItem(dialog, IDC_PROMPT_TEXT));
  HWND field = GetDlgItem(dialog, IDC_PASSWORD_ENTRY);
  layout.field_text = TextOf(field);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
  layout.field_has_focus = info.hwndFocus == field;
  layout.password_char = static_cast<WCHAR>(SendMessageW(field, EM_GETPASSWORDCHAR, 0, 0));
  RECT window, work;
  GetWindowRect(dialog, &window);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  layout.centre_offset = {(window.left + window.right) / 2 - (work.left + work.right) / 2,
                          (window.top + window.bottom) / 2 - (work.top + work.bottom) / 2};
  return layout;
}

const LONG kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const LONG kField = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD;

Layout ShowAndRead(const Text& prompt, const Text& title, const std::wstring& caption,
                   const std::vector<ControlLayout>& controls, SIZE client_units) {
  Layout layout;
  DialogAnswerer answerer(caption, [&](HWND dialog) {
    layout = ReadLayout(dialog, controls, client_units);
    PressButton(dialog, IDCANCEL);
  });
  Text entry;
  PromptForPassword(prompt, title, entry);
  EXPECT_TRUE(answerer.Join()) << "no dialog captioned as expected";
  return layout;
}

void ExpectDialogFrame(const Layout& layout) {
  EXPECT_EQ(layout.client.cx, layout.expected_client.cx);
  EXPECT_EQ(layout.client.cy, layout.expected_client.cy);
  const LONG frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  EXPECT_EQ(layout.style & frame, frame);
  EXPECT_EQ(layout.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_LE(std::abs(layout.centre_offset.x), 1);
  EXPECT_LE(std::abs(layout.centre_offset.y), 1);
  EXPECT_EQ(layout.field_text, L"");
  EXPECT_TRUE(layout.field_has_focus);
  EXPECT_NE(layout.password_char, 0) << "the entry is masked";
}

TEST(PromptLayoutTest, DialogWithPromptAsLaidOutInDialogUnits) {
  const std::wstring long_prompt = L"请输入\"C:\\Work\"要加密的密码";
  Layout layout =
      ShowAndRead("请输入\"C:\\Work\"要加密的密码", "输入密码", L"输入密码",
                  {{-1, L"Static", {7, 7, 238, 35}, WS_VISIBLE | SS_SUNKEN, L""},
                   {IDC_PROMPT_TEXT, L"Static", {12, 11, 229, 27}, WS_VISIBLE, nullptr},
                   {IDC_PASSWORD_ENTRY, L"Edit", {7, 45, 238, 12}, kField, nullptr},
                   {IDOK, L"Button", {63, 66, 55, 19}, kButton | BS_DEFPUSHBUTTON, L"确认输入(&O)"},
                   {IDCANCEL, L"Button", {134, 66, 55, 19}, kButton, L"取消(&C)"}},
                  {252, 92});
  EXPECT_TRUE(layout.mismatches.empty()) << ::testing::PrintToString(layout.mismatches);
  ExpectDialogFrame(layout);
  EXPECT_EQ(layout.prompt, long_prompt);
  EXPECT_EQ(layout.caption, L"输入密码");
}

TEST(PromptLayoutTest, EmptyTitleKeepsTheResourceCaption) {
  Layout layout = ShowAndRead("请输入", "", L"请输入：", {}, {252, 92});
  EXPECT_EQ(layout.caption, L"请输入：");
  EXPECT_EQ(layout.prompt, L"请输入");
}

TEST(PromptLayoutTest, EmptyPromptShowsTheCompactDialog) {
  Layout layout =
      ShowAndRead("", "输入密码", L"输入密码",
                  {{IDC_PASSWORD_ENTRY, L"Edit", {7, 7, 200, 12}, kField, nullptr},
                   {IDOK, L"Button", {82, 30, 55, 19}, kButton | BS_DEFPUSHBUTTON, L"确认输入(&O)"},
                   {IDCANCEL, L"Button", {151, 30, 55, 19}, kButton, L"取消(&C)"}},
                  {214, 56});
  EXPECT_TRUE(layout.mismatches.empty()) << ::testing::PrintToString(layout.mismatches);
  ExpectDialogFrame(layout);
  EXPECT_FALSE(layout.has_prompt_control);
}

// What was typed into one prompt never shows in the next.
TEST(PromptLayoutTest, EveryPromptStartsEmpty) {
  for (int round = 0; round < 2; ++round) {
    std::wstring seen = L"?";
    DialogAnswerer answerer(L"输入密码", [&](HWND dialog) {
      HWND field = GetDlgItem(dialog, IDC_PASSWORD_ENTRY);
      seen = TextOf(field);
      TypeInto(field, L"typed");
      PressButton(dialog, IDOK);
    });
    Text entry;
    EXPECT_TRUE(PromptForPassword("请输入", "输入密码", entry));
    ASSERT_TRUE(answerer.Join());
    EXPECT_EQ(seen, L"") << "round " << round;
    EXPECT_EQ(entry, "typed");
  }
}

// The window active when the prompt opens owns it and is disabled until it closes.
TEST(PromptOwnerTest, ActiveWindowOwnsThePromptAndIsDisabledMeanwhile) {
  HWND window = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  SetActiveWindow(window);
  ASSERT_EQ(GetActiveWindow(), window);
  HWND owner = nullptr;
  BOOL enabled_while_open = TRUE;
  DialogAnswerer answerer(L"输入密码", [&](HWND dialog) {
    owner = GetWindow(dialog, GW_OWNER);
    enabled_while_open = IsWindowEnabled(window);
    PressButton(dialog, IDCANCEL);
  });
  Text entry;
  PromptForPassword("请输入", "输入密码", entry);
  ASSERT_TRUE(answerer.Join());
  EXPECT_EQ(owner, window);
  EXPECT_FALSE(enabled_while_open);
  EXPECT_TRUE(IsWindowEnabled(window));
  DestroyWindow(window);
}

TEST(PromptOwnerTest, NoActiveWindowNoOwner) {
  ASSERT_EQ(GetActiveWindow(), nullptr);
  HWND owner = reinterpret_cast<HWND>(1);
  DialogAnswerer answerer(L"输入密码", [&](HWND dialog) {
    owner = GetWindow(dialog, GW_OWNER);
    PressButton(dialog, IDCANCEL);
  });
  Text entry;
  PromptForPassword("请输入", "输入密码", entry);
  ASSERT_TRUE(answerer.Join());
  EXPECT_EQ(owner, nullptr);
}

}  // namespace
}  // namespace folderlocker::testing
