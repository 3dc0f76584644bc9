#include "platform/Process.h"

#include <windows.h>

#include "platform/Cp932.h"

namespace tokiwake {

void StartProgram(const Text& programPath, const Text& commandLine) {
  const std::wstring application = ToWide(programPath);
  std::wstring arguments = ToWide(commandLine);  // CreateProcessW may write into this buffer
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(application.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace tokiwake
