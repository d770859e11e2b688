// The program files that the builds produce, read as Windows loads them: the 32-bit program that
// users get and the 64-bit one that the tests run. Both must be GUI programs that need no DLL
// beyond Windows' own, and carry the version, manifest, icon and dialogs that the program and the
// shell rely on. Also checks the reader itself against damaged files.
#include "pe_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>

#ifndef FOLDERLOCKER_WIN32_PROGRAM_FILE
#error "FOLDERLOCKER_WIN32_PROGRAM_FILE names the 32-bit FolderLocker.exe"
#endif
#ifndef FOLDERLOCKER_WIN64_PROGRAM_FILE
#error "FOLDERLOCKER_WIN64_PROGRAM_FILE names the 64-bit FolderLocker.exe"
#endif

namespace folderlocker::testing {
namespace {

constexpr std::uint32_t kPasswordDialog = 1037;         // IDD_PASSWORD
constexpr std::uint32_t kCompactPasswordDialog = 1150;  // IDD_PASSWORD_COMPACT
constexpr std::uint32_t kManifestId = 1;                // CREATEPROCESS_MANIFEST_RESOURCE_ID

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// A built program file, read once per test program.
struct LoadedProgram {
  std::optional<PeFile> file;
  std::string problem;
};

LoadedProgram Load(const std::string& path) {
  LoadedProgram loaded;
  std::optional<FileBytes> bytes = ReadFileBytes(path);
  if (!bytes) {
    loaded.problem = path +
                     " cannot be read: build the win32 and win64 presets first "
                     "(cmake --preset win32 && cmake --build --preset win32, the same for win64)";
    return loaded;
  }
  std::string error;
  loaded.file = ParsePeFile(*bytes, &error);
  if (!loaded.file) loaded.problem = path + " is not a well-formed program file: " + error;
  return loaded;
}

struct ProgramKind {
  const char* name;
  const char* path;
  std::uint16_t machine;
  std::uint16_t magic;
};

void PrintTo(const ProgramKind& kind, std::ostream* out) { *out << kind.name << " " << kind.path; }

const ProgramKind kPrograms[] = {
    {"Win32", FOLDERLOCKER_WIN32_PROGRAM_FILE, kMachineI386, kMagicPe32},
    {"Win64", FOLDERLOCKER_WIN64_PROGRAM_FILE, kMachineAmd64, kMagicPe32Plus},
};

class ProgramFileTest : public ::testing::TestWithParam<ProgramKind> {
 protected:
  const LoadedProgram& Program() const {
    static std::map<std::string, LoadedProgram> cache;
    auto found = cache.find(GetParam().path);
    if (found == cache.end()) found = cache.emplace(GetParam().path, Load(GetParam().path)).first;
    return found->second;
  }
};

TEST_P(ProgramFileTest, IsAWindowsGuiProgramForItsMachine) {
  const LoadedProgram& program = Program();
  ASSERT_TRUE(program.file) << program.problem;
  EXPECT_EQ(program.file->machine, GetParam().machine);
  EXPECT_EQ(program.file->optional_header_magic, GetParam().magic);
  EXPECT_EQ(program.file->subsystem, kSubsystemWindowsGui);
}

TEST_P(ProgramFileTest, ImportsOnlyWindowsOwnDlls) {
  const LoadedProgram& program = Program();
  ASSERT_TRUE(program.file) << program.problem;
  const std::set<std::string> windows_dlls = {
      "kernel32.dll", "user32.dll",   "gdi32.dll",    "shell32.dll", "ole32.dll",  "oleaut32.dll",
      "advapi32.dll", "comctl32.dll", "comdlg32.dll", "msvcrt.dll",  "shlwapi.dll"};
  std::set<std::string> imported;
  for (const std::string& dll : program.file->imported_dlls) {
    const std::string name = Lower(dll);
    imported.insert(name);
    EXPECT_EQ(name.rfind("libgcc", 0), std::string::npos) << dll << ": libgcc is not linked in";
    EXPECT_EQ(name.rfind("libstdc++", 0), std::string::npos)
        << dll << ": libstdc++ is not linked in";
    EXPECT_EQ(name.rfind("libwinpthread", 0), std::string::npos)
        << dll << ": winpthread is not linked in";
    EXPECT_TRUE(windows_dlls.count(name)) << dll << " is not one of Windows' own DLLs";
  }
  // Every program imports from KERNEL32; without it the import directory was not read at all.
  EXPECT_TRUE(imported.count("kernel32.dll"));
  EXPECT_TRUE(imported.count("user32.dll"));
}

TEST_P(ProgramFileTest, CarriesItsVersion) {
  const LoadedProgram& program = Program();
  ASSERT_TRUE(program.file) << program.problem;
  std::vector<const PeResource*> versions = program.file->ResourcesOfType(kResourceVersion);
  ASSERT_EQ(versions.size(), 1u);
  std::string error;
  std::optional<VersionInfo> version = ParseVersionInfo(versions.front()->data, &error);
  ASSERT_TRUE(version) << error;
  EXPECT_EQ(version->fixed.signature, kFixedFileInfoSignature);
  // 1.0.0.0: the major and minor parts in the high word, the build and revision in the low one.
  EXPECT_EQ(version->fixed.file_version_ms, 0x00010000u);
  EXPECT_EQ(version->fixed.file_version_ls, 0u);
  EXPECT_EQ(version->fixed.product_version_ms, 0x00010000u);
  EXPECT_EQ(version->fixed.product_version_ls, 0u);
  EXPECT_EQ(version->String(u"ProductName"), std::optional<std::u16string>(u"砚池听松"));
  EXPECT_EQ(version->String(u"FileVersion"), std::optional<std::u16string>(u"1.0.0.0"));
}

// The start tag of the first element called tag that holds needle; empty if there is none.
std::string ElementWith(const std::string& xml, const std::string& tag, const std::string& needle) {
  for (std::size_t at = xml.find("<" + tag); at != std::string::npos;
       at = xml.find("<" + tag, at + 1)) {
    std::size_t end = xml.find('>', at);
    if (end == std::string::npos) return std::string();
    std::string element = xml.substr(at, end - at + 1);
    if (element.find(needle) != std::string::npos) return element;
  }
  return std::string();
}

TEST_P(ProgramFileTest, CarriesItsManifest) {
  const LoadedProgram& program = Program();
  ASSERT_TRUE(program.file) << program.problem;
  std::vector<const PeResource*> manifests =
      program.file->FindResources(kResourceManifest, kManifestId);
  ASSERT_EQ(manifests.size(), 1u);
  const std::string xml(manifests.front()->data.begin(), manifests.front()->data.end());
  EXPECT_NE(ElementWith(xml, "requestedExecutionLevel", "level=\"asInvoker\""), "") << xml;
  // Version 6 of the common controls draws the dialogs in the system's visual style.
  const std::string controls =
      ElementWith(xml, "assemblyIdentity", "name=\"Microsoft.Windows.Common-Controls\"");
  EXPECT_NE(controls, "") << xml;
  EXPECT_NE(controls.find("version=\"6.0.0.0\""), std::string::npos) << controls;
}

TEST_P(ProgramFileTest, CarriesItsIcon) {
  const LoadedProgram& program = Program();
  ASSERT_TRUE(program.file) << program.problem;
  std::vector<const PeResource*> groups = program.file->ResourcesOfType(kResourceGroupIcon);
  ASSERT_FALSE(groups.empty());
  std::string error;
  std::optional<std::vector<GroupIconEntry>> icons = ParseGroupIcon(groups.front()->data, &error);
  ASSERT_TRUE(icons) << error;
  EXPECT_FALSE(icons->empty());
  // Each image of the group is an icon resource of the size the group gives.
  for (const GroupIconEntry& icon : *icons) {
    std::vector<const PeResource*> images = program.file->FindResources(kResourceIcon, icon.id);
    ASSERT_EQ(images.size(), 1u) << "icon " << icon.id;
    EXPECT_EQ(images.front()->data.size(), icon.bytes_in_resource) << "icon " << icon.id;
  }
}

TEST_P(ProgramFileTest, CarriesThePasswordDialogs) {
  const LoadedProgram& program = Program();
  ASSERT_TRUE(program.file) << program.problem;
  for (std::uint32_t dialog : {kPasswordDialog, kCompactPasswordDialog}) {
    std::vector<const PeResource*> found = program.file->FindResources(kResourceDialog, dialog);
    ASSERT_EQ(found.size(), 1u) << "dialog " << dialog;
    EXPECT_FALSE(found.front()->data.empty()) << "dialog " << dialog;
  }
}

INSTANTIATE_TEST_SUITE_P(Built, ProgramFileTest, ::testing::ValuesIn(kPrograms),
                         [](const ::testing::TestParamInfo<ProgramKind>& info) {
                           return std::string(info.param.name);
                         });

// ---- The reader against small files of known layout.

void Put16(FileBytes& bytes, std::size_t at, std::uint16_t value) {
  if (bytes.size() < at + 2) bytes.resize(at + 2);
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(FileBytes& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, static_cast<std::uint16_t>(value));
  Put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

void PutText(FileBytes& bytes, std::size_t at, const std::string& text) {
  if (bytes.size() < at + text.size()) bytes.resize(at + text.size());
  std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// Where the parts of the small program file lie.
constexpr std::size_t kPeHeader = 0x40;
constexpr std::size_t kCoffHeader = kPeHeader + 4;
constexpr std::size_t kOptionalHeader = kCoffHeader + 20;
constexpr std::size_t kOptionalHeaderSize = 96 + 16 * 8;
constexpr std::size_t kSectionHeader = kOptionalHeader + kOptionalHeaderSize;
constexpr std::size_t kSection = 0x200;  // file offset of the one section
constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::size_t kSectionSize = 0x100;
constexpr std::size_t kDllName = kSection + 0x30;
constexpr std::size_t kResources = kSection + 0x80;  // the resource directory, 0x80 bytes
constexpr std::size_t kResourceLevel1 = kResources + 0x18;
constexpr std::size_t kResourceLevel2 = kResources + 0x38;
constexpr std::size_t kResourceDataEntry = kResources + 0x50;
constexpr std::size_t kResourceName = kResources + 0x70;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

constexpr std::uint32_t RvaOf(std::size_t file_offset) {
  return static_cast<std::uint32_t>(kSectionRva + (file_offset - kSection));
}

// A 32-bit GUI program file with one section that holds an import directory naming KERNEL32.dll
// and a resource directory in which RT_VERSION resources 1 and "TEST" (language 0x409) share the
// data "hello".
FileBytes SmallProgramFile() {
  FileBytes bytes(kSection + kSectionSize, 0);
  PutText(bytes, 0, "MZ");
  Put32(bytes, 0x3C, kPeHeader);
  PutText(bytes, kPeHeader, std::string("PE\0\0", 4));
  Put16(bytes, kCoffHeader, kMachineI386);
  Put16(bytes, kCoffHeader + 2, 1);
  Put16(bytes, kCoffHeader + 16, kOptionalHeaderSize);
  Put16(bytes, kOptionalHeader, kMagicPe32);
  Put32(bytes, kOptionalHeader + 28, 0x400000);
  Put16(bytes, kOptionalHeader + 68, kSubsystemWindowsGui);
  Put32(bytes, kOptionalHeader + 92, 16);
  Put32(bytes, kOptionalHeader + 96 + 8, RvaOf(kSection));  // imports
  Put32(bytes, kOptionalHeader + 96 + 12, 40);
  Put32(bytes, kOptionalHeader + 96 + 16, RvaOf(kResources));  // resources
  Put32(bytes, kOptionalHeader + 96 + 20, 0x80);
  PutText(bytes, kSectionHeader, ".data");
  Put32(bytes, kSectionHeader + 8, kSectionSize);
  Put32(bytes, kSectionHeader + 12, kSectionRva);
  Put32(bytes, kSectionHeader + 16, kSectionSize);
  Put32(bytes, kSectionHeader + 20, kSection);

  // One import descriptor, then the all-zero one that ends the list.
  Put32(bytes, kSection, RvaOf(kSection + 0x60));
  Put32(bytes, kSection + 12, RvaOf(kDllName));
  Put32(bytes, kSection + 16, RvaOf(kSection + 0x60));
  PutText(bytes, kDllName, std::string("KERNEL32.dll\0", 13));

  // Type 16 -> names "TEST" and 1 -> language 0x409 -> "hello".
  Put16(bytes, kResources + 14, 1);
  Put32(bytes, kResources + 16, kResourceVersion);
  Put32(bytes, kResources + 20, kSubdirectory | (kResourceLevel1 - kResources));
  Put16(bytes, kResourceLevel1 + 12, 1);
  Put16(bytes, kResourceLevel1 + 14, 1);
  Put32(bytes, kResourceLevel1 + 16, kSubdirectory | (kResourceName - kResources));
  Put32(bytes, kResourceLevel1 + 20, kSubdirectory | (kResourceLevel2 - kResources));
  Put32(bytes, kResourceLevel1 + 24, 1);
  Put32(bytes, kResourceLevel1 + 28, kSubdirectory | (kResourceLevel2 - kResources));
  Put16(bytes, kResourceLevel2 + 14, 1);
  Put32(bytes, kResourceLevel2 + 16, 0x409);
  Put32(bytes, kResourceLevel2 + 20, kResourceDataEntry - kResources);
  Put32(bytes, kResourceDataEntry, RvaOf(kResources + 0x60));
  Put32(bytes, kResourceDataEntry + 4, 5);
  PutText(bytes, kResources + 0x60, "hello");
  Put16(bytes, kResourceName, 4);
  for (std::size_t i = 0; i < 4; ++i) Put16(bytes, kResourceName + 2 + 2 * i, "TEST"[i]);
  return bytes;
}

TEST(PeReaderTest, ReadsASmallProgramFile) {
  std::string error;
  std::optional<PeFile> file = ParsePeFile(SmallProgramFile(), &error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->machine, kMachineI386);
  EXPECT_EQ(file->optional_header_magic, kMagicPe32);
  EXPECT_EQ(file->subsystem, kSubsystemWindowsGui);
  EXPECT_EQ(file->image_base, 0x400000u);
  ASSERT_EQ(file->sections.size(), 1u);
  EXPECT_EQ(file->sections[0].name, ".data");
  EXPECT_EQ(file->imported_dlls, std::vector<std::string>{"KERNEL32.dll"});
  ASSERT_EQ(file->resources.size(), 2u);
  const FileBytes hello = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_TRUE(file->resources[0].name.named);
  EXPECT_EQ(file->resources[0].name.name, u"TEST");
  EXPECT_EQ(file->resources[0].data, hello);
  std::vector<const PeResource*> numbered = file->FindResources(kResourceVersion, 1);
  ASSERT_EQ(numbered.size(), 1u);
  EXPECT_EQ(numbered.front()->language, 0x409u);
  EXPECT_EQ(numbered.front()->data, hello);
}

TEST(PeReaderTest, RejectsEveryTruncation) {
  const FileBytes whole = SmallProgramFile();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    FileBytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    std::string error;
    EXPECT_FALSE(ParsePeFile(cut, &error)) << "cut to " << size << " bytes";
    EXPECT_NE(error, "") << "cut to " << size << " bytes";
  }
}

struct Damage {
  const char* what;
  std::function<void(FileBytes&)> apply;
};

TEST(PeReaderTest, RejectsDamagedFiles) {
  const Damage damages[] = {
      {"no MZ", [](FileBytes& b) { b[0] = 'X'; }},
      {"PE header beyond the file", [](FileBytes& b) { Put32(b, 0x3C, 0xFFFFFFFC); }},
      {"PE header at the very end",
       [](FileBytes& b) { Put32(b, 0x3C, kSection + kSectionSize - 2); }},
      {"no PE signature", [](FileBytes& b) { b[kPeHeader + 2] = 'X'; }},
      {"unknown magic", [](FileBytes& b) { Put16(b, kOptionalHeader, 0x107); }},
      {"optional header beyond the file", [](FileBytes& b) { Put16(b, kCoffHeader + 16, 0xFFFF); }},
      {"optional header too short", [](FileBytes& b) { Put16(b, kCoffHeader + 16, 40); }},
      {"directories beyond the optional header",
       [](FileBytes& b) { Put16(b, kCoffHeader + 16, 96 + 8 * 8); }},
      {"section table beyond the file", [](FileBytes& b) { Put16(b, kCoffHeader + 2, 0xFFFF); }},
      {"section data beyond the file", [](FileBytes& b) { Put32(b, kSectionHeader + 16, 0x1000); }},
      {"section data offset wraps",
       [](FileBytes& b) { Put32(b, kSectionHeader + 20, 0xFFFFFFF0); }},
      {"imports outside every section",
       [](FileBytes& b) { Put32(b, kOptionalHeader + 96 + 8, 0x9000); }},
      {"import descriptor cut by the section's end",
       [](FileBytes& b) {
         Put32(b, kOptionalHeader + 96 + 8, RvaOf(kSection + kSectionSize - 8));
       }},
      {"DLL name outside every section", [](FileBytes& b) { Put32(b, kSection + 12, 0x7FFFFFFF); }},
      {"DLL name without its end",
       [](FileBytes& b) {
         PutText(b, kSection + kSectionSize - 6, "ABCDEF");
         Put32(b, kSection + 12, RvaOf(kSection + kSectionSize - 6));
       }},
      {"resource directory beyond its section",
       [](FileBytes& b) { Put32(b, kOptionalHeader + 96 + 20, 0x1000); }},
      {"more resource entries than the directory holds",
       [](FileBytes& b) { Put16(b, kResources + 14, 0xFFFF); }},
      {"resource subdirectory beyond the directory",
       [](FileBytes& b) { Put32(b, kResources + 20, kSubdirectory | 0x7FFFFFF0); }},
      {"resource directory that contains itself",
       [](FileBytes& b) { Put32(b, kResourceLevel1 + 28, kSubdirectory); }},
      {"resource type that is data, not a directory",
       [](FileBytes& b) { Put32(b, kResources + 20, kResourceDataEntry - kResources); }},
      {"resource data entry beyond the directory",
       [](FileBytes& b) { Put32(b, kResourceLevel2 + 20, 0x7FFFFFF8); }},
      {"resource data outside every section",
       [](FileBytes& b) { Put32(b, kResourceDataEntry, 0xFFFFFFFF); }},
      {"resource data longer than its section",
       [](FileBytes& b) { Put32(b, kResourceDataEntry + 4, 0xFFFFFFFF); }},
      {"resource name longer than the directory",
       [](FileBytes& b) { Put16(b, kResourceName, 0xFFFF); }},
  };
  for (const Damage& damage : damages) {
    FileBytes bytes = SmallProgramFile();
    damage.apply(bytes);
    std::string error;
    EXPECT_FALSE(ParsePeFile(bytes, &error)) << damage.what;
    EXPECT_NE(error, "") << damage.what;
  }
}

// A version block as resource compilers write it; children start on 32-bit boundaries.
FileBytes VersionBlock(const std::u16string& key, std::uint16_t type, const FileBytes& value,
                       std::uint16_t value_length, const std::vector<FileBytes>& children = {}) {
  FileBytes block(6, 0);
  Put16(block, 2, value_length);
  Put16(block, 4, type);
  for (char16_t unit : key + u'\0') Put16(block, block.size(), unit);
  block.resize((block.size() + 3) & ~std::size_t{3});
  block.insert(block.end(), value.begin(), value.end());
  for (const FileBytes& child : children) {
    block.resize((block.size() + 3) & ~std::size_t{3});
    block.insert(block.end(), child.begin(), child.end());
  }
  Put16(block, 0, static_cast<std::uint16_t>(block.size()));
  return block;
}

FileBytes StringBlock(const std::u16string& key, const std::u16string& text) {
  FileBytes value;
  for (char16_t unit : text + u'\0') Put16(value, value.size(), unit);
  return VersionBlock(key, 1, value, static_cast<std::uint16_t>(text.size() + 1));
}

FileBytes SmallVersion() {
  FileBytes fixed(52, 0);
  Put32(fixed, 0, kFixedFileInfoSignature);
  Put32(fixed, 8, 0x00020003);
  Put32(fixed, 12, 0x00040005);
  Put32(fixed, 16, 0x00060007);
  return VersionBlock(
      u"VS_VERSION_INFO", 0, fixed, 52,
      {VersionBlock(u"StringFileInfo", 1, {}, 0,
                    {VersionBlock(u"040904b0", 1, {}, 0,
                                  {StringBlock(u"ProductName", u"Tool"),
                                   StringBlock(u"FileVersion", u"2.3.4.5")})}),
       VersionBlock(u"VarFileInfo", 1, {}, 0,
                    {VersionBlock(u"Translation", 0, {0x09, 0x04, 0xb0, 0x04}, 4)})});
}

TEST(VersionReaderTest, ReadsFixedInformationAndStrings) {
  std::string error;
  std::optional<VersionInfo> version = ParseVersionInfo(SmallVersion(), &error);
  ASSERT_TRUE(version) << error;
  EXPECT_EQ(version->fixed.signature, kFixedFileInfoSignature);
  EXPECT_EQ(version->fixed.file_version_ms, 0x00020003u);
  EXPECT_EQ(version->fixed.file_version_ls, 0x00040005u);
  EXPECT_EQ(version->fixed.product_version_ms, 0x00060007u);
  ASSERT_EQ(version->string_tables.count(u"040904b0"), 1u);
  EXPECT_EQ(version->String(u"ProductName"), std::optional<std::u16string>(u"Tool"));
  EXPECT_EQ(version->String(u"FileVersion"), std::optional<std::u16string>(u"2.3.4.5"));
  EXPECT_EQ(version->String(u"Translation"), std::nullopt);
}

TEST(VersionReaderTest, RejectsTruncatedAndOverrunningBlocks) {
  const FileBytes whole = SmallVersion();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    FileBytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(ParseVersionInfo(cut)) << "cut to " << size << " bytes";
  }
  // The first child of the root lies right after the fixed information, at 0x5C.
  FileBytes overrun = whole;
  Put16(overrun, 0x5C, 0x7FFF);
  EXPECT_FALSE(ParseVersionInfo(overrun));
  // A block of length 0 would never advance the walk.
  FileBytes empty_child = whole;
  Put16(empty_child, 0x5C, 0);
  EXPECT_FALSE(ParseVersionInfo(empty_child));
  FileBytes no_fixed = whole;
  Put16(no_fixed, 2, 20);
  EXPECT_FALSE(ParseVersionInfo(no_fixed));
}

TEST(GroupIconReaderTest, ReadsEntriesAndRejectsAShortGroup) {
  FileBytes group;
  Put16(group, 0, 0);
  Put16(group, 2, 1);
  Put16(group, 4, 1);
  group.push_back(32);  // width
  group.push_back(32);  // height
  group.resize(6 + 14, 0);
  Put16(group, 6 + 6, 32);
  Put32(group, 6 + 8, 0x10A8);
  Put16(group, 6 + 12, 7);
  std::string error;
  std::optional<std::vector<GroupIconEntry>> icons = ParseGroupIcon(group, &error);
  ASSERT_TRUE(icons) << error;
  ASSERT_EQ(icons->size(), 1u);
  EXPECT_EQ((*icons)[0].width, 32);
  EXPECT_EQ((*icons)[0].bit_count, 32);
  EXPECT_EQ((*icons)[0].bytes_in_resource, 0x10A8u);
  EXPECT_EQ((*icons)[0].id, 7);

  FileBytes short_group = group;
  Put16(short_group, 4, 2);
  EXPECT_FALSE(ParseGroupIcon(short_group));
  FileBytes not_icons = group;
  Put16(not_icons, 2, 2);  // a cursor group
  EXPECT_FALSE(ParseGroupIcon(not_icons));
}

}  // namespace
}  // namespace folderlocker::testing
