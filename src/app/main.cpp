// The program's entry: OLE, the program's folder as current directory, the main window, the
// message loop.
#include <windows.h>

#include <cstdlib>

#include "app/main_window.h"
#include "app/main_window_form.h"
#include "app/program_folder.h"
#include "core/fatal_error.h"

// A GUI program has no console for the C++ runtime's dying message. Ending at once is all its
// terminate handler can do here, and replacing it keeps the runtime's name demangler, a sixth of
// the program file, out of the program.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  folderlocker::OleSession ole;
  folderlocker::SetCurrentDirectoryToProgramFolder();
  folderlocker::MainWindow window;
  if (!window.Create()) folderlocker::FatalError(0, folderlocker::form::kWindowFailed);
  window.Show();
  return window.RunMessageLoop();
}
