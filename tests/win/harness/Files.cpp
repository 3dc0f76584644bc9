#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {

namespace {

std::string Failed(const Text& path) {
  const DWORD error = GetLastError();
  return "\"" + ForLog(path) + "\" (error " + std::to_string(error) + ")";
}

// The attributes come from the folder listing: Wine's GetFileAttributesW looks through a Unix
// symbolic link to the folder it leads to, and the tree there is not ours to remove.
bool RemoveTree(const std::wstring& path, DWORD attributes) {
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return DeleteFileW(path.c_str()) != FALSE;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return RemoveDirectoryW(path.c_str());
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name, found.dwFileAttributes);
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  return RemoveDirectoryW(path.c_str()) != FALSE;
}

bool RemoveTree(const std::wstring& path) {
  return RemoveTree(path, GetFileAttributesW(path.c_str()));
}

Text TempRoot() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  // A short 8.3 form would differ from the names the program itself builds.
  wchar_t longForm[MAX_PATH + 1];
  const DWORD longLength = GetLongPathNameW(buffer, longForm, MAX_PATH + 1);
  const std::wstring root = longLength > 0 && longLength <= MAX_PATH
                                ? std::wstring(longForm, longLength)
                                : std::wstring(buffer, length);
  const Narrowed narrowed = ToCp932(root);
  if (!narrowed.exact) ADD_FAILURE() << "the temporary folder has no code page 932 name";
  return narrowed.text;
}

}  // namespace

TempFolder::TempFolder(std::string_view hint) {
  static std::atomic<unsigned> counter{0};
  const Text root = TempRoot();
  for (int attempt = 0; attempt < 100; ++attempt) {
    Text candidate = root + "tokiwake-" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(counter++);
    if (!hint.empty()) candidate += "-" + Text(hint);
    if (CreateDirectoryW(ToWide(candidate).c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  ADD_FAILURE() << "could not make a temporary folder under " << Failed(root);
}

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  // The programs a test started have ended by now: a file still held open is a leaked handle.
  if (RemoveTree(ToWide(path_))) return;
  ADD_FAILURE() << "could not remove the temporary folder " << Failed(path_)
                << "; is a file in it still open?";
}

void WriteBytes(const Text& path, std::string_view bytes) {
  HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "could not create " << Failed(path);
    return;
  }
  while (!bytes.empty()) {
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0) {
      ADD_FAILURE() << "could not write " << Failed(path);
      break;
    }
    bytes.remove_prefix(written);
  }
  CloseHandle(file);
}

void MakeFolder(const Text& path) {
  if (!CreateDirectoryW(ToWide(path).c_str(), nullptr)) {
    ADD_FAILURE() << "could not make the folder " << Failed(path);
  }
}

void SetAttributes(const Text& path, DWORD attributes) {
  if (!SetFileAttributesW(ToWide(path).c_str(), attributes)) {
    ADD_FAILURE() << "could not set the attributes of " << Failed(path);
  }
}

void SetLocalWriteTime(const Text& path, const SYSTEMTIME& local) {
  // The inverse of FileTimeToLocalFileTime, as a program reading the time back would use it.
  FILETIME localTime{}, utcTime{};
  if (!SystemTimeToFileTime(&local, &localTime) || !LocalFileTimeToFileTime(&localTime, &utcTime)) {
    ADD_FAILURE() << "not a valid time for " << ForLog(path);
    return;
  }
  HANDLE file = CreateFileW(ToWide(path).c_str(), FILE_WRITE_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE || !SetFileTime(file, nullptr, nullptr, &utcTime)) {
    ADD_FAILURE() << "could not set the time of " << Failed(path);
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

void RemoveAll(const Text& path) {
  if (!RemoveTree(ToWide(path))) ADD_FAILURE() << "could not remove " << Failed(path);
}

std::optional<Text> ReadBytes(const Text& path) {
  HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  Text bytes;
  char buffer[1 << 16];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

bool PathExists(const Text& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

DWORD Attributes(const Text& path) { return GetFileAttributesW(ToWide(path).c_str()); }

std::vector<Text> ListFolder(const Text& folder) {
  std::vector<Text> names;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(ToWide(folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(Narrow(name));
  } while (FindNextFileW(find, &found));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

LockedFile::LockedFile(const Text& path)
    : handle_(
          CreateFileW(ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
  if (handle_ == INVALID_HANDLE_VALUE) ADD_FAILURE() << "could not lock " << Failed(path);
}

LockedFile::~LockedFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

}  // namespace tokiwake::test
