// Times a lock followed by an unlock through the real file layer, for folders of different sizes.
// Locking renames the folder and writes one small file into it, and unlocking undoes both, so the
// time should not grow with the number of files the folder holds.
//
//   FolderLockerLockBench [cycles] [file count]...     (default: 15 cycles of 0, 1000, 100000)
//
// Each folder is created with its files in a temporary folder, and all sizes are cycled in turn so
// that a change in the machine's load falls on every size alike. Prints one line per size:
//   files=<n> cycles=<c> median_ms=<m> min_ms=<a> max_ms=<b> lookup_ms=<l> operations=<o>
// where lookup_ms is the median time of looking for the password file in the folder while it is
// not there, as every lock does twice (reading it, then creating it), and operations the number
// of file operations that one cycle asks for. Under Wine such a lookup reads the whole folder:
// Windows' names ignore case and the Linux disk's do not, so Wine compares every name in the
// folder before it concludes that tavro.dat is absent. On NTFS the folder's index answers.
// Exits with 1, naming what went wrong, when a cycle does not end in the success messages.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "lock/lock_dialogue.h"
#include "lock/lock_texts.h"
#include "lock/process_folder.h"
#include "lock/win32_file_system.h"
#include "host_commands.h"
#include "scripted_dialogue.h"
#include "temp_folder.h"

namespace folderlocker::testing {
namespace {

const Text kPassword = "bench-password";

constexpr char kFileContent[] = "benchmark file\r\n";

// The Linux path of a DOS path, under Wine; empty elsewhere or when it has none.
std::string UnixPathOf(const Text& path) {
  using WineUnixFileName = char*(CDECL*)(const WCHAR*);
  auto convert = reinterpret_cast<WineUnixFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return std::string();
  char* unix_path = convert(Widen(path).c_str());
  if (!unix_path) return std::string();
  std::string result(unix_path);
  HeapFree(GetProcessHeap(), 0, unix_path);
  return result;
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Creates count files of a few bytes in folder. Wine reads the whole folder for every name that
// it opens and does not find (it looks for one that differs only in case), so creating n files
// through it takes time in n squared: 10,000 take about 16 s here. Under Wine the files are
// therefore written from the Linux side.
bool CreateSmallFiles(const Text& folder, long count) {
  if (count == 0) return true;
  const std::string unix_folder = UnixPathOf(folder);
  if (RunningUnderWine() && !unix_folder.empty()) {
    const std::string command =
        "perl -e 'my ($folder, $count) = @ARGV; for my $i (0 .. $count - 1) { "
        "open(my $file, \">\", \"$folder/file$i.txt\") or die \"$!\\n\"; "
        "print $file \"benchmark file\\r\\n\"; close($file) or die \"$!\\n\"; }' " +
        ShellQuoted(unix_folder) + " " + std::to_string(count);
    std::optional<HostCommandResult> result = RunHostCommand(command, 600000);
    if (!result || result->exit_code != 0) {
      std::fprintf(stderr, "Writing the files from the Linux side failed: %s\n",
                   result ? result->output.c_str() : "no result");
      return false;
    }
    return true;
  }
  const std::wstring base = Literal(folder) + L"\\file";
  for (long i = 0; i < count; ++i) {
    const std::wstring name = base + std::to_wstring(i) + L".txt";
    HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, kFileContent, sizeof kFileContent - 1, &written, nullptr) &&
                    written == sizeof kFileContent - 1;
    CloseHandle(file);
    if (!ok) return false;
  }
  return true;
}

// Removes a folder and its files: from the Linux side under Wine, where deleting through Wine
// takes about 0.3 ms a file.
void RemoveFolder(const Text& folder) {
  const std::string unix_folder = UnixPathOf(folder);
  if (RunningUnderWine() && !unix_folder.empty()) {
    std::optional<HostCommandResult> result =
        RunHostCommand("rm -rf -- " + ShellQuoted(unix_folder), 600000);
    if (result && result->exit_code == 0) return;
  }
  RemoveTree(folder);
}

struct Subject {
  long files = 0;
  Text folder;
  std::vector<double> times_ms;
  std::vector<double> lookup_ms;
  int operations = 0;
};

// Counts the file operations that the lock procedure asks for.
class CountingFileSystem final : public FileSystem {
 public:
  explicit CountingFileSystem(FileSystem& inner) : inner_(inner) {}
  int count = 0;
  std::uint32_t FileAttributes(const Text& path) override {
    ++count;
    return inner_.FileAttributes(path);
  }
  Text ReadFirstLine(const Text& path) override {
    ++count;
    return inner_.ReadFirstLine(path);
  }
  bool WriteFileBytes(const Text& path, const Bytes& bytes) override {
    ++count;
    return inner_.WriteFileBytes(path, bytes);
  }
  bool Move(const Text& from, const Text& to) override {
    ++count;
    return inner_.Move(from, to);
  }
  bool Delete(const Text& path) override {
    ++count;
    return inner_.Delete(path);
  }

