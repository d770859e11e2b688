// Owners for Win32 handles and resources: one owner each, never copied, released on every path.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <utility>

namespace folderlocker {

template <typename Traits>
class Scoped {
 public:
  using Type = typename Traits::Type;

  Scoped() = default;
  explicit Scoped(Type value) : value_(value) {}
  ~Scoped() { reset(); }

  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : value_(other.release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Type get() const { return value_; }
  bool valid() const { return value_ != Traits::Invalid(); }
  explicit operator bool() const { return valid(); }

  Type release() { return std::exchange(value_, Traits::Invalid()); }
  void reset(Type value = Traits::Invalid()) {
    Type old = std::exchange(value_, value);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  Type value_ = Traits::Invalid();
};

struct FileHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type handle) { CloseHandle(handle); }
};

struct KernelHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return nullptr; }
  static void Close(Type handle) { CloseHandle(handle); }
};

struct MenuTraits {
  using Type = HMENU;
  static Type Invalid() { return nullptr; }
  static void Close(Type menu) { DestroyMenu(menu); }
};

struct GdiObjectTraits {
  using Type = HGDIOBJ;
  static Type Invalid() { return nullptr; }
  static void Close(Type object) { DeleteObject(object); }
};

struct IconTraits {
  using Type = HICON;
  static Type Invalid() { return nullptr; }
  static void Close(Type icon) { DestroyIcon(icon); }
};

// CreateFile's handles: INVALID_HANDLE_VALUE marks none.
using ScopedFileHandle = Scoped<FileHandleTraits>;
// Process, thread and event handles: null marks none.
using ScopedKernelHandle = Scoped<KernelHandleTraits>;
using ScopedMenu = Scoped<MenuTraits>;
using ScopedGdiObject = Scoped<GdiObjectTraits>;
using ScopedIcon = Scoped<IconTraits>;

// Holds a GlobalLock for as long as it lives.
class ScopedGlobalLock {
 public:
  explicit ScopedGlobalLock(HGLOBAL memory)
      : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
  ~ScopedGlobalLock() {
    if (data_) GlobalUnlock(memory_);
  }
  ScopedGlobalLock(const ScopedGlobalLock&) = delete;
  ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;

  const void* data() const { return data_; }
  // The size of the locked block; 0 when the lock failed.
  SIZE_T size() const { return data_ ? GlobalSize(memory_) : 0; }

 private:
  HGLOBAL memory_;
  void* data_;
};

}  // namespace folderlocker
#endif
