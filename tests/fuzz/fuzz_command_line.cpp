// Fuzzes SplitCommandLine with arbitrary command lines and checks that:
// - the same line always splits the same way;
// - no argument holds a NUL byte, ends in a lead byte without its trail byte, or holds a double
//   quote that is not the trail byte of a double-byte character;
// - the arguments are pieces of the line (before its first NUL), in order, after its first byte;
// - arguments written into a line split back to themselves: each in double quotes when it holds
//   no double quote of its own and does not end in a lead byte without its trail byte, and with
//   single spaces between them when none is empty or holds a double quote, control byte or space
//   of its own. This is checked for the arguments that the line split into, and for arguments
//   made from the input's pieces between NUL bytes, rid of the bytes that break the condition.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "fuzz_property.h"

namespace {

using folderlocker::SplitCommandLine;
using folderlocker::Text;
using folderlocker::TextList;
using fuzz_property::Require;
using fuzz_property::StartsDoubleByte;

// True when walking text character by character ends exactly at its end.
bool EndsOnCharacter(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) i += StartsDoubleByte(text[i]) ? 2 : 1;
  return i == text.size();
}

// True when some character of text (not a trail byte) satisfies is_match.
template <typename Predicate>
bool HasCharacter(std::string_view text, Predicate is_match) {
  for (std::size_t i = 0; i < text.size(); i += StartsDoubleByte(text[i]) ? 2 : 1) {
    if (is_match(text[i])) return true;
  }
  return false;
}

bool IsQuote(char byte) { return byte == '"'; }

bool IsControlOrSpace(char byte) {
  auto value = static_cast<unsigned char>(byte);
  return value >= 0x01 && value <= 0x20;
}

bool IsQuoteControlOrSpace(char byte) { return IsQuote(byte) || IsControlOrSpace(byte); }

// In double quotes an argument runs to the next double quote that is a character of its own and
// takes spaces and control bytes as they are, so arguments without such a quote and without a
// lead byte at their end read back unchanged.
void CheckQuotedRoundTrip(const TextList& arguments) {
  for (const char* program : {"p", "\"C:\\Program Files\\FolderLocker.exe\""}) {
    Text line = program;
    for (const Text& argument : arguments) line += " \"" + argument + "\"";
    Require(SplitCommandLine(line) == arguments,
            "arguments, each in double quotes, split back to themselves");
  }
}

// Without quotes an argument runs up to a double quote, a control byte or a space.
void CheckPlainRoundTrip(const TextList& arguments) {
  Text line = "FolderLocker.exe";
  for (const Text& argument : arguments) line += ' ' + argument;
  Require(SplitCommandLine(line) == arguments,
          "plain arguments, with spaces between them, split back to themselves");
}

// text without its single-byte characters for which is_excluded holds, and without a lead byte
// at its end that lacks its trail byte.
template <typename Predicate>
Text Without(std::string_view text, Predicate is_excluded) {
  Text kept;
  for (std::size_t i = 0; i < text.size();) {
    if (StartsDoubleByte(text[i])) {
      if (i + 1 < text.size()) kept.append(text.substr(i, 2));
      i += 2;
    } else {
      if (!is_excluded(text[i])) kept += text[i];
      ++i;
    }
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const TextList arguments = SplitCommandLine(input);
  Require(SplitCommandLine(input) == arguments, "the same line splits the same way twice");

  // The line ends at its first NUL. Even an empty program path takes the byte that ends it, so
  // every argument lies after the first byte.
  const std::string_view line = input.substr(0, input.find('\0'));
  Require(arguments.size() <= line.size(), "every argument takes at least one byte of the line");
  std::size_t from = line.empty() ? 0 : 1;
  bool all_plain = true;  // no argument is empty or holds a control byte or space
  for (const Text& argument : arguments) {
    Require(argument.find('\0') == Text::npos, "no argument holds a NUL byte");
    Require(EndsOnCharacter(argument), "no argument ends in a lead byte without its trail byte");
    Require(!HasCharacter(argument, IsQuote),
            "a double quote in an argument is only ever the trail byte of a double-byte character");
    const std::size_t at = line.find(argument, from);
    Require(at != std::string_view::npos,
            "each argument is a piece of the line after the argument before it");
    from = at + argument.size();
    if (argument.empty() || HasCharacter(argument, IsControlOrSpace)) all_plain = false;
  }

  // The checks above hold every argument to the condition of the quoted round trip.
  CheckQuotedRoundTrip(arguments);
  if (all_plain) CheckPlainRoundTrip(arguments);

  // Arguments made from the input's pieces between NUL bytes, which no line can hold.
  TextList quotable;
  TextList plain;
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\0', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view piece = input.substr(start, end - start);
    quotable.push_back(Without(piece, IsQuote));
    Text plain_argument = Without(piece, IsQuoteControlOrSpace);
    if (!plain_argument.empty()) plain.push_back(std::move(plain_argument));
    start = end + 1;
  }
  CheckQuotedRoundTrip(quotable);
  CheckPlainRoundTrip(plain);
  return 0;
}
