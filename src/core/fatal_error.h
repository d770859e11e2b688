// The program's one fatal stop, and the OLE session that it releases on its way out.
#pragma once

#include "core/text.h"

namespace folderlocker {

// The text of the fatal error box: the code only when it is not 0, the message only when it is not
// empty.
Text FatalErrorText(int code, const Text& message);

#ifdef _WIN32
// Shows the error box (no owner, title "错误", error icon), releases OLE once the box is closed and
// ends the process with exit code -1. Nothing else of the program runs.
[[noreturn]] void FatalError(int code, const Text& message);

// Owns the GUI thread's OLE initialisation for the life of the process.
class OleSession {
 public:
  OleSession();
  ~OleSession();
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

  bool initialized() const { return initialized_; }

  // Releases OLE now if a session holds it: for a process that ends without unwinding.
  static void ReleaseForExit();

 private:
  void Release();

  bool initialized_ = false;
};
#endif

}  // namespace folderlocker
