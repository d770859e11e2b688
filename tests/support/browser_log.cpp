#include "browser_log.h"

#include <algorithm>
#include <fstream>

#include "host_commands.h"

namespace folderlocker::testing {

BrowserLog::BrowserLog() {
  wchar_t unix_path[1024] = {};
  if (GetEnvironmentVariableW(L"FOLDERLOCKER_BROWSER_LOG", unix_path, 1024)) {
    std::wstring wide(unix_path);
    path_ = DosPathOf(std::string(wide.begin(), wide.end()));
  }
  seen_ = Lines().size();
}

std::vector<std::string> BrowserLog::Lines() const {
  std::vector<std::string> lines;
  if (path_.empty()) return lines;
  std::ifstream file(path_.c_str());
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> BrowserLog::WaitForAddresses(std::size_t count, DWORD timeout_ms) const {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  std::vector<std::string> lines;
  do {
    lines = Lines();
    if (lines.size() >= seen_ + count) break;
    Sleep(50);
  } while (GetTickCount64() < deadline);
  return std::vector<std::string>(lines.begin() + std::min(seen_, lines.size()), lines.end());
}

}  // namespace folderlocker::testing
