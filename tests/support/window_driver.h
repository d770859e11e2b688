// Finds, reads and answers windows, in this process or another one, the way a user would see
// them: by caption, class and control ID.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace folderlocker::testing {

inline constexpr DWORD kWindowTimeoutMs = 15000;

// The first visible top-level window that match accepts, polled until timeout; null if none came.
HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeout_ms = kWindowTimeoutMs);

// A visible top-level window of process (0: any) with exactly this caption and, if given, class.
HWND WaitForCaption(DWORD process_id, const std::wstring& caption,
                    const wchar_t* class_name = nullptr, DWORD timeout_ms = kWindowTimeoutMs);

// Waits until window is gone or hidden; false on timeout.
bool WaitUntilGone(HWND window, DWORD timeout_ms = kWindowTimeoutMs);

// A window's text, read with WM_GETTEXT, which works across processes for every control.
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// A rectangle relative to the client area of another window.
RECT RectIn(HWND window, HWND reference);

// The visible top-level windows of a process, in z-order.
std::vector<HWND> TopLevelWindows(DWORD process_id);

// A message box as the user sees it.
struct MessageBoxView {
  std::wstring caption;
  std::wstring text;
  bool has_icon;
};
MessageBoxView ReadMessageBox(HWND box);

// Presses a dialog button without waiting for what its handler shows next.
void PressButton(HWND dialog, int id);

// Fills the password field of a prompt and confirms it (or cancels).
void AnswerPrompt(HWND prompt, const std::wstring& entry, bool confirm);

}  // namespace folderlocker::testing
#endif
