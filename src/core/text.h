// Text values as the program handles them: byte strings in the system's ANSI code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace folderlocker {

// A byte string in the ANSI code page (GBK on the systems the texts are written for). An absent
// text and the empty text are the same value. Every Text comes from a C string, a window text or a
// file's first line, so it never holds a NUL byte.
using Text = std::string;

// An ordered list of texts; a member may be empty.
using TextList = std::vector<Text>;

// A counted sequence of bytes, for a file's exact content.
using Bytes = std::vector<std::uint8_t>;

// Wherever characters are respected, a byte with the high bit set starts a double-byte character
// and takes the byte after it along.
constexpr bool IsLeadByte(char byte) { return (static_cast<unsigned char>(byte) & 0x80) != 0; }

// The number of bytes of text.
std::size_t TextLength(const Text& text);

// The first n bytes of text: the whole text when n is beyond its length, the empty text when n is
// 0 or less. Cuts bytes, not characters.
Text TextLeft(const Text& text, std::int64_t n);

// Splits text at every occurrence of separator, compared byte for byte but never inside a
// double-byte character. Each occurrence ends a member, which may be empty; what follows the last
// occurrence is a member only if it is not empty, so an empty text gives an empty list.
TextList SplitText(std::string_view text, std::string_view separator);

// The bytes of text, without a terminator.
Bytes BytesOf(const Text& text);

}  // namespace folderlocker
