#include "rename/Journal.h"

#include <charconv>
#include <string>

#include "text/Digits.h"

namespace tokiwake {

namespace {

constexpr char kSeparator = '\t';
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeaderMark = "#";

// Neither byte can be the second byte of a double-byte character, so a plain search is exact.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t tab; (tab = line.find(kSeparator)) != std::string_view::npos;) {
    fields.push_back(line.substr(0, tab));
    line.remove_prefix(tab + 1);
  }
  fields.push_back(line);
  return fields;
}

std::optional<uint64_t> Number(std::string_view text) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<RunHeader> ParseHeader(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 4 || fields[0] != kHeaderMark) return std::nullopt;
  return RunHeader{Text(fields[1]), {Text(fields[2]), Text(fields[3])}};
}

std::optional<JournalEntry> ParseEntry(std::string_view line, bool identified) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != (identified ? 6u : 2u) && fields.size() != 6) return std::nullopt;
  if (fields[0].empty() || fields[1].empty()) return std::nullopt;
  JournalEntry entry{Text(fields[0]), Text(fields[1]), std::nullopt};
  if (fields.size() == 2) return entry;
  const auto size = Number(fields[2]);
  const auto written = Number(fields[3]);
  const auto volume = Number(fields[4]);
  const auto index = Number(fields[5]);
  if (!size || !written || !volume || !index) return std::nullopt;
  entry.identity = FileIdentity{*size, *written, *volume, *index};
  return entry;
}

bool IsHeader(std::string_view line) {
  return line.substr(0, kHeaderMark.size() + 1) == Text(kHeaderMark) + kSeparator;
}

}  // namespace

Text JournalLine(const JournalEntry& entry) {
  Text line = entry.oldPath + kSeparator + entry.newPath;
  if (const std::optional<FileIdentity>& file = entry.identity) {
    for (const uint64_t number : {file->size, file->lastWrite, file->volume, file->index}) {
      line += kSeparator + std::to_string(number);
    }
  }
  return line + Text(kLineEnd);
}

Text HeaderLine(const RunHeader& header) {
  return Text(kHeaderMark) + kSeparator + header.when + kSeparator + header.folders[0] +
         kSeparator + header.folders[1] + Text(kLineEnd);
}

Text HeaderTime(const LocalTime& time) {
  return ZeroPadded(time.year, 4) + "/" + ZeroPadded(time.month, 2) + "/" +
         ZeroPadded(time.day, 2) + " " + ZeroPadded(time.hour, 2) + ":" +
         ZeroPadded(time.minute, 2) + ":" + ZeroPadded(time.second, 2);
}

std::vector<JournalRun> SplitRuns(std::string_view text, bool cut) {
  std::vector<JournalRun> runs;
  std::vector<size_t> linesBegin;
  size_t at = 0;
  if (cut) {
    const size_t end = text.find(kLineEnd);
    at = end == std::string_view::npos ? text.size() : end + kLineEnd.size();
  }
  for (size_t end; (end = text.find(kLineEnd, at)) != std::string_view::npos;) {
    const std::string_view line = text.substr(at, end - at);
    const size_t next = end + kLineEnd.size();
    if (IsHeader(line)) {
      runs.push_back({ParseHeader(line), at, next, {}});
      linesBegin.push_back(next);
    } else {
      if (runs.empty()) {
        runs.push_back({std::nullopt, at, at, {}});
        linesBegin.push_back(at);
      }
      runs.back().end = next;
    }
    at = next;
  }
  for (size_t i = 0; i < runs.size(); ++i) {
    runs[i].lines = text.substr(linesBegin[i], runs[i].end - linesBegin[i]);
  }
  return runs;
}

std::vector<JournalEntry> ParseEntries(const JournalRun& run) {
  std::string_view lines = run.lines;
  std::vector<JournalEntry> entries;
  for (size_t end; (end = lines.find(kLineEnd)) != std::string_view::npos;
       lines.remove_prefix(end + kLineEnd.size())) {
    if (std::optional<JournalEntry> entry =
            ParseEntry(lines.substr(0, end), run.header.has_value())) {
      entries.push_back(std::move(*entry));
    }
  }
  return entries;
}

Text TrimmedJournal(std::string_view text, const std::vector<JournalRun>& runs) {
  if (runs.empty()) return {};
  const size_t end = runs.back().end;
  size_t first = runs.size();
  while (first > 0 && runs.size() - first + 1 < kJournalRuns &&
         end - runs[first - 1].begin <= kJournalBytes) {
    --first;
  }
  if (first < runs.size()) return Text(text.substr(runs[first].begin, end - runs[first].begin));
  // The newest run alone is larger than the bound: its header and its newest lines.
  const JournalRun& newest = runs.back();
  const size_t linesBegin = static_cast<size_t>(newest.lines.data() - text.data());
  const std::string_view header = text.substr(newest.begin, linesBegin - newest.begin);
  std::string_view lines = newest.lines;
  while (!lines.empty() && header.size() + lines.size() > kJournalBytes) {
    lines.remove_prefix(lines.find(kLineEnd) + kLineEnd.size());
  }
  return Text(header) + Text(lines);
}

}  // namespace tokiwake
