// The programs that a process started, seen from outside as the system lists them: the way to
// check which viewer the Help menu started, on which command line.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "harness/Harness.h"

namespace tokiwake::test {

struct StartedProcess {
  DWORD id = 0;
  Text image;        // the file name, as the system lists it
  Text commandLine;  // as the process received it, code page 932
};

// The running processes whose parent is `parentId`.
std::vector<StartedProcess> ChildProcesses(DWORD parentId);

// Waits for a child of `parentId` with this file name (compared without letter case) that is not
// among `known`; nullopt when none came in time.
std::optional<StartedProcess> WaitForChild(DWORD parentId, std::string_view image,
                                           const std::vector<DWORD>& known = {},
                                           Milliseconds timeout = Milliseconds(20'000));

// Ends the process and waits until it has gone.
void EndProcess(DWORD id);

}  // namespace tokiwake::test
