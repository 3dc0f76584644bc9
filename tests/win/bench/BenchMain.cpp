// Benchmark driver for scripts/bench, which makes the trees with --make-tree and has the system
// write them out before it times anything. On equal trees of small JPEG files with distinct
// modification times, round after round: renames one with a minimal loop of FindFirstFileA and
// MoveFileA, then one with the real tokiwake.exe, driven as a user drives it (start with the
// folder, click the start button, answer Yes, wait for the list file); at the end renames one more
// with tokiwake.exe, clicking 中断 halfway through. Prints a row of one table: the median files per
// second of both and the processor time each took per file, their ratio, the program's peak
// working set and list file, and the time from the click on 中断 to the end of the run.
//
// With "exif" each photo also carries a shooting date in its Exif block, a year after its
// modification time; the minimal loop then also opens each file and reads its first 64 KiB, and
// the program runs with 撮影日時を使う on.
//
// Usage: bench_rename --make-tree FOLDER FILES FOLDERS [exif]
//        bench_rename --head                            the table's head
//        bench_rename PATH-OF-tokiwake.exe ROOT FILES FOLDERS ROUNDS plain|exif [--other LABEL
//        SECONDS PEAK-KB CPU-SECONDS]
// ROOT holds the trees loop1, photos1, loop2, photos2, ... and aborted, each of FILES files in
// FOLDERS folders; they are removed afterwards. --other adds a row for a renamer timed elsewhere on
// another such tree.
#include <windows.h>
// windows.h first: psapi.h needs its definitions.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench/Driving.h"
#include "media/MediaFiles.h"
#include "ui/ControlIds.h"

namespace {

using namespace tokiwake::test;

constexpr wchar_t kPattern[] = L"yyyy-mm-dd hh.mn.ss";

// A complete 8 × 8 grey JPEG, so that a renamer that reads the file finds a well-formed one.
constexpr unsigned char kPhoto[] = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x10, 0x0b, 0x0c, 0x0e, 0x0c, 0x0a, 0x10,
    0x0e, 0x0d, 0x0e, 0x12, 0x11, 0x10, 0x13, 0x18, 0x28, 0x1a, 0x18, 0x16, 0x16, 0x18, 0x31, 0x23,
    0x25, 0x1d, 0x28, 0x3a, 0x33, 0x3d, 0x3c, 0x39, 0x33, 0x38, 0x37, 0x40, 0x48, 0x5c, 0x4e, 0x40,
    0x44, 0x57, 0x45, 0x37, 0x38, 0x50, 0x6d, 0x51, 0x57, 0x5f, 0x62, 0x67, 0x68, 0x67, 0x3e, 0x4d,
    0x71, 0x79, 0x70, 0x64, 0x78, 0x5c, 0x65, 0x67, 0x63, 0xff, 0xc0, 0x00, 0x0b, 0x08, 0x00, 0x08,
    0x00, 0x08, 0x01, 0x01, 0x11, 0x00, 0xff, 0xc4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0xff, 0xc4, 0x00, 0x14,
    0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0xff, 0xda, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3f, 0x00, 0x1f, 0xff, 0xd9};

// The Exif block a camera puts right after the start of the image: its make and model, and the
// shooting date in the Exif IFD.
std::string WithExif(const std::string& photo, const FILETIME& local) {
  SYSTEMTIME time;
  FileTimeToSystemTime(&local, &time);
  char date[32];
  std::snprintf(date, sizeof date, "%04u:%02u:%02u %02u:%02u:%02u", time.wYear, time.wMonth,
                time.wDay, time.wHour, time.wMinute, time.wSecond);
  const Bytes tiff = Tiff(false, {{0x010F, "Bench"}, {0x0110, "Camera"}}, {{0x9003, date}});
  return photo.substr(0, 2) + Segment('\xE1', Bytes("Exif\0\0", 6) + tiff) + photo.substr(2);
}

