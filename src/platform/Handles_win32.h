// Owners for the Windows handles the program creates, so that none outlives its use.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <utility>

namespace tokiwake {

template <typename Handle, typename Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  ~Owned() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::IsValid(handle_); }
  void Reset(Handle handle = Handle{}) {
    if (Traits::IsValid(handle_)) Traits::Close(handle_);
    handle_ = handle;
  }
  // Closes now and tells whether that worked: a file whose close fails may not hold what was
  // written to it.
  bool Close() {
    const bool closed = !Traits::IsValid(handle_) || Traits::Close(handle_);
    handle_ = Handle{};
    return closed;
  }

 private:
  Handle handle_{};
};

struct GdiObjectTraits {
  static bool IsValid(HGDIOBJ h) { return h != nullptr; }
  static bool Close(HGDIOBJ h) { return DeleteObject(h) != FALSE; }
};
struct FileHandleTraits {
  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE h) { return CloseHandle(h) != FALSE; }
};
struct FindHandleTraits {
  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE h) { return FindClose(h) != FALSE; }
};
struct HookTraits {
  static bool IsValid(HHOOK h) { return h != nullptr; }
  static bool Close(HHOOK h) { return UnhookWindowsHookEx(h) != FALSE; }
};

struct ComTraits {
  static bool IsValid(IUnknown* p) { return p != nullptr; }
  static bool Close(IUnknown* p) {
    p->Release();
    return true;
  }
};

using OwnedFont = Owned<HFONT, GdiObjectTraits>;
using OwnedBrush = Owned<HBRUSH, GdiObjectTraits>;
using OwnedFile = Owned<HANDLE, FileHandleTraits>;
using OwnedFind = Owned<HANDLE, FindHandleTraits>;
using OwnedHook = Owned<HHOOK, HookTraits>;
template <typename Interface>
using OwnedCom = Owned<Interface*, ComTraits>;

// OLE initialised for this thread for as long as the object lives: COM, and what an in-place
// control such as the browser view needs beyond it (drag and drop, the clipboard).
class OleApartment {
 public:
  OleApartment() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;
  ~OleApartment() {
    if (ok_) OleUninitialize();
  }

 private:
  bool ok_;
};

}  // namespace tokiwake
