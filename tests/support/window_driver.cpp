#include "window_driver.h"

namespace folderlocker::testing {

namespace {

struct EnumState {
  const std::function<bool(HWND)>* match;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<EnumState*>(param);
  if (IsWindowVisible(window) && (*state->match)(window)) {
    state->found = window;
    return FALSE;
  }
  return TRUE;
}

struct CollectState {
  DWORD process_id;
  std::vector<HWND>* windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<CollectState*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (IsWindowVisible(window) && (state->process_id == 0 || owner == state->process_id)) {
    state->windows->push_back(window);
  }
  return TRUE;
}

}  // namespace

HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  do {
    EnumState state{&match, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&state));
    if (state.found) return state.found;
    Sleep(20);
  } while (GetTickCount64() < deadline);
  return nullptr;
}

HWND WaitForCaption(DWORD process_id, const std::wstring& caption, const wchar_t* class_name,
                    DWORD timeout_ms) {
  return WaitForWindow(
      [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (process_id != 0 && owner != process_id) return false;
        if (class_name && ClassOf(window) != class_name) return false;
        return TextOf(window) == caption;
      },
      timeout_ms);
}

bool WaitUntilGone(HWND window, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
  return true;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
    return std::wstring();
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

RECT RectIn(HWND window, HWND reference) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<HWND> TopLevelWindows(DWORD process_id) {
  std::vector<HWND> windows;
  CollectState state{process_id, &windows};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
  return windows;
}

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), false};
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (ClassOf(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE) &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
      view.has_icon = true;
    }
  }
  return view;
}

void PressButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void AnswerPrompt(HWND prompt, const std::wstring& entry, bool confirm) {
  SendMessageW(GetDlgItem(prompt, 1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  PressButton(prompt, confirm ? IDOK : IDCANCEL);
}

}  // namespace folderlocker::testing
