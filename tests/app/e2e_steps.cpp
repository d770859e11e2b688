#include "e2e_steps.h"

#include "host_commands.h"
#include "temp_folder.h"

namespace folderlocker::testing {

std::wstring Quoted(const std::string& path) { return L"\"" + Widen(path) + L"\""; }

std::wstring AnswerNextPrompt(const ProgramRun& run, const std::wstring& caption,
                              const std::wstring& entry, bool confirm) {
  HWND prompt = WaitForCaption(run.id(), caption, L"#32770");
  if (!prompt) return L"<no prompt captioned " + caption + L">";
  std::wstring text = TextOf(GetDlgItem(prompt, kPromptText));
  AnswerPrompt(prompt, entry, confirm);
  WaitUntilGone(prompt);
  return text;
}

MessageBoxView DismissNextMessage(const ProgramRun& run, const std::wstring& caption) {
  HWND box = WaitForCaption(run.id(), caption, L"#32770");
  if (!box) return {L"<no box captioned " + caption + L">", L"", false};
  MessageBoxView view = ReadMessageBox(box);
  PressButton(box, IDOK);
  WaitUntilGone(box);
  return view;
}

HWND FindMainWindow(const ProgramRun& run, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  do {
    for (HWND window = FindWindowW(kMainWindowClass, nullptr); window;
         window = FindWindowExW(nullptr, window, kMainWindowClass, nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == run.id()) return window;
    }
    Sleep(20);
  } while (GetTickCount64() < deadline);
  return nullptr;
}

HWND WaitForVisibleMainWindow(const ProgramRun& run) {
  return WaitForWindow([&](HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == run.id() && ClassOf(window) == kMainWindowClass;
  });
}

std::optional<DWORD> CloseMainWindow(ProgramRun& run) {
  HWND window = FindMainWindow(run, 5000);
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  return run.WaitForExit();
}

bool Xdotool(const std::string& arguments) {
  auto result = RunHostCommand("xdotool " + arguments);
  return result && result->exit_code == 0;
}

bool FocusWindowNamed(const std::string& utf8_caption) {
  return Xdotool("search --sync --onlyvisible --name '^" + utf8_caption + "$' windowfocus --sync");
}

}  // namespace folderlocker::testing
