#include "pe_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace folderlocker::testing {

namespace {

// Thrown by the readers below when the bytes do not hold what they should; caught at the entry
// points, which turn it into a rejection.
class Malformed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Little-endian reads from a byte range, every one checked against its end. Offsets are 64-bit so
// that no sum of two 32-bit fields can wrap.
class ByteView {
 public:
  ByteView(const std::uint8_t* data, std::uint64_t size) : data_(data), size_(size) {}
  explicit ByteView(const FileBytes& bytes) : ByteView(bytes.data(), bytes.size()) {}

  std::uint64_t size() const { return size_; }
  bool Holds(std::uint64_t offset, std::uint64_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }
  void Require(std::uint64_t offset, std::uint64_t length, const char* what) const {
    if (!Holds(offset, length)) throw Malformed(std::string(what) + " lies beyond its bounds");
  }

  std::uint8_t U8(std::uint64_t offset, const char* what) const {
    Require(offset, 1, what);
    return data_[offset];
  }
  std::uint16_t U16(std::uint64_t offset, const char* what) const {
    Require(offset, 2, what);
    return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
  }
  std::uint32_t U32(std::uint64_t offset, const char* what) const {
    Require(offset, 4, what);
    return static_cast<std::uint32_t>(data_[offset]) |
           static_cast<std::uint32_t>(data_[offset + 1]) << 8 |
           static_cast<std::uint32_t>(data_[offset + 2]) << 16 |
           static_cast<std::uint32_t>(data_[offset + 3]) << 24;
  }
  std::uint64_t U64(std::uint64_t offset, const char* what) const {
    return U32(offset, what) | static_cast<std::uint64_t>(U32(offset + 4, what)) << 32;
  }
  ByteView Sub(std::uint64_t offset, std::uint64_t length, const char* what) const {
    Require(offset, length, what);
    return ByteView(data_ + offset, length);
  }
  FileBytes Copy() const { return FileBytes(data_, data_ + size_); }

 private:
  const std::uint8_t* data_;
  std::uint64_t size_;
};

constexpr std::uint64_t kMaxSections = 96;
constexpr std::uint64_t kMaxNameLength = 1024;
constexpr std::uint64_t kMaxImportDescriptors = 4096;
constexpr std::uint64_t kMaxResources = 65536;
// Directories may share subdirectories; this bounds the walk however they are linked.
constexpr std::uint64_t kMaxResourceEntriesVisited = 1 << 20;
constexpr std::uint32_t kHighBit = 0x80000000u;

class PeParser {
 public:
  explicit PeParser(const FileBytes& bytes) : file_(bytes) {}

  PeFile Parse() {
    if (file_.U16(0, "the DOS header") != 0x5A4D) throw Malformed("no MZ signature");
    const std::uint64_t pe = file_.U32(0x3C, "the DOS header");
    if (file_.U32(pe, "the PE signature") != 0x00004550) throw Malformed("no PE signature");
    const std::uint64_t coff = pe + 4;
    file_.Require(coff, 20, "the COFF header");
    result_.machine = file_.U16(coff, "the COFF header");
    const std::uint64_t section_count = file_.U16(coff + 2, "the COFF header");
    const std::uint64_t optional_size = file_.U16(coff + 16, "the COFF header");
    const std::uint64_t optional = coff + 20;
    ByteView header = file_.Sub(optional, optional_size, "the optional header");

    result_.optional_header_magic = header.U16(0, "the optional header magic");
    std::uint64_t directory_count_at = 0;
    if (result_.optional_header_magic == kMagicPe32) {
      result_.image_base = header.U32(28, "the image base");
      directory_count_at = 92;
    } else if (result_.optional_header_magic == kMagicPe32Plus) {
      result_.image_base = header.U64(24, "the image base");
      directory_count_at = 108;
    } else {
      throw Malformed("unknown optional header magic");
    }
    result_.subsystem = header.U16(68, "the subsystem");
    const std::uint64_t directory_count = header.U32(directory_count_at, "the directory count");
    directories_ =
        header.Sub(directory_count_at + 4, std::min<std::uint64_t>(directory_count, 16) * 8,
                   "the data directories");

    if (section_count > kMaxSections) throw Malformed("too many sections");
    ByteView table = file_.Sub(optional + optional_size, section_count * 40, "the section table");
    for (std::uint64_t i = 0; i < section_count; ++i) {
      const std::uint64_t at = i * 40;
      PeSection section;
      for (std::uint64_t c = 0; c < 8; ++c) {
        char letter = static_cast<char>(table.U8(at + c, "a section name"));
        if (letter == '\0') break;
        section.name += letter;
      }
      section.virtual_size = table.U32(at + 8, "a section header");
      section.virtual_address = table.U32(at + 12, "a section header");
      section.raw_size = table.U32(at + 16, "a section header");
      section.raw_offset = table.U32(at + 20, "a section header");
      if (section.raw_size != 0 && !file_.Holds(section.raw_offset, section.raw_size)) {
        throw Malformed("the raw data of section " + section.name + " lies beyond the file");
      }
      result_.sections.push_back(section);
    }

    ReadImports();
    ReadDelayImports();
    ReadResources();
    return std::move(result_);
  }

