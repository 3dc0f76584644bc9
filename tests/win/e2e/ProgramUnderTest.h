// The tokiwake.exe that the end-to-end tests start: the first argument of the test program.
#pragma once

#include "text/SjisText.h"

namespace tokiwake::test {

// A Windows path; a Unix path given under Wine is turned into its Z: form.
const Text& ProgramUnderTest();

}  // namespace tokiwake::test
