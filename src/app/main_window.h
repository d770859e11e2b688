// MainWindow: the program's one window, built from its form.
#pragma once

#include <windows.h>

#include "core/scoped_win32.h"
#include "drop/drop_input.h"
#include "app/version_label.h"

namespace folderlocker {

class MainWindow {
 public:
  MainWindow();
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden, centred on the screen, with its controls, then runs its created
  // event, OnMainWindowCreated. False if the window could not be created.
  bool Create();
  // Shows the window, if it still exists, and activates it.
  void Show();
  // Runs the message loop until the window is destroyed; returns the quit message's code.
  int RunMessageLoop();

  HWND hwnd() const { return window_; }
  HWND edit_box() const { return edit_box_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  bool OnCreate();
  void OnDestroy();
  LRESULT OnControlColorEdit(HDC dc);
  void OnMainWindowCreated();
  // Esc without Ctrl, Shift or Alt, on the window or one of its controls.
  bool IsCloseKey(const MSG& message) const;

  HWND window_ = nullptr;
  HWND edit_box_ = nullptr;     // 编辑框1
  VersionLabel version_label_;  // 标签1
  DropInput drop_input_;        // 拖放对象1
  ScopedIcon big_icon_;
  ScopedIcon small_icon_;
};

}  // namespace folderlocker
