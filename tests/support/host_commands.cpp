#include "host_commands.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "core/scoped_win32.h"

namespace folderlocker::testing {

namespace {

using WineDosFileName = WCHAR*(CDECL*)(const char*);

std::wstring FromUnix(const std::string& unix_path) {
  auto convert = reinterpret_cast<WineDosFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (!convert) return std::wstring(unix_path.begin(), unix_path.end());
  WCHAR* dos = convert(unix_path.c_str());
  if (!dos) return std::wstring();
  std::wstring result(dos);
  HeapFree(GetProcessHeap(), 0, dos);
  return result;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring DosPathOf(const std::string& unix_path) { return FromUnix(unix_path); }

std::optional<HostCommandResult> RunHostCommand(const std::string& command, unsigned timeout_ms) {
  if (!RunningUnderWine()) return std::nullopt;
  static std::atomic<int> counter{0};
  const std::string base = "/tmp/folderlocker-host-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++counter);
  const std::wstring script = FromUnix(base + ".sh");
  const std::wstring output = FromUnix(base + ".out");
  const std::wstring status = FromUnix(base + ".rc");
  {
    // The status file appears only once the command has finished, under its final name.
    std::ofstream file(script.c_str(), std::ios::binary);
    file << "{ " << command << "\n} >" << base << ".out 2>&1 </dev/null\n"
         << "echo $? >" << base << ".rc.part && mv " << base << ".rc.part " << base << ".rc\n";
  }
  std::wstring command_line = L"/bin/sh " + std::wstring(base.begin(), base.end()) + L".sh";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    DeleteFileW(script.c_str());
    return std::nullopt;
  }
  ScopedKernelHandle process_handle(process.hProcess);
  ScopedKernelHandle thread_handle(process.hThread);
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (!Exists(status)) {
    if (GetTickCount64() >= deadline) return std::nullopt;
    Sleep(10);
  }
  HostCommandResult result{-1, {}};
  {
    std::ifstream rc(status.c_str());
    rc >> result.exit_code;
    std::ifstream out(output.c_str(), std::ios::binary);
    std::ostringstream text;
    text << out.rdbuf();
    result.output = text.str();
  }
  DeleteFileW(script.c_str());
  DeleteFileW(output.c_str());
  DeleteFileW(status.c_str());
  return result;
}

}  // namespace folderlocker::testing
