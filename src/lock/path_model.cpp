#include "lock/path_model.h"

#include <algorithm>
#include <string>

namespace folderlocker {

namespace {

// The path as characters: a single byte, or a lead byte and its trail byte in one unit, so that
// no trail byte is ever taken for a backslash, a period or a space. A lead byte at the very end
// stays a unit of its own.
using Chars = std::u16string;

Chars ToChars(std::string_view bytes) {
  Chars chars;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    if (IsLeadByte(bytes[i]) && i + 1 < bytes.size()) {
      chars += static_cast<char16_t>(byte << 8 | static_cast<unsigned char>(bytes[++i]));
    } else {
      chars += static_cast<char16_t>(byte);
    }
  }
  return chars;
}

Text ToBytes(const Chars& chars) {
  Text bytes;
  for (char16_t c : chars) {
    if (c > 0xFF) bytes += static_cast<char>(c >> 8);
    bytes += static_cast<char>(c & 0xFF);
  }
  return bytes;
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? c - u'a' + u'A' : c; }

bool IsDriveLetter(char16_t c) {
  char16_t upper = AsciiUpper(c);
  return upper >= u'A' && upper <= u'Z';
}

bool SameNameIgnoringCase(const char16_t* name, const char* device, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (AsciiUpper(name[i]) != static_cast<char16_t>(device[i])) return false;
  }
  return true;
}

// True when the last component of path is a DOS device name (CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9), with or without an extension, trailing spaces or colons. UNC paths name no
// device this way.
bool NamesDosDevice(const Chars& path) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return false;
  std::ptrdiff_t end = static_cast<std::ptrdiff_t>(path.size()) - 1;
  while (end >= 0 && path[end] == u':') --end;
  std::ptrdiff_t start = end;
  for (; start >= 0; --start) {
    if (IsSeparator(path[start])) break;
    if (path[start] == u':' &&
        (start + 1 >= static_cast<std::ptrdiff_t>(path.size()) || path[start + 1] != u'.')) {
      break;
    }
  }
  ++start;
  std::size_t dot = path.find(u'.', static_cast<std::size_t>(start));
  if (dot != Chars::npos) {
    end = static_cast<std::ptrdiff_t>(dot) - 1;
    if (end >= 0 && path[end] == u':') --end;
  } else {
    while (end >= 0 && path[end] == u' ') --end;
  }
  std::ptrdiff_t length = end - start + 1;
  const char16_t* name = path.data() + start;
  if (length == 3) {
    for (const char* device : {"AUX", "CON", "NUL", "PRN"}) {
      if (SameNameIgnoringCase(name, device, 3)) return true;
    }
  } else if (length == 4) {
    if ((SameNameIgnoringCase(name, "COM", 3) || SameNameIgnoringCase(name, "LPT", 3)) &&
        name[3] >= u'1' && name[3] <= u'9') {
      return true;
    }
  }
  return false;
}

// The length of the root of a full path in characters (see RootLength).
std::size_t RootLengthOf(const Chars& path) {
  if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == u':' && path[2] == u'\\') return 3;
  if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\') {
    std::size_t server_end = path.find(u'\\', 2);
    if (server_end == Chars::npos) return path.size();
    std::size_t share_end = path.find(u'\\', server_end + 1);
    return share_end == Chars::npos ? path.size() : share_end + 1;
  }
  return 0;
}

