#include "lock/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "core/scoped_win32.h"
#include "lock/first_line.h"

namespace folderlocker {

namespace {

// A first line longer than this is never compared in full: no entry can be longer than the edit
// box's 32,767 characters, so the first megabyte decides every comparison.
constexpr DWORD kFirstLineReadLimit = 1 << 20;
constexpr DWORD kReadChunk = 4096;

std::optional<std::wstring> Widen(const Text& text) {
  if (text.empty()) return std::wstring();
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.rfind(prefix, 0) == 0;
}

bool IsDriveRoot(const std::wstring& path) {
  return path.size() == 3 && path[1] == L':' && path[2] == L'\\';
}

}  // namespace

std::optional<std::wstring> ToExtendedPath(const Text& path) {
  if (path.empty()) return std::nullopt;
  std::optional<std::wstring> wide = Widen(path);
  if (!wide) return std::nullopt;
  DWORD needed = GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::nullopt;
  std::wstring full(needed, L'\0');
  DWORD length = GetFullPathNameW(wide->c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return std::nullopt;
  full.resize(length);

  if (StartsWith(full, L"\\\\.\\") || StartsWith(full, L"\\\\?\\")) {
    SetLastError(ERROR_INVALID_NAME);
    return std::nullopt;
  }
  if (StartsWith(full, L"\\\\")) {
    // \\server\share\rest: the share's root keeps its backslash.
    std::size_t server_end = full.find(L'\\', 2);
    std::size_t share_end =
        server_end == std::wstring::npos ? server_end : full.find(L'\\', server_end + 1);
    if (share_end != std::wstring::npos && full.size() > share_end + 1 && full.back() == L'\\') {
      full.pop_back();
    }
    return L"\\\\?\\UNC\\" + full.substr(2);
  }
  if (full.size() < 3 || full[1] != L':' || full[2] != L'\\') {
    SetLastError(ERROR_INVALID_NAME);
    return std::nullopt;
  }
  if (!IsDriveRoot(full) && full.back() == L'\\') full.pop_back();
  return L"\\\\?\\" + full;
}

std::uint32_t Win32FileSystem::FileAttributes(const Text& path) {
  std::optional<std::wstring> location = ToExtendedPath(path);
  if (!location) return kInvalidAttributes;
  DWORD attributes = GetFileAttributesW(location->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return kInvalidAttributes;
  return attributes & 0x37;
}

Text Win32FileSystem::ReadFirstLine(const Text& path) {
  std::optional<std::wstring> location = ToExtendedPath(path);
  if (!location) return Text();
  ScopedFileHandle file(CreateFileW(location->c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Text();
  FirstLineReader reader;
  char buffer[kReadChunk];
  DWORD total = 0;
  DWORD read = 0;
  while (total < kFirstLineReadLimit &&
         ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    total += read;
    if (reader.Feed(std::string_view(buffer, read))) break;
  }
  return reader.Line();
}

bool Win32FileSystem::WriteFileBytes(const Text& path, const Bytes& bytes) {
  std::optional<std::wstring> location = ToExtendedPath(path);
  if (!location) return false;
  ScopedFileHandle file(CreateFileW(location->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  bool written = true;
  std::size_t offset = 0;
  while (written && offset < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - offset, 1 << 16));
    DWORD done = 0;
    written = WriteFile(file.get(), bytes.data() + offset, chunk, &done, nullptr) && done == chunk;
    offset += done;
  }
  // The password must be on the disk before the folder counts as locked.
  written = written && FlushFileBuffers(file.get());
  written = CloseHandle(file.release()) && written;
  if (!written) {
    DWORD error = GetLastError();
    DeleteFileW(location->c_str());
    SetLastError(error);
  }
  return written;
}

bool Win32FileSystem::Move(const Text& from, const Text& to) {
  std::optional<std::wstring> source = ToExtendedPath(from);
  std::optional<std::wstring> target = ToExtendedPath(to);
  return source && target && MoveFileW(source->c_str(), target->c_str());
}

bool Win32FileSystem::Delete(const Text& path) {
  std::optional<std::wstring> location = ToExtendedPath(path);
  return location && DeleteFileW(location->c_str());
}

}  // namespace folderlocker