// `files` photos spread over `folders` folders under root, each two seconds after the one before,
// so that every file gets a name of its own; with `exif`, shot a year and a day after that.
void MakeTree(const std::wstring& root, int files, int folders, bool exif) {
  CreateDirectoryW(root.c_str(), nullptr);
  const std::string bytes(reinterpret_cast<const char*>(kPhoto), sizeof kPhoto);
  constexpr ULONGLONG kYearAndDay = 366 * 86'400 * 10'000'000ULL;
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
    const ULARGE_INTEGER shot{.QuadPart = time.QuadPart + kYearAndDay};
    WriteFileBytes(folder + name, exif ? WithExif(bytes, {shot.LowPart, shot.HighPart}) : bytes,
                   &utc);
    time.QuadPart += 20'000'000ULL;  // two seconds
  }
}

// The first date text ("yyyy:mm:dd hh:mm:ss") in the file's first 64 KiB, as a name.
std::string NameFromContents(const std::string& path) {
  static char bytes[64 << 10];
  DWORD got = 0;
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  ReadFile(file, bytes, sizeof bytes, &got, nullptr);
  CloseHandle(file);
  for (DWORD at = 0; at + 19 <= got; ++at) {
    std::string date(bytes + at, 19);
    if (date[4] != ':' || date[7] != ':' || date[10] != ' ' || date[13] != ':' || date[16] != ':')
      continue;
    date[4] = date[7] = '-';
    date[13] = date[16] = '.';
    return date;
  }
  return "";
}

// The minimal loop: list a folder, then rename each file to its local modification time (or, when
// `read`, to the first date in its contents); then the subfolders. Returns the number of files
// renamed.
int MinimalRename(const std::string& folder, bool read) {
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
    std::snprintf(name, sizeof name, "%04u-%02u-%02u %02u.%02u.%02u", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond - time.wSecond % 2);
    const std::string path = folder + "\\" + entry.name;
    const std::string newName =
        (read ? NameFromContents(path) : name) + entry.name.substr(entry.name.rfind('.'));
    if (MoveFileA(path.c_str(), (folder + "\\" + newName).c_str())) ++renamed;
  }
  for (const Entry& entry : entries) {
    if (entry.directory && entry.name != "." && entry.name != "..") {
      renamed += MinimalRename(folder + "\\" + entry.name, read);
    }
  }
  return renamed;
}

std::optional<ULONGLONG> FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ReadAll(const std::wstring& path) {
  std::string text;
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  char buffer[1 << 16];
  DWORD got = 0;
  while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &got, nullptr) &&
         got > 0) {
    text.append(buffer, got);
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return text;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

// Processor time, in seconds, of a Linux process and of the wineserver, read where Wine shows
// /proc. The wineserver opens files for the processes it serves, so its own entry is "self".
struct Cpu {
  double process = 0;
  double server = 0;
};

double CpuSeconds(const std::wstring& pid) {
  const std::string stat = ReadAll(L"Z:\\proc\\" + pid + L"\\stat");
  unsigned long long user = 0, system = 0;
  const size_t name = stat.rfind(')');  // the name in brackets may hold blanks
  if (name == std::string::npos ||
      std::sscanf(stat.c_str() + name + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu",
                  &user, &system) != 2) {
    Fail("cannot read the processor time from /proc");
  }
  return static_cast<double>(user + system) / 100;  // in clock ticks of 1/100 s
}

Cpu CpuNow(const std::wstring& pid) { return {CpuSeconds(pid), CpuSeconds(L"self")}; }

Cpu CpuSince(const Cpu& start, const std::wstring& pid) {
  const Cpu now = CpuNow(pid);
  return {now.process - start.process, now.server - start.server};
}

std::string Narrow(const std::wstring& wide);

// The Linux process that runs a program of this file name on the trees under root: Wine names it
// by the path it was started with, and its arguments hold the root.
std::wstring UnixPid(const std::wstring& exe, const std::wstring& root) {
  const std::string file = Narrow(exe.substr(exe.find_last_of(L"\\/") + 1));
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
  std::wstring pid;
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
      const std::string command = ReadAll(L"Z:\\proc\\" + name + L"\\cmdline");
      const std::string first = command.c_str();
      if (_stricmp(first.substr(first.find_last_of("\\/") + 1).c_str(), file.c_str()) == 0 &&
          command.find(Narrow(root)) != std::string::npos) {
        pid = name;
      }
    } while (pid.empty() && FindNextFileW(find, &found));
    FindClose(find);
  }
  if (pid.empty()) Fail("cannot find the renamer's Linux process");
  return pid;
}

