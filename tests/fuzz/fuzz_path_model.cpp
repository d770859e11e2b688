// Fuzzes the path model. The input up to its first NUL is a path, resolved against C:\windows;
// when a NUL follows, the bytes after it (up to the next NUL) are a second path whose location,
// if it is a folder's location as a current directory can be, serves as a second current
// directory for the first path. For each resolution it checks that:
// - resolving is deterministic, ResolveLocation answers exactly when ResolvePath does, and an
//   empty path resolves to nothing;
// - a resolved path starts with a root, holds no forward slash, no doubled backslash and no "."
//   component after the root, and does not end in a period or a space after the root;
// - a resolved path whose components all end in something other than a period or a space
//   resolves to itself again against other current directories, unless its last component
//   could be a DOS device name (those resolve to nothing); the same for the location (whose last
//   component is another when the resolved path ends in a backslash);
// - the location is the resolved path without its final backslash, except a root's;
// - the result starts with what the path is taken against: the current directory for a relative
//   path without ".." components, its root for a path from the root, the drive a path names;
// - ParentLocation steps up one component at a time, each parent shorter than and the start of
//   the location below it, until it reaches the root, which has no parent.
// Characters are found as the program finds them: a lead byte takes its trail byte along.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lock/path_model.h"
#include "fuzz_property.h"

namespace {

using folderlocker::ParentLocation;
using folderlocker::ResolveLocation;
using folderlocker::ResolvePath;
using folderlocker::RootLength;
using folderlocker::Text;
using fuzz_property::Require;
using fuzz_property::StartsDoubleByte;

// The characters of text, each one or two bytes; a lead byte at the very end stands alone.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = StartsDoubleByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

bool Is(std::string_view character, char byte) {
  return character.size() == 1 && character[0] == byte;
}

// The components of a path: what lies between its backslashes.
std::vector<std::vector<std::string_view>> Components(std::string_view path) {
  std::vector<std::vector<std::string_view>> components(1);
  for (std::string_view c : Characters(path)) {
    if (Is(c, '\\')) {
      components.emplace_back();
    } else {
      components.back().push_back(c);
    }
  }
  return components;
}

bool HasComponentEndingInPeriodOrSpace(std::string_view path) {
  for (const auto& component : Components(path)) {
    if (!component.empty() && (Is(component.back(), '.') || Is(component.back(), ' '))) {
      return true;
    }
  }
  return false;
}

char Upper(char byte) { return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 32) : byte; }

// True when name, ignoring case, is CON, PRN, AUX, NUL, or COM or LPT with a digit 1 to 9.
bool IsDeviceName(const std::vector<std::string_view>& name) {
  Text upper;
  for (std::string_view c : name) {
    if (c.size() != 1) return false;
    upper += Upper(c[0]);
  }
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
  return upper.size() == 4 &&
         (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) && upper[3] >= '1' &&
         upper[3] <= '9';
}

