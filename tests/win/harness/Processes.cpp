#include "harness/Processes.h"

// windows.h (through Processes.h) first: these lean on it.
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>

#include "platform/Cp932.h"

namespace tokiwake::test {

namespace {

template <typename T>
bool ReadFrom(HANDLE process, const void* address, T& value) {
  SIZE_T got = 0;
  return ReadProcessMemory(process, address, &value, sizeof value, &got) && got == sizeof value;
}

// The command line lives in the process's own parameter block, which its environment block points
// to; reading it there works on Windows and under Wine alike.
Text CommandLineOf(DWORD id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (process == nullptr) return {};
  Text result;
  PROCESS_BASIC_INFORMATION basic{};
  PEB peb{};
  RTL_USER_PROCESS_PARAMETERS parameters{};
  if (NT_SUCCESS(NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                           nullptr)) &&
      ReadFrom(process, basic.PebBaseAddress, peb) &&
      ReadFrom(process, peb.ProcessParameters, parameters)) {
    std::wstring line(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
    SIZE_T got = 0;
    if (ReadProcessMemory(process, parameters.CommandLine.Buffer, line.data(),
                          parameters.CommandLine.Length, &got)) {
      result = Narrow(line);
    }
  }
  CloseHandle(process);
  return result;
}

}  // namespace

std::vector<StartedProcess> ChildProcesses(DWORD parentId) {
  std::vector<StartedProcess> children;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return children;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID != parentId) continue;
    children.push_back(
        {entry.th32ProcessID, Narrow(entry.szExeFile), CommandLineOf(entry.th32ProcessID)});
  }
  CloseHandle(snapshot);
  return children;
}

std::optional<StartedProcess> WaitForChild(DWORD parentId, std::string_view image,
                                           const std::vector<DWORD>& known, Milliseconds timeout) {
  const std::wstring wanted = ToWide(image);
  std::optional<StartedProcess> found;
  WaitUntil(
      [&] {
        for (StartedProcess& child : ChildProcesses(parentId)) {
          if (std::find(known.begin(), known.end(), child.id) != known.end()) continue;
          if (lstrcmpiW(ToWide(child.image).c_str(), wanted.c_str()) != 0) continue;
          // A process listed before its parameters are in place shows no command line yet.
          if (child.commandLine.empty()) continue;
          found = std::move(child);
          return true;
        }
        return false;
      },
      timeout);
  return found;
}

void EndProcess(DWORD id) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  if (process == nullptr) return;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 10'000);
  CloseHandle(process);
}

}  // namespace tokiwake::test
