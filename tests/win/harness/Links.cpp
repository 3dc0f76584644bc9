// Folder links for the tests: a junction where Windows makes one, a Unix symbolic link under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "harness/Harness.h"
#include "platform/Cp932.h"

// After <windows.h>, which it needs.
#include <winioctl.h>

namespace tokiwake::test {

namespace {

// The mount-point layout of REPARSE_DATA_BUFFER, which mingw-w64's headers leave out.
struct MountPointHeader {
  DWORD tag;
  WORD dataLength;
  WORD reserved;
  WORD substituteOffset;
  WORD substituteLength;
  WORD printOffset;
  WORD printLength;
};

bool MakeJunction(const std::wstring& link, const std::wstring& target) {
  if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
  const std::wstring substitute = L"\\??\\" + target;
  const WORD substituteBytes = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
  std::vector<char> buffer(sizeof(MountPointHeader) + substituteBytes + 2 * sizeof(wchar_t));
  MountPointHeader header{IO_REPARSE_TAG_MOUNT_POINT,
                          0,
                          0,
                          0,
                          substituteBytes,
                          static_cast<WORD>(substituteBytes + sizeof(wchar_t)),
                          0};
  header.dataLength = static_cast<WORD>(buffer.size() - 8);
  std::memcpy(buffer.data(), &header, sizeof header);
  std::memcpy(buffer.data() + sizeof header, substitute.data(), substituteBytes);
  HANDLE folder = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  DWORD returned = 0;
  const bool made =
      folder != INVALID_HANDLE_VALUE &&
      DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                      static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
  if (folder != INVALID_HANDLE_VALUE) CloseHandle(folder);
  if (!made) RemoveDirectoryW(link.c_str());
  return made;
}

using UnixName = char*(CDECL*)(LPCWSTR);

// Wine's own export; null on Windows.
UnixName UnixNameFunction() {
  return reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

// The path on the Unix side, quoted for a command line.
std::wstring QuotedUnixPath(UnixName unixName, const std::wstring& path) {
  char* name = unixName(path.c_str());
  if (name == nullptr) return L"\"\"";
  const int length = MultiByteToWideChar(CP_UTF8, 0, name, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, name, -1, wide.data(), length);
  HeapFree(GetProcessHeap(), 0, name);
  return L"\"" + std::wstring(wide.c_str()) + L"\"";
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine runs a Unix program given by its path on drive Z:, and reports it as ended before it has
// done its work; the change notices of the folder it works in tell when `done` may hold.
bool RunUnixCommand(std::wstring command, const std::wstring& path, bool done) {
  const std::wstring folder = path.substr(0, path.rfind(L'\\'));
  HANDLE notices = FindFirstChangeNotificationW(
      folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_FILE_NAME);
  if (notices == INVALID_HANDLE_VALUE) return false;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    while (Exists(path) != done && WaitForSingleObject(notices, 10'000) == WAIT_OBJECT_0) {
      FindNextChangeNotification(notices);
    }
  }
  FindCloseChangeNotification(notices);
  return Exists(path) == done;
}

bool MakeUnixLink(const std::wstring& link, const std::wstring& target) {
  const UnixName unixName = UnixNameFunction();
  return unixName != nullptr &&
         RunUnixCommand(L"Z:\\bin\\ln -s " + QuotedUnixPath(unixName, target) + L" " +
                            QuotedUnixPath(unixName, link),
                        link, true);
}

}  // namespace

FolderLink::FolderLink(const Text& link, const Text& target) : link_(link) {
  const std::wstring wideLink = ToWide(link);
  const std::wstring wideTarget = ToWide(target);
  if (MakeJunction(wideLink, wideTarget) || MakeUnixLink(wideLink, wideTarget)) return;
  ADD_FAILURE() << "could not make a link from " << ForLog(link) << " to " << ForLog(target);
}

// Wine removes a Unix symbolic link neither as a folder nor as a file.
FolderLink::~FolderLink() {
  const std::wstring link = ToWide(link_);
  if (RemoveDirectoryW(link.c_str())) return;
  if (const UnixName unixName = UnixNameFunction()) {
    RunUnixCommand(L"Z:\\bin\\rm " + QuotedUnixPath(unixName, link), link, false);
  }
}

}  // namespace tokiwake::test
