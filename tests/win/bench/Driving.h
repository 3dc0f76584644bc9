// What the benchmark and the stress test share: driving the real tokiwake.exe from another process
// and making and removing trees of files, through plain Win32 calls.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tokiwake::test {

inline double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "error: %s (error %lu)\n", what, GetLastError());
  std::exit(1);
}

inline std::wstring TempRoot(const wchar_t* name) {
  wchar_t buffer[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, buffer);
  return std::wstring(buffer) + L"tokiwake-" + name + L"-" + std::to_wstring(GetCurrentProcessId());
}

inline void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

inline void WriteFileBytes(const std::wstring& path, const std::string& bytes,
                           const FILETIME* time) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("cannot create a file");
  DWORD written = 0;
  if (!bytes.empty())
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (time != nullptr) SetFileTime(file, nullptr, nullptr, time);
  CloseHandle(file);
}

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

inline BOOL CALLBACK FindWindowOf(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if ((search->processId != 0 && processId != search->processId) ||
      lstrcmpW(name, search->className) != 0 || !IsWindowVisible(window)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

inline HWND WaitForWindow(DWORD processId, const wchar_t* className, double seconds) {
  const double deadline = Now() + seconds;
  while (Now() < deadline) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(5);
  }
  return nullptr;
}

inline bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace tokiwake::test
