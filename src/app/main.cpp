// The program's entry: OLE, the program's folder as current directory, the main window, the
// message loop.
#include <windows.h>

#include "app/main_window.h"
#include "app/main_window_form.h"
#include "app/program_folder.h"
#include "core/fatal_error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  folderlocker::OleSession ole;
  folderlocker::SetCurrentDirectoryToProgramFolder();
  folderlocker::MainWindow window;
  if (!window.Create()) folderlocker::FatalError(0, folderlocker::form::kWindowFailed);
  window.Show();
  return window.RunMessageLoop();
}
