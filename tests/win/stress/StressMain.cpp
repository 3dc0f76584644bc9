// Kill test for scripts/stress. Makes a few thousand camera-like files in several folders (folder
// 1 with subfolders, folder 2 beside it), each with contents of its own, then starts the real
// tokiwake.exe on them again and again and ends it by force: at a random moment of a rename run,
// or right after it was asked to close, while it saves its settings. After every kill it checks
// that every original file is there exactly once, with the same contents, in the folder it began
// in, and that each settings file holds the old or the new settings whole. Each run uses another
// pattern, so that every run renames every file.
//
// Usage: stress_rename PATH-OF-tokiwake.exe [ROUNDS [FILES]]   (default: 30 rounds, 3000 files)
#include <windows.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/Driving.h"
#include "ui/ControlIds.h"

namespace {

using namespace tokiwake::test;
namespace ids = tokiwake::ids;

// Code page 932 bytes, as the pattern file holds them; each renames every file the one before
// named.
const char* const kPatterns[] = {"yyyy-mm-dd hh.mn.ss", "yyyy.mm.dd-cnt2",
                                 "'yy年mm月dd日 hh時mn分ss秒", "IMG cnt4 yyyy"};
constexpr char kMasks[] = "*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n";
// What a save cut short leaves beside the settings.
const wchar_t* const kLeftovers[] = {L"\\dCamFlist.dat.tmp", L"\\リネームフォーマット.dat.tmp"};

struct Original {
  std::wstring folder;  // where it must stay
  std::string contents;
};

std::string ReadAll(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(none)";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

class Stress {
 public:
  Stress(std::wstring exe, int files) : exe_(std::move(exe)), root_(TempRoot(L"stress")) {
    CreateDirectoryW(root_.c_str(), nullptr);
    program_ = root_ + L"\\program";
    CreateDirectoryW(program_.c_str(), nullptr);
    if (!CopyFileW(exe_.c_str(), (program_ + L"\\tokiwake.exe").c_str(), FALSE)) {
      Fail("cannot copy tokiwake.exe");
    }
    folder1_ = root_ + L"\\photos";
    folder2_ = root_ + L"\\second";
    MakeFiles(files);
  }
  ~Stress() { RemoveTree(root_); }

  // Returns the number of files lost, moved or changed plus the settings found partial.
  int Run(int rounds) {
    RunToEnd(0);  // also measures how long a whole run takes
    int faults = Check();
    for (int round = 1; round <= rounds; ++round) {
      if (round % 3 == 0) {
        KillWhileClosing(round);
      } else {
        KillDuringRun(round);
      }
      faults += Check();
    }
    std::printf(
        "stress: runs %d, kills %d (%d during runs, %d while saving at close), files %zu, "
        "lost %d, partial settings %d; saves cut short %d, their leftovers still there "
        "at the next start %d\n",
        runs_, killsDuringRuns_ + killsWhileSaving_, killsDuringRuns_, killsWhileSaving_,
        originals_.size(), lost_, partial_, interruptedSaves_, leftovers_);
    return faults + partial_ + leftovers_;
  }

 private:
  void MakeFiles(int files) {
    CreateDirectoryW(folder1_.c_str(), nullptr);
    CreateDirectoryW(folder2_.c_str(), nullptr);
    const std::wstring folders[] = {folder1_, folder1_ + L"\\DCIM100", folder1_ + L"\\DCIM101",
                                    folder1_ + L"\\DCIM101\\sub", folder2_};
    for (const std::wstring& folder : folders) CreateDirectoryW(folder.c_str(), nullptr);
    std::mt19937 random(20100523);
    for (int i = 0; i < files; ++i) {
      const std::wstring& folder = folders[static_cast<size_t>(i) % std::size(folders)];
      wchar_t name[32];
      swprintf(name, 32, L"\\DSC%05d.JPG", i + 1);
      // A few hundred times for thousands of files: names clash and counters climb.
      SYSTEMTIME local{2015,
                       static_cast<WORD>(1 + random() % 12),
                       0,
                       static_cast<WORD>(1 + random() % 28),
                       static_cast<WORD>(random() % 24),
                       0,
                       static_cast<WORD>(2 * (random() % 5)),
                       0};
      FILETIME localTime, utc;
      SystemTimeToFileTime(&local, &localTime);
      LocalFileTimeToFileTime(&localTime, &utc);
      const std::string contents =
          "\xFF\xD8\xFF\xE1 photo " + std::to_string(i) + " " +
          std::string(64 + random() % 256, static_cast<char>('a' + i % 26));
      WriteFileBytes(folder + name, contents, &utc);
      originals_[contents] = {folder, contents};
    }
  }

  void Prepare(int round) {
    WriteFileBytes(program_ + L"\\リネームフォーマット.dat",
                   kPatterns[round % std::size(kPatterns)], nullptr);
  }

  // Starts the program on folder 1 with folder 2 set; false when it did not come up.
  bool Start() {
    std::wstring commandLine = L"\"" + program_ + L"\\tokiwake.exe\" \"" + folder1_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW((program_ + L"\\tokiwake.exe").c_str(), commandLine.data(), nullptr,
                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
      Fail("cannot start tokiwake.exe");
    }
    main_ = WaitForWindow(process_.dwProcessId, L"Tconv", 30);
    if (main_ == nullptr) return false;
    // What a killed save left beside the settings is gone once the window is there.
    for (const wchar_t* leftover : kLeftovers) leftovers_ += Exists(program_ + leftover);
    SendMessageW(GetDlgItem(main_, ids::txt_Directory1), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(folder2_.c_str()));
    return true;
  }

  // Clicks the start button and answers Yes; the run then goes on by itself.
  bool StartRun() {
    PostMessageW(GetDlgItem(main_, ids::cmd_START), BM_CLICK, 0, 0);
    HWND question = WaitForWindow(process_.dwProcessId, L"#32770", 30);
    if (question == nullptr) return false;
    PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
    return true;
  }

  // WM_GETTEXT itself: GetWindowText does not ask another process's controls.
  bool Finished() {
    wchar_t text[16] = {};
    SendMessageTimeoutW(GetDlgItem(main_, ids::txt_Info), WM_GETTEXT, 16,
                        reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5'000, nullptr);
    return std::wstring(text) == L"終了";
  }

  void End(bool kill) {
    if (kill) TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 30'000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    CloseNotepads();
  }

  static void CloseNotepads() {
    for (HWND notepad; (notepad = WaitForWindow(0, L"Notepad", 0.2)) != nullptr;) {
      PostMessageW(notepad, WM_CLOSE, 0, 0);
      Sleep(100);
    }
  }

  void RunToEnd(int round) {
    Prepare(round);
    ++runs_;
    if (!Start() || !StartRun()) Fail("the program did not come up");
    const double start = Now();
    while (!Finished()) Sleep(20);
    runSeconds_ = Now() - start;
    std::printf("stress: a whole run over %zu files takes %.1f s\n", originals_.size(),
                runSeconds_);
    std::fflush(stdout);
    const double closing = Now();
    SendMessageTimeoutW(main_, WM_CLOSE, 0, 0, SMTO_NORMAL, 30'000, nullptr);
    closeSeconds_ = Now() - closing;
    std::printf("stress: a close, with its save, takes %.1f ms\n", closeSeconds_ * 1000);
    std::fflush(stdout);
    End(false);
  }

  void KillDuringRun(int round) {
    Prepare(round);
    if (!Start() || !StartRun()) Fail("the program did not come up");
    std::uniform_real_distribution<double> moment(0.0, runSeconds_);
    Sleep(static_cast<DWORD>(moment(random_) * 1000));
    ++runs_;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) ++killsDuringRuns_;
    End(true);
  }

  // The pattern is typed anew, so that the save that the kill interrupts writes something new.
  void KillWhileClosing(int round) {
    Prepare(round);
    const std::string before = ReadAll(program_ + L"\\リネームフォーマット.dat");
    if (!Start()) Fail("the program did not come up");
    HWND edit = FindWindowExW(GetDlgItem(main_, ids::txt_TimeReName), nullptr, L"Edit", nullptr);
    const std::string after = kPatterns[(round + 1) % std::size(kPatterns)];
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    wchar_t wide[64] = {};
    MultiByteToWideChar(932, 0, after.c_str(), -1, wide, 64);
    for (const wchar_t* c = wide; *c != L'\0'; ++c) PostMessageW(edit, WM_CHAR, *c, 0);
    SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 10'000, nullptr);  // typing handled
    // Somewhere in the time a close takes, to the microsecond: the save is a small part of it.
    std::uniform_real_distribution<double> delay(0.0, closeSeconds_);
    const double killAt = Now() + delay(random_);
    PostMessageW(main_, WM_CLOSE, 0, 0);
    while (Now() < killAt) {
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) ++killsWhileSaving_;
    End(true);
    const std::string pattern = ReadAll(program_ + L"\\リネームフォーマット.dat");
    const std::string masks = ReadAll(program_ + L"\\dCamFlist.dat");
    for (const wchar_t* leftover : kLeftovers) interruptedSaves_ += Exists(program_ + leftover);
    if ((pattern != before && pattern != after) || (masks != kMasks && masks != "(none)")) {
      std::printf("stress: partial settings after round %d: pattern \"%s\", masks %zu bytes\n",
                  round, pattern.c_str(), masks.size());
      ++partial_;
    }
  }

  // Every original exactly once, unchanged, in its own folder.
  int Check() {
    std::map<std::string, int> seen;
    int faults = 0;
    Visit(folder1_, seen, faults);
    Visit(folder2_, seen, faults);
    for (const auto& [contents, original] : originals_) {
      const auto it = seen.find(contents);
      if (it == seen.end() || it->second != 1) ++faults;
    }
    lost_ += faults;
    if (faults > 0) std::printf("stress: %d files lost, doubled or moved\n", faults);
    return faults;
  }

  void Visit(const std::wstring& folder, std::map<std::string, int>& seen, int& faults) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        Visit(path, seen, faults);
        continue;
      }
      const std::string contents = ReadAll(path);
      const auto original = originals_.find(contents);
      if (original == originals_.end() || original->second.folder != folder) ++faults;
      ++seen[contents];
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }

  std::wstring exe_, root_, program_, folder1_, folder2_;
  std::map<std::string, Original> originals_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
  double runSeconds_ = 1;
  double closeSeconds_ = 0.01;
  std::mt19937 random_{std::random_device{}()};
  int runs_ = 0, killsDuringRuns_ = 0, killsWhileSaving_ = 0, lost_ = 0, partial_ = 0,
      interruptedSaves_ = 0, leftovers_ = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: stress_rename PATH-OF-tokiwake.exe [ROUNDS [FILES]]\n");
    return 2;
  }
  const int rounds = argc > 2 ? _wtoi(argv[2]) : 30;
  const int files = argc > 3 ? _wtoi(argv[3]) : 3000;
  Stress stress(argv[1], files);
  return stress.Run(rounds) == 0 ? 0 : 1;
}
