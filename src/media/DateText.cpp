#include "media/DateText.h"

namespace tokiwake {
namespace {

// Takes the text apart from the front; a part that is not there leaves the scanner failed.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  int32_t Digits(size_t count) {
    int32_t value = 0;
    for (size_t i = 0; i < count; ++i) {
      const char c = Next();
      if (c < '0' || c > '9') failed_ = true;
      value = value * 10 + (c - '0');
    }
    return value;
  }
  // True when the next character is one of `accepted`; it is taken either way, unless the text
  // has ended.
  bool OneOf(std::string_view accepted) {
    return !text_.empty() && accepted.find(Next()) != std::string_view::npos;
  }
  bool Skip(char c) {
    if (text_.empty() || text_.front() != c) return false;
    text_.remove_prefix(1);
    return true;
  }
  bool Failed() const { return failed_; }
  std::string_view Rest() const { return text_; }

 private:
  char Next() {
    if (text_.empty()) {
      failed_ = true;
      return '\0';
    }
    const char c = text_.front();
    text_.remove_prefix(1);
    return c;
  }

  std::string_view text_;
  bool failed_ = false;
};

bool IsPadding(std::string_view rest) {
  return rest.find_first_not_of(std::string_view("\0 ", 2)) == std::string_view::npos;
}

// The date and time of day, each separator one of those given.
std::optional<CalendarTime> ScanTime(Scanner& in, std::string_view dateSeparators,
                                     std::string_view middle) {
  CalendarTime time;
  time.year = in.Digits(4);
  bool ok = in.OneOf(dateSeparators);
  time.month = in.Digits(2);
  ok = in.OneOf(dateSeparators) && ok;
  time.day = in.Digits(2);
  ok = in.OneOf(middle) && ok;
  time.hour = in.Digits(2);
  ok = in.OneOf(":") && ok;
  time.minute = in.Digits(2);
  ok = in.OneOf(":") && ok;
  time.second = in.Digits(2);
  if (!ok || in.Failed() || !IsRealTime(time)) return std::nullopt;
  return time;
}

// Seconds east of UTC, or nothing when the text after the time is not a zone.
std::optional<int32_t> ScanZone(Scanner& in) {
  if (in.Skip('Z')) return 0;
  int32_t sign = 1;
  if (in.Skip('-')) {
    sign = -1;
  } else if (!in.Skip('+')) {
    return std::nullopt;
  }
  const int32_t hours = in.Digits(2);
  int32_t minutes = 0;
  if (!IsPadding(in.Rest())) {
    in.Skip(':');
    minutes = in.Digits(2);
  }
  if (in.Failed() || hours > 23 || minutes > 59) return std::nullopt;
  return sign * (hours * 3600 + minutes * 60);
}

}  // namespace

std::optional<CalendarTime> ParseExifDate(std::string_view text) {
  Scanner in(text);
  const auto time = ScanTime(in, ":-/", " T");
  if (!time || !IsPadding(in.Rest())) return std::nullopt;
  return time;
}

std::optional<ZonedTime> ParseIsoDate(std::string_view text) {
  Scanner in(text);
  const auto time = ScanTime(in, "-", "T ");
  if (!time) return std::nullopt;
  if (in.Skip('.') || in.Skip(',')) {
    while (!in.Rest().empty() && in.Rest().front() >= '0' && in.Rest().front() <= '9') in.Digits(1);
  }
  if (IsPadding(in.Rest())) return ZonedTime{*time, false};
  const auto zone = ScanZone(in);
  if (!zone || !IsPadding(in.Rest())) return std::nullopt;
  const CalendarTime utc = AddSeconds(*time, -*zone);
  if (!IsRealTime(utc)) return std::nullopt;
  return ZonedTime{utc, true};
}

}  // namespace tokiwake
