// Paths and command lines on their way to Windows.
//
// The program's own folder may have a name that code page 932 cannot hold (a user name such as
// José, an emoji): its code page 932 form then has "?" where those characters were, and no file
// beside the program could be reached by it. Kept here once at start-up, the folder is given its
// exact name back wherever its code page 932 form stands in a path or command line that goes to
// Windows: the settings, list, journal and version files, and the programs started on them. Since
// "?" cannot stand in a path, no other path holds that form. Texts that are only shown need no such
// care and go through ToWide as they are.
#pragma once

#include <string>
#include <string_view>

namespace tokiwake {

// An empty or exactly held folder keeps nothing.
void KeepExactFolder(std::wstring_view folder);

// ToWide, with the kept folder's exact name wherever its code page 932 form stands.
std::wstring ToWidePath(std::string_view cp932);

}  // namespace tokiwake