 private:
  struct Directory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
  };

  Directory DataDirectory(std::uint64_t index) const {
    if (!directories_.Holds(index * 8, 8)) return {};
    return {directories_.U32(index * 8, "a data directory"),
            directories_.U32(index * 8 + 4, "a data directory")};
  }

  // The bytes at rva up to the end of the section's data that holds it.
  ByteView AtRva(std::uint64_t rva, const char* what) const {
    for (const PeSection& section : result_.sections) {
      std::uint64_t mapped = section.raw_size;
      if (section.virtual_size != 0 && section.virtual_size < mapped) mapped = section.virtual_size;
      if (rva >= section.virtual_address && rva - section.virtual_address < mapped) {
        const std::uint64_t into = rva - section.virtual_address;
        return file_.Sub(section.raw_offset + into, mapped - into, what);
      }
    }
    throw Malformed(std::string(what) + " is not in any section's data");
  }

  ByteView RangeAtRva(std::uint64_t rva, std::uint64_t size, const char* what) const {
    return AtRva(rva, what).Sub(0, size, what);
  }

  std::string NameAtRva(std::uint64_t rva) const {
    ByteView text = AtRva(rva, "a DLL name");
    std::string name;
    for (std::uint64_t i = 0;; ++i) {
      if (i >= kMaxNameLength) throw Malformed("a DLL name is too long");
      char letter = static_cast<char>(text.U8(i, "a DLL name"));
      if (letter == '\0') break;
      name += letter;
    }
    if (name.empty()) throw Malformed("an empty DLL name");
    return name;
  }

  void ReadImports() {
    const Directory directory = DataDirectory(1);
    if (directory.rva == 0) return;
    for (std::uint64_t i = 0;; ++i) {
      if (i >= kMaxImportDescriptors) throw Malformed("the import directory has no end");
      ByteView descriptor = RangeAtRva(directory.rva + i * 20, 20, "an import descriptor");
      const std::uint32_t lookup = descriptor.U32(0, "an import descriptor");
      const std::uint32_t name = descriptor.U32(12, "an import descriptor");
      const std::uint32_t thunks = descriptor.U32(16, "an import descriptor");
      if (lookup == 0 && name == 0 && thunks == 0) break;
      result_.imported_dlls.push_back(NameAtRva(name));
    }
  }

  void ReadDelayImports() {
    const Directory directory = DataDirectory(13);
    if (directory.rva == 0) return;
    for (std::uint64_t i = 0;; ++i) {
      if (i >= kMaxImportDescriptors) throw Malformed("the delay-load directory has no end");
      ByteView descriptor = RangeAtRva(directory.rva + i * 32, 32, "a delay-load descriptor");
      const std::uint32_t attributes = descriptor.U32(0, "a delay-load descriptor");
      const std::uint64_t name = descriptor.U32(4, "a delay-load descriptor");
      if (name == 0) break;
      // Version 1 descriptors hold addresses instead of RVAs.
      if ((attributes & 1) == 0) {
        if (name < result_.image_base) throw Malformed("a delay-load DLL name below the image");
        result_.imported_dlls.push_back(NameAtRva(name - result_.image_base));
      } else {
        result_.imported_dlls.push_back(NameAtRva(name));
      }
    }
  }

  // Resource directories are three levels deep: type, name, language. Offsets inside are relative
  // to the start of the resource directory.
  void ReadResources() {
    const Directory directory = DataDirectory(2);
    if (directory.rva == 0) return;
    resources_ = RangeAtRva(directory.rva, directory.size, "the resource directory");
    PeResource path;
    ReadResourceDirectory(0, 0, path);
  }

