// The main window's layout table, its preset patterns and its default extension masks. Plain
// data: the native tests check the layout at every dpi.
#pragma once

#include <span>

#include "win32/ControlRow.h"

namespace tokiwake {

inline constexpr char kMainCaption[] = "デジカメファイルをKurobune Ver.1.17";
// The outer size at 96 dpi; at another the client area grows by the ratio.
inline constexpr int kMainWidth = 480;
inline constexpr int kMainHeight = 297;
inline constexpr int kEnlargedHeight = 452;
// A light green behind everything; every control in one face.
inline constexpr ControlLook kMainLook{"ＭＳ Ｐゴシック", Rgb(0xAA, 0xFF, 0xAA)};

std::span<const ControlRow> MainLayout();
std::span<const char* const> PresetPatterns();
std::span<const char* const> DefaultMasks();

}  // namespace tokiwake
