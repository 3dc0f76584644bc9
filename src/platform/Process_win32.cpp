#include "platform/Process.h"

#include <windows.h>

#include "platform/WidePath.h"

namespace tokiwake {

void StartProgram(const Text& programPath, const Text& commandLine) {
  const std::wstring application = ToWidePath(programPath);
  std::wstring arguments = ToWidePath(commandLine);  // CreateProcessW may write into this buffer
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