  ResourceKey ResourceName(std::uint32_t field) const {
    ResourceKey key;
    if ((field & kHighBit) == 0) {
      key.id = field;
      return key;
    }
    const std::uint64_t at = field & ~kHighBit;
    const std::uint64_t length = resources_.U16(at, "a resource name");
    ByteView units = resources_.Sub(at + 2, length * 2, "a resource name");
    key.named = true;
    for (std::uint64_t i = 0; i < length; ++i) {
      key.name += static_cast<char16_t>(units.U16(i * 2, "a resource name"));
    }
    return key;
  }

  void ReadResourceDirectory(std::uint64_t at, int level, PeResource& path) {
    const std::uint64_t named = resources_.U16(at + 12, "a resource directory");
    const std::uint64_t numbered = resources_.U16(at + 14, "a resource directory");
    ByteView entries =
        resources_.Sub(at + 16, (named + numbered) * 8, "resource directory entries");
    for (std::uint64_t i = 0; i < named + numbered; ++i) {
      if (++entries_visited_ > kMaxResourceEntriesVisited) {
        throw Malformed("too many resource directory entries");
      }
      const ResourceKey key = ResourceName(entries.U32(i * 8, "a resource entry"));
      const std::uint32_t target = entries.U32(i * 8 + 4, "a resource entry");
      const bool subdirectory = (target & kHighBit) != 0;
      if (subdirectory != (level < 2)) {
        throw Malformed(level < 2 ? "a resource directory entry that is not a directory"
                                  : "resource directories nested too deep");
      }
      if (level == 0) path.type = key;
      if (level == 1) path.name = key;
      if (subdirectory) {
        ReadResourceDirectory(target & ~kHighBit, level + 1, path);
        continue;
      }
      if (key.named) throw Malformed("a resource language given by name");
      if (result_.resources.size() >= kMaxResources) throw Malformed("too many resources");
      ByteView entry = resources_.Sub(target, 16, "a resource data entry");
      const std::uint32_t data_rva = entry.U32(0, "a resource data entry");
      const std::uint32_t data_size = entry.U32(4, "a resource data entry");
      PeResource resource = path;
      resource.language = key.id;
      resource.data = RangeAtRva(data_rva, data_size, "a resource's data").Copy();
      result_.resources.push_back(std::move(resource));
    }
  }

  ByteView file_;
  ByteView directories_{nullptr, 0};
  ByteView resources_{nullptr, 0};
  std::uint64_t entries_visited_ = 0;
  PeFile result_;
};

std::uint64_t AlignedTo4(std::uint64_t offset) { return (offset + 3) & ~std::uint64_t{3}; }

// One block of a version resource: wLength, wValueLength, wType, a NUL-terminated UTF-16 key, the
// value and the child blocks, each part starting on a 32-bit boundary of the resource.
struct VersionBlock {
  std::u16string key;
  std::uint16_t type = 0;
  FileBytes value;
  std::vector<VersionBlock> children;
};

VersionBlock ReadVersionBlock(const ByteView& data, std::uint64_t at, std::uint64_t end,
                              int depth) {
  if (depth > 4) throw Malformed("version blocks nested too deep");
  const std::uint64_t length = data.U16(at, "a version block");
  const std::uint64_t value_length = data.U16(at + 2, "a version block");
  VersionBlock block;
  block.type = data.U16(at + 4, "a version block");
  if (length < 6 || at + length > end) throw Malformed("a version block overruns its parent");
  const std::uint64_t block_end = at + length;
  std::uint64_t cursor = at + 6;
  for (;;) {
    if (cursor + 2 > block_end) throw Malformed("a version block's key has no end");
    const char16_t unit = static_cast<char16_t>(data.U16(cursor, "a version key"));
    cursor += 2;
    if (unit == 0) break;
    block.key += unit;
  }
  cursor = AlignedTo4(cursor);
  if (block.type == 1 && value_length != 0) {
    // A text value ends the block; its length is counted in characters by some tools and in bytes
    // by others, so it is read up to its NUL.
    for (; cursor + 2 <= block_end; cursor += 2) {
      const std::uint16_t unit = data.U16(cursor, "a version value");
      if (unit == 0) break;
      block.value.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      block.value.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return block;
  }
  if (block.type == 0 && value_length != 0) {
    if (cursor + value_length > block_end) throw Malformed("a version value overruns its block");
    block.value = data.Sub(cursor, value_length, "a version value").Copy();
    cursor = AlignedTo4(cursor + value_length);
  }
  while (cursor < block_end) {
    VersionBlock child = ReadVersionBlock(data, cursor, block_end, depth + 1);
    cursor = AlignedTo4(cursor + data.U16(cursor, "a version block"));
    block.children.push_back(std::move(child));
  }
  return block;
}

std::u16string TextOf(const FileBytes& value) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
    text += static_cast<char16_t>(value[i] | value[i + 1] << 8);
  }
  return text;
}

