// Starts the program under test as a separate process and watches it end.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <optional>
#include <string>

#include "core/scoped_win32.h"

namespace folderlocker::testing {

// The program under test: the path that the build recorded (a Linux path under Wine).
std::wstring ProgramPath();

class ProgramRun {
 public:
  // Starts the program with the given command line after its own quoted path (empty: no
  // arguments), in working_directory (empty: this process's).
  explicit ProgramRun(const std::wstring& arguments, const std::wstring& working_directory = L"",
                      const std::wstring& program = ProgramPath());
  // Ends the program if it still runs.
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  bool started() const { return process_.valid(); }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_.get(); }

  // The exit code once the program has ended within timeout_ms; nothing if it still runs.
  std::optional<DWORD> WaitForExit(DWORD timeout_ms = 15000);

 private:
  ScopedKernelHandle process_;
  DWORD id_ = 0;
};

}  // namespace folderlocker::testing
#endif
