// D:\ of the flow and soak tables on the in-memory file system.
#pragma once

#include "flow_cases.h"
#include "memory_file_system.h"

namespace folderlocker::testing {

class MemoryDisk final : public FixtureDisk {
 public:
  explicit MemoryDisk(MemoryFileSystem& files) : files_(files) {}
  void AddDirectory(const Text& location) override { files_.AddDirectory(location); }
  void AddFile(const Text& location, const std::string& content) override {
    files_.AddFile(location, content);
  }
  void HoldOpen(const Text& location) override { files_.HoldOpen(location); }
  void ReleaseHeld() override { files_.ReleaseAll(); }
  void Remove(const Text& location) override { files_.Remove(location); }
  Lines Listing() override {
    Lines lines;
    for (const Text& location : files_.ListBelow("D:\\")) {
      lines.push_back(files_.IsDirectory(location)
                          ? "dir  " + location
                          : "file " + location + " = " + *files_.Content(location));
    }
    return SortedListing(lines);
  }

 private:
  MemoryFileSystem& files_;
};

}  // namespace folderlocker::testing
