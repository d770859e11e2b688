#include "core/web_page.h"

#include <windows.h>
#include <shellapi.h>

namespace folderlocker {

void OpenWebPage(const Text& address) {
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace folderlocker
