// Reads what the checks of the program file look at in a Windows program file (PE/COFF): the
// headers, the sections, the imported DLLs and the resources, and the contents of the version and
// group icon resources. Portable (no Windows headers), so it runs with the host compiler. The bytes
// are untrusted: every read is bounds-checked, and a malformed file is rejected with a reason.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace folderlocker::testing {

using FileBytes = std::vector<std::uint8_t>;

inline constexpr std::uint16_t kMachineI386 = 0x14c;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;
inline constexpr std::uint16_t kMagicPe32 = 0x10b;
inline constexpr std::uint16_t kMagicPe32Plus = 0x20b;
inline constexpr std::uint16_t kSubsystemWindowsGui = 2;
inline constexpr std::uint16_t kSubsystemWindowsConsole = 3;

// Numbered resource types.
inline constexpr std::uint32_t kResourceIcon = 3;
inline constexpr std::uint32_t kResourceDialog = 5;
inline constexpr std::uint32_t kResourceGroupIcon = 14;
inline constexpr std::uint32_t kResourceVersion = 16;
inline constexpr std::uint32_t kResourceManifest = 24;

struct PeSection {
  std::string name;
  std::uint32_t virtual_address = 0;
  std::uint32_t virtual_size = 0;
  std::uint32_t raw_offset = 0;
  std::uint32_t raw_size = 0;
};

// A resource type or name: a number, or a UTF-16 name.
struct ResourceKey {
  bool named = false;
  std::uint32_t id = 0;
  std::u16string name;

  bool Is(std::uint32_t number) const { return !named && id == number; }
};

struct PeResource {
  ResourceKey type;
  ResourceKey name;
  std::uint32_t language = 0;
  FileBytes data;
};

struct PeFile {
  std::uint16_t machine = 0;
  std::uint16_t optional_header_magic = 0;
  std::uint16_t subsystem = 0;
  std::uint64_t image_base = 0;
  std::vector<PeSection> sections;
  // The DLL names of the import directory, then those of the delay-load directory, as stored.
  std::vector<std::string> imported_dlls;
  std::vector<PeResource> resources;

  // The resources of a numbered type and name, in every language.
  std::vector<const PeResource*> FindResources(std::uint32_t type, std::uint32_t name) const;
  // The resources of a numbered type.
  std::vector<const PeResource*> ResourcesOfType(std::uint32_t type) const;
};

// Parses a program file; nothing, and the reason in error when given, if it is malformed.
std::optional<PeFile> ParsePeFile(const FileBytes& bytes, std::string* error = nullptr);

// The whole content of a file; nothing if it cannot be read.
std::optional<FileBytes> ReadFileBytes(const std::string& path);

// VS_FIXEDFILEINFO.
struct FixedFileInfo {
  std::uint32_t signature = 0;
  std::uint32_t struct_version = 0;
  std::uint32_t file_version_ms = 0;
  std::uint32_t file_version_ls = 0;
  std::uint32_t product_version_ms = 0;
  std::uint32_t product_version_ls = 0;
  std::uint32_t file_flags_mask = 0;
  std::uint32_t file_flags = 0;
  std::uint32_t file_os = 0;
  std::uint32_t file_type = 0;
  std::uint32_t file_subtype = 0;
};

inline constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;

// The content of an RT_VERSION resource.
struct VersionInfo {
  FixedFileInfo fixed;
  // The string values of each StringFileInfo table, by the table's key (such as u"080404b0").
  std::map<std::u16string, std::map<std::u16string, std::u16string>> string_tables;

  // A string value from the first table that has it.
  std::optional<std::u16string> String(const std::u16string& key) const;
};

std::optional<VersionInfo> ParseVersionInfo(const FileBytes& data, std::string* error = nullptr);

// One image of an RT_GROUP_ICON resource; id names its RT_ICON resource.
struct GroupIconEntry {
  std::uint8_t width = 0;
  std::uint8_t height = 0;
  std::uint16_t bit_count = 0;
  std::uint32_t bytes_in_resource = 0;
  std::uint16_t id = 0;
};

std::optional<std::vector<GroupIconEntry>> ParseGroupIcon(const FileBytes& data,
                                                          std::string* error = nullptr);

}  // namespace folderlocker::testing
