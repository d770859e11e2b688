#include "temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

namespace folderlocker::testing {

std::wstring Widen(const Text& text) {
  if (text.empty()) return std::wstring();
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

Text Narrow(const std::wstring& text) {
  if (text.empty()) return Text();
  int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  Text narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

std::wstring Literal(const Text& full_path) { return L"\\\\?\\" + Widen(full_path); }

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  std::wstring base(temp, length);
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  std::wstring folder =
      base + L"\\fl-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  path_ = Narrow(folder);
  RemoveTree(path_);
  CreateFolders(path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const Text& full_path) {
  std::wstring literal = Literal(full_path);
  DWORD attributes = GetFileAttributesW(literal.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    for (const Text& name : FolderEntries(full_path)) RemoveTree(full_path + "\\" + name);
    RemoveDirectoryW(literal.c_str());
  } else {
    SetFileAttributesW(literal.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(literal.c_str());
  }
}

bool CreateFolders(const Text& full_path) {
  std::wstring literal = Literal(full_path);
  DWORD attributes = GetFileAttributesW(literal.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  std::wstring wide = Widen(full_path);
  std::size_t cut = wide.rfind(L'\\');
  if (cut != std::wstring::npos && cut > 2) CreateFolders(Narrow(wide.substr(0, cut)));
  return CreateDirectoryW(literal.c_str(), nullptr) != 0;
}

bool WriteWholeFile(const Text& full_path, const std::string& content) {
  std::wstring wide = Widen(full_path);
  std::size_t cut = wide.rfind(L'\\');
  if (cut != std::wstring::npos) CreateFolders(Narrow(wide.substr(0, cut)));
  ScopedFileHandle file(CreateFileW(Literal(full_path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return content.empty() || (WriteFile(file.get(), content.data(),
                                       static_cast<DWORD>(content.size()), &written, nullptr) &&
                             written == content.size());
}

bool ReadWholeFile(const Text& full_path, std::string& content) {
  ScopedFileHandle file(CreateFileW(Literal(full_path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  content.clear();
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    content.append(buffer, read);
  }
  return true;
}

std::vector<Text> FolderEntries(const Text& full_path) {
  std::vector<Text> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((Literal(full_path) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(Narrow(name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

ScopedFileHandle HoldOpenWithoutSharing(const Text& full_path) {
  return ScopedFileHandle(CreateFileW(Literal(full_path).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

}  // namespace folderlocker::testing
