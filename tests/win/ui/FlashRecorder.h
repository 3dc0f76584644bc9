// Watches the background of the two folder fields from another thread, the way a person watches
// the screen, while the window's own thread is busy (a flash blocks it).
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "harness/Harness.h"

namespace tokiwake::test {

// A stretch of time during which each field kept one background colour.
struct ColourPhase {
  COLORREF field1;
  COLORREF field2;
  Milliseconds length;
};

class FlashRecorder {
 public:
  FlashRecorder(HWND field1, HWND field2) : fields_{field1, field2} {
    thread_ = std::thread([this] { Sample(); });
  }
  ~FlashRecorder() { Stop(); }
  FlashRecorder(const FlashRecorder&) = delete;
  FlashRecorder& operator=(const FlashRecorder&) = delete;

  // The phases from the start of recording. A stretch shorter than `shortest` (the moment
  // between two repaints) counts as part of the one before.
  std::vector<ColourPhase> Stop(Milliseconds shortest = Milliseconds(30)) {
    if (thread_.joinable()) {
      stop_ = true;
      thread_.join();
    }
    std::vector<ColourPhase> raw;
    for (size_t i = 0; i + 1 < samples_.size(); ++i) {
      const auto length =
          std::chrono::duration_cast<Milliseconds>(samples_[i + 1].at - samples_[i].at);
      Append(raw, {samples_[i].field1, samples_[i].field2, length});
    }
    std::vector<ColourPhase> phases;
    for (const ColourPhase& phase : raw) {
      if (phase.length < shortest && !phases.empty()) {
        phases.back().length += phase.length;
      } else {
        Append(phases, phase);
      }
    }
    return phases;
  }

 private:
  static void Append(std::vector<ColourPhase>& phases, const ColourPhase& phase) {
    if (!phases.empty() && phases.back().field1 == phase.field1 &&
        phases.back().field2 == phase.field2) {
      phases.back().length += phase.length;
    } else {
      phases.push_back(phase);
    }
  }

  struct Reading {
    std::chrono::steady_clock::time_point at;
    COLORREF field1;
    COLORREF field2;
  };

  // A pixel near the right end of the field, where no text reaches.
  static COLORREF Background(HWND field) {
    RECT rc{};
    GetClientRect(field, &rc);
    HDC dc = GetDC(field);
    const COLORREF colour = GetPixel(dc, rc.right - 3, rc.bottom / 2);
    ReleaseDC(field, dc);
    return colour;
  }

  void Sample() {
    for (;;) {
      const bool last = stop_;
      samples_.push_back(
          {std::chrono::steady_clock::now(), Background(fields_[0]), Background(fields_[1])});
      if (last) return;
      Sleep(2);
    }
  }

  HWND fields_[2];
  std::atomic<bool> stop_{false};
  std::vector<Reading> samples_;
  std::thread thread_;
};

}  // namespace tokiwake::test
