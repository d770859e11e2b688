#include "core/text.h"

#include <gtest/gtest.h>

namespace folderlocker {
namespace {

struct SplitCase {
  const char* name;
  std::string text;
  std::string separator;
  TextList members;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, YieldsTheMembers) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(SplitText(c.text, c.separator), c.members);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextTest,
    ::testing::Values(
        SplitCase{"Empty", "", "\r\n", {}},
        SplitCase{"NoSeparator", "D:\\Work", "\r\n", {"D:\\Work"}},
        SplitCase{"TrailingSeparatorAddsNoMember", "a\r\n", "\r\n", {"a"}},
        SplitCase{"LeadingSeparatorGivesEmptyMember", "\r\na", "\r\n", {"", "a"}},
        SplitCase{"DoubledSeparatorGivesEmptyMember", "a\r\n\r\nb", "\r\n", {"a", "", "b"}},
        SplitCase{"OnlySeparator", "\r\n", "\r\n", {""}},
        SplitCase{"ThreeDroppedNames",
                  "D:\\A\r\nD:\\B\r\nD:\\C\r\n",
                  "\r\n",
                  {"D:\\A", "D:\\B", "D:\\C"}},
        SplitCase{"LoneCrOrLfIsNoSeparator", "a\rb\nc", "\r\n", {"a\rb\nc"}},
        // A lead byte takes the byte after it along: no match starts inside a character.
        SplitCase{"NoMatchInsideDoubleByteCharacter", "\x81\r\nx\r\n", "\r\n", {"\x81\r\nx"}},
        SplitCase{"TrailByteEqualToSeparator", "\x81\\a\\b", "\\", {"\x81\\a", "b"}},
        SplitCase{
            "DoubleByteNamesKeptWhole", "D:\\文件\r\nD:\\锁\r\n", "\r\n", {"D:\\文件", "D:\\锁"}},
        SplitCase{"LoneLeadByteAtEnd", "ab\x81", "\r\n", {"ab\x81"}},
        SplitCase{"ComparedCaseSensitively", "aXbxc", "x", {"aXb", "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLeftTest, CutsBytesAndClampsTheCount) {
  struct Case {
    std::string text;
    std::int64_t n;
    std::string left;
  } cases[] = {
      {"D:\\Work.", 7, "D:\\Work"},
      {"abc", 3, "abc"},
      {"abc", 4, "abc"},
      {"abc", 0, ""},
      {"abc", -1, ""},
      {"", -1, ""},
      {"", 5, ""},
      // Bytes, not characters: the cut may split a double-byte character.
      {"\xcb\xf8", 1, "\xcb"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextLeft(c.text, c.n), c.left) << "text \"" << c.text << "\", n " << c.n;
  }
}

TEST(TextLengthTest, CountsBytes) {
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength("D:\\Work"), 7u);
  EXPECT_EQ(TextLength("锁"), 2u);  // one GBK character
}

}  // namespace
}  // namespace folderlocker
