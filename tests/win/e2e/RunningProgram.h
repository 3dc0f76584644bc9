// The real tokiwake.exe started by a test, and its main window found from outside.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <optional>

#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {

// The visible top-level window of that class in that process; null when there is none.
inline HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
  struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
  } search{processId, className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* search = reinterpret_cast<Search*>(parameter);
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId != search->processId || lstrcmpW(name, search->className) != 0 ||
            !IsWindowVisible(window)) {
          return TRUE;
        }
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND MainWindowOf(DWORD processId) { return VisibleWindowOf(processId, L"Tconv"); }

// The started program; ended by force only when a test left it running.
class RunningProgram {
 public:
  // The folder, when given, is the program's argument.
  explicit RunningProgram(const Text& program, const Text& folder = "")
      : RunningProgram(ToWide(program), folder) {}
  // A program whose path code page 932 cannot write.
  explicit RunningProgram(const std::wstring& program, const Text& folder = "") {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!folder.empty()) commandLine += L" \"" + ToWide(folder) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &info_) != FALSE;
  }
  ~RunningProgram() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      ADD_FAILURE() << "the program was still running at the end of the test";
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 10'000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  // The exit code, or nothing when it did not end in time.
  std::optional<DWORD> WaitForExit(Milliseconds timeout) const {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
      return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION info_{};
};

}  // namespace tokiwake::test
