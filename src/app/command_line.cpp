#include "app/command_line.h"

namespace folderlocker {

namespace {

constexpr char kQuote = '"';

bool IsSeparator(char byte) {
  auto value = static_cast<unsigned char>(byte);
  return value >= 0x01 && value <= 0x20;
}

// Skips the program path and the quote or space that ended it; returns where the arguments start.
std::size_t SkipProgramPath(std::string_view line) {
  if (line.empty()) return 0;
  const char end = line[0] == kQuote ? kQuote : ' ';
  std::size_t i = line[0] == kQuote ? 1 : 0;
  while (i < line.size() && line[i] != end) ++i;
  return i < line.size() ? i + 1 : i;
}

}  // namespace

TextList SplitCommandLine(std::string_view line) {
  // The line ends at its first NUL, as a C string does.
  line = line.substr(0, line.find('\0'));
  TextList arguments;
  std::size_t i = SkipProgramPath(line);
  while (i < line.size()) {
    if (IsSeparator(line[i])) {
      ++i;
      continue;
    }
    const bool quoted = line[i] == kQuote;
    if (quoted) ++i;
    Text argument;
    bool line_ended = false;
    while (i < line.size()) {
      const char byte = line[i];
      if (quoted ? byte == kQuote : (byte == kQuote || IsSeparator(byte))) break;
      if (IsLeadByte(byte)) {
        if (i + 1 >= line.size()) {  // a lead byte with nothing after it is dropped
          line_ended = true;
          ++i;
          break;
        }
        argument += byte;
        argument += line[i + 1];
        i += 2;
      } else {
        argument += byte;
        ++i;
      }
    }
    if (quoted && i < line.size() && line[i] == kQuote) ++i;  // the closing quote
    arguments.push_back(std::move(argument));
    if (line_ended) break;
  }
  return arguments;
}

}  // namespace folderlocker
