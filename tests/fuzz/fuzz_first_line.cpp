// Fuzzes the password file's first-line rule with arbitrary file contents and checks that:
// - the line holds no NUL byte, and LF and SUB only as the trail byte of a double-byte character;
// - the line is the start of the content, and it stops exactly where the rule says: at the end
//   of the content, at a NUL, at an LF or SUB that is a character of its own, or before a CR of
//   its own that is dropped because that line end or the end of the content follows it; a CR of
//   its own is never left at the end of a line otherwise;
// - FirstLineReader, fed the content in pieces whose sizes come from the content's own bytes,
//   arrives at the same line, reports completion exactly once the line end has been fed, keeps
//   the line of each fed start of the content, and changes nothing after completion.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "lock/first_line.h"
#include "fuzz_property.h"

namespace {

using folderlocker::FirstLine;
using folderlocker::FirstLineReader;
using folderlocker::Text;
using fuzz_property::Require;
using fuzz_property::StartsDoubleByte;

bool EndsLineAnywhere(char byte) { return byte == '\0'; }
bool EndsLineOnItsOwn(char byte) { return byte == '\n' || byte == '\x1a'; }

// Each check of the line after a piece reads the content once more; the first pieces do.
constexpr int kCheckedPieces = 32;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const Text line = FirstLine(content);
  const std::size_t n = line.size();

  Require(line.find('\0') == Text::npos, "the line holds no NUL byte");
  // Walks the line character by character; last_start is where its last character starts.
  std::size_t i = 0;
  std::size_t last_start = 0;
  while (i < n) {
    Require(!EndsLineOnItsOwn(line[i]), "LF and SUB are in the line only as trail bytes");
    last_start = i;
    i += StartsDoubleByte(line[i]) ? 2 : 1;
  }
  const bool lead_byte_open = i != n;  // the line's last byte is a lead byte without its trail
  const bool ends_in_lone_cr = n > 0 && last_start == n - 1 && line[n - 1] == '\r';

  Require(n <= content.size() && content.compare(0, n, line) == 0,
          "the line is the start of the content");
  // Where the line ended in the content: the byte that ended it, or the content's end.
  std::size_t ended_at = n;
  if (n < content.size() && content[n] == '\r' && !lead_byte_open) {
    // A CR of its own after the line can only be the dropped CR.
    ended_at = n + 1;
    Require(ended_at == content.size() || EndsLineAnywhere(content[ended_at]) ||
                EndsLineOnItsOwn(content[ended_at]),
            "only a CR that ends the line is dropped");
  } else {
    Require(n == content.size() || EndsLineAnywhere(content[n]) ||
                (!lead_byte_open && EndsLineOnItsOwn(content[n])),
            "the line runs up to the first NUL, LF or SUB of its own, or to the content's end");
    Require(!ends_in_lone_cr, "a CR that ends the line on its own is dropped");
  }
  const bool line_ended = ended_at < content.size();

  // The same content in pieces; piece sizes from 1 to 16, read from the content's bytes in turn.
  FirstLineReader reader;
  std::size_t fed = 0;
  int piece = 0;
  while (fed < content.size()) {
    const std::size_t want = 1 + (static_cast<unsigned char>(content[piece % content.size()]) & 15);
    const std::size_t length = want < content.size() - fed ? want : content.size() - fed;
    const bool complete = reader.Feed(content.substr(fed, length));
    fed += length;
    Require(complete == reader.complete(), "Feed returns whether the line is complete");
    Require(complete == (ended_at < fed), "the reader is complete once the line end is fed");
    if (piece < kCheckedPieces) {
      Require(reader.Line() == FirstLine(content.substr(0, fed)),
              "after each piece the reader holds the first line of what was fed");
    }
    ++piece;
  }
  Require(reader.Line() == line, "fed in pieces, the reader arrives at the same line");
  Require(reader.complete() == line_ended, "the reader is complete when the line has ended");

  if (reader.complete()) {
    Require(reader.Feed("more\r\nbytes\x81") && reader.Line() == line,
            "bytes after completion change nothing");
  }
  return 0;
}
