// A model of how the Win32 file functions resolve a path before they act on it, the rules on which
// the lock scheme rests:
// - trailing periods and spaces of the last component are removed (Work. and Work.. name Work);
// - a component followed by a backslash loses one final period (Work..\ names Work.);
// - "." components are dropped, ".." removes the component before it, never above the root, and
//   repeated backslashes count as one; forward slashes are backslashes.
// Paths are byte strings in the ANSI code page; a double-byte character is never a separator.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/text.h"

namespace folderlocker {

// The full path that path resolves to, relative paths taken against current_directory (itself a
// full path). Nothing for an empty path and for paths that name a device instead of a file: DOS
// device names such as CON or NUL.txt, and \\.\ or \\?\ paths.
std::optional<Text> ResolvePath(std::string_view path, std::string_view current_directory);

// The location that path names: its resolved full path without a final backslash, except the one
// that ends a root. Nothing where ResolvePath gives nothing.
std::optional<Text> ResolveLocation(std::string_view path, std::string_view current_directory);

// The length of the root of a full path: 3 for C:\, and up to the backslash after the share name
// for \\server\share\; 0 for anything else.
std::size_t RootLength(std::string_view full_path);

// The location that holds a location; nothing for a root.
std::optional<Text> ParentLocation(std::string_view location);

}  // namespace folderlocker
