// Benchmark driver for scripts/bench. Makes trees of camera-like files with distinct modification
// times, renames one tree with the real tokiwake.exe, driven as a user drives it (start with the
// folder, click the start button, answer Yes, wait for the list file), and an equal tree with a
// minimal loop of FindFirstFileA and MoveFileA. Prints files per second for both, their ratio and
// the program's peak working set.
//
// Usage: bench_rename PATH-OF-tokiwake.exe [FILES FOLDERS]...   (default: 10000 10  5000 1)
#include <windows.h>
// windows.h first: psapi.h needs its definitions.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Driving.h"
#include "ui/ControlIds.h"

namespace {

using namespace tokiwake::drive;

constexpr wchar_t kPattern[] = L"yyyy-mm-dd hh.mn.ss";

// `files` photos spread over `folders` folders under root, each two seconds after the one before,
// so that every file gets a name of its own.
void MakeTree(const std::wstring& root, int files, int folders) {
  CreateDirectoryW(root.c_str(), nullptr);
  const std::string bytes = std::string("\xFF\xD8\xFF\xE1", 4) + std::string(508, 'x');
  SYSTEMTIME start{2015, 1, 0, 1, 9, 0, 0, 0};
  FILETIME local, utc;
  SystemTimeToFileTime(&start, &local);
  ULARGE_INTEGER time{{local.dwLowDateTime, local.dwHighDateTime}};
  const int perFolder = (files + folders - 1) / folders;
  for (int i = 0; i < files; ++i) {
    std::wstring folder = root;
    if (folders > 1) {
      folder += L"\\DCIM" + std::to_wstring(100 + i / perFolder);
      if (i % perFolder == 0) CreateDirectoryW(folder.c_str(), nullptr);
    }
    wchar_t name[32];
    swprintf(name, 32, L"\\DSC%05d.JPG", i + 1);
    local = {time.LowPart, time.HighPart};
    LocalFileTimeToFileTime(&local, &utc);
    WriteFileBytes(folder + name, bytes, &utc);
    time.QuadPart += 20'000'000ULL;  // two seconds
  }
}

// The minimal loop: list a folder, then rename each file to its local modification time; then the
// subfolders. Returns the number of files renamed.
int MinimalRename(const std::string& folder) {
  struct Entry {
    std::string name;
    bool directory;
    FILETIME written;
  };
  std::vector<Entry> entries;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    entries.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       found.ftLastWriteTime});
  } while (FindNextFileA(find, &found));
  FindClose(find);
  int renamed = 0;
  for (const Entry& entry : entries) {
    if (entry.directory) continue;
    FILETIME local;
    SYSTEMTIME time;
    FileTimeToLocalFileTime(&entry.written, &local);
    FileTimeToSystemTime(&local, &time);
    char name[64];
    std::snprintf(name, sizeof name, "%04u-%02u-%02u %02u.%02u.%02u%s", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond - time.wSecond % 2,
                  entry.name.substr(entry.name.rfind('.')).c_str());
    if (MoveFileA((folder + "\\" + entry.name).c_str(), (folder + "\\" + name).c_str())) ++renamed;
  }
  for (const Entry& entry : entries) {
    if (entry.directory && entry.name != "." && entry.name != "..") {
      renamed += MinimalRename(folder + "\\" + entry.name);
    }
  }
  return renamed;
}

struct ProgramResult {
  double seconds;
  size_t listed;
  SIZE_T peakWorkingSet;
};