// Applies the period and backslash rules to a full path whose root ends at mark.
void Collapse(Chars& path, std::size_t mark) {
  // Repeated backslashes after the root count as one.
  std::size_t keep = std::max<std::size_t>(1, mark);
  if (keep > path.size()) keep = path.size();
  Chars collapsed = path.substr(0, keep);
  for (std::size_t i = keep; i < path.size(); ++i) {
    if (path[i] == u'\\' && collapsed.back() == u'\\') continue;
    collapsed += path[i];
  }
  path.swap(collapsed);

  std::size_t p = mark;
  while (p < path.size()) {
    if (path[p] == u'.') {
      char16_t next = p + 1 < path.size() ? path[p + 1] : u'\0';
      char16_t after = p + 2 < path.size() ? path[p + 2] : u'\0';
      if (next == u'\\') {  // a "." component
        path.erase(p, 2);
        continue;
      }
      if (next == u'\0') {  // a final "."
        if (p > mark) --p;
        path.erase(p);
        continue;
      }
      if (next == u'.' && (after == u'\\' || after == u'\0')) {  // a ".." component
        std::size_t component_end = after == u'\\' ? p + 3 : p + 2;
        std::size_t start = p;
        if (start > mark) {
          --start;
          while (start > mark && path[start - 1] != u'\\') --start;
          if (after == u'\0' && start > mark) --start;
        }
        path.erase(start, component_end - start);
        p = start;
        continue;
      }
    }
    while (p < path.size() && path[p] != u'\\') ++p;
    if (p < path.size()) {
      // A component followed by a backslash loses one final period.
      if (p > mark && path[p - 1] == u'.') {
        path.erase(p - 1, 1);
      } else {
        ++p;
      }
    }
  }
  // The last component loses all its trailing periods and spaces.
  while (p > mark && (path[p - 1] == u' ' || path[p - 1] == u'.')) --p;
  path.erase(p);
}

}  // namespace

std::optional<Text> ResolvePath(std::string_view path, std::string_view current_directory) {
  if (path.empty()) return std::nullopt;
  Chars chars = ToChars(path);
  if (NamesDosDevice(chars)) return std::nullopt;
  for (char16_t& c : chars) {
    if (c == u'/') c = u'\\';
  }
  if (chars.size() >= 4 && chars[0] == u'\\' && chars[1] == u'\\' &&
      (chars[2] == u'.' || chars[2] == u'?') && chars[3] == u'\\') {
    return std::nullopt;
  }

  Chars cwd = ToChars(current_directory);
  Chars full;
  if (chars.size() >= 2 && chars[0] == u'\\' && chars[1] == u'\\') {
    full = chars;  // UNC
  } else if (chars.size() >= 2 && IsDriveLetter(chars[0]) && chars[1] == u':') {
    if (chars.size() >= 3 && chars[2] == u'\\') {
      full = chars;
    } else if (!cwd.empty() && AsciiUpper(cwd[0]) == AsciiUpper(chars[0]) && cwd.size() >= 2 &&
               cwd[1] == u':') {
      full = cwd + u'\\' + chars.substr(2);
    } else {
      full = Chars{AsciiUpper(chars[0]), u':', u'\\'} + chars.substr(2);
    }
  } else if (chars[0] == u'\\') {
    full = cwd.substr(0, RootLengthOf(cwd)) + chars.substr(1);
  } else {
    full = cwd + u'\\' + chars;
  }
  std::size_t mark = RootLengthOf(full);
  Collapse(full, mark);
  return ToBytes(full);
}

std::optional<Text> ResolveLocation(std::string_view path, std::string_view current_directory) {
  std::optional<Text> resolved = ResolvePath(path, current_directory);
  if (!resolved) return resolved;
  Chars chars = ToChars(*resolved);
  if (!chars.empty() && chars.back() == u'\\' && chars.size() > RootLengthOf(chars)) {
    chars.pop_back();
  }
  return ToBytes(chars);
}

std::size_t RootLength(std::string_view full_path) {
  Chars chars = ToChars(full_path);
  return ToBytes(chars.substr(0, RootLengthOf(chars))).size();
}

std::optional<Text> ParentLocation(std::string_view location) {
  Chars chars = ToChars(location);
  std::size_t root = RootLengthOf(chars);
  if (root == 0 || chars.size() <= root) return std::nullopt;
  std::size_t last = chars.rfind(u'\\');
  if (last == Chars::npos || last < root) return ToBytes(chars.substr(0, root));
  return ToBytes(chars.substr(0, last));
}

}  // namespace folderlocker
