#include "rename/FileSystem.h"

#include <windows.h>

#include <deque>

#include "settings/WholeFile.h"
#include "text/Cp932.h"
#include "win32/Handles.h"

namespace tokiwake {

namespace {

DWORD AttributesOf(const std::wstring& path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(path.c_str());
}

LocalTime ToLocalTime(const FILETIME& utc) {
  FILETIME local{};
  SYSTEMTIME parts{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &parts)) return {};
  return {parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond};
}

// Symbolic links, junctions and mounted volumes lead elsewhere; other reparse points (a folder
// kept in the cloud, for one) are the folder itself. Windows gives every reparse point its tag;
// Wine lists a Unix symbolic link as a reparse point without one.
bool IsLink(const WIN32_FIND_DATAW& found) {
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
  return found.dwReserved0 == 0 || IsReparseTagNameSurrogate(found.dwReserved0);
}

FolderEntry ToEntry(const WIN32_FIND_DATAW& found) {
  const Narrowed name = ToCp932(found.cFileName);
  return {name.text, name.exact, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          ToLocalTime(found.ftLastWriteTime), IsLink(found)};
}

// No flush per append: a kill of the process does not lose what WriteFile has handed to the
// system, and the journal is written once per rename.
class DiskAppendFile final : public AppendFile {
 public:
  explicit DiskAppendFile(OwnedFile file) : file_(std::move(file)) {}
  bool Append(std::string_view bytes) override {
    DWORD written = 0;
    return WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
  }

 private:
  OwnedFile file_;
};

}  // namespace

// The entries are gathered in blocks and then moved into a list of their exact length, block by
// block: a list that grows by doubling holds its old and new copies together, three times the
// folder's entries at its peak, in a folder of thousands of files.
std::vector<FolderEntry> DiskFileSystem::ListFolder(const Text& folder) {
  std::deque<FolderEntry> gathered;
  {
    WIN32_FIND_DATAW found{};
    OwnedFind find(FindFirstFileExW(ToWide(folder + "\\*.*").c_str(), FindExInfoBasic, &found,
                                    FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find) {
      do {
        gathered.push_back(ToEntry(found));
      } while (FindNextFileW(find.get(), &found));
    }
  }  // the search's own copy of the folder is let go first
  std::vector<FolderEntry> entries;
  entries.reserve(gathered.size());
  while (!gathered.empty()) {
    entries.push_back(std::move(gathered.front()));
    gathered.pop_front();
  }
  return entries;
}

std::optional<FolderId> DiskFileSystem::IdentifyFolder(const Text& folder) {
  // Opening a folder needs backup semantics; no access is asked for, so nothing is kept from
  // anyone, and the folder a link leads to is the one identified.
  OwnedFile handle(CreateFileW(ToWide(folder).c_str(), 0,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!handle || !GetFileInformationByHandle(handle.get(), &information)) return std::nullopt;
  if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return std::nullopt;
  return FolderId{information.dwVolumeSerialNumber,
                  (uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
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
  // Without MOVEFILE_REPLACE_EXISTING MoveFileW never replaces another file; it does give a file
  // its own name in other letter case.
  return MoveFileW(ToWide(from).c_str(), ToWide(to).c_str()) != FALSE;
}

void DiskFileSystem::RemoveFile(const Text& path) { DeleteFileW(ToWide(path).c_str()); }

bool DiskFileSystem::WriteNewFile(const Text& path, const Text& bytes) {
  OwnedFile file(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const bool wrote =
      bytes.empty() ||
      (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
       written == bytes.size());
  return file.Close() && wrote;
}

void DiskFileSystem::SetHiddenOnly(const Text& path) {
  SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
}

std::unique_ptr<AppendFile> DiskFileSystem::CreateHiddenFile(const Text& path) {
  // A hidden file is replaced only by one that is hidden too; others may read it meanwhile.
  OwnedFile file(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
  if (!file) return nullptr;
  return std::make_unique<DiskAppendFile>(std::move(file));
}

bool DiskFileSystem::ReplaceHiddenFile(const Text& path, const Text& bytes) {
  return ReplaceWholeFile(bytes, path, true);
}

// A journal line is a few hundred bytes: this is millions of renames.
std::optional<Text> DiskFileSystem::ReadFileBytes(const Text& path) {
  return ReadFileQuietly(path, uint64_t{1} << 30);
}

}  // namespace tokiwake
