#include "lock/path_model.h"

#include <gtest/gtest.h>

#include "path_cases.h"

namespace folderlocker {
namespace {

using testing::kCaseCurrentDirectory;
using testing::PathCases;

TEST(PathModelTest, ResolvesEveryCaseOfTheTable) {
  for (const auto& c : PathCases()) {
    EXPECT_EQ(ResolvePath(c.path, kCaseCurrentDirectory), c.resolved) << "path \"" << c.path << '"';
  }
}

// True when no component of a full path ends in a period or a space: nothing is left that the
// rules would change.
bool HasNoTrailingPeriodsOrSpaces(const std::string& path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(path[i])) {
      ++i;
      continue;
    }
    bool ends_component = i + 1 == path.size() || path[i + 1] == '\\';
    if (ends_component && (path[i] == '.' || path[i] == ' ')) return false;
  }
  return true;
}

// Such a resolved path resolves to itself, whatever the current directory.
TEST(PathModelTest, ResolvedPathsAreFixedPoints) {
  for (const auto& c : PathCases()) {
    if (!c.resolved || !HasNoTrailingPeriodsOrSpaces(*c.resolved)) continue;
    EXPECT_EQ(ResolvePath(*c.resolved, "D:\\elsewhere"), c.resolved) << "path \"" << c.path << '"';
  }
}

TEST(PathModelTest, LocationDropsOnlyANonRootFinalBackslash) {
  EXPECT_EQ(ResolveLocation("D:\\Work..\\", "C:\\"), "D:\\Work.");
  EXPECT_EQ(ResolveLocation("D:\\Work\\..\\", "C:\\"), "D:\\");
  EXPECT_EQ(ResolveLocation("\\\\server\\share\\", "C:\\"), "\\\\server\\share\\");
  EXPECT_EQ(ResolveLocation("D:\\\x81\\", "C:\\"), "D:\\\x81\\");  // the 0x5C is a trail byte
}

TEST(PathModelTest, RootsAndParents) {
  EXPECT_EQ(RootLength("D:\\Work"), 3u);
  EXPECT_EQ(RootLength("\\\\server\\share\\x"), 15u);
  EXPECT_EQ(RootLength("Work"), 0u);
  EXPECT_EQ(ParentLocation("D:\\Work"), "D:\\");
  EXPECT_EQ(ParentLocation("D:\\Work.\\tavro.dat"), "D:\\Work.");
  EXPECT_EQ(ParentLocation("D:\\\x81\\"), "D:\\");
  EXPECT_EQ(ParentLocation("\\\\server\\share\\x"), "\\\\server\\share\\");
  EXPECT_EQ(ParentLocation("D:\\"), std::nullopt);
}

}  // namespace
}  // namespace folderlocker
