#include "rename/NamePattern.h"

#include <optional>
#include <string>

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

// Bytes taken by the character that starts at `index`; a lone lead byte at the end counts one.
size_t CharLength(std::string_view text, size_t index) {
  const bool pair =
      index + 1 < text.size() && IsCp932LeadByte(static_cast<unsigned char>(text[index]));
  return pair ? 2 : 1;
}

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
std::optional<Text> ExtensionBeyondTail(std::string_view fileName) {
  const Text afterOldName = AfterLast(kCloseBracket, Text(fileName)).value_or(Text(fileName));
  return AfterLast(".", afterOldName);
}

NameParts SplitName(std::string_view fileName) {
  Text tail = RightChars(5, fileName);
  std::optional<Text> extension;
  if (SjisPos(".", tail) > 0) {
    SplitHead(".", tail);
    extension = tail;
  } else {
    extension = ExtensionBeyondTail(fileName);
  }
  if (SjisPos(kOpenBracket, fileName) > 0) {
    // A name that already carries its old name gives that back, so brackets never nest.
    Text rest(fileName);
    SplitHead(kOpenBracket, rest);
    return {SplitHead(kCloseBracket, rest), extension};
  }
  const size_t cut = extension ? extension->size() + 1 : 0;
  return {LeftChars(static_cast<int32_t>(fileName.size() - cut), fileName), extension};
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
void StartCounter(RunState& state, int32_t counter) {
  if (counter <= 0 && SjisPosNoCase("cnt", state.RenameFormat) > 0) ++state.FileCounter;
}

// The year tokens exclude each other: a shorter one beside a longer one stays literal.
Text ReplaceYear(PatternHost& host, const Text& year, const Text& pattern) {
  if (SjisPosNoCase("yyyy", pattern) > 0) return ReplaceAllNoCase(host, year, "yyyy", pattern);
  if (SjisPosNoCase("yy", pattern) > 0) {
    return ReplaceAllNoCase(host, RightChars(2, year), "yy", pattern);
  }
  if (SjisPosNoCase("y", pattern) > 0) {
    return ReplaceAllNoCase(host, RightChars(1, year), "y", pattern);
  }
  return pattern;
}

// Order matters: each works on the result of the one before, so "mmn" loses its "mn" to "mm".
Text ReplaceDateAndTime(PatternHost& host, const TimeFields& time, Text pattern) {
  pattern = ReplaceAllNoCase(host, time.month, "mm", pattern);
  pattern = ReplaceAllNoCase(host, time.day, "dd", pattern);
  pattern = ReplaceAllNoCase(host, time.hour, "hh", pattern);
  pattern = ReplaceAllNoCase(host, time.minute, "mn", pattern);
  return ReplaceAllNoCase(host, time.second, "ss", pattern);
}

// The whole character after the first "cnt": taking only a lead byte would split it in the result.
Text FillAfterFirstCnt(const Text& pattern) {
  Text tail = pattern;
  SplitHeadNoCase("cnt", tail);
  return LeftChars(static_cast<int32_t>(CharLength(tail, 0)), tail);
}

// The first "cnt" keeps its letter case here: the replacement is blind to case anyway, and where
// the search and the replacement disagree about a character (lead bytes 0xF0-0xFC) lower-casing
// it would turn a character such as ⅳ (0xFA 0x43) into another one.
Text ReplaceCounter(PatternHost& host, int32_t value, const Text& pattern) {
  for (int32_t width = 10; width >= 0; --width) {
    const Text token = Text("cnt") + std::to_string(width);
    if (SjisPosNoCase(token, pattern) > 0) {
      return ReplaceAllNoCase(host, FormatCounter(value, width, ""), token, pattern);
    }
  }
  if (SjisPosNoCase("cnt", pattern) <= 0) {
    return ReplaceAllNoCase(host, FormatCounter(value, 0, ""), "cnt0", pattern + "cnt0");
  }
  const Text fill = FillAfterFirstCnt(pattern);
  if (fill.empty()) return ReplaceAllNoCase(host, FormatCounter(value, 0, ""), "cnt", pattern);
  return ReplaceAllNoCase(host, FormatCounter(value, -1, fill), Text("cnt") + fill, pattern);
}

}  // namespace

Text BuildNewName(PatternHost& host, RunState& state, std::string_view fileName,
                  std::string_view timeText, int32_t counter) {
  const NameParts name = SplitName(fileName);
  const TimeFields time = CutTimeText(timeText);
  StartCounter(state, counter);
  Text result = state.RenameFormat;
  result = ReplaceYear(host, time.year, result);
  result = ReplaceDateAndTime(host, time, result);
  result = ReplaceCounter(host, state.FileCounter, result);
  // Added after all replacements so that tokens in the old name are never expanded.
  if (host.IncludeOldName()) result += Text(kOpenBracket) + name.stem + Text(kCloseBracket);
  if (name.extension) result.append(".").append(*name.extension);
  return result;
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
Text ReplaceAllNoCase(PatternHost& host, std::string_view value, std::string_view token,
                      std::string_view text) {
  if (token.empty()) return Text(text);
  const Text needle = AsciiLower(token);
  const Text lowered = AsciiLower(text);
  size_t at = FindLowered(needle, lowered, 0);
  if (at == std::string_view::npos) return Text(text);
  host.OnTokenReplacing();
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
