// The file operations on a real Windows file layer.
#pragma once

#ifdef _WIN32
#include <optional>
#include <string>

#include "lock/file_system.h"

namespace folderlocker {

// Resolves each ANSI path the way the Win32 file functions do (GetFullPathNameW) and then acts on
// the resolved location through "\\?\" paths, which keep trailing periods as they are. The ANSI
// functions do not do that everywhere (Wine drops a trailing period from a new name), and the lock
// scheme depends on a folder really being named Work. while it is locked. This also lifts the
// MAX_PATH limit. Paths that name devices (CON, \\.\ or \\?\ paths) fail.
class Win32FileSystem final : public FileSystem {
 public:
  std::uint32_t FileAttributes(const Text& path) override;
  Text ReadFirstLine(const Text& path) override;
  bool WriteFileBytes(const Text& path, const Bytes& bytes) override;
  bool Move(const Text& from, const Text& to) override;
  bool Delete(const Text& path) override;
};

// The "\\?\" form of the location that an ANSI path resolves to, without a final backslash except
// a root's; nothing for an empty path, a device, or a path that cannot be resolved.
std::optional<std::wstring> ToExtendedPath(const Text& path);

}  // namespace folderlocker
#endif
