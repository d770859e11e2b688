// Measures how long programs take from their start to their main window being visible, and their
// peak working set once they rest.
//
//   FolderLockerStartupBench <runs> <memory runs> <label> <program> <window class> [...]
//
// Each program is started runs times, the programs in turn, after one untimed start each. A run
// counts from just before CreateProcess to the first moment a visible top-level window of the
// given class belongs to the new process; the window is then closed with WM_CLOSE and the program
// must end with exit code 0. Then each program is started memory runs times more, and 1 s after its
// window shows, its peak working set is read. Prints per program:
//   startup label=<label> runs=<n> median_ms=<m> min_ms=<a> max_ms=<b>
//   memory label=<label> runs=<n> peak_working_set_kib=<median>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "bench_timing.h"

namespace {

using folderlocker::testing::Median;
using folderlocker::testing::Milliseconds;

constexpr DWORD kWindowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr DWORD kRestMs = 1000;

struct Program {
  std::wstring label;
  std::wstring path;
  std::wstring window_class;
  std::vector<double> startup_ms;
  std::vector<double> peak_working_set_kib;
};

struct WindowSearch {
  DWORD process_id;
  const wchar_t* window_class;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !IsWindowVisible(window)) return TRUE;
  wchar_t name[256];
  if (GetClassNameW(window, name, 256) == 0 || std::wcscmp(name, search->window_class) != 0) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

struct Run {
  double startup_ms = 0;
  double peak_working_set_kib = 0;
};

// Starts program once; nothing, after a message, if it failed to show its window or to end.
std::optional<Run> StartOnce(const Program& program, bool read_memory) {
  std::wstring command_line = L"\"" + program.path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process)) {
    std::fwprintf(stderr, L"Could not start %ls (error %lu).\n", program.path.c_str(),
                  GetLastError());
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  WindowSearch search{process.dwProcessId, program.window_class.c_str(), nullptr};
  LARGE_INTEGER now;
  for (;;) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    if (search.found || Milliseconds(now.QuadPart - start.QuadPart) > kWindowTimeoutMs) break;
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  Run run;
  run.startup_ms = Milliseconds(now.QuadPart - start.QuadPart);
  bool ok = search.found != nullptr;
  if (!ok) {
    std::fwprintf(stderr, L"%ls showed no visible window of class %ls.\n", program.label.c_str(),
                  program.window_class.c_str());
  }
  if (ok && read_memory) {
    Sleep(kRestMs);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters)) {
      run.peak_working_set_kib = static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
    } else {
      std::fwprintf(stderr, L"Could not read the memory of %ls (error %lu).\n",
                    program.label.c_str(), GetLastError());
      ok = false;
    }
  }
  if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
  DWORD exit_code = 1;
  if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
    std::fwprintf(stderr, L"%ls did not end after WM_CLOSE.\n", program.label.c_str());
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, kExitTimeoutMs);
    ok = false;
  } else if (!GetExitCodeProcess(process.hProcess, &exit_code) || exit_code != 0) {
    std::fwprintf(stderr, L"%ls ended with exit code %lu.\n", program.label.c_str(), exit_code);
    ok = false;
  }
  CloseHandle(process.hProcess);
  if (!ok) return std::nullopt;
  return run;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 6 || (argc - 3) % 3 != 0) {
    std::fwprintf(stderr,
                  L"usage: FolderLockerStartupBench <runs> <memory runs> <label> <program> "
                  L"<window class> [...]\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  const int memory_runs = _wtoi(argv[2]);
  if (runs < 1 || memory_runs < 1) {
    std::fwprintf(stderr, L"runs and memory runs must be at least 1\n");
    return 2;
  }
  std::vector<Program> programs;
  for (int i = 3; i + 2 < argc; i += 3)
    programs.push_back({argv[i], argv[i + 1], argv[i + 2], {}, {}});

  for (int round = -1; round < runs; ++round) {
    for (Program& program : programs) {
      std::optional<Run> run = StartOnce(program, false);
      if (!run) return 1;
      if (round >= 0) program.startup_ms.push_back(run->startup_ms);
    }
  }
  for (int round = 0; round < memory_runs; ++round) {
    for (Program& program : programs) {
      std::optional<Run> run = StartOnce(program, true);
      if (!run) return 1;
      program.peak_working_set_kib.push_back(run->peak_working_set_kib);
    }
  }

  for (const Program& program : programs) {
    const auto [fastest, slowest] =
        std::minmax_element(program.startup_ms.begin(), program.startup_ms.end());
    std::wprintf(L"startup label=%ls runs=%d median_ms=%.1f min_ms=%.1f max_ms=%.1f\n",
                 program.label.c_str(), runs, Median(program.startup_ms), *fastest, *slowest);
    std::wprintf(L"memory label=%ls runs=%d peak_working_set_kib=%.0f\n", program.label.c_str(),
                 memory_runs, Median(program.peak_working_set_kib));
  }
  std::fflush(stdout);
  return 0;
}
