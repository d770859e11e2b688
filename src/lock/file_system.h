// The file operations that locking and unlocking rely on. Paths are ANSI texts that each
// implementation resolves by the Win32 path rules (see path_model.h) before it acts on them.
#pragma once

#include <cstdint>

#include "core/text.h"

namespace folderlocker {

inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The attributes of what path names, masked with 0x37 (read-only, hidden, system, directory,
  // archive); kInvalidAttributes, all bits set, when nothing can be found there.
  virtual std::uint32_t FileAttributes(const Text& path) = 0;

  // The first line of an existing file (see first_line.h), opened for reading with no sharing;
  // the empty text when it cannot be opened.
  virtual Text ReadFirstLine(const Text& path) = 0;

  // Creates a new file holding exactly bytes. Fails, and changes nothing, when anything of that
  // name exists already or when not every byte reached the disk; a file that was created but not
  // completely written is removed again.
  virtual bool WriteFileBytes(const Text& path, const Bytes& bytes) = 0;

  // Renames or moves a file or folder; fails when the target exists.
  virtual bool Move(const Text& from, const Text& to) = 0;

  // Deletes a file.
  virtual bool Delete(const Text& path) = 0;
};

}  // namespace folderlocker
