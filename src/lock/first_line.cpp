#include "lock/first_line.h"

namespace folderlocker {

namespace {
constexpr char kLineFeed = '\n';
constexpr char kSubstitute = '\x1a';
}  // namespace

bool FirstLineReader::Feed(std::string_view bytes) {
  for (char byte : bytes) {
    if (complete_) break;
    if (byte == '\0') {
      complete_ = true;
    } else if (after_lead_byte_) {
      line_ += byte;
      after_lead_byte_ = false;
      last_was_trail_ = true;
    } else if (byte == kLineFeed || byte == kSubstitute) {
      complete_ = true;
    } else {
      line_ += byte;
      after_lead_byte_ = IsLeadByte(byte);
      last_was_trail_ = false;
    }
  }
  return complete_;
}

Text FirstLineReader::Line() const {
  if (!line_.empty() && line_.back() == '\r' && !last_was_trail_) {
    return line_.substr(0, line_.size() - 1);
  }
  return line_;
}

Text FirstLine(std::string_view content) {
  FirstLineReader reader;
  reader.Feed(content);
  return reader.Line();
}

}  // namespace folderlocker
