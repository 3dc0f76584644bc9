#include "rename/FileSystem.h"

#include <windows.h>

#include "text/Cp932.h"
#include "win32/Handles.h"

namespace tokiwake {

namespace {

DWORD AttributesOf(const std::wstring& path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(path.c_str());
}

// Something, file or folder, already has this name.
bool NameTaken(const std::wstring& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

LocalTime ToLocalTime(const FILETIME& utc) {
  FILETIME local{};
  SYSTEMTIME parts{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &parts)) return {};
  return {parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond};
}

FolderEntry ToEntry(const WIN32_FIND_DATAW& found) {
  const Narrowed name = ToCp932(found.cFileName);
  return {name.text, name.exact, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          ToLocalTime(found.ftLastWriteTime)};
}

}  // namespace

std::vector<FolderEntry> DiskFileSystem::ListFolder(const Text& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found{};
  OwnedFind find(FindFirstFileExW(ToWide(folder + "\\*.*").c_str(), FindExInfoBasic, &found,
                                  FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return entries;
  do {
    entries.push_back(ToEntry(found));
  } while (FindNextFileW(find.get(), &found));
  return entries;
}

bool DiskFileSystem::FileExists(const Text& path) {
  const DWORD attributes = AttributesOf(ToWide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DiskFileSystem::FolderExists(const Text& path) {
  const DWORD attributes = AttributesOf(ToWide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DiskFileSystem::RenameFile(const Text& from, const Text& to) {
  const std::wstring source = ToWide(from);
  const std::wstring target = ToWide(to);
  // MoveFileW without MOVEFILE_REPLACE_EXISTING never replaces another file, but it does give a
  // file its own name in other letter case. Where the disk ignores case that name is taken too:
  // by the file itself.
  if (CompareStringOrdinal(source.c_str(), -1, target.c_str(), -1, TRUE) == CSTR_EQUAL &&
      NameTaken(target)) {
    return false;
  }
  return MoveFileW(source.c_str(), target.c_str()) != FALSE;
}

void DiskFileSystem::RemoveFile(const Text& path) { DeleteFileW(ToWide(path).c_str()); }

void DiskFileSystem::WriteNewFile(const Text& path, const Text& bytes) {
  OwnedFile file(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  if (!bytes.empty()) {
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
}

void DiskFileSystem::SetHiddenOnly(const Text& path) {
  SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace tokiwake
