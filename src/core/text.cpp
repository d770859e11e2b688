#include "core/text.h"

namespace folderlocker {

std::size_t TextLength(const Text& text) { return text.size(); }

Text TextLeft(const Text& text, std::int64_t n) {
  if (n <= 0) return Text();
  if (static_cast<std::uint64_t>(n) >= text.size()) return text;
  return text.substr(0, static_cast<std::size_t>(n));
}

TextList SplitText(std::string_view text, std::string_view separator) {
  TextList members;
  std::size_t member_start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
      members.emplace_back(text.substr(member_start, i - member_start));
      i += separator.size();
      member_start = i;
    } else {
      i += IsLeadByte(text[i]) ? 2 : 1;
    }
  }
  if (member_start < text.size()) members.emplace_back(text.substr(member_start));
  return members;
}

Bytes BytesOf(const Text& text) { return Bytes(text.begin(), text.end()); }

}  // namespace folderlocker
