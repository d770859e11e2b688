// 标签1: a label that paints its own text and reports a press of the left mouse button.
#pragma once

#include <windows.h>

#include <functional>

#include "core/scoped_win32.h"
#include "core/text.h"

namespace folderlocker {

class VersionLabel {
 public:
  // The press, in the label's client coordinates, with the keys held (Ctrl 1, Shift 2, Alt 4).
  using PressedHandler = std::function<void(int x, int y, int keys)>;

  VersionLabel() = default;
  VersionLabel(const VersionLabel&) = delete;
  VersionLabel& operator=(const VersionLabel&) = delete;

  // Creates the label inside parent, still hidden.
  bool Create(HWND parent, int id, const RECT& place, const Text& text);
  HWND hwnd() const { return window_; }

  PressedHandler Pressed;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void OnPaint();
  void OnLeftButtonDown(WPARAM keys, LPARAM point);

  HWND window_ = nullptr;
  Text text_;
  ScopedGdiObject font_;
};

}  // namespace folderlocker
