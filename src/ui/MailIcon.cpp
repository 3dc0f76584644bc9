#include "ui/MailIcon.h"

#include <windows.h>

#include "platform/WidePath.h"

namespace tokiwake {

std::string_view MailIconBytes() {
  HRSRC found = FindResourceW(nullptr, L"MailIcon", RT_RCDATA);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

// CREATE_NEW, not a test and then a write: a file that appears in between is not replaced either.
// A picture cut short would never be written again, so a failed write takes its file away.
void WriteMailIcon(const Text& path) {
  const std::string_view bytes = MailIconBytes();
  if (bytes.empty()) return;
  const std::wstring widePath = ToWidePath(path);
  HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  const bool whole =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  const bool closed = CloseHandle(file) != FALSE;
  if (!whole || !closed) DeleteFileW(widePath.c_str());
}

}  // namespace tokiwake
