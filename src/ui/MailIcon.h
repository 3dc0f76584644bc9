// The program's built-in envelope picture for the version page.
#pragma once

#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// The 1520 bytes of the GIF carried as a resource of the running program; empty when the program
// carries none.
std::string_view MailIconBytes();

// Writes the built-in picture at `path` unless a file is already there: a picture the user put in
// its place stays.
void WriteMailIcon(const Text& path);

}  // namespace tokiwake
