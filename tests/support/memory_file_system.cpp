#include "memory_file_system.h"

#include "lock/first_line.h"
#include "lock/path_model.h"

namespace folderlocker::testing {

namespace {
constexpr std::uint32_t kAttributeArchive = 0x20;

bool IsBelow(const Text& location, const Text& ancestor) {
  if (location.size() <= ancestor.size() || location.compare(0, ancestor.size(), ancestor) != 0) {
    return false;
  }
  // Below a root, everything; below a folder, what follows its name after a backslash. (The last
  // byte of a folder's name may be a trail byte 0x5C, which is no backslash.)
  return RootLength(ancestor) == ancestor.size() || location[ancestor.size()] == '\\';
}
}  // namespace

MemoryFileSystem::MemoryFileSystem(Text current_directory)
    : current_directory_(std::move(current_directory)) {}

std::optional<Text> MemoryFileSystem::Locate(const Text& path) const {
  return ResolveLocation(path, current_directory_);
}

bool MemoryFileSystem::IsRoot(const Text& location) const {
  return RootLength(location) == location.size() && !location.empty();
}

const MemoryFileSystem::Node* MemoryFileSystem::Find(const Text& location) const {
  static const Node kRoot{true, {}, false};
  if (IsRoot(location)) return &kRoot;
  auto it = nodes_.find(location);
  return it == nodes_.end() ? nullptr : &it->second;
}

bool MemoryFileSystem::ParentIsDirectory(const Text& location) const {
  std::optional<Text> parent = ParentLocation(location);
  if (!parent) return false;
  const Node* node = Find(*parent);
  return node && node->directory;
}

void MemoryFileSystem::AddDirectory(const Text& location) {
  if (IsRoot(location)) return;
  if (std::optional<Text> parent = ParentLocation(location)) AddDirectory(*parent);
  nodes_[location].directory = true;
}

void MemoryFileSystem::AddFile(const Text& location, const std::string& content) {
  if (IsRoot(location)) return;
  if (std::optional<Text> parent = ParentLocation(location)) AddDirectory(*parent);
  nodes_[location] = Node{false, content, false};
}

void MemoryFileSystem::HoldOpen(const Text& location, bool held) {
  auto it = nodes_.find(location);
  if (it != nodes_.end()) it->second.held_open = held;
}

void MemoryFileSystem::ReleaseAll() {
  for (auto& entry : nodes_) entry.second.held_open = false;
}

void MemoryFileSystem::Remove(const Text& location) {
  for (auto it : Subtree(location)) nodes_.erase(it);
}

bool MemoryFileSystem::IsDirectory(const Text& location) const {
  const Node* node = Find(location);
  return node && node->directory;
}

bool MemoryFileSystem::IsFile(const Text& location) const {
  const Node* node = Find(location);
  return node && !node->directory;
}

std::optional<std::string> MemoryFileSystem::Content(const Text& location) const {
  const Node* node = Find(location);
  if (!node || node->directory) return std::nullopt;
  return node->content;
}

std::vector<Text> MemoryFileSystem::ListBelow(const Text& root) const {
  std::vector<Text> below;
  for (const auto& [location, node] : nodes_) {
    if (IsBelow(location, root)) below.push_back(location);
  }
  return below;
}

std::vector<std::map<Text, MemoryFileSystem::Node>::iterator> MemoryFileSystem::Subtree(
    const Text& location) {
  std::vector<std::map<Text, Node>::iterator> subtree;
  auto it = nodes_.find(location);
  if (it == nodes_.end()) return subtree;
  subtree.push_back(it);
  for (++it; it != nodes_.end(); ++it) {
    if (IsBelow(it->first, location)) subtree.push_back(it);
  }
  return subtree;
}

std::uint32_t MemoryFileSystem::FileAttributes(const Text& path) {
  std::optional<Text> location = Locate(path);
  const Node* node = location ? Find(*location) : nullptr;
  if (!node) return kInvalidAttributes;
  return node->directory ? kAttributeDirectory : kAttributeArchive;
}

Text MemoryFileSystem::ReadFirstLine(const Text& path) {
  std::optional<Text> location = Locate(path);
  const Node* node = location ? Find(*location) : nullptr;
  if (!node || node->directory || node->held_open) return Text();
  return FirstLine(node->content);
}

bool MemoryFileSystem::WriteFileBytes(const Text& path, const Bytes& bytes) {
  std::optional<Text> location = Locate(path);
  if (!location || IsRoot(*location) || Find(*location) || !ParentIsDirectory(*location)) {
    return false;
  }
  nodes_[*location] = Node{false, std::string(bytes.begin(), bytes.end()), false};
  return true;
}

bool MemoryFileSystem::Move(const Text& from, const Text& to) {
  std::optional<Text> source = Locate(from);
  std::optional<Text> target = Locate(to);
  if (!source || !target || IsRoot(*source) || IsRoot(*target)) return false;
  if (Find(*target) || !ParentIsDirectory(*target) || IsBelow(*target, *source)) return false;
  auto subtree = Subtree(*source);
  if (subtree.empty()) return false;
  for (auto it : subtree) {
    if (it->second.held_open) return false;
  }
  std::map<Text, Node> moved;
  for (auto it : subtree) {
    moved.emplace(*target + it->first.substr(source->size()), it->second);
    nodes_.erase(it);
  }
  nodes_.merge(moved);
  return true;
}

bool MemoryFileSystem::Delete(const Text& path) {
  std::optional<Text> location = Locate(path);
  if (!location) return false;
  auto it = nodes_.find(*location);
  if (it == nodes_.end() || it->second.directory || it->second.held_open) return false;
  nodes_.erase(it);
  return true;
}

}  // namespace folderlocker::testing
