// An in-memory file system with the Win32 semantics that locking relies on: paths resolved by the
// path model, no sharing for open files, moves that fail onto existing targets. Names are compared
// exactly; Windows would ignore case, which nothing here depends on.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lock/file_system.h"

namespace folderlocker::testing {

class MemoryFileSystem final : public FileSystem {
 public:
  explicit MemoryFileSystem(Text current_directory = "C:\\");

  // Fixture building, by exact location (no resolving), as another program could leave the disk:
  // missing parent folders are created.
  void AddDirectory(const Text& location);
  void AddFile(const Text& location, const std::string& content);
  // Marks a file or folder as held open by another program, with no sharing.
  void HoldOpen(const Text& location, bool held = true);
  void ReleaseAll();
  // Removes a file, or a folder with everything below it.
  void Remove(const Text& location);

  // Inspection, by exact location (no resolving): what a directory listing would show.
  bool IsDirectory(const Text& location) const;
  bool IsFile(const Text& location) const;
  std::optional<std::string> Content(const Text& location) const;
  // Every location below root (root itself excluded), sorted.
  std::vector<Text> ListBelow(const Text& root) const;

  std::uint32_t FileAttributes(const Text& path) override;
  Text ReadFirstLine(const Text& path) override;
  bool WriteFileBytes(const Text& path, const Bytes& bytes) override;
  bool Move(const Text& from, const Text& to) override;
  bool Delete(const Text& path) override;

 private:
  struct Node {
    bool directory = false;
    std::string content;
    bool held_open = false;
  };

  std::optional<Text> Locate(const Text& path) const;
  const Node* Find(const Text& location) const;
  bool IsRoot(const Text& location) const;
  bool ParentIsDirectory(const Text& location) const;
  // The entries at and below location, location first.
  std::vector<std::map<Text, Node>::iterator> Subtree(const Text& location);

  Text current_directory_;
  std::map<Text, Node> nodes_;
};

}  // namespace folderlocker::testing
