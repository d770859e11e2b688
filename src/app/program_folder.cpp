#include "app/program_folder.h"

#include <windows.h>

#include <string>

namespace folderlocker {

void SetCurrentDirectoryToProgramFolder() {
  // Wide, and with a buffer that grows: the program's path may be longer than MAX_PATH or hold
  // characters of no ANSI code page, and a GBK trail byte could pass for a backslash.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::size_t cut = path.rfind(L'\\');
  if (cut == std::wstring::npos) return;
  // A program in a drive's root keeps the root's backslash: "C:" alone would name the drive's
  // current directory instead.
  if (cut == 2 && path[1] == L':') ++cut;
  SetCurrentDirectoryW(path.substr(0, cut).c_str());
}

}  // namespace folderlocker
