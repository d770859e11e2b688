#include "app/main_window.h"

#include "app/app_resource.h"
#include "app/command_line.h"
#include "app/lock_services.h"
#include "app/main_window_form.h"
#include "core/web_page.h"
#include "ui/version_menu.h"

namespace folderlocker {

namespace {

constexpr char kClassName[] = "FolderLockerMainWindow";

// The form's drop input: every kind of dragged data accepted.
DropInput::Options StoredDropOptions() { return DropInput::Options{1, 1, 1, 1}; }

ScopedIcon LoadAppIcon(int width, int height) {
  return ScopedIcon(
      static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP),
                                    IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

}  // namespace

MainWindow::MainWindow() : drop_input_(StoredDropOptions()) {
  drop_input_.FilesReceived = [](Text& text) { ProcessFolder(text); };
  version_label_.Pressed = [this](int x, int y, int keys) {
    OnVersionLabelPressed(window_, x, y, keys);
  };
}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

bool MainWindow::Create() {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  if (!RegisterClassExA(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  // The form's only top-level menu is hidden, so the menu bar holds nothing.
  HMENU menu_bar = CreateMenu();
  const int left = (GetSystemMetrics(SM_CXSCREEN) - form::kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - form::kHeight) / 2;
  HWND window = CreateWindowExA(0, kClassName, form::kCaption, WS_CAPTION | WS_CLIPCHILDREN, left,
                                top, form::kWidth, form::kHeight, nullptr, menu_bar,
                                GetModuleHandleA(nullptr), this);
  if (!window) {
    // A window that was created and then failed took its menu along when it was destroyed.
    if (menu_bar && IsMenu(menu_bar)) DestroyMenu(menu_bar);
    return false;
  }
  OnMainWindowCreated();
  return true;
}

void MainWindow::Show() {
  if (window_ && IsWindow(window_)) ShowWindow(window_, SW_SHOW);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wparam, lparam);
  try {
    return self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    return DefWindowProcA(window, message, wparam, lparam);
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lparam) == edit_box_) {
        return OnControlColorEdit(reinterpret_cast<HDC>(wparam));
      }
      break;
    case WM_COMMAND:
      // Menu commands arrive with a zero notification code and no control.
      if (HIWORD(wparam) == 0 && lparam == 0 && RunMenuCommand(window_, LOWORD(wparam))) return 0;
      break;
    case kDestroyRequest:
      DestroyWindow(window_);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window_);  // nothing is asked before closing
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      edit_box_ = nullptr;
      break;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

bool MainWindow::OnCreate() {
  big_icon_ = LoadAppIcon(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  small_icon_ = LoadAppIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  HGDIOBJ gui_font = GetStockObject(DEFAULT_GUI_FONT);
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font), FALSE);

  const RECT label_place{form::kLabelLeft, form::kLabelTop, form::kLabelLeft + form::kLabelWidth,
                         form::kLabelTop + form::kLabelHeight};
  if (!version_label_.Create(window_, form::kLabelId, label_place, form::kLabelText)) return false;

  edit_box_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", form::kEditText,
                              WS_CHILD | ES_AUTOHSCROLL | ES_CENTER, form::kEditLeft,
                              form::kEditTop, form::kEditWidth, form::kEditHeight, window_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(form::kEditId)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!edit_box_) return false;
  SendMessageA(edit_box_, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font), FALSE);
  SendMessageA(edit_box_, EM_LIMITTEXT, 0, 0);
  SendMessageA(edit_box_, EM_SETSEL, 0, 0);
  SendMessageA(edit_box_, EM_SCROLLCARET, 0, 0);

  ShowWindow(version_label_.hwnd(), SW_SHOWNA);
  ShowWindow(edit_box_, SW_SHOWNA);
  return true;
}

void MainWindow::OnDestroy() {
  drop_input_.Detach();
  PostQuitMessage(0);
}

LRESULT MainWindow::OnControlColorEdit(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void MainWindow::OnMainWindowCreated() {
  drop_input_.AttachToWindow(edit_box_);
  drop_input_.options().AcceptFiles = 1;
  const TextList arguments = GetCommandLineArgs();
  if (arguments.empty()) return;
  Text folder = arguments.front();
  if (folder.empty() || TextLength(folder) == 3) OpenWebPage(UpdatePageUrl);
  ProcessFolder(folder);
}

bool MainWindow::IsCloseKey(const MSG& message) const {
  if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

int MainWindow::RunMessageLoop() {
  MSG message;
  BOOL result;
  while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) return -1;
    if (window_ && IsCloseKey(message)) {
      SendMessageA(window_, WM_CLOSE, 0, 0);
      continue;  // the key is consumed
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace folderlocker
