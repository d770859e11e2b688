#include "real_disk.h"

#include "temp_folder.h"

namespace folderlocker::testing {

void RealDisk::AddDirectory(const Text& location) { CreateFolders(ToDisk(location)); }

void RealDisk::AddFile(const Text& location, const std::string& content) {
  WriteWholeFile(ToDisk(location), content);
}

void RealDisk::HoldOpen(const Text& location) {
  held_.push_back(HoldOpenWithoutSharing(ToDisk(location)));
}

void RealDisk::Remove(const Text& location) { RemoveTree(ToDisk(location)); }

Lines RealDisk::Listing() {
  Lines lines;
  List(root_, lines);
  return SortedListing(lines);
}

Text RealDisk::Replace(Text text, const Text& from, const Text& to) {
  for (std::size_t at = text.find(from); at != Text::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

void RealDisk::List(const Text& folder, Lines& lines) {
  for (const Text& name : FolderEntries(folder)) {
    Text path = folder + "\\" + name;
    std::string content;
    if (ReadWholeFile(path, content)) {
      lines.push_back("file " + FromDisk(path) + " = " + content);
    } else {
      lines.push_back("dir  " + FromDisk(path));
      List(path, lines);
    }
  }
}

}  // namespace folderlocker::testing
