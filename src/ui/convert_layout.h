// The main window's layout table, its preset patterns and its default extension masks.
#pragma once

#include <span>

#include "win32/Controls.h"

namespace tokiwake {

inline constexpr char kMainCaption[] = "デジカメファイルをKurobune Ver.1.17";
inline constexpr int kMainWidth = 480;
inline constexpr int kMainHeight = 297;
inline constexpr int kEnlargedHeight = 452;
// A light green behind everything; every control in one face.
inline constexpr ControlLook kMainLook{"ＭＳ Ｐゴシック", RGB(0xAA, 0xFF, 0xAA)};

std::span<const ControlSpec> MainLayout();
std::span<const char* const> PresetPatterns();
std::span<const char* const> DefaultMasks();

}  // namespace tokiwake