struct ProgramResult {
  double seconds = 0;  // from the answer Yes to the list file
  Cpu cpu;             // over the same time
  size_t listed = 0;   // lines in the list file
  size_t named = 0;    // of them, names from the dates the tree was made with
  ULONGLONG listBytes = 0;
  SIZE_T peakWorkingSet = 0;
  double abortLatency = 0;  // from the click on 中断 to the list file, when one was clicked
  double undoSeconds = 0;   // from the answer Yes to the end of the undo
};

// Waits until `done` holds for a name in `folder`, woken by the system when a name there changes:
// polling would take processor time, and the wineserver's, from the run it times. The run writes
// its list file after its last file, in one piece; the undo removes the journal at its end.
template <typename Done>
double WaitForName(const std::wstring& folder, HANDLE process, Done done) {
  HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
  if (change == INVALID_HANDLE_VALUE) Fail("cannot watch the program folder");
  const HANDLE waits[] = {change, process};
  while (!done()) {
    // The timeout only guards against a change missed between the test and the wait.
    const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, 50);
    if (woken == WAIT_OBJECT_0 + 1) Fail("tokiwake.exe ended");
    if (woken == WAIT_OBJECT_0) FindNextChangeNotification(change);
  }
  FindCloseChangeNotification(change);
  return Now();
}

double WaitForList(const std::wstring& list, HANDLE process) {
  return WaitForName(list.substr(0, list.rfind(L'\\')), process,
                     [&] { return FileSize(list).has_value(); });
}

// ファイル → 元に戻す, answered Yes; the seconds until the undo has removed the journal, and the
// run's first renamed file must then be gone.
double TimeUndo(HWND main, const PROCESS_INFORMATION& process, const std::wstring& programFolder,
                const std::string& listed) {
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(tokiwake::ids::mnuUndo, 0), 0);
  HWND question = WaitForWindow(process.dwProcessId, L"#32770", 30);
  if (question == nullptr) Fail("no undo question");
  const std::wstring journal = programFolder + L"\\リネーム履歴.txt";
  const double start = Now();
  PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
  const double seconds =
      WaitForName(programFolder, process.hProcess, [&] { return !Exists(journal); }) - start;
  while (IsWindow(question)) Sleep(5);
  HWND report = WaitForWindow(process.dwProcessId, L"#32770", 30);
  if (report == nullptr) Fail("no undo report");
  PostMessageW(GetDlgItem(report, IDOK), BM_CLICK, 0, 0);
  const std::string first = listed.substr(0, listed.find('\r'));
  if (Exists(std::wstring(first.begin(), first.end()))) Fail(("the undo left " + first).c_str());
  return seconds;
}

