// Wraps a file system and makes chosen operations fail, for faults that a real disk shows only
// rarely (a move back that fails after a failed write, a delete that fails after a good move).
#pragma once

#include <functional>

#include "lock/file_system.h"

namespace folderlocker::testing {

enum class FileOperation { kAttributes, kReadFirstLine, kWrite, kMove, kDelete };

class FaultyFileSystem final : public FileSystem {
 public:
  // fails(operation, first path) decides, call by call, whether the call fails without reaching
  // the wrapped file system.
  using FaultRule = std::function<bool(FileOperation, const Text&)>;

  FaultyFileSystem(FileSystem& inner, FaultRule fails) : inner_(inner), fails_(std::move(fails)) {}

  std::uint32_t FileAttributes(const Text& path) override {
    return fails_(FileOperation::kAttributes, path) ? kInvalidAttributes
                                                    : inner_.FileAttributes(path);
  }
  Text ReadFirstLine(const Text& path) override {
    return fails_(FileOperation::kReadFirstLine, path) ? Text() : inner_.ReadFirstLine(path);
  }
  bool WriteFileBytes(const Text& path, const Bytes& bytes) override {
    return !fails_(FileOperation::kWrite, path) && inner_.WriteFileBytes(path, bytes);
  }
  bool Move(const Text& from, const Text& to) override {
    return !fails_(FileOperation::kMove, from) && inner_.Move(from, to);
  }
  bool Delete(const Text& path) override {
    return !fails_(FileOperation::kDelete, path) && inner_.Delete(path);
  }

 private:
  FileSystem& inner_;
  FaultRule fails_;
};

}  // namespace folderlocker::testing
