#include "drop/dropped_names.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace folderlocker {
namespace {

TEST(JoinDroppedNamesTest, OneNameAloneSeveralEachWithCrLf) {
  struct Case {
    TextList names;
    Text joined;
  } cases[] = {
      {{}, ""},
      {{"D:\\Work"}, "D:\\Work"},
      {{"D:\\A", "D:\\B"}, "D:\\A\r\nD:\\B\r\n"},
      {{"D:\\A", "D:\\b.txt", "D:\\C"}, "D:\\A\r\nD:\\b.txt\r\nD:\\C\r\n"},
      {{"D:\\文件", "D:\\\x81\\"}, "D:\\文件\r\nD:\\\x81\\\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinDroppedNames(c.names), c.joined);
    // The lock procedure must get the first name back, whole.
    TextList members = SplitText(c.joined, "\r\n");
    if (!c.names.empty()) {
      ASSERT_FALSE(members.empty());
      EXPECT_EQ(members.front(), c.names.front());
    }
    EXPECT_EQ(members, c.names);
  }
}

}  // namespace
}  // namespace folderlocker
