// Steps shared by the end-to-end tests: answering the program's prompts and boxes, finding and
// closing its window, reading what it handed to the browser, the real mouse and keyboard.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "program_run.h"
#include "window_driver.h"

namespace folderlocker::testing {

inline constexpr wchar_t kMainWindowClass[] = L"FolderLockerMainWindow";
inline constexpr wchar_t kMainWindowCaption[] = L"砚池听松文件夹加解密";
// The caption as xdotool matches it.
inline constexpr char kMainWindowCaptionUtf8[] = u8"砚池听松文件夹加解密";
inline constexpr int kLabelId = 1001;  // 标签1
inline constexpr int kEditId = 1002;   // 编辑框1
inline constexpr int kPromptText = 1128;

// A path as one command-line argument.
std::wstring Quoted(const std::string& path);

// Answers the next prompt of run with entry (or cancels it); returns the prompt's text.
std::wstring AnswerNextPrompt(const ProgramRun& run, const std::wstring& caption,
                              const std::wstring& entry, bool confirm = true);

// Dismisses the next message box of run; returns what it showed.
MessageBoxView DismissNextMessage(const ProgramRun& run, const std::wstring& caption);

// The main window of run, visible or not; null if it does not exist within the timeout.
HWND FindMainWindow(const ProgramRun& run, DWORD timeout_ms = kWindowTimeoutMs);

// Waits until the main window of run is visible; null if it never shows.
HWND WaitForVisibleMainWindow(const ProgramRun& run);

// Asks the main window to close and returns the program's exit code (nothing if it still runs).
std::optional<DWORD> CloseMainWindow(ProgramRun& run);

// Real input through xdotool on the display; the text is an xdotool command line.
bool Xdotool(const std::string& arguments);
// Gives the keyboard focus to the X window of a top-level window with this caption (UTF-8).
bool FocusWindowNamed(const std::string& utf8_caption);

}  // namespace folderlocker::testing
