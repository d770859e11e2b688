// What the program handed to the browser: under Wine the test prefix's browser is a script that
// logs each address it gets (scripts/browser-log.sh) to $FOLDERLOCKER_BROWSER_LOG.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <string>
#include <vector>

namespace folderlocker::testing {

// The addresses logged since this log was opened.
class BrowserLog {
 public:
  BrowserLog();
  // Waits until at least count new addresses have arrived, then returns all new ones.
  std::vector<std::string> WaitForAddresses(std::size_t count, DWORD timeout_ms = 5000) const;

 private:
  std::vector<std::string> Lines() const;

  std::wstring path_;
  std::size_t seen_ = 0;
};

}  // namespace folderlocker::testing
#endif
