#include <windows.h>

#include <cstdlib>

#include "app/lock_services.h"
#include "core/fatal_error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  folderlocker::OleSession ole;
  if (__argc > 1) {
    folderlocker::Text folder = __argv[1];
    folderlocker::ProcessFolder(folder);
  }
  return 0;
}
