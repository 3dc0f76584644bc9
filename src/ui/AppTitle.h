#pragma once

namespace tokiwake {

// The application title: the caption of every message box the program shows for the user.
inline constexpr char kAppTitle[] = "Tokiwake";

}  // namespace tokiwake