// Runs tokiwake.exe from a program folder of its own on `folder`, with 撮影日時を使う on for
// `exif`; with `abortAfter`, clicks 中断 that many seconds after the answer Yes.
ProgramResult RunProgram(const std::wstring& exe, const std::wstring& folder,
                         const std::wstring& programFolder, bool exif,
                         std::optional<double> abortAfter = std::nullopt) {
  CreateDirectoryW(programFolder.c_str(), nullptr);
  const std::wstring program = programFolder + L"\\tokiwake.exe";
  if (!CopyFileW(exe.c_str(), program.c_str(), FALSE)) Fail("cannot copy tokiwake.exe");
  // The pattern file is code page 932; the pattern is plain ASCII.
  std::string pattern;
  for (const wchar_t* c = kPattern; *c; ++c) pattern += static_cast<char>(*c);
  WriteFileBytes(programFolder + L"\\リネームフォーマット.dat", pattern, nullptr);
  if (exif) {
    WriteFileBytes(programFolder + L"\\オプション.dat",
                   "撮影日時を使う=1\r\n時刻の補正=0\r\n関連ファイルも一緒に変更=0\r\n", nullptr);
  }

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

  ProgramResult result;
  const std::wstring list = programFolder + L"\\FolderList.csv";
  const std::wstring pid = UnixPid(program, folder);
  const Cpu cpu = CpuNow(pid);
  const double start = Now();
  PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
  if (abortAfter) {
    Sleep(static_cast<DWORD>(*abortAfter * 1000));
    const double click = Now();
    PostMessageW(GetDlgItem(main, tokiwake::ids::cmdAbote), BM_CLICK, 0, 0);
    result.abortLatency = WaitForList(list, process.hProcess) - click;
  }
  result.seconds = WaitForList(list, process.hProcess) - start;
  result.cpu = CpuSince(cpu, pid);

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  result.peakWorkingSet = memory.PeakWorkingSetSize;

  // The run opens Notepad on the list; close it and then the program.
  if (HWND notepad = WaitForWindow(0, L"Notepad", 30)) PostMessageW(notepad, WM_CLOSE, 0, 0);
  const std::string listed = ReadAll(list);
  if (!abortAfter) result.undoSeconds = TimeUndo(main, process, programFolder, listed);
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30'000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  result.listed = Count(listed, "\n");
  result.named = Count(listed, exif ? "\\2016-" : "\\2015-");
  result.listBytes = listed.size();
  RemoveTree(programFolder);
  return result;
}

std::string Narrow(const std::wstring& wide) {
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
  text.resize(static_cast<size_t>(length - 1));
  return text;
}

std::string Thousands(double value) {
  std::string digits = std::to_string(static_cast<long long>(value + 0.5));
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  return digits;
}

std::string TreeName(int files, int folders) {
  return Thousands(files) + " in " + std::to_string(folders) +
         (folders > 1 ? " folders" : " folder");
}

std::string Megabytes(double bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", bytes / (1024.0 * 1024.0));
  return text;
}

struct Tree {
  int files;
  int folders;
  bool exif;
};

// A renamer's medians over the rounds: files per second, and processor milliseconds per file of
// its own process and of the wineserver.
struct Medians {
  std::vector<double> rates, cpu, server;
  void Add(int files, double seconds, const Cpu& used) {
    rates.push_back(files / seconds);
    cpu.push_back(used.process * 1000 / files);
    server.push_back(used.server * 1000 / files);
  }
  static double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  }
  double Rate() const { return Median(rates); }
  std::string CpuText() const {
    char text[48];
    std::snprintf(text, sizeof text, "%.2f + %.2f ms", Median(cpu), Median(server));
    return text;
  }
};

struct Row {
  std::string tree;
  Medians loop;
  Medians program;
  std::string peak;
  std::string list;
  std::string abort;
  std::vector<double> undoRates;  // of each round's undo
};

