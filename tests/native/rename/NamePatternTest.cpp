#include "rename/NamePattern.h"

#include <gtest/gtest.h>

#include "rename/PatternCase.h"

namespace tokiwake::test {
namespace {

constexpr std::string_view kFile = "DSC00012.JPG";
constexpr std::string_view kTime = "2010/05/23 9:03:08";

Text Name(std::string_view pattern, int attempt = 1, std::string_view file = kFile,
          bool oldName = false, std::string_view time = kTime) {
  PatternCase host{Text(pattern), oldName};
  return host.NameOnAttempt(attempt, file, time);
}

Text NameWithOld(std::string_view pattern, std::string_view file) {
  return Name(pattern, 1, file, true);
}

TEST(BuildNewName, GivesTheWorkedExamplesOfEveryPreset) {
  struct Row {
    const char* pattern;
    const char* attempt[3];
    const char* withOldName;
  };
  const Row rows[] = {
      {"yyyy.mm.dd-cnt2",
       {"2010.05.23-01.JPG", "2010.05.23-02.JPG", "2010.05.23-03.JPG"},
       "2010.05.23-01《DSC00012》.JPG"},
      {"yyyy-mm-dd cnt2",
       {"2010-05-23 01.JPG", "2010-05-23 02.JPG", "2010-05-23 03.JPG"},
       "2010-05-23 01《DSC00012》.JPG"},
      {"yyyy-mm-dd hh.mn.ss",
       {"2010-05-23 09.03.08.JPG", "2010-05-23 09.03.08.JPG", "2010-05-23 09.03.08-1.JPG"},
       "2010-05-23 09.03.08《DSC00012》.JPG"},
      {"'yy-mm-dd hh.mn.ss",
       {"'10-05-23 09.03.08.JPG", "'10-05-23 09.03.08.JPG", "'10-05-23 09.03.08-1.JPG"},
       "'10-05-23 09.03.08《DSC00012》.JPG"},
      {"yyyy年mm月dd日 hh時mn分ss秒",
       {"2010年05月23日 09時03分08秒.JPG", "2010年05月23日 09時03分08秒.JPG",
        "2010年05月23日 09時03分08秒-1.JPG"},
       "2010年05月23日 09時03分08秒《DSC00012》.JPG"},
      {"'yy年mm月dd日 hh時mn分ss秒",
       {"'10年05月23日 09時03分08秒.JPG", "'10年05月23日 09時03分08秒.JPG",
        "'10年05月23日 09時03分08秒-1.JPG"},
       "'10年05月23日 09時03分08秒《DSC00012》.JPG"},
      {"yyyy.mm.dd hh.mn.ss",
       {"2010.05.23 09.03.08.JPG", "2010.05.23 09.03.08.JPG", "2010.05.23 09.03.08-1.JPG"},
       "2010.05.23 09.03.08《DSC00012》.JPG"},
      {"yyyy.mm.dd-hh.mn.ss-cnt2",
       {"2010.05.23-09.03.08-01.JPG", "2010.05.23-09.03.08-02.JPG", "2010.05.23-09.03.08-03.JPG"},
       "2010.05.23-09.03.08-01《DSC00012》.JPG"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.pattern);
    for (int attempt = 1; attempt <= 3; ++attempt) {
      EXPECT_EQ(Name(row.pattern, attempt), row.attempt[attempt - 1]) << "attempt " << attempt;
    }
    EXPECT_EQ(NameWithOld(row.pattern, kFile), row.withOldName);
  }
}

TEST(BuildNewName, ARenamedFileKeepsTheOldNameItCarries) {
  EXPECT_EQ(NameWithOld("yyyy.mm.dd-cnt2", "2010.05.23-01《DSC00012》.JPG"),
            "2010.05.23-01《DSC00012》.JPG");
  EXPECT_EQ(NameWithOld("yyyy", "abc《def.jpg"), "2010《def.jpg》.jpg");  // no closing bracket
  // A user-defined character (0xF7 0x9B) whose last byte the searches would pair with 《.
  EXPECT_EQ(NameWithOld("yyyy", "\xF7\x9B《DSC》.JPG"), "2010《DSC》.JPG");
  EXPECT_EQ(NameWithOld("cnt2", "yyyy-mm.jpg"), "01《yyyy-mm》.jpg");  // never expanded
}

// A name the pattern gives for the file's own time with any counter from 1 to 1000 is the
// pattern's; the counter found is the one that gives it.
TEST(CounterOf, FindsTheCounterValueThatGivesAName) {
  const struct {
    const char* pattern;
    const char* name;
    int32_t counter;  // 0: the pattern never gives this name
  } rows[] = {
      {"yyyy.mm.dd-cnt2", "2010.05.23-07.JPG", 7},
      {"yyyy.mm.dd-cnt2", "2010.05.23-1000.JPG", 1000},
      {"yyyy.mm.dd-cnt2", "2010.05.23-7.JPG", 0},  // not as cnt2 writes 7
      {"yyyy.mm.dd-cnt2", "2010.05.23-00.JPG", 0},
      {"yyyy.mm.dd-cnt2", "2010.05.23-1001.JPG", 0},
      {"yyyy.mm.dd-cnt2", "2010.05.24-01.JPG", 0},  // another day
      {"yyyy.mm.dd-cnt2", "2010.05.23-01.jpg", 0},  // the extension keeps its case
      {"yyyy-cnt2-cnt2", "2010-03-03.JPG", 3},
      {"yyyy-cnt2-cnt2", "2010-03-04.JPG", 0},
      {"yyyy-mm-dd hh.mn.ss", "2010-05-23 09.03.08.JPG", 1},
      {"yyyy-mm-dd hh.mn.ss", "2010-05-23 09.03.08-1.JPG", 2},
      {"yyyy-mm-dd hh.mn.ss", "2010-05-23 09.03.08-999.JPG", 1000},
      {"yyyy-mm-dd hh.mn.ss", "2010-05-23 09.03.08-0.JPG", 0},
      {"yyyy-mm-dd hh.mn.ss", "2010-05-23 09.03.08-01.JPG", 0},
      {"yyyy-mm-dd hh.mn.ss", "2010-05-23 09.03.08-x.JPG", 0},
      {"yy cnt_", "10 ___.JPG", 4},
      {"yy cnt_", "10 __x.JPG", 0},
      {"cnt10", "0000000012.JPG", 12},
      {"hh時cnt3", "09時001.JPG", 1},
  };
  for (const auto& row : rows) {
    const NameTemplate name = BuildNameTemplate(row.pattern, false, kFile, kTime);
    const std::optional<int32_t> counter = CounterOf(name, row.name);
    EXPECT_EQ(counter.value_or(0), row.counter) << row.pattern << " " << row.name;
    if (counter) {
      EXPECT_EQ(RenderName(name, *counter), row.name);
    }
  }
  const NameTemplate kept =
      BuildNameTemplate("yyyy.mm.dd-cnt2", true, "x-02《DSC00012》.JPG", kTime);
  EXPECT_EQ(CounterOf(kept, "2010.05.23-02《DSC00012》.JPG"), 2);
  EXPECT_EQ(CounterOf(kept, "2010.05.23-02《dsc00012》.JPG"), std::nullopt);
  EXPECT_EQ(CounterOf(kept, "2010.05.23-02《dsc00012》.jpg", true), 2);
}

TEST(FormatCounter, PrintsEveryKindOfCounter) {
  struct Row {
    int32_t value;
    const char *cnt2, *cnt4, *cnt0;
    size_t underscores;
  };
  const Row rows[] = {{0, "00", "0000", "", 0},        {1, "01", "0001", "", 0},
                      {2, "02", "0002", "-1", 1},      {3, "03", "0003", "-2", 2},
                      {100, "100", "0100", "-99", 99}, {1000, "1000", "1000", "-999", 999}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(FormatCounter(row.value, 2, ""), row.cnt2);
    EXPECT_EQ(FormatCounter(row.value, 4, ""), row.cnt4);
    EXPECT_EQ(FormatCounter(row.value, 0, ""), row.cnt0);
    EXPECT_EQ(FormatCounter(row.value, -1, "_"), Text(row.underscores, '_'));
    // The same through the engine, which prints FileCounter as it finds it from 1 on.
    if (row.value == 0) continue;
    const auto build = [&](const char* pattern) {
      PatternCase host{pattern};
      host.state.FileCounter = row.value;
      return host.Build("a.b", kTime);
    };
    EXPECT_EQ(build("cnt2"), Text(row.cnt2) + ".b");
    EXPECT_EQ(build("x"), Text("x") + row.cnt0 + ".b");
    EXPECT_EQ(build("xCNT"), Text("x") + row.cnt0 + ".b");
    EXPECT_EQ(build("cnt_"), Text(row.underscores, '_') + ".b");
  }
}

TEST(BuildNewName, FindsTokensInAnyCaseAndInsideWords) {
  EXPECT_EQ(Name("YYYY-MM-DD"), "2010-05-23.JPG");
  EXPECT_EQ(Name("CNT2"), "01.JPG");  // raises the counter too
  EXPECT_EQ(Name("Summer yyyy"), "Su05er 2010.JPG");
  EXPECT_EQ(Name("daddy"), "da230.JPG");
  EXPECT_EQ(Name("yyy"), "10y.JPG");
  EXPECT_EQ(Name("yyyyy"), "2010y.JPG");
  EXPECT_EQ(Name("mmn"), "05n.JPG");
}

TEST(BuildNewName, ReplacesOnlyTheHighestCounterTokenButEveryOccurrence) {
  EXPECT_EQ(Name("cnt2cnt3"), "cnt2001.JPG");
  EXPECT_EQ(Name("cnt12"), "12.JPG");
  EXPECT_EQ(Name("cnt12", 2), "22.JPG");
  EXPECT_EQ(Name("yyyy-cnt2-cnt2"), "2010-01-01.JPG");
  EXPECT_EQ(Name("yyyy-cnt0"), "2010-.JPG");
  EXPECT_EQ(Name("yyyy-cnt0", 2), "2010--1.JPG");
  EXPECT_EQ(Name("a-cnt"), "a-.JPG");
  EXPECT_EQ(Name("a-cnt", 3), "a--2.JPG");
  EXPECT_EQ(Name("cnt_acnt_", 3), "__a__.JPG");
}

TEST(BuildNewName, CutsEveryFormOfTimeText) {
  EXPECT_EQ(Name("yyyy-mm-dd hh.mn.ss", 1, kFile, false, "2010/05/23"), "2010-05-23 00.00.00.JPG");
  EXPECT_EQ(Name("yymmddhhmnss", 1, kFile, false, "1999/1/2 3:4:5"), "990102030405.JPG");
  EXPECT_EQ(Name("hh.mn.ss", 1, kFile, false, "2010/12/31 23:59:58"), "23.59.58.JPG");
}

TEST(BuildNewName, KeepsTheExtensionAsItIs) {
  EXPECT_EQ(Name("yyyy", 1, "photo.jpeg"), "2010.jpeg");
  EXPECT_EQ(Name("yyyy", 1, "Photo.JpG"), "2010.JpG");
  EXPECT_EQ(Name(""), ".JPG");
  EXPECT_EQ(NameWithOld("", kFile), "《DSC00012》.JPG");
}

TEST(BuildNewName, TakesTheExtensionAfterTheLastDotWhenTheTailHasNone) {
  EXPECT_EQ(Name("cnt2", 1, "README"), "01");
  EXPECT_EQ(NameWithOld("cnt2", "README"), "01《README》");
  EXPECT_EQ(NameWithOld("yyyy.mm.dd-cnt2", "2010.05.23-01《README》"), "2010.05.23-01《README》");
  EXPECT_EQ(NameWithOld("cnt2", "clip.mpeg4"), "01《clip》.mpeg4");
  EXPECT_EQ(NameWithOld("cnt2", "01《clip.mpeg4》.mpeg4"), "01《clip.mpeg4》.mpeg4");
  EXPECT_EQ(NameWithOld("cnt2", "a.b.c.tiff1"), "01《a.b.c》.tiff1");
  EXPECT_EQ(NameWithOld("cnt2", "ABC"), "01《ABC》");
}

TEST(BuildNewName, LeavesDoubleByteCharactersWhole) {
  EXPECT_EQ(Name("yyyy年mm月dd日"), "2010年05月23日.JPG");
  EXPECT_EQ(Name("表yyソmm"), "表10ソ05.JPG");  // trail byte 0x5C before a token
  EXPECT_EQ(Name("ノm"), "ノm.JPG");            // 0x83 0x6D + m: no "mm"
  EXPECT_EQ(Name("ペy"), "ペ0.JPG");            // 0x83 0x79 + y: only the second y
  EXPECT_EQ(Name("ツnt", 3), "ツnt-1.JPG");     // 0x83 0x63 + nt: no "cnt"
  EXPECT_EQ(Name("yyyycnt年", 1), "2010.JPG");
  EXPECT_EQ(Name("yyyycnt年x", 3), "2010年年x.JPG");  // the whole character is the fill
  // Searches and replacement disagree about 0xFA as a lead byte; the character must survive.
  EXPECT_EQ(Name("ⅳNT"), "ⅳNT.JPG");
}

TEST(ReplaceAllNoCase, ReplacesLeftToRightWithoutOverlapOrRescan) {
  EXPECT_EQ(ReplaceAllNoCase("b", "aa", "aAa"), "ba");
  EXPECT_EQ(ReplaceAllNoCase("yy", "Y", "yxy"), "yyxyy");
  EXPECT_EQ(ReplaceAllNoCase("1", "mm", "m-m"), "m-m");
}

TEST(PosNoCase, StartsOnlyOnWholeCharactersAndFoldsOnlyAsciiLetters) {
  EXPECT_EQ(PosNoCase("CNT", "xcNt"), 2);
  EXPECT_EQ(PosNoCase("mm", "ノm"), 0);
  EXPECT_EQ(PosNoCase("m", "ノm"), 3);
  EXPECT_EQ(PosNoCase("c", "ⅳc"), 3);         // 0xFA is a lead byte here
  EXPECT_EQ(PosNoCase("cntア", "cntヂ"), 0);  // trail bytes 0x41 and 0x61 are not letters
  EXPECT_EQ(PosNoCase("", "abc"), 0);
  EXPECT_EQ(PosNoCase("abcd", "abc"), 0);
}

TEST(UsablePattern, GivesWayToTheFallbackAndSaysSoOnlyForABadCharacter) {
  struct Row {
    const char* pattern;
    const char* fallback;
    const char* used;
    bool told;
  };
  const Row rows[] = {
      {"yyyy/mm/dd", kStartFallbackPattern, "yyyy.mm.dd-cnt2", true},
      {"a\"b", kRunFallbackPattern, "yyyy-mm-dd hh.mn.ss", true},
      {"", kStartFallbackPattern, "yyyy.mm.dd-cnt2", false},
      {"", kRunFallbackPattern, "yyyy-mm-dd hh.mn.ss", false},
      {"yyyy年mm月dd日ソ表", kRunFallbackPattern, "yyyy年mm月dd日ソ表", false},
      {" ", kStartFallbackPattern, " ", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.pattern);
    const PatternCheck check = UsablePattern(row.pattern, row.fallback);
    EXPECT_EQ(check.pattern, row.used);
    EXPECT_EQ(check.message.empty(), !row.told);
  }
  EXPECT_EQ(UsablePattern("|", kStartFallbackPattern).message,
            "「リネームフォーマット.dat」に含まれる文字列に、\nファイル名に使用できない文字\n"
            "\\/:*?\"<>|　が\n在ります\n\nこのアプリの指定形式「yyyy.mm.dd-cnt2」で表示します。");
}

}  // namespace
}  // namespace tokiwake::test