// From the answer Yes to the list file written, which the run does after its last file.
ProgramResult RunProgram(const std::wstring& exe, const std::wstring& folder,
                         const std::wstring& programFolder) {
  CreateDirectoryW(programFolder.c_str(), nullptr);
  const std::wstring program = programFolder + L"\\tokiwake.exe";
  if (!CopyFileW(exe.c_str(), program.c_str(), FALSE)) Fail("cannot copy tokiwake.exe");
  // The pattern file is code page 932; the pattern is plain ASCII.
  std::string pattern;
  for (const wchar_t* c = kPattern; *c; ++c) pattern += static_cast<char>(*c);
  WriteFileBytes(programFolder + L"\\リネームフォーマット.dat", pattern, nullptr);

  std::wstring commandLine = L"\"" + program + L"\" \"" + folder + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    Fail("cannot start tokiwake.exe");
  }
  HWND main = WaitForWindow(process.dwProcessId, L"Tconv", 30);
  if (main == nullptr) Fail("no main window");
  PostMessageW(GetDlgItem(main, tokiwake::ids::cmd_START), BM_CLICK, 0, 0);
  HWND question = WaitForWindow(process.dwProcessId, L"#32770", 30);
  if (question == nullptr) Fail("no confirmation box");

  const std::wstring list = programFolder + L"\\FolderList.csv";
  const double start = Now();
  PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
  while (!Exists(list)) {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) Fail("tokiwake.exe ended");
    Sleep(10);
  }
  const double seconds = Now() - start;

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);

  // The run opens Notepad on the list; close it and then the program.
  if (HWND notepad = WaitForWindow(0, L"Notepad", 30)) PostMessageW(notepad, WM_CLOSE, 0, 0);
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30'000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  size_t lines = 0;
  HANDLE file =
      CreateFileW(list.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  char buffer[1 << 16];
  DWORD got = 0;
  while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &got, nullptr) &&
         got > 0) {
    for (DWORD i = 0; i < got; ++i) lines += buffer[i] == '\n';
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return {seconds, lines, memory.PeakWorkingSetSize};
}

std::string Narrow(const std::wstring& wide) {
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
  text.resize(static_cast<size_t>(length - 1));
  return text;
}

void Measure(const std::wstring& exe, const std::wstring& root, int files, int folders) {
  const std::wstring loopTree = root + L"\\loop";
  const std::wstring programTree = root + L"\\photos";
  std::printf("N=%d in %d folder%s: making the files...\n", files, folders, folders > 1 ? "s" : "");
  std::fflush(stdout);
  MakeTree(loopTree, files, folders);
  MakeTree(programTree, files, folders);

  double start = Now();
  const int looped = MinimalRename(Narrow(loopTree));
  const double loopSeconds = Now() - start;

  const ProgramResult program = RunProgram(exe, programTree, root + L"\\program");

  const double loopRate = looped / loopSeconds;
  const double programRate = static_cast<double>(program.listed) / program.seconds;
  std::printf("  minimal loop: %6d files in %7.2f s = %7.0f files/s\n", looped, loopSeconds,
              loopRate);
  std::printf("  tokiwake.exe: %6zu files in %7.2f s = %7.0f files/s\n", program.listed,
              program.seconds, programRate);
  std::printf("  ratio %.0f%% of the minimal loop (goal: at least 70%%)\n",
              100.0 * programRate / loopRate);
  std::printf("  peak working set of tokiwake.exe: %.1f MB\n",
              static_cast<double>(program.peakWorkingSet) / (1024.0 * 1024.0));
  if (looped != files || static_cast<int>(program.listed) != files) {
    std::printf("  WARNING: expected %d files renamed by each\n", files);
  }
  std::fflush(stdout);
  RemoveTree(loopTree);
  RemoveTree(programTree);
  RemoveTree(root + L"\\program");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_rename PATH-OF-tokiwake.exe [FILES FOLDERS]...\n");
    return 2;
  }
  std::wstring exe = argv[1];
  std::vector<std::pair<int, int>> runs;
  for (int i = 2; i + 1 < argc; i += 2) runs.push_back({_wtoi(argv[i]), _wtoi(argv[i + 1])});
  if (runs.empty()) runs = {{10'000, 10}, {5'000, 1}};

  const std::wstring root = TempRoot(L"bench");
  CreateDirectoryW(root.c_str(), nullptr);
  for (const auto& [files, folders] : runs) Measure(exe, root, files, folders);
  RemoveTree(root);
  return 0;
}
