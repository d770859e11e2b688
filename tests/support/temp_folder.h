// Real folders and files for tests that run against the Windows file layer.
#pragma once

#ifdef _WIN32
#include <string>
#include <vector>

#include "core/scoped_win32.h"
#include "core/text.h"

namespace folderlocker::testing {

// Conversions between the ANSI code page and UTF-16.
std::wstring Widen(const Text& text);
Text Narrow(const std::wstring& text);

// The "\\?\" form of a full path, taken literally: trailing periods stay.
std::wstring Literal(const Text& full_path);

// A fresh folder under the temporary folder, removed with everything in it when it goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full path in the ANSI code page, without a final backslash.
  const Text& path() const { return path_; }

 private:
  Text path_;
};

// Removes a folder and everything in it, or a file; path is taken literally.
void RemoveTree(const Text& full_path);

// Creates a folder and its missing parents, taken literally.
bool CreateFolders(const Text& full_path);
bool WriteWholeFile(const Text& full_path, const std::string& content);
// The whole content of a file, or nothing when it cannot be read.
bool ReadWholeFile(const Text& full_path, std::string& content);

// The names directly inside a folder as the disk holds them, sorted; "." and ".." left out.
std::vector<Text> FolderEntries(const Text& full_path);

// Opens a file or folder with no sharing, as another program might hold it.
ScopedFileHandle HoldOpenWithoutSharing(const Text& full_path);

}  // namespace folderlocker::testing
#endif
