#include "lock/first_line.h"

#include <gtest/gtest.h>

namespace folderlocker {
namespace {

using namespace std::string_literals;

struct LineCase {
  const char* name;
  std::string content;
  std::string line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class FirstLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(FirstLineTest, ReadsTheFirstLine) {
  const LineCase& c = GetParam();
  EXPECT_EQ(FirstLine(c.content), c.line);
}

// Fed one byte at a time, the reader must come to the same line as from the whole content.
TEST_P(FirstLineTest, SameLineWhenFedByteByByte) {
  const LineCase& c = GetParam();
  FirstLineReader reader;
  for (char byte : c.content) reader.Feed(std::string_view(&byte, 1));
  EXPECT_EQ(reader.Line(), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstLineTest,
    ::testing::Values(
        LineCase{"EmptyFile", "", ""}, LineCase{"PasswordWithoutLineEnd", "abc", "abc"},
        LineCase{"FurtherLinesIgnored", "abc\nsecond\n", "abc"},
        LineCase{"CrBeforeLfDropped", "abc\r\nsecond", "abc"},
        LineCase{"CrAtEndOfFileDropped", "abc\r", "abc"},
        LineCase{"OnlyOneCrDropped", "abc\r\r\n", "abc\r"},
        LineCase{"CrInsideLineKept", "a\rb", "a\rb"}, LineCase{"NulEndsLine", "ab\0cd"s, "ab"},
        LineCase{"SubEndsLine",
                 "ab\x1a"
                 "cd",
                 "ab"},
        LineCase{"LeadingLfGivesEmptyLine", "\nabc", ""},
        LineCase{"SpacesKept", "  pw  \n", "  pw  "}, LineCase{"GbkPassword", "密码", "密码"},
        // A lead byte takes the next byte along, so an LF or SUB there does not end the line.
        LineCase{"LfAfterLeadByteKept", "\x81\nx\ny", "\x81\nx"},
        LineCase{"SubAfterLeadByteKept",
                 "\x81\x1a"
                 "b",
                 "\x81\x1a"
                 "b"},
        LineCase{"CrAfterLeadByteKept", "\x81\r", "\x81\r"},
        // NUL cannot be held by a text: it ends the line even after a lead byte, which stays.
        LineCase{"NulAfterLeadByteEndsLine", "a\x81\0b"s, "a\x81"},
        LineCase{"LeadByteAtEndOfFileKept", "pass\xe9", "pass\xe9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FirstLineReaderTest, CompleteOnceTheLineHasEnded) {
  FirstLineReader reader;
  EXPECT_FALSE(reader.Feed("abc"));
  EXPECT_FALSE(reader.Feed("\x81"));  // the next byte belongs to this character
  EXPECT_FALSE(reader.Feed("\n"));
  EXPECT_TRUE(reader.Feed("d\nrest"));
  EXPECT_TRUE(reader.complete());
  EXPECT_EQ(reader.Line(), "abc\x81\nd");
}

}  // namespace
}  // namespace folderlocker
