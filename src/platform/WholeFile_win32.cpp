#include "platform/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <string>

#include "platform/Handles_win32.h"
#include "platform/WidePath.h"

namespace tokiwake {

namespace {

// ReadFile and WriteFile take 32-bit counts; large files go through in pieces of this size.
constexpr size_t kChunk = size_t{1} << 24;

// A file stands at the path, or something there refuses even to be looked at: reading it must
// then fail instead of passing for a missing file. A folder is no file.
bool FileOrRefusalAt(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

std::optional<Text> ReadContents(const std::wstring& path, uint64_t limit) {
  OwnedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
  if (static_cast<uint64_t>(size.QuadPart) > limit) return std::nullopt;
  Text bytes;
  try {
    bytes.resize(static_cast<size_t>(size.QuadPart));
  } catch (const std::exception&) {
    return std::nullopt;  // larger than this process can hold
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD wanted = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, wanted, &got, nullptr)) return std::nullopt;
    if (got == 0) break;  // the file became shorter after it was sized
    done += got;
  }
  if (!file.Close()) return std::nullopt;
  bytes.resize(BeforeNul(std::string_view(bytes.data(), done)).size());
  return bytes;
}

bool WriteAll(HANDLE file, std::string_view text) {
  while (!text.empty()) {
    const DWORD wanted = static_cast<DWORD>(std::min(kChunk, text.size()));
    DWORD written = 0;
    if (!WriteFile(file, text.data(), wanted, &written, nullptr) || written == 0) return false;
    text.remove_prefix(written);
  }
  return true;
}

}  // namespace

FileRead ReadWholeFile(const Text& path, uint64_t limit) {
  const std::wstring widePath = ToWidePath(path);
  if (!FileOrRefusalAt(widePath)) return {};
  std::optional<Text> contents = ReadContents(widePath, limit);
  if (!contents) return {true, false, {}};
  return {true, true, std::move(*contents)};
}

void RemoveInterruptedWrite(const Text& path) {
  if (path.empty()) return;
  const std::wstring leftover = ToWidePath(path + kWriteSuffix);
  SetFileAttributesW(leftover.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(leftover.c_str());
}

void WriteWholeFile(std::string_view text, const Text& path) {
  if (path.empty()) return;
  // Windows refuses to replace a read-only file but Wine does not; a user who made the file
  // read-only asked for it to stay, so both keep it.
  const DWORD attributes = GetFileAttributesW(ToWidePath(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return;
  ReplaceWholeFile(text, path, false);
}

bool ReplaceWholeFile(std::string_view text, const Text& path, bool hidden) {
  const std::wstring target = ToWidePath(path);
  // A fixed name beside the target: same volume, so the final move is a rename, and a leftover
  // from a crash is simply overwritten next time instead of piling up.
  const std::wstring temporary = ToWidePath(path + kWriteSuffix);
  OwnedFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const bool written = WriteAll(file.get(), text) && FlushFileBuffers(file.get());
  if (!file.Close() || !written ||
      !MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace tokiwake
