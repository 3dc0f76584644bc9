#include "rename/NamePattern.h"

#include <optional>
#include <string>
#include <vector>

#include "text/Digits.h"

namespace tokiwake {

namespace {

constexpr std::string_view kOpenBracket = "《";
constexpr std::string_view kCloseBracket = "》";

struct NameParts {
  Text stem;
  std::optional<Text> extension;  // none for a name without any "."
};

struct TimeFields {
  Text year, month, day, hour, minute, second;
};

// The first `needle` in `lowered` at or after `from`, never starting on the second byte of a
// character; `from` is the start of a character. Both texts are lower-cased already.
size_t FindLowered(std::string_view needle, std::string_view lowered, size_t from) {
  for (size_t i = from; i < lowered.size(); i += CharLength(lowered, i)) {
    if (lowered.compare(i, needle.size(), needle) == 0) return i;
  }
  return std::string_view::npos;
}

// What follows the last separator; nothing when the text holds none.
std::optional<Text> AfterLast(std::string_view separator, Text text) {
  std::optional<Text> rest;
  while (SjisPos(separator, text) > 0) {
    SplitHead(separator, text);
    rest = text;
  }
  return rest;
}

// Used only when the last five bytes hold no ".": README must not turn into an ".EADME" extension
// and clip.mpeg4 must keep its own. A "." before the old name's closing bracket belongs to an
// earlier pattern or to the old name, so a re-run of "...《README》" finds no extension.
// The first (or last) bracket where a character starts as Windows reads the name. The searches
// step over 0xF0-0xFC as single bytes, so a user-defined character before a 《 can pair its last
// byte with the 《's first and hide it: the old name would then be wrapped once more on every run.
size_t FindBracket(std::string_view bracket, std::string_view text, bool last = false,
                   size_t from = 0) {
  size_t found = std::string_view::npos;
  for (size_t i = from; i < text.size(); i += CharLength(text, i, CharRule::kTrailOnly)) {
    if (text.compare(i, bracket.size(), bracket) != 0) continue;
    found = i;
    if (!last) break;
  }
  return found;
}

std::optional<Text> ExtensionBeyondTail(std::string_view fileName) {
  const size_t close = FindBracket(kCloseBracket, fileName, true);
  const Text afterOldName(
      close == std::string_view::npos ? fileName : fileName.substr(close + kCloseBracket.size()));
  return AfterLast(".", afterOldName);
}

NameParts SplitName(std::string_view fileName, CarriedName carried, ExtensionReading reading) {
  Text tail = RightChars(5, fileName);
  std::optional<Text> extension;
  if (SjisPos(".", tail) > 0) {
    SplitHead(".", tail);
    extension = tail;
  } else {
    extension = ExtensionBeyondTail(fileName);
  }
  if (reading == ExtensionReading::kAfterItsDots && extension) {
    extension->erase(0, extension->find_first_not_of('.'));
    if (extension->empty()) extension.reset();
  }
  const size_t cut = extension ? extension->size() + 1 : 0;
  const Text body = LeftChars(static_cast<int32_t>(fileName.size() - cut), fileName);
  if (carried == CarriedName::kLastPair && body.ends_with(kCloseBracket)) {
    const std::string_view inner =
        std::string_view(body).substr(0, body.size() - kCloseBracket.size());
    if (const size_t open = FindBracket(kOpenBracket, inner, true);
        open != std::string_view::npos) {
      return {Text(inner.substr(open + kOpenBracket.size())), extension};
    }
  }
  if (const size_t open = FindBracket(kOpenBracket, fileName); open != std::string_view::npos) {
    // A name that already carries its old name gives that back, so brackets never nest.
    const size_t start = open + kOpenBracket.size();
    const size_t close = FindBracket(kCloseBracket, fileName, false, start);
    return {Text(fileName.substr(start, close == std::string_view::npos ? close : close - start)),
            extension};
  }
  return {body, extension};
}

// The walk leaves out the time of day at exactly midnight.
TimeFields CutTimeText(std::string_view timeText) {
  Text timeOfDay(timeText);
  Text date = SplitHead(" ", timeOfDay);
  TimeFields fields;
  fields.year = SplitHead("/", date);
  fields.month = ZeroPadded(SplitHead("/", date), 2);
  fields.day = ZeroPadded(date, 2);
  if (timeOfDay.empty()) {
    fields.hour = fields.minute = fields.second = "00";
    return fields;
  }
  fields.hour = ZeroPadded(SplitHead(":", timeOfDay), 2);
  fields.minute = ZeroPadded(SplitHead(":", timeOfDay), 2);
  fields.second = ZeroPadded(timeOfDay, 2);
  return fields;
}

// The walk hands over 0 for a file's first attempt; a pattern that counts numbers its files from 1.
void StartCounter(std::string_view pattern, int32_t& fileCounter) {
  if (fileCounter <= 0 && SjisPosNoCase("cnt", pattern) > 0) ++fileCounter;
}

// The year tokens exclude each other: a shorter one beside a longer one stays literal.
Text ReplaceYear(const Text& year, const Text& pattern) {
  if (SjisPosNoCase("yyyy", pattern) > 0) return ReplaceAllNoCase(year, "yyyy", pattern);
  if (SjisPosNoCase("yy", pattern) > 0) {
    return ReplaceAllNoCase(RightChars(2, year), "yy", pattern);
  }
  if (SjisPosNoCase("y", pattern) > 0) {
    return ReplaceAllNoCase(RightChars(1, year), "y", pattern);
  }
  return pattern;
}

// Order matters: each works on the result of the one before, so "mmn" loses its "mn" to "mm".
Text ReplaceDateAndTime(const TimeFields& time, Text pattern) {
  pattern = ReplaceAllNoCase(time.month, "mm", pattern);
  pattern = ReplaceAllNoCase(time.day, "dd", pattern);
  pattern = ReplaceAllNoCase(time.hour, "hh", pattern);
  pattern = ReplaceAllNoCase(time.minute, "mn", pattern);
  return ReplaceAllNoCase(time.second, "ss", pattern);
}

// The whole character after the first "cnt": taking only a lead byte would split it in the result.
Text FillAfterFirstCnt(const Text& pattern) {
  Text tail = pattern;
  SplitHeadNoCase("cnt", tail);
  return LeftChars(static_cast<int32_t>(CharLength(tail, 0)), tail);
}

// Where the token starts, left to right and never overlapping, as ReplaceAllNoCase finds it.
std::vector<size_t> TokenPositions(std::string_view token, std::string_view text) {
  std::vector<size_t> positions;
  if (token.empty()) return positions;
  const Text needle = AsciiLower(token);
  const Text lowered = AsciiLower(text);
  for (size_t at = FindLowered(needle, lowered, 0); at != std::string_view::npos;
       at = FindLowered(needle, lowered, at + token.size())) {
    positions.push_back(at);
  }
  return positions;
}

// The pattern, its date and time written, with its counter tokens taken out and their places
// kept. The first "cnt" keeps its letter case: the search is blind to case anyway, and where the
// search and the cut disagree about a character (lead bytes 0xF0-0xFC) lower-casing it would turn
// a character such as ⅳ (0xFA 0x43) into another one.
NameTemplate CutAtCounter(const Text& pattern) {
  const auto cut = [&](const Text& token, const Text& text, int32_t width, const Text& fill) {
    NameTemplate result{{}, {}, width, fill};
    size_t done = 0;
    for (const size_t at : TokenPositions(token, text)) {
      result.literal.append(text, done, at - done);
      result.counterAt.push_back(result.literal.size());
      done = at + token.size();
    }
    result.literal.append(text, done);
    return result;
  };
  for (int32_t width = 10; width >= 0; --width) {
    const Text token = Text("cnt") + std::to_string(width);
    if (SjisPosNoCase(token, pattern) > 0) return cut(token, pattern, width, {});
  }
  if (SjisPosNoCase("cnt", pattern) <= 0) return cut("cnt0", pattern + "cnt0", 0, {});
  const Text fill = FillAfterFirstCnt(pattern);
  if (fill.empty()) return cut("cnt", pattern, 0, {});
  return cut(Text("cnt") + fill, pattern, -1, fill);
}

// The value whose counter text is `text`, when one of 1 to kLastCounter has it.
std::optional<int32_t> CounterValueOf(const NameTemplate& name, std::string_view text) {
  if (text.empty()) {
    return name.width > 0 ? std::nullopt : std::optional<int32_t>(1);
  }
  if (name.width < 0) {
    if (name.fill.empty() || text.size() % name.fill.size() != 0) return std::nullopt;
    const size_t repeats = text.size() / name.fill.size();
    if (repeats >= static_cast<size_t>(kLastCounter)) return std::nullopt;
    for (size_t at = 0; at < text.size(); at += name.fill.size()) {
      if (text.compare(at, name.fill.size(), name.fill) != 0) return std::nullopt;
    }
    return static_cast<int32_t>(repeats) + 1;
  }
  std::string_view digits = text;
  if (name.width == 0) {
    if (digits.front() != '-') return std::nullopt;
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  int64_t number = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + (digit - '0');
  }
  const int64_t value = name.width == 0 ? number + 1 : number;
  if (value < 1 || value > kLastCounter) return std::nullopt;
  const auto counter = static_cast<int32_t>(value);
  return FormatCounter(counter, name.width, name.fill) == text ? std::optional(counter)
                                                               : std::nullopt;
}

}  // namespace

NameTemplate BuildNameTemplate(std::string_view pattern, bool includeOldName,
                               std::string_view fileName, std::string_view timeText,
                               CarriedName carried, ExtensionReading reading) {
  const NameParts name = SplitName(fileName, carried, reading);
  const TimeFields time = CutTimeText(timeText);
  Text written = ReplaceYear(time.year, Text(pattern));
  written = ReplaceDateAndTime(time, written);
  NameTemplate result = CutAtCounter(written);
  // Added after all replacements so that tokens in the old name are never expanded.
  if (includeOldName) {
    result.literal += Text(kOpenBracket) + name.stem + Text(kCloseBracket);
  }
  if (name.extension) result.literal.append(".").append(*name.extension);
  return result;
}

Text RenderName(const NameTemplate& name, int32_t counter) {
  const Text counterText = FormatCounter(counter, name.width, name.fill);
  Text result;
  result.reserve(name.literal.size() + name.counterAt.size() * counterText.size());
  size_t done = 0;
  for (const size_t at : name.counterAt) {
    result.append(name.literal, done, at - done).append(counterText);
    done = at;
  }
  return result.append(name.literal, done);
}

// The literal text stands where it must, and every place of the counter holds one counter text.
std::optional<int32_t> CounterOf(const NameTemplate& name, std::string_view fileName,
                                 bool blindToCase) {
  const Text literal = blindToCase ? AsciiLower(name.literal) : name.literal;
  const Text lowered = blindToCase ? AsciiLower(fileName) : Text();
  const std::string_view subject = blindToCase ? std::string_view(lowered) : fileName;
  const size_t places = name.counterAt.size();
  if (places == 0) return subject == literal ? std::optional<int32_t>(1) : std::nullopt;
  if (subject.size() < literal.size() || (subject.size() - literal.size()) % places != 0) {
    return std::nullopt;
  }
  const size_t length = (subject.size() - literal.size()) / places;
  const std::string_view counterText = subject.substr(name.counterAt.front(), length);
  size_t done = 0;
  size_t at = 0;  // in subject
  for (const size_t place : name.counterAt) {
    if (subject.compare(at, place - done, literal, done, place - done) != 0) return std::nullopt;
    at += place - done;
    if (subject.compare(at, length, counterText) != 0) return std::nullopt;
    at += length;
    done = place;
  }
  if (subject.substr(at) != std::string_view(literal).substr(done)) return std::nullopt;
  return CounterValueOf(name, counterText);
}

Text BuildNewName(std::string_view pattern, bool includeOldName, std::string_view fileName,
                  std::string_view timeText, int32_t& fileCounter) {
  StartCounter(pattern, fileCounter);
  return RenderName(BuildNameTemplate(pattern, includeOldName, fileName, timeText), fileCounter);
}

Text FormatCounter(int32_t value, int32_t width, std::string_view fill) {
  if (width > 0) return ZeroPadded(value, static_cast<size_t>(width));
  if (value <= 1) return {};
  if (width == 0) return Text("-").append(std::to_string(value - 1));
  Text repeated;
  for (int32_t i = 1; i < value; ++i) repeated += fill;
  return repeated;
}

PatternCheck UsablePattern(const Text& pattern, std::string_view fallback) {
  if (HasBadNameChar(pattern)) {
    return {Text(fallback),
            "「リネームフォーマット.dat」に含まれる文字列に、\nファイル名に使用できない文字\n" +
                Text(kBadNameChars) + "　が\n在ります\n\nこのアプリの指定形式「" + Text(fallback) +
                "」で表示します。"};
  }
  if (pattern.empty()) return {Text(fallback), {}};
  return {pattern, {}};
}

// Resumes after each replaced token, so replacements never overlap and a value is never searched.
// The text is lower-cased once and searched onwards from the last token: a pattern of many tokens
// must cost its length, not its length times its tokens.
Text ReplaceAllNoCase(std::string_view value, std::string_view token, std::string_view text) {
  if (token.empty()) return Text(text);
  const Text needle = AsciiLower(token);
  const Text lowered = AsciiLower(text);
  size_t at = FindLowered(needle, lowered, 0);
  if (at == std::string_view::npos) return Text(text);
  Text result;
  result.reserve(text.size());
  size_t done = 0;
  while (at != std::string_view::npos) {
    result.append(text.substr(done, at - done)).append(value);
    done = at + token.size();
    at = FindLowered(needle, lowered, done);
  }
  result.append(text.substr(done));
  return result;
}

int32_t PosNoCase(std::string_view token, std::string_view text) {
  if (token.empty()) return 0;
  const size_t at = FindLowered(AsciiLower(token), AsciiLower(text), 0);
  return at == std::string_view::npos ? 0 : static_cast<int32_t>(at + 1);
}

}  // namespace tokiwake
