#include "program_run.h"

#include "host_commands.h"

#ifndef FOLDERLOCKER_PROGRAM
#error "FOLDERLOCKER_PROGRAM names the program under test"
#endif

namespace folderlocker::testing {

std::wstring ProgramPath() { return DosPathOf(FOLDERLOCKER_PROGRAM); }

ProgramRun::ProgramRun(const std::wstring& arguments, const std::wstring& working_directory,
                       const std::wstring& program) {
  std::wstring command_line = L"\"" + program + L"\"";
  if (!arguments.empty()) command_line += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     working_directory.empty() ? nullptr : working_directory.c_str(), &startup,
                     &process)) {
    process_.reset(process.hProcess);
    CloseHandle(process.hThread);
    id_ = process.dwProcessId;
  }
}

ProgramRun::~ProgramRun() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

std::optional<DWORD> ProgramRun::WaitForExit(DWORD timeout_ms) {
  if (!process_ || WaitForSingleObject(process_.get(), timeout_ms) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

}  // namespace folderlocker::testing
