// D:\ of the flow and soak tables, mapped to a real folder for the Windows file layer.
#pragma once

#include <vector>

#include "core/scoped_win32.h"
#include "flow_cases.h"

namespace folderlocker::testing {

class RealDisk final : public FixtureDisk {
 public:
  explicit RealDisk(const Text& root) : root_(root) {}

  // Every "D:\" in text stands for the root.
  Text ToDisk(const Text& text) const { return Replace(text, "D:\\", root_ + "\\"); }
  Text FromDisk(const Text& text) const { return Replace(text, root_ + "\\", "D:\\"); }

  void AddDirectory(const Text& location) override;
  void AddFile(const Text& location, const std::string& content) override;
  void HoldOpen(const Text& location) override;
  void ReleaseHeld() override { held_.clear(); }
  void Remove(const Text& location) override;
  Lines Listing() override;

 private:
  static Text Replace(Text text, const Text& from, const Text& to);
  void List(const Text& folder, Lines& lines);

  Text root_;
  std::vector<ScopedFileHandle> held_;
};

}  // namespace folderlocker::testing
