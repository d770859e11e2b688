// Fuzzes JoinDroppedNames with lists of names as a dropped file list can hold them: the input split
// at its NUL bytes, each name rid of CR and LF bytes and of a lead byte left without its trail byte
// at its end, empty names left out. Checks that:
// - no names give the empty text, one name gives that name alone, with no line end, and two or
//   more give each name followed by CR LF;
// - splitting the text at CR LF gives back the names, the first one whole.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/text.h"
#include "drop/dropped_names.h"
#include "fuzz_property.h"

namespace {

using folderlocker::JoinDroppedNames;
using folderlocker::SplitText;
using folderlocker::Text;
using folderlocker::TextList;
using fuzz_property::Require;
using fuzz_property::StartsDoubleByte;

// The name as a file name can be: no CR or LF, and no lead byte without its trail byte at the end.
Text AsName(std::string_view raw) {
  Text name;
  for (char byte : raw) {
    if (byte != '\r' && byte != '\n') name += byte;
  }
  std::size_t i = 0;
  while (i < name.size()) i += StartsDoubleByte(name[i]) ? 2 : 1;
  if (i != name.size()) name.pop_back();
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  TextList names;
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\0', start);
    if (end == std::string_view::npos) end = input.size();
    Text name = AsName(input.substr(start, end - start));
    if (!name.empty()) names.push_back(std::move(name));
    start = end + 1;
  }

  const Text joined = JoinDroppedNames(names);
  if (names.empty()) {
    Require(joined.empty(), "no names give the empty text");
    return 0;
  }
  if (names.size() == 1) {
    Require(joined == names.front(), "one name alone is given unchanged, with no line end");
  } else {
    Text expected;
    for (const Text& name : names) expected += name + "\r\n";
    Require(joined.size() >= 2 && joined.compare(joined.size() - 2, 2, "\r\n") == 0,
            "two or more names end with CR LF");
    Require(joined == expected, "two or more names are each followed by CR LF");
  }
  const TextList members = SplitText(joined, "\r\n");
  Require(!members.empty() && members.front() == names.front(),
          "the first name comes back whole from the joined text");
  Require(members == names, "splitting the joined text at CR LF gives the names back");
  return 0;
}
