// Watches the background of the two folder fields from another thread, the way a person watches
// the screen, while the window's own thread is busy (a flash blocks it).
#pragma once

#include <windows.h>

#include <atomic>
#include <iterator>
#include <mutex>
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

  // Waits until the fields have shown the colours they have now for `span`, so that those stand as
  // a phase of their own; false when that did not happen in time.
  bool WaitUntilSteadyFor(Milliseconds span, Milliseconds timeout = Milliseconds(5'000)) {
    const auto now = std::chrono::steady_clock::now();
    return WaitUntil([&] { return SteadyFor(now) >= span; }, timeout);
  }

  // The phases from the start of recording. A stretch shorter than `kShortest` (the moment
  // between two repaints) counts as part of the one before.
  std::vector<ColourPhase> Stop() {
    if (thread_.joinable()) {
      stop_ = true;
      thread_.join();
    }
    const Milliseconds shortest = kShortest;
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

  static constexpr Milliseconds kShortest{30};

 private:
  // How long the fields have kept the colours of the latest reading, once there is a reading taken
  // after `since`.
  Milliseconds SteadyFor(std::chrono::steady_clock::time_point since) {
    const std::lock_guard lock(mutex_);
    if (samples_.empty() || samples_.back().at < since) return Milliseconds(0);
    const Reading& last = samples_.back();
    auto first = samples_.rbegin();
    while (std::next(first) != samples_.rend() && std::next(first)->field1 == last.field1 &&
           std::next(first)->field2 == last.field2) {
      ++first;
    }
    return std::chrono::duration_cast<Milliseconds>(last.at - first->at);
  }

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
      const Reading reading{std::chrono::steady_clock::now(), Background(fields_[0]),
                            Background(fields_[1])};
      {
        const std::lock_guard lock(mutex_);
        samples_.push_back(reading);
      }
      if (last) return;
      Sleep(2);
    }
  }

  HWND fields_[2];
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Reading> samples_;
  std::thread thread_;
};

}  // namespace tokiwake::test