// Renames the trees under root: loop<N> with the minimal loop and photos<N> with the program, in
// turn, for each round N; then aborted with the program, clicking 中断 halfway through. The rates
// are each renamer's median over the rounds: a machine shared with others runs a renamer up to a
// fifth slower now and then, and taking turns gives both the same share of such moments.
Row Measure(const std::wstring& exe, const std::wstring& root, Tree tree, int rounds) {
  Row row;
  row.tree = TreeName(tree.files, tree.folders) + (tree.exif ? ", by Exif date" : "");
  ProgramResult program;
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring pid = UnixPid(self, root);
  for (int round = 1; round <= rounds; ++round) {
    const std::wstring loopTree = root + L"\\loop" + std::to_wstring(round);
    const std::wstring programTree = root + L"\\photos" + std::to_wstring(round);
    const Cpu cpu = CpuNow(pid);
    const double start = Now();
    const int looped = MinimalRename(Narrow(loopTree), tree.exif);
    row.loop.Add(looped, Now() - start, CpuSince(cpu, pid));
    const ProgramResult result = RunProgram(exe, programTree, root + L"\\program", tree.exif);
    row.program.Add(static_cast<int>(result.listed), result.seconds, result.cpu);
    row.undoRates.push_back(static_cast<double>(result.listed) / result.undoSeconds);
    if (looped != tree.files || static_cast<int>(result.named) != tree.files) {
      std::fprintf(stderr, "  WARNING: the loop renamed %d files, the program %zu by the %s\n",
                   looped, result.named, tree.exif ? "Exif date" : "file time");
    }
    // The largest of the rounds' peaks; the list file is the same every round.
    if (result.peakWorkingSet >= program.peakWorkingSet) program = result;
    RemoveTree(loopTree);
    RemoveTree(programTree);
  }
  const std::wstring abortTree = root + L"\\aborted";
  const ProgramResult aborted =
      RunProgram(exe, abortTree, root + L"\\program", tree.exif, program.seconds / 2);
  RemoveTree(abortTree);

  row.peak = Megabytes(static_cast<double>(program.peakWorkingSet));
  row.list = Megabytes(static_cast<double>(program.listBytes));
  if (aborted.listed > 0 && aborted.listed < static_cast<size_t>(tree.files)) {
    row.abort = std::to_string(static_cast<int>(aborted.abortLatency * 1000 + 0.5)) +
                " ms (after " + Thousands(static_cast<double>(aborted.listed)) + " files)";
  } else {
    row.abort = "(the run was not stopped halfway)";
  }
  return row;
}

void PrintRow(const Row& row, const std::string& renamer, double rate, const std::string& cpu,
              const std::string& peak, const std::string& list, const std::string& abort,
              const std::string& undo) {
  const double loopRate = row.loop.Rate();
  std::printf("| %s | %s | %s files/s | %s | %s files/s | %s | %.0f%% | %s | %s | %s | %s |\n",
              row.tree.c_str(), renamer.c_str(), Thousands(rate).c_str(), cpu.c_str(),
              Thousands(loopRate).c_str(), row.loop.CpuText().c_str(), 100.0 * rate / loopRate,
              peak.c_str(), list.c_str(), abort.c_str(), undo.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if ((argc == 5 || argc == 6) && mode == L"--make-tree") {
    MakeTree(argv[2], _wtoi(argv[3]), _wtoi(argv[4]),
             argc == 6 && argv[5] == std::wstring(L"exif"));
    return 0;
  }
  if (argc == 2 && mode == L"--head") {
    std::printf(
        "| tree | renamer | renamer's rate | its CPU per file | minimal loop's rate | its CPU per "
        "file | ratio | peak working set | list file | abort latency | undo's rate |\n"
        "|---|---|---:|---:|---:|---:|---:|---:|---:|---|---:|\n");
    return 0;
  }
  if (argc != 7 && !(argc == 12 && std::wstring(argv[7]) == L"--other")) {
    std::fprintf(stderr,
                 "usage: bench_rename PATH-OF-tokiwake.exe ROOT FILES FOLDERS ROUNDS plain|exif"
                 " [--other LABEL SECONDS PEAK-KB CPU-SECONDS]\n");
    return 2;
  }
  const Tree tree{_wtoi(argv[3]), _wtoi(argv[4]), std::wstring(argv[6]) == L"exif"};
  const Row row = Measure(argv[1], argv[2], tree, std::max(1, _wtoi(argv[5])));
  PrintRow(row, "tokiwake.exe", row.program.Rate(), row.program.CpuText(), row.peak, row.list,
           row.abort, Thousands(Medians::Median(row.undoRates)) + " files/s");
  if (argc == 12) {
    char cpu[32];
    std::snprintf(cpu, sizeof cpu, "%.2f ms", _wtof(argv[11]) * 1000 / tree.files);
    PrintRow(row, Narrow(argv[8]), tree.files / _wtof(argv[9]), cpu,
             Megabytes(_wtof(argv[10]) * 1024), "", "", "");
  }
  return 0;
}
