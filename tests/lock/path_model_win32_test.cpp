// The path model against the real thing: every path of the table goes through the model and
// through GetFullPathNameW, which must agree.
#include <windows.h>

#include <gtest/gtest.h>

#include "lock/path_model.h"
#include "path_cases.h"
#include "temp_folder.h"

namespace folderlocker::testing {
namespace {

// What GetFullPathNameW makes of path; nothing where it fails or names a device.
std::optional<Text> SystemResolve(const Text& path) {
  std::wstring wide = Widen(path);
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::nullopt;
  std::wstring full(needed, L'\0');
  DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return std::nullopt;
  full.resize(length);
  if (full.rfind(L"\\\\.\\", 0) == 0 || full.rfind(L"\\\\?\\", 0) == 0) return std::nullopt;
  return Narrow(full);
}

TEST(PathModelAgainstSystemTest, AgreesOnEveryCaseOfTheTable) {
  ASSERT_EQ(GetACP(), 936u) << "the GBK cases need the ANSI code page 936";
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\windows"));
  for (const PathCase& c : PathCases()) {
    EXPECT_EQ(ResolvePath(c.path, kCaseCurrentDirectory), SystemResolve(c.path))
        << "path \"" << c.path << '"';
  }
}

}  // namespace
}  // namespace folderlocker::testing
