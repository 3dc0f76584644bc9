#include "harness/Spies.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <utility>

namespace tokiwake::test {

namespace {

// The slot through which this program's code calls `function` of `dll`.
void** ImportSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* named =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(named->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

// Puts `replacement` in the slot, having kept what was there in `previous` first: another thread
// may call through the slot at any moment.
template <typename Function>
void Swap(const char* dll, const char* function, Function replacement, Function& previous) {
  void** slot = ImportSlot(dll, function);
  if (slot == nullptr) {
    ADD_FAILURE() << function << " is not imported by this program";
    return;
  }
  if (*slot != reinterpret_cast<void*>(replacement)) previous = reinterpret_cast<Function>(*slot);
  DWORD old = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
  *slot = reinterpret_cast<void*>(replacement);
  VirtualProtect(slot, sizeof *slot, old, &old);
}

using BeepFunction = BOOL(WINAPI*)(UINT);
std::atomic<int> beeps{0};
BeepFunction realBeep = nullptr;

BOOL WINAPI CountingBeep(UINT type) {
  ++beeps;
  return realBeep(type);
}

using SleepFunction = void(WINAPI*)(DWORD);
SleepFunction realSleep = nullptr;
DWORD pausingThread = 0;
std::vector<DWORD> pauses;  // touched by the pausing thread only

void WINAPI RecordingSleep(DWORD milliseconds) {
  if (GetCurrentThreadId() != pausingThread) return realSleep(milliseconds);
  pauses.push_back(milliseconds);
}

}  // namespace

BeepSpy::BeepSpy() {
  beeps = 0;
  Swap("user32.dll", "MessageBeep", &CountingBeep, realBeep);
}

BeepSpy::~BeepSpy() {
  BeepFunction replaced = nullptr;
  if (realBeep) Swap("user32.dll", "MessageBeep", realBeep, replaced);
}

int BeepSpy::Count() { return beeps; }

PauseSpy::PauseSpy() {
  pauses.clear();
  pausingThread = GetCurrentThreadId();
  Swap("kernel32.dll", "Sleep", &RecordingSleep, realSleep);
}

PauseSpy::~PauseSpy() {
  SleepFunction replaced = nullptr;
  if (realSleep) Swap("kernel32.dll", "Sleep", realSleep, replaced);
}

std::vector<DWORD> PauseSpy::Take() { return std::exchange(pauses, {}); }

}  // namespace tokiwake::test
