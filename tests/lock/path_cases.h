// Paths and the locations that the Win32 file functions resolve them to, with the current
// directory C:\windows. The model is checked against this table natively, and against Wine's
// GetFullPathNameW with the same table.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace folderlocker::testing {

inline constexpr char kCaseCurrentDirectory[] = "C:\\windows";

struct PathCase {
  std::string path;
  std::optional<std::string> resolved;  // nothing: the path names a device or nothing at all
};

inline const std::vector<PathCase>& PathCases() {
  static const std::vector<PathCase> cases = {
      // Trailing periods: all go from the last component, one from a component before a backslash.
      {"C:\\Work", "C:\\Work"},
      {"C:\\Work.", "C:\\Work"},
      {"C:\\Work..", "C:\\Work"},
      {"C:\\Work..\\", "C:\\Work.\\"},
      {"C:\\Work.\\tavro.dat", "C:\\Work\\tavro.dat"},
      {"C:\\Work..\\tavro.dat", "C:\\Work.\\tavro.dat"},
      {"C:\\Work...\\tavro.dat", "C:\\Work..\\tavro.dat"},
      {"C:\\Work.\\", "C:\\Work\\"},
      {"C:\\Work..\\.\\", "C:\\Work.\\"},
      // Trailing spaces: all go from the last component, none from one before a backslash.
      {"C:\\Work. . ", "C:\\Work"},
      {"C:\\a .\\b", "C:\\a \\b"},
      {"C:\\a. \\b", "C:\\a. \\b"},
      {"C:\\ \\x", "C:\\ \\x"},
      // "." and ".." components, never above the root; repeated backslashes.
      {"C:\\", "C:\\"},
      {"C:\\..\\", "C:\\"},
      {"C:\\..", "C:\\"},
      {"C:\\.", "C:\\"},
      {"C:\\Work\\", "C:\\Work\\"},
      {"C:\\Work\\..\\", "C:\\"},
      {"C:\\a\\.\\b", "C:\\a\\b"},
      {"C:\\a\\..\\b", "C:\\b"},
      {"C:\\a\\b\\..\\..\\..\\c", "C:\\c"},
      {"C:\\a\\.", "C:\\a"},
      {"C:\\a\\b\\..", "C:\\a"},
      {"C:\\...\\x", "C:\\..\\x"},
      {"C:\\\\tavro.dat", "C:\\tavro.dat"},
      {"C:\\Work\\\\\\tavro.dat", "C:\\Work\\tavro.dat"},
      {"C:\\.\\tavro.dat", "C:\\tavro.dat"},
      // Forward slashes are backslashes.
      {"C:/Work/../b", "C:\\b"},
      {"C:/Work../", "C:\\Work.\\"},
      // Relative paths, against C:\windows.
      {"Work", "C:\\windows\\Work"},
      {"Work..\\", "C:\\windows\\Work.\\"},
      {".\\tavro.dat", "C:\\windows\\tavro.dat"},
      {"..\\Work.", "C:\\Work"},
      {"\\Work", "C:\\Work"},
      {"C:Work", "C:\\windows\\Work"},
      {"D:Work", "D:\\Work"},
      // UNC paths: the share is the root.
      {"\\\\server\\share\\..\\x", "\\\\server\\share\\x"},
      {"\\\\server\\share\\a.\\b", "\\\\server\\share\\a\\b"},
      {"\\\\server\\share\\Work.", "\\\\server\\share\\Work"},
      // GBK names: a trail byte 0x5C is no backslash, and periods after a double-byte character
      // follow the same rules.
      {"C:\\\x81\\", "C:\\\x81\\"},
      {"C:\\\x81\\.\\tavro.dat", "C:\\\x81\\\\tavro.dat"},
      {"C:\\\x81\\..\\", "C:\\\x81\\.\\"},
      {"C:\\\x95\\\\..\\x", "C:\\x"},
      {"C:\\文件..", "C:\\文件"},
      {"C:\\文件..\\tavro.dat", "C:\\文件.\\tavro.dat"},
      // Devices and paths that name nothing.
      {"", std::nullopt},
      {"CON", std::nullopt},
      {"con", std::nullopt},
      {"C:\\dir\\nul.txt", std::nullopt},
      {"C:\\dir\\COM1", std::nullopt},
      {"C:\\dir\\lpt9.log", std::nullopt},
      {"C:\\dir\\aux:", std::nullopt},
      {"\\\\.\\C:\\Work", std::nullopt},
      {"\\\\?\\C:\\Work.", std::nullopt},
      {"C:\\dir\\com0", "C:\\dir\\com0"},
      {"C:\\dir\\connect", "C:\\dir\\connect"},
      {"C:\\con\\x", "C:\\con\\x"},
  };
  return cases;
}

}  // namespace folderlocker::testing
