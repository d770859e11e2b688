// Fuzzes SplitText. The first byte gives the separator's length (1 to 4: the program never splits
// at an empty separator), the bytes after it the separator, and the rest is the text. Checks that:
// - the same text splits the same way twice;
// - the members, laid out one after another with the separator after each, give the text back,
//   except that the separator after the last member is there only when the text ends with it,
//   and a last member without it is never empty; an empty text gives no members;
// - walking each member character by character (a lead byte takes its trail byte along, the walk
//   starting afresh after each separator), the separator never starts at a character of a member,
//   and a member that the separator ends ends on a whole character;
// - TextLeft gives the first n bytes, clamped to the text, for counts around those positions.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "fuzz_property.h"

namespace {

using folderlocker::SplitText;
using folderlocker::Text;
using folderlocker::TextLeft;
using folderlocker::TextList;
using fuzz_property::Require;
using fuzz_property::StartsDoubleByte;

void CheckTextLeft(const Text& text, std::int64_t n) {
  const Text left = TextLeft(text, n);
  const std::int64_t length = static_cast<std::int64_t>(text.size());
  const std::int64_t expected = n <= 0 ? 0 : (n >= length ? length : n);
  Require(static_cast<std::int64_t>(left.size()) == expected,
          "TextLeft gives n bytes, none for n of 0 or less, the whole text for n beyond it");
  Require(text.compare(0, left.size(), left) == 0, "TextLeft gives the start of the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t separator_length = data[0] % 4 + 1;
  if (size < 1 + separator_length) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view separator = input.substr(1, separator_length);
  const std::string_view text = input.substr(1 + separator_length);

  const TextList members = SplitText(text, separator);
  Require(SplitText(text, separator) == members, "the same text splits the same way twice");
  if (members.empty()) Require(text.empty(), "only the empty text gives no members");

  std::vector<std::int64_t> counts;  // byte counts to try TextLeft with
  std::size_t at = 0;                // where the member starts in the text
  for (std::size_t k = 0; k < members.size(); ++k) {
    const Text& member = members[k];
    Require(text.size() - at >= member.size() && text.compare(at, member.size(), member) == 0,
            "the members follow one another in the text");
    const std::size_t end = at + member.size();
    const bool ended_by_separator = text.substr(end, separator.size()) == separator;
    if (k + 1 < members.size()) {
      Require(ended_by_separator, "the separator follows every member but the last");
    } else if (ended_by_separator) {
      Require(end + separator.size() == text.size(),
              "the last member with the separator after it ends the text with that separator");
    } else {
      Require(end == text.size() && !member.empty(),
              "a last member without the separator after it is not empty and ends the text");
    }

    // Compared against the text, so that an occurrence running on into the bytes after the
    // member is caught as well.
    std::size_t i = at;
    while (i < end) {
      Require(text.substr(i, separator.size()) != separator,
              "the separator never starts at a character inside a member");
      i += StartsDoubleByte(text[i]) ? 2 : 1;
    }
    if (ended_by_separator) {
      Require(i == end, "a member that the separator ends, ends on a whole character");
    }

    if (counts.size() < 32) {
      counts.push_back(static_cast<std::int64_t>(at));
      counts.push_back(static_cast<std::int64_t>(end));
    }
    at = ended_by_separator ? end + separator.size() : end;
  }

  const Text whole(text);
  const std::int64_t length = static_cast<std::int64_t>(whole.size());
  for (std::int64_t n :
       {std::numeric_limits<std::int64_t>::min(), std::int64_t{-1}, std::int64_t{0}, length - 1,
        length, length + 1, std::numeric_limits<std::int64_t>::max()}) {
    counts.push_back(n);
  }
  for (std::int64_t n : counts) CheckTextLeft(whole, n);
  return 0;
}
