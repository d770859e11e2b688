// For tests that run under Wine: Linux commands (xdotool, import) started from the Windows side,
// and the Linux path of the program under test.
#pragma once

#ifdef _WIN32
#include <optional>
#include <string>

namespace folderlocker::testing {

// True when this process runs under Wine.
bool RunningUnderWine();

// The DOS path of a Linux path (Z:\...), or the path itself when not under Wine.
std::wstring DosPathOf(const std::string& unix_path);

struct HostCommandResult {
  int exit_code;
  std::string output;  // standard output and error together
};

// Runs a shell command line on the Linux host and waits for it; nothing if it could not be
// started or did not finish within timeout_ms. Only under Wine.
std::optional<HostCommandResult> RunHostCommand(const std::string& command,
                                                unsigned timeout_ms = 30000);

}  // namespace folderlocker::testing
#endif
