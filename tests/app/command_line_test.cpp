#include "app/command_line.h"

#include <gtest/gtest.h>

namespace folderlocker {
namespace {

using namespace std::string_literals;

struct LineCase {
  const char* name;
  std::string line;
  TextList arguments;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class SplitCommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SplitCommandLineTest, YieldsTheArguments) {
  const LineCase& c = GetParam();
  EXPECT_EQ(SplitCommandLine(c.line), c.arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCommandLineTest,
    ::testing::Values(
        LineCase{"EmptyLine", "", {}}, LineCase{"OnlyTheProgram", "FolderLocker.exe", {}},
        LineCase{"OnlyTheQuotedProgram", "\"C:\\Program Files\\FolderLocker.exe\"", {}},
        LineCase{"ProgramAndSpaceOnly", "FolderLocker.exe ", {}},
        LineCase{"OneArgument", "FolderLocker.exe D:\\Work", {"D:\\Work"}},
        LineCase{"QuotedProgramPath", "\"C:\\My Tools\\FolderLocker.exe\" D:\\Work", {"D:\\Work"}},
        LineCase{
            "ArgumentRightAfterTheQuotedPath", "\"C:\\FolderLocker.exe\"D:\\Work", {"D:\\Work"}},
        LineCase{"UnterminatedProgramQuote", "\"C:\\FolderLocker.exe D:\\Work", {}},
        LineCase{"SeveralArguments", "p.exe D:\\A  D:\\B\tD:\\C", {"D:\\A", "D:\\B", "D:\\C"}},
        LineCase{"QuotedArgumentKeepsSpaces", "p.exe \"D:\\My Work\"", {"D:\\My Work"}},
        // Nothing escapes: a backslash before the closing quote stays.
        LineCase{
            "BackslashBeforeClosingQuote", "p.exe \"D:\\Work\\\" next", {"D:\\Work\\", "next"}},
        LineCase{"UnterminatedQuotedArgument", "p.exe \"D:\\My Work", {"D:\\My Work"}},
        LineCase{"EmptyQuotes", "p.exe \"\"", {""}}, LineCase{"QuoteAsLastByte", "p.exe \"", {""}},
        LineCase{"EmptyQuotesBetween", "p.exe a \"\" b", {"a", "", "b"}},
        LineCase{"QuoteEndsAnUnquotedArgument", "p.exe a\"b c\"", {"a", "b c"}},
        // Only a space ends an unquoted program path, not a tab.
        LineCase{"TabAfterProgramPath", "p.exe\tD:\\Work", {}},
        LineCase{"TabThenSpaceAfterProgramPath", "p.exe\tD:\\Work next", {"next"}},
        LineCase{"ControlBytesSeparate",
                 "p.exe \x01"
                 "a\x1f"
                 "b\r\nc",
                 {"a", "b", "c"}},
        LineCase{"DelIsNoSeparator",
                 "p.exe a\x7f"
                 "b",
                 {"a\x7f"
                  "b"}},
        // A lead byte takes the next byte along: no separator, quote or end there.
        LineCase{"LeadByteTakesASpace", "p.exe \x81 x y", {"\x81 x", "y"}},
        LineCase{"LeadByteTakesAQuote", "p.exe \"\x81\"x\" y", {"\x81\"x", "y"}},
        LineCase{"GbkFolderWithTrailBackslash", "p.exe \"D:\\\x81\\\"", {"D:\\\x81\\"}},
        LineCase{"LoneLeadByteAtTheEndDropped", "p.exe ab\x81", {"ab"}},
        LineCase{"LoneLeadByteAloneGivesEmptyArgument", "p.exe a \x81", {"a", ""}},
        LineCase{"LoneLeadByteInQuotes", "p.exe \"ab\x81", {"ab"}},
        // The program path is scanned byte by byte: a trail byte 0x22 ends it.
        LineCase{"NoDoubleByteRuleInTheProgramPath", "\"C:\\\x81\"p.exe\" x", {"p.exe", " x"}},
        LineCase{"LineEndsAtNul", "p.exe a\0b"s, {"a"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace folderlocker