 private:
  FileSystem& inner_;
};

// How long looking for the password file takes while the folder does not hold it, as locking
// does twice: one file lookup, for comparison with a cycle.
double MissingNameLookup(const Subject& subject) {
  const std::wstring missing = Literal(subject.folder) + L"\\tavro.dat";
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  GetFileAttributesW(missing.c_str());
  QueryPerformanceCounter(&end);
  return Milliseconds(end.QuadPart - start.QuadPart);
}

std::string Describe(const ScriptedDialogue& dialogue) {
  std::string lines;
  for (const std::string& line : dialogue.record()) lines += "  " + line + "\n";
  return lines.empty() ? "  (nothing shown)\n" : lines;
}

bool EndsWithMessage(const ScriptedDialogue& dialogue, std::size_t expected_lines,
                     const char* message) {
  const std::string success = "message|" + std::to_string(kMessagePlain) + "||" + message;
  return dialogue.record().size() == expected_lines && dialogue.record().back() == success;
}

// One lock and one unlock of subject's folder; the time taken, or nothing if either failed.
std::optional<double> Cycle(const Subject& subject, FileSystem& files) {
  ScriptedDialogue lock({kPassword, kPassword});
  ScriptedDialogue unlock({kPassword});
  Text lock_path = subject.folder;
  Text unlock_path = subject.folder + ".";
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  ProcessFolder(lock_path, files, lock);
  ProcessFolder(unlock_path, files, unlock);
  QueryPerformanceCounter(&end);
  // Two prompts and the report for the lock, one prompt and the report for the unlock.
  if (!EndsWithMessage(lock, 3, lock_texts::kLocked) ||
      !EndsWithMessage(unlock, 2, lock_texts::kUnlocked)) {
    std::fprintf(stderr, "The cycle on %ld files did not succeed.\nLock:\n%sUnlock:\n%s",
                 subject.files, Describe(lock).c_str(), Describe(unlock).c_str());
    return std::nullopt;
  }
  return Milliseconds(end.QuadPart - start.QuadPart);
}

int Run(int cycles, const std::vector<long>& counts) {
  TempFolder temp;
  std::vector<Subject> subjects;
  for (long count : counts) {
    Subject subject;
    subject.files = count;
    subject.folder = temp.path() + "\\Folder" + std::to_string(subjects.size() + 1);
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    if (!CreateFolders(subject.folder) || !CreateSmallFiles(subject.folder, count)) {
      std::fprintf(stderr, "Could not create %ld files in %s (error %lu).\n", count,
                   subject.folder.c_str(), GetLastError());
      return 1;
    }
    QueryPerformanceCounter(&end);
    std::fprintf(stderr, "Created %ld files in %.0f ms.\n", count,
                 Milliseconds(end.QuadPart - start.QuadPart));
    subjects.push_back(std::move(subject));
  }

  Win32FileSystem real_files;
  CountingFileSystem files(real_files);
  // One cycle each first, untimed, so that every folder's entries are as warm as they will be.
  for (int round = -1; round < cycles; ++round) {
    for (Subject& subject : subjects) {
      files.count = 0;
      std::optional<double> time = Cycle(subject, files);
      if (!time) return 1;
      subject.operations = files.count;
      if (round < 0) continue;
      subject.times_ms.push_back(*time);
      subject.lookup_ms.push_back(MissingNameLookup(subject));
    }
  }

  for (const Subject& subject : subjects) {
    // Unlocked again: every file and nothing else, no password file left behind.
    const std::size_t entries = FolderEntries(subject.folder).size();
    const std::size_t expected = static_cast<std::size_t>(subject.files);
    if (entries != expected) {
      std::fprintf(stderr, "%s holds %zu entries after the cycles instead of %zu.\n",
                   subject.folder.c_str(), entries, expected);
      return 1;
    }
    const auto [fastest, slowest] =
        std::minmax_element(subject.times_ms.begin(), subject.times_ms.end());
    std::printf(
        "files=%ld cycles=%d median_ms=%.3f min_ms=%.3f max_ms=%.3f lookup_ms=%.3f "
        "operations=%d\n",
        subject.files, cycles, Median(subject.times_ms), *fastest, *slowest,
        Median(subject.lookup_ms), subject.operations);
    std::fflush(stdout);
  }
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  for (const Subject& subject : subjects) RemoveFolder(subject.folder);
  QueryPerformanceCounter(&end);
  std::fprintf(stderr, "Removed the folders in %.0f ms.\n",
               Milliseconds(end.QuadPart - start.QuadPart));
  return 0;
}

}  // namespace
}  // namespace folderlocker::testing

int main(int argc, char** argv) {
  int cycles = 15;
  std::vector<long> counts;
  if (argc > 1) cycles = std::atoi(argv[1]);
  for (int i = 2; i < argc; ++i) counts.push_back(std::atol(argv[i]));
  if (counts.empty()) counts = {0, 1000, 100000};
  if (cycles < 1 || std::any_of(counts.begin(), counts.end(), [](long n) { return n < 0; })) {
    std::fprintf(stderr, "usage: FolderLockerLockBench [cycles] [file count]...\n");
    return 2;
  }
  return folderlocker::testing::Run(cycles, counts);
}
