// The program's fixed facts, each said once: its title and version, the files it keeps beside
// itself and ships with, and where its maker can be found.
//
// They sit in settings/, the lowest room that belongs to this program: text/ and platform/ would
// serve any program as they are. From here every room that needs one of them can include it: the
// settings files, the rename run that leaves the program's own files alone, the window's rules and
// the window.
#pragma once

#include <bit>
#include <cstdint>

#include "text/SjisText.h"

namespace tokiwake {

// The program's name: the caption of every message box it shows for the user, and its name on the
// version page and on the maker's web site.
inline constexpr char kAppTitle[] = "Tokiwake";

// The version as the program keeps it: a single-precision number a little above 1, which the
// version page prints as 1.00.
inline constexpr float kVersionNumber = std::bit_cast<float>(uint32_t{0x3F80002A});

// The extension list's masks, one per line.
inline constexpr char kMaskFileName[] = "dCamFlist.dat";
// The name pattern, as typed.
inline constexpr char kPatternFileName[] = "リネームフォーマット.dat";
// The options: shooting date, clock correction, companion files.
inline constexpr char kOptionsFileName[] = "オプション.dat";
// Every run that handled a file writes their final paths here.
inline constexpr char kFolderListFileName[] = "FolderList.csv";
// The journal of the last run that renamed a file (hidden), which the undo takes back.
inline constexpr char kJournalFileName[] = "リネーム履歴.txt";
// The documents that ship with the program: the usage page in the help folder (or beside the
// program) and the ReadMe.
inline constexpr char kHelpFolderName[] = "help";
inline constexpr char kUsagePageName[] = "index.htm";
inline constexpr char kReadMeFileName[] = "ReadMe.txt";
// Written for the version dialog.
inline constexpr char kVersionPageName[] = "Version.htm";
inline constexpr char kMailIconName[] = "MailIcon.gif";

// Where the maker can be found: the online usage page, the links and the contact form on the
// version page. A release for a real web site changes only these lines; until then every address
// lies in a domain reserved for examples.
namespace maker {

inline constexpr char kSite[] = "https://www.example.jp";
inline constexpr char kMailAddress[] = "tokiwake@example.jp";
inline constexpr char kAuthor[] = "Tokiwake Project";

inline Text SoftwareIndex() { return Text(kSite) + "/soft/"; }
// The product's folder on the site; it holds a copy of the shipped help folder.
inline Text ProductPage() { return SoftwareIndex() + kAppTitle + "/"; }
inline Text ContactForm() { return Text(kSite) + "/cgi-bin/contact.cgi"; }
// Appended to the contact form's address: it tells the form which program the message is about.
inline Text ContactQuery() { return Text("soft=") + kAppTitle; }

}  // namespace maker

}  // namespace tokiwake