// True when the last component of path might name a DOS device, generously: some part of it
// between colons is a device name once cut at its first period and rid of trailing spaces.
bool MightNameDevice(std::string_view path) {
  const auto component = Components(path).back();
  std::vector<std::string_view> part;
  auto check_part = [&part]() {
    for (std::size_t i = 0; i < part.size(); ++i) {
      if (Is(part[i], '.')) part.resize(i);
    }
    while (!part.empty() && Is(part.back(), ' ')) part.pop_back();
    const bool device = IsDeviceName(part);
    part.clear();
    return device;
  };
  for (std::string_view c : component) {
    if (Is(c, ':')) {
      if (check_part()) return true;
    } else {
      part.push_back(c);
    }
  }
  return check_part();
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

bool IsSlash(std::string_view character) { return Is(character, '\\') || Is(character, '/'); }

bool IsAsciiLetter(std::string_view character) {
  return character.size() == 1 && Upper(character[0]) >= 'A' && Upper(character[0]) <= 'Z';
}

// What a path is taken against stays at the start of what it resolves to: the current
// directory for a relative path without ".." components (when nothing in the current directory
// itself is left to change), the current directory's root for a path that starts with a single
// backslash, and the drive for a path that names one.
void CheckKeepsBase(std::string_view path, std::string_view current_directory, const Text& full) {
  const std::vector<std::string_view> characters = Characters(path);
  const auto at = [&characters](std::size_t i) {
    return i < characters.size() ? characters[i] : std::string_view();
  };
  std::string_view relative = path;
  if (IsSlash(at(0))) {
    if (IsSlash(at(1))) return;  // a UNC path is its own base
    Require(StartsWith(full, current_directory.substr(0, RootLength(current_directory))),
            "a path from the root stays on the current directory's root");
    return;
  }
  if (IsAsciiLetter(at(0)) && Is(at(1), ':')) {
    const bool on_current_drive = current_directory.size() >= 2 && current_directory[1] == ':' &&
                                  Upper(current_directory[0]) == Upper(path[0]);
    if (IsSlash(at(2)) || !on_current_drive) {
      Require(
          full.size() >= 3 && Upper(full[0]) == Upper(path[0]) && full[1] == ':' && full[2] == '\\',
          "a path that names a drive stays on that drive");
      return;
    }
    relative.remove_prefix(2);
  }
  // Components as the path writes them, forward slashes being backslashes too.
  std::vector<std::string_view> component;
  const auto is_parent = [&component]() {
    return component.size() == 2 && Is(component[0], '.') && Is(component[1], '.');
  };
  for (std::string_view c : Characters(relative)) {
    if (!IsSlash(c)) {
      component.push_back(c);
      continue;
    }
    if (is_parent()) return;
    component.clear();
  }
  if (is_parent()) return;
  if (HasComponentEndingInPeriodOrSpace(current_directory)) return;
  const bool ends_in_backslash = Is(Characters(current_directory).back(), '\\');
  Require(full == current_directory ||
              StartsWith(full, Text(current_directory) + (ends_in_backslash ? "" : "\\")),
          "a relative path without \"..\" components stays in the current directory");
}

constexpr const char* kOtherDirectories[] = {"D:\\elsewhere", "\\\\host\\share\\dir"};

// Walking up from a location never takes more steps than this here; long paths stop early.
constexpr int kParentSteps = 64;

void CheckParents(Text location) {
  for (int step = 0; step < kParentSteps; ++step) {
    const std::size_t root = RootLength(location);
    const std::optional<Text> parent = ParentLocation(location);
    if (root >= location.size()) {
      Require(!parent, "a root has no parent");
      return;
    }
    Require(parent.has_value(), "a location below a root has a parent");
    Require(parent->size() < location.size() && location.compare(0, parent->size(), *parent) == 0,
            "a parent is shorter than and the start of the location below it");
    Require(RootLength(*parent) == root, "a parent has the same root");
    // What the parent leaves off: one component, after a backslash unless the parent is a root.
    std::string_view rest = std::string_view(location).substr(parent->size());
    if (parent->size() > root) {
      Require(!rest.empty() && rest[0] == '\\', "below a parent that is no root, a backslash");
      rest.remove_prefix(1);
    }
    Require(!rest.empty() && Components(rest).size() == 1,
            "a parent leaves off exactly one component");
    location = *parent;
  }
}

void CheckResolution(std::string_view path, std::string_view current_directory) {
  const std::optional<Text> resolved = ResolvePath(path, current_directory);
  const std::optional<Text> location = ResolveLocation(path, current_directory);
  Require(ResolvePath(path, current_directory) == resolved, "ResolvePath is deterministic");
  Require(ResolveLocation(path, current_directory) == location, "ResolveLocation is deterministic");
  Require(resolved.has_value() == location.has_value(),
          "ResolveLocation answers exactly when ResolvePath does");
  if (path.empty()) Require(!resolved, "an empty path resolves to nothing");
  if (!resolved) return;

  const Text& full = *resolved;
  const std::size_t root = RootLength(full);
  Require(root > 0 && root <= full.size(), "a resolved path starts with a root");
  const std::vector<std::string_view> characters = Characters(full);
  std::size_t offset = 0;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    Require(!Is(characters[i], '/'), "a resolved path holds no forward slash");
    if (offset >= root && i > 0) {
      Require(!(Is(characters[i], '\\') && Is(characters[i - 1], '\\')),
              "a resolved path holds no doubled backslash after its root");
      Require(!(Is(characters[i], '.') && Is(characters[i - 1], '\\') &&
                (i + 1 == characters.size() || Is(characters[i + 1], '\\'))),
              "a resolved path holds no \".\" component after its root");
    }
    offset += characters[i].size();
  }
  if (full.size() > root) {
    Require(!Is(characters.back(), '.') && !Is(characters.back(), ' '),
            "a resolved path does not end in a period or a space after its root");
  }

  // The location: the resolved path without a final backslash, unless that ends the root.
  const bool drops_backslash = full.size() > root && Is(characters.back(), '\\');
  Require(*location == (drops_backslash ? full.substr(0, full.size() - 1) : full),
          "the location is the resolved path without a final backslash that is not the root's");
  const std::vector<std::string_view> location_characters = Characters(*location);
  Require(location_characters.empty() || !Is(location_characters.back(), '\\') ||
              RootLength(*location) == location->size(),
          "only a root's backslash ends a location");

  // Nothing is left that the rules would change, so resolving again changes nothing. The device
  // name check looks at the last component, which differs between the two when the resolved path
  // ends in a backslash (C:\dir\CON\ against C:\dir\CON).
  if (!HasComponentEndingInPeriodOrSpace(full)) {
    for (const char* other : kOtherDirectories) {
      if (!MightNameDevice(full)) {
        Require(ResolvePath(full, other) == resolved, "a resolved path resolves to itself");
      }
      if (!MightNameDevice(*location)) {
        Require(ResolveLocation(*location, other) == location, "a location resolves to itself");
      }
    }
  }

  CheckKeepsBase(path, current_directory, full);
  CheckParents(*location);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.find('\0');
  const std::string_view path = input.substr(0, nul);
  CheckResolution(path, "C:\\windows");

  if (nul == std::string_view::npos) return 0;
  std::string_view second = input.substr(nul + 1);
  second = second.substr(0, second.find('\0'));
  const std::optional<Text> directory = ResolveLocation(second, "C:\\windows");
  if (!directory) return 0;
  // A folder's location as a current directory can be: at or below a drive's root or a share's
  // (\\server\share\, neither name empty), and ending on a whole character.
  const std::size_t root = RootLength(*directory);
  const auto root_components = Components(std::string_view(*directory).substr(0, root));
  const bool drive_root = root == 3 && (*directory)[1] == ':';
  const bool share_root = root_components.size() == 5 && !root_components[2].empty() &&
                          !root_components[3].empty() && root_components[4].empty();
  const std::string_view last = Characters(*directory).back();
  const bool whole_last_character = !StartsDoubleByte(last[0]) || last.size() == 2;
  if (!(drive_root || share_root) || !whole_last_character) return 0;
  CheckResolution(path, *directory);
  return 0;
}
