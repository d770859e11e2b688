// The rule by which the password file is read: only its first line counts.
#pragma once

#include <string_view>

#include "core/text.h"

namespace folderlocker {

// Collects the first line of a file fed to it in pieces. The line runs from the start of the file
// up to, not including, the first LF, NUL or SUB byte, or to the end of the file. A byte with the
// high bit set takes the byte after it along, which then never ends the line, except NUL: a text
// cannot hold it, so NUL still ends the line after such a byte, which stays. A lead byte that is
// the last byte of the file stays too. A CR that ends the line on its own is dropped.
class FirstLineReader {
 public:
  // Takes the next bytes of the file. Returns true once the line has ended and no further byte can
  // change it.
  bool Feed(std::string_view bytes);
  bool complete() const { return complete_; }

  // The first line of what was fed.
  Text Line() const;

 private:
  Text line_;
  bool after_lead_byte_ = false;  // the last byte taken started a double-byte character
  bool last_was_trail_ = false;   // the last byte taken ended a double-byte character
  bool complete_ = false;
};

// The first line of a whole file's content.
Text FirstLine(std::string_view content);

}  // namespace folderlocker
