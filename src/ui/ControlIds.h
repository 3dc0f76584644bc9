// Identifiers of the main window's controls and menu items; the tests address controls by them.
#pragma once

namespace tokiwake::ids {

inline constexpr int lbl_Directory0 = 1001;
inline constexpr int txt_Directory0 = 1002;
inline constexpr int cmd_Directory0 = 1003;
inline constexpr int lbl_Directory1 = 1004;
inline constexpr int txt_Directory1 = 1005;
inline constexpr int cmd_Directory1 = 1006;
inline constexpr int txt_Info = 1007;
inline constexpr int cmd_START = 1008;
inline constexpr int cmdAbote = 1009;
inline constexpr int cmd_Close = 1010;
inline constexpr int grpASCII = 1011;
inline constexpr int chkAll = 1012;
inline constexpr int lstASCII = 1013;
inline constexpr int cmd_ADD = 1014;
inline constexpr int cmd_DEL = 1015;
inline constexpr int GroupBox1 = 1016;
inline constexpr int chkMotoFile = 1017;
inline constexpr int Label1 = 1018;
inline constexpr int Label2 = 1019;
inline constexpr int txt_TimeReName = 1020;
inline constexpr int chkShotDate = 1021;

inline constexpr int mnuExit = 2001;
inline constexpr int mnuUSE = 2002;
inline constexpr int mnuVER = 2003;
inline constexpr int mnuReadMe = 2004;
inline constexpr int mnuPreview = 2005;
inline constexpr int mnuUndo = 2006;
inline constexpr int mnuClockCorrection = 2007;
inline constexpr int mnuCompanions = 2008;

}  // namespace tokiwake::ids
