// The clock-correction dialog: which way and how far to move the time a file's name is built
// from, with a line that shows the correction on a sample time as it is typed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace tokiwake {

// Its controls, for the tests that drive it.
namespace clock_ids {
inline constexpr int kForward = 100;
inline constexpr int kBack = 101;
inline constexpr int kDays = 102;
inline constexpr int kHours = 103;
inline constexpr int kMinutes = 104;
inline constexpr int kSeconds = 105;
inline constexpr int kExample = 106;
inline constexpr int kNoCorrection = 107;
}  // namespace clock_ids

// Modal, centred on the owner, its fields filled from `current` (seconds); the controls in
// `fontFace` at 9 pt. The new correction on OK, held to kLongestCorrection; nothing on Cancel.
std::optional<int64_t> AskClockCorrection(HWND owner, int64_t current, const char* fontFace);

}  // namespace tokiwake
