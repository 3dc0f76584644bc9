// The journal of the last runs that renamed files, newest last, which the undo takes back one run
// at a time. Code page 932 text, one line per rename, CR LF after each; fields are separated by a
// TAB, which occurs in no Windows path and in no double-byte character, so a line splits one way.
//
// Each run starts with a header line: "#", the run's local date and time ("2024/05/03 10:15:00")
// and its two folder fields as they were (the second may be empty). Each rename is a line: the old
// full path, the new full path, and what identifies the file renamed: its size in bytes, its
// last-write time (100-ns ticks since 1601, UTC) and its volume and index on the disk, as decimal
// numbers (index 0: the disk gave none). A journal of an earlier version holds lines of the two
// paths only and no header: they stand for one run whose date is not known, and are taken back
// without the identity check.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "rename/FileSystem.h"
#include "text/SjisText.h"

namespace tokiwake {

// What the journal keeps of the runs before: the last 20, and 64 MiB at most; the oldest go first.
inline constexpr size_t kJournalRuns = 20;
inline constexpr uint64_t kJournalBytes = uint64_t{64} << 20;

struct JournalEntry {
  Text oldPath;
  Text newPath;
  std::optional<FileIdentity> identity;  // none in an earlier version's line
  bool operator==(const JournalEntry&) const = default;
};

struct RunHeader {
  Text when;  // "2024/05/03 10:15:00"
  std::array<Text, 2> folders;
  bool operator==(const RunHeader&) const = default;
};

Text JournalLine(const JournalEntry& entry);
Text HeaderLine(const RunHeader& header);
// "2024/05/03 10:15:00"
Text HeaderTime(const LocalTime& time);

// One run as it stands in the journal's text.
struct JournalRun {
  std::optional<RunHeader> header;  // none for lines before the first header
  size_t begin = 0;                 // its first byte in the text, header included
  size_t end = 0;                   // past its last complete line
  std::string_view lines;           // its rename lines
};

// The runs of a journal, oldest first. Text after the last CR LF was cut off by a kill and belongs
// to no run. A journal read from its tail starts with the rest of a line: `cut` leaves it out.
// The runs point into the text, which must outlive them.
std::vector<JournalRun> SplitRuns(std::string_view text, bool cut = false);
// The complete rename lines of a run, in the order they were written; a line that is not one is
// left out. Under a header every line tells which file it renamed: a line of two paths there was
// written by no version of the program.
std::vector<JournalEntry> ParseEntries(const JournalRun& run);

// The newest runs that keep within kJournalRuns - 1 (a new run is about to follow) and
// kJournalBytes; when the newest run alone is larger, its newest lines.
Text TrimmedJournal(std::string_view text, const std::vector<JournalRun>& runs);

}  // namespace tokiwake
