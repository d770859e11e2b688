#include "ui/password_prompt.h"

#include <windows.h>

#include "ui/resource.h"

namespace folderlocker {

namespace {

struct PromptState {
  const Text& prompt;
  const Text& title;
  Text entry;
};

Text EntryText(HWND dialog) {
  HWND field = GetDlgItem(dialog, IDC_PASSWORD_ENTRY);
  int length = GetWindowTextLengthA(field);
  if (length <= 0) return Text();
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(field, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void OnInitDialog(HWND dialog, const PromptState& state) {
  if (!state.title.empty()) SetWindowTextA(dialog, state.title.c_str());
  SetDlgItemTextA(dialog, IDC_PROMPT_TEXT, state.prompt.c_str());
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    switch (message) {
      case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lparam);
        OnInitDialog(dialog, *reinterpret_cast<PromptState*>(lparam));
        return TRUE;  // the focus goes to the first tab stop, the entry field
      case WM_COMMAND:
        switch (LOWORD(wparam)) {
          case IDOK: {
            auto* state = reinterpret_cast<PromptState*>(GetWindowLongPtrA(dialog, DWLP_USER));
            state->entry = EntryText(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
          }
          case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
  } catch (...) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

bool PromptForPassword(const Text& prompt, const Text& title, Text& entry) {
  PromptState state{prompt, title, Text()};
  const int resource = prompt.empty() ? IDD_PASSWORD_COMPACT : IDD_PASSWORD;
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource),
                                   GetActiveWindow(), PromptProc, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return false;
  entry = std::move(state.entry);
  return true;
}

}  // namespace folderlocker
