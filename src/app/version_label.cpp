#include "app/version_label.h"

#include <windowsx.h>

#include <cstring>

#include "app/main_window_form.h"

namespace folderlocker {

namespace {

constexpr char kClassName[] = "FolderLockerVersionLabel";

bool RegisterLabelClass() {
  static const bool registered = [] {
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = VersionLabel::WindowProc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    window_class.lpszClassName = kClassName;
    return RegisterClassExA(&window_class) != 0;
  }();
  return registered;
}

int KeysOf(WPARAM mouse_keys) {
  int keys = 0;
  if (mouse_keys & MK_CONTROL) keys |= 1;
  if (mouse_keys & MK_SHIFT) keys |= 2;
  if (GetKeyState(VK_MENU) < 0) keys |= 4;
  return keys;
}

}  // namespace

bool VersionLabel::Create(HWND parent, int id, const RECT& place, const Text& text) {
  if (!RegisterLabelClass()) return false;
  text_ = text;
  LOGFONTA font{};
  font.lfHeight = form::kLabelFontHeight;
  font.lfWeight = form::kLabelFontWeight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  std::strncpy(font.lfFaceName, form::kLabelFontFace, LF_FACESIZE - 1);
  font_.reset(CreateFontIndirectA(&font));
  return CreateWindowExA(0, kClassName, text.c_str(), WS_CHILD, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), this) != nullptr;
}

LRESULT CALLBACK VersionLabel::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* label =
        static_cast<VersionLabel*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    label->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label));
  }
  auto* label = reinterpret_cast<VersionLabel*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!label) return DefWindowProcA(window, message, wparam, lparam);
  try {
    switch (message) {
      case WM_PAINT:
        label->OnPaint();
        return 0;
      case WM_LBUTTONDOWN:
        label->OnLeftButtonDown(wparam, lparam);
        break;  // the label's own handling of the press goes on
      case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        label->window_ = nullptr;
        break;
    }
  } catch (...) {
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void VersionLabel::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ previous = SelectObject(dc, font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
  DrawTextA(dc, text_.c_str(), -1, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, previous);
  EndPaint(window_, &paint);
}

void VersionLabel::OnLeftButtonDown(WPARAM keys, LPARAM point) {
  if (Pressed) Pressed(GET_X_LPARAM(point), GET_Y_LPARAM(point), KeysOf(keys));
}

}  // namespace folderlocker
