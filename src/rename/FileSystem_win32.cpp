#include "rename/FileSystem.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <deque>

#include "platform/Cp932.h"
#include "platform/Handles_win32.h"
#include "platform/WholeFile.h"
#include "platform/WidePath.h"
#include "text/Paths.h"

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

uint64_t Ticks(const FILETIME& time) {
  return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

FILETIME FromTicks(int64_t ticks) {
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(static_cast<uint64_t>(ticks) >> 32)};
}

// Symbolic links, junctions and mounted volumes lead elsewhere; other reparse points (a folder
// kept in the cloud, for one) are the folder itself. For a reparse point the listing gives its tag
// where it gives the size of extended attributes otherwise; Wine lists a Unix symbolic link as a
// reparse point without one.
bool IsLink(const FILE_ID_BOTH_DIR_INFO& found) {
  if ((found.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
  return found.EaSize == 0 || IsReparseTagNameSurrogate(found.EaSize);
}

FolderEntry ToEntry(const FILE_ID_BOTH_DIR_INFO& found, uint64_t volume) {
  const Narrowed name =
      ToCp932(std::wstring_view(found.FileName, found.FileNameLength / sizeof(wchar_t)));
  const FILETIME written = FromTicks(found.LastWriteTime.QuadPart);
  const FileIdentity identity{static_cast<uint64_t>(found.EndOfFile.QuadPart), Ticks(written),
                              volume, static_cast<uint64_t>(found.FileId.QuadPart)};
  return {name.text,
          name.exact,
          (found.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          ToLocalTime(written),
          IsLink(found),
          identity};
}

// Opened to be asked about, keeping it from nobody.
OwnedFile OpenToAsk(const Text& path, DWORD access) {
  return OwnedFile(CreateFileW(ToWidePath(path).c_str(), access,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
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

// Moves to the offset before each read. A read given its offset in an OVERLAPPED would also do,
// but under Wine it costs one more round trip to the server for every file: the completion it
// records.
class DiskReadableFile final : public ReadableFile {
 public:
  DiskReadableFile(OwnedFile file, uint64_t size) : file_(std::move(file)), size_(size) {}
  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, size_t count, std::string& out) override {
    out.assign(count, '\0');
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    if (!SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN) ||
        !ReadFile(file_.get(), out.data(), static_cast<DWORD>(count), &read, nullptr)) {
      return false;
    }
    out.resize(read);
    return true;
  }

 private:
  OwnedFile file_;
  uint64_t size_;
};

// The file index the listing gives, asked of the handle alone: the documented way to it,
// GetFileInformationByHandle, also asks the volume (see IdentifyFile). 0 where it cannot be had.
uint64_t IndexOf(HANDLE file) {
  using QueryFile = LONG(WINAPI*)(HANDLE, IO_STATUS_BLOCK*, void*, ULONG, int);
  static const auto query = reinterpret_cast<QueryFile>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
  constexpr int kFileInternalInformation = 6;
  IO_STATUS_BLOCK status{};
  LARGE_INTEGER index{};
  if (query == nullptr ||
      query(file, &status, &index, sizeof index, kFileInternalInformation) < 0) {
    return 0;
  }
  return static_cast<uint64_t>(index.QuadPart);
}

SYSTEMTIME ToSystemTime(const CalendarTime& time) {
  SYSTEMTIME system{};
  system.wYear = static_cast<WORD>(time.year);
  system.wMonth = static_cast<WORD>(time.month);
  system.wDay = static_cast<WORD>(time.day);
  system.wHour = static_cast<WORD>(time.hour);
  system.wMinute = static_cast<WORD>(time.minute);
  system.wSecond = static_cast<WORD>(time.second);
  return system;
}

}  // namespace

// The listing that gives each file's index too. The entries are gathered in blocks and then moved
// into a list of their exact length, block by block: a list that grows by doubling holds its old
// and new copies together, three times the folder's entries at its peak, in a folder of thousands
// of files.
std::vector<FolderEntry> DiskFileSystem::ListFolder(const Text& folder) {
  std::deque<FolderEntry> gathered;
  {
    const OwnedFile handle = OpenToAsk(folder + "\\", FILE_LIST_DIRECTORY);
    BY_HANDLE_FILE_INFORMATION information{};
    if (handle && GetFileInformationByHandle(handle.get(), &information)) {
      std::vector<char> block(64 << 10);
      FILE_INFO_BY_HANDLE_CLASS next = FileIdBothDirectoryRestartInfo;
      while (GetFileInformationByHandleEx(handle.get(), next, block.data(),
                                          static_cast<DWORD>(block.size()))) {
        next = FileIdBothDirectoryInfo;
        for (size_t at = 0;;) {
          const auto& found = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(block.data() + at);
          gathered.push_back(ToEntry(found, information.dwVolumeSerialNumber));
          if (found.NextEntryOffset == 0) break;
          at += found.NextEntryOffset;
        }
      }
    }
  }  // the system's own copy of the folder is let go first
  std::vector<FolderEntry> entries;
  entries.reserve(gathered.size());
  while (!gathered.empty()) {
    entries.push_back(std::move(gathered.front()));
    gathered.pop_front();
  }
  return entries;
}

// The folder a link leads to is the one identified.
std::optional<FolderId> DiskFileSystem::IdentifyFolder(const Text& folder) {
  const OwnedFile handle = OpenToAsk(folder, 0);
  BY_HANDLE_FILE_INFORMATION information{};
  if (!handle || !GetFileInformationByHandle(handle.get(), &information)) return std::nullopt;
  if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return std::nullopt;
  return FolderId{information.dwVolumeSerialNumber,
                  (uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

// A file's own facts come from its handle in microseconds. Its volume's serial number does not
// under Wine, where every question about a volume goes to the mount manager (half a millisecond,
// twice what the rename of the file takes); an undo asks for thousands of files of a few folders.
// So the serial is asked of the folder, as the listing asks it, and kept for a second: a medium is
// not swapped faster than that.
std::optional<FileIdentity> DiskFileSystem::IdentifyFile(const Text& path) {
  const OwnedFile handle = OpenToAsk(path, FILE_READ_ATTRIBUTES);
  FILE_BASIC_INFO basic{};
  FILE_STANDARD_INFO standard{};
  if (!handle || !GetFileInformationByHandleEx(handle.get(), FileBasicInfo, &basic, sizeof basic) ||
      !GetFileInformationByHandleEx(handle.get(), FileStandardInfo, &standard, sizeof standard) ||
      standard.Directory) {
    return std::nullopt;
  }
  const std::optional<uint64_t> volume = VolumeOfFolder(FolderPart(path));
  if (!volume) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(standard.EndOfFile.QuadPart),
                      static_cast<uint64_t>(basic.LastWriteTime.QuadPart), *volume,
                      IndexOf(handle.get())};
}

std::optional<uint64_t> DiskFileSystem::VolumeOfFolder(const Text& folder) {
  const uint64_t now = GetTickCount64();
  if (volumeMemo_ && volumeMemo_->folder == folder && now - volumeMemo_->askedAt < 1000) {
    return volumeMemo_->serial;
  }
  const OwnedFile handle = OpenToAsk(folder, 0);
  BY_HANDLE_FILE_INFORMATION information{};
  if (!handle || !GetFileInformationByHandle(handle.get(), &information)) return std::nullopt;
  volumeMemo_ = VolumeMemo{folder, information.dwVolumeSerialNumber, now};
  return information.dwVolumeSerialNumber;
}

bool DiskFileSystem::FileExists(const Text& path) {
  const DWORD attributes = AttributesOf(ToWidePath(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DiskFileSystem::FolderExists(const Text& path) {
  const DWORD attributes = AttributesOf(ToWidePath(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DiskFileSystem::RenameFile(const Text& from, const Text& to, const FileIdentity&) {
  // Without MOVEFILE_REPLACE_EXISTING MoveFileW never replaces another file; it does give a file
  // its own name in other letter case.
  return MoveFileW(ToWidePath(from).c_str(), ToWidePath(to).c_str()) != FALSE;
}

void DiskFileSystem::RemoveFile(const Text& path) { DeleteFileW(ToWidePath(path).c_str()); }

bool DiskFileSystem::WriteNewFile(const Text& path, const Text& bytes) {
  OwnedFile file(CreateFileW(ToWidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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
  SetFileAttributesW(ToWidePath(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
}

std::unique_ptr<AppendFile> DiskFileSystem::OpenHiddenForAppend(const Text& path) {
  // Others may read it meanwhile, but no one else writes to it.
  OwnedFile file(CreateFileW(ToWidePath(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
  if (!file) return nullptr;
  return std::make_unique<DiskAppendFile>(std::move(file));
}

bool DiskFileSystem::ReplaceHiddenFile(const Text& path, const Text& bytes) {
  return ReplaceWholeFile(bytes, path, true);
}

LocalTime DiskFileSystem::LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// The dynamic zone information carries the rules of past years, where the zone has them; a date
// the system cannot convert (before 1601) takes the zone's present offset.
LocalTime DiskFileSystem::LocalFromUtc(const CalendarTime& utc) {
  using ConvertEx =
      BOOL(WINAPI*)(const DYNAMIC_TIME_ZONE_INFORMATION*, const SYSTEMTIME*, SYSTEMTIME*);
  static const auto convertEx = reinterpret_cast<ConvertEx>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SystemTimeToTzSpecificLocalTimeEx")));
  const SYSTEMTIME instant = ToSystemTime(utc);
  SYSTEMTIME local{};
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  const bool converted =
      convertEx != nullptr && GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID
          ? convertEx(&zone, &instant, &local) != FALSE
          : SystemTimeToTzSpecificLocalTime(nullptr, &instant, &local) != FALSE;
  if (converted) {
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
  }
  TIME_ZONE_INFORMATION present{};
  GetTimeZoneInformation(&present);
  return AddSeconds(utc, -int64_t{present.Bias} * 60);
}

std::unique_ptr<ReadableFile> DiskFileSystem::OpenForReading(const Text& path) {
  OwnedFile file(CreateFileW(ToWide(path).c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return nullptr;
  return std::make_unique<DiskReadableFile>(std::move(file), static_cast<uint64_t>(size.QuadPart));
}

std::optional<FileTail> DiskFileSystem::ReadFileTail(const Text& path, uint64_t limit) {
  const OwnedFile file(CreateFileW(ToWidePath(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
  const auto total = static_cast<uint64_t>(size.QuadPart);
  const uint64_t start = total > limit ? total - limit : 0;
  LARGE_INTEGER offset{};
  offset.QuadPart = static_cast<LONGLONG>(start);
  if (!SetFilePointerEx(file.get(), offset, nullptr, FILE_BEGIN)) return std::nullopt;
  FileTail tail{Text(static_cast<size_t>(total - start), '\0'), start > 0};
  size_t done = 0;
  while (done < tail.bytes.size()) {
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(tail.bytes.size() - done, 1 << 24));
    DWORD read = 0;
    if (!ReadFile(file.get(), tail.bytes.data() + done, wanted, &read, nullptr))
      return std::nullopt;
    if (read == 0) break;  // it grew shorter meanwhile
    done += read;
  }
  tail.bytes.resize(done);
  return tail;
}

}  // namespace tokiwake
