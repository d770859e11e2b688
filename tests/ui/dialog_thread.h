// Answers a modal dialog of this process from a second thread while the test thread runs it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "window_driver.h"

namespace folderlocker::testing {

class DialogAnswerer {
 public:
  // Waits for a visible top-level window of this process with caption, then runs act on it.
  DialogAnswerer(std::wstring caption, std::function<void(HWND)> act)
      : thread_([caption = std::move(caption), act = std::move(act), this] {
          HWND dialog = WaitForCaption(GetCurrentProcessId(), caption);
          found_ = dialog != nullptr;
          if (found_) act(dialog);
        }) {}
  ~DialogAnswerer() { Join(); }

  // True once joined if the dialog appeared.
  bool Join() {
    if (thread_.joinable()) thread_.join();
    return found_;
  }

 private:
  bool found_ = false;
  std::thread thread_;
};

// Types text into a control of another thread, character by character, as the keyboard would.
inline void TypeInto(HWND control, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}

inline void PressKey(HWND control, UINT key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 1u | 3u << 30);
}

// Alt plus a letter: a mnemonic.
inline void PressAltLetter(HWND control, wchar_t letter) {
  PostMessageW(control, WM_SYSCHAR, letter, 1u | 1u << 29);
}

}  // namespace folderlocker::testing