template <typename Parse>
auto Guarded(Parse parse, std::string* error) -> std::optional<decltype(parse())> {
  try {
    return parse();
  } catch (const Malformed& problem) {
    if (error) *error = problem.what();
    return std::nullopt;
  }
}

}  // namespace

std::vector<const PeResource*> PeFile::FindResources(std::uint32_t type, std::uint32_t name) const {
  std::vector<const PeResource*> found;
  for (const PeResource& resource : resources) {
    if (resource.type.Is(type) && resource.name.Is(name)) found.push_back(&resource);
  }
  return found;
}

std::vector<const PeResource*> PeFile::ResourcesOfType(std::uint32_t type) const {
  std::vector<const PeResource*> found;
  for (const PeResource& resource : resources) {
    if (resource.type.Is(type)) found.push_back(&resource);
  }
  return found;
}

std::optional<PeFile> ParsePeFile(const FileBytes& bytes, std::string* error) {
  return Guarded([&] { return PeParser(bytes).Parse(); }, error);
}

std::optional<FileBytes> ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  FileBytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::u16string> VersionInfo::String(const std::u16string& key) const {
  for (const auto& [table, values] : string_tables) {
    auto found = values.find(key);
    if (found != values.end()) return found->second;
  }
  return std::nullopt;
}

std::optional<VersionInfo> ParseVersionInfo(const FileBytes& data, std::string* error) {
  return Guarded(
      [&] {
        ByteView view(data);
        VersionBlock root = ReadVersionBlock(view, 0, view.size(), 0);
        if (root.key != u"VS_VERSION_INFO") throw Malformed("no VS_VERSION_INFO block");
        if (root.value.size() < 52) throw Malformed("no fixed file information");
        ByteView fixed(root.value);
        VersionInfo info;
        std::uint32_t* fields[] = {&info.fixed.signature,
                                   &info.fixed.struct_version,
                                   &info.fixed.file_version_ms,
                                   &info.fixed.file_version_ls,
                                   &info.fixed.product_version_ms,
                                   &info.fixed.product_version_ls,
                                   &info.fixed.file_flags_mask,
                                   &info.fixed.file_flags,
                                   &info.fixed.file_os,
                                   &info.fixed.file_type,
                                   &info.fixed.file_subtype};
        for (std::size_t i = 0; i < std::size(fields); ++i) {
          *fields[i] = fixed.U32(i * 4, "the fixed file information");
        }
        for (const VersionBlock& child : root.children) {
          if (child.key != u"StringFileInfo") continue;
          for (const VersionBlock& table : child.children) {
            auto& values = info.string_tables[table.key];
            for (const VersionBlock& value : table.children)
              values[value.key] = TextOf(value.value);
          }
        }
        return info;
      },
      error);
}

std::optional<std::vector<GroupIconEntry>> ParseGroupIcon(const FileBytes& data,
                                                          std::string* error) {
  return Guarded(
      [&] {
        ByteView view(data);
        if (view.U16(0, "the icon group header") != 0 ||
            view.U16(2, "the icon group header") != 1) {
          throw Malformed("not an icon group");
        }
        const std::uint64_t count = view.U16(4, "the icon group header");
        ByteView entries = view.Sub(6, count * 14, "the icon group entries");
        std::vector<GroupIconEntry> icons;
        for (std::uint64_t i = 0; i < count; ++i) {
          GroupIconEntry icon;
          icon.width = entries.U8(i * 14, "an icon group entry");
          icon.height = entries.U8(i * 14 + 1, "an icon group entry");
          icon.bit_count = entries.U16(i * 14 + 6, "an icon group entry");
          icon.bytes_in_resource = entries.U32(i * 14 + 8, "an icon group entry");
          icon.id = entries.U16(i * 14 + 12, "an icon group entry");
          icons.push_back(icon);
        }
        return icons;
      },
      error);
}

}  // namespace folderlocker::testing
