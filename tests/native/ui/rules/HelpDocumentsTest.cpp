#include "ui/rules/HelpDocuments.h"

#include <gtest/gtest.h>

#include <set>

namespace tokiwake::test {
namespace {

TEST(BrowserPath, LiesUnderTheRootOfTheWindowsDrive) {
  EXPECT_EQ(BrowserPath("C:\\WINDOWS\\"), "C:\\Program Files\\Internet Explorer\\Iexplore.exe");
  EXPECT_EQ(BrowserPath("D:\\WINNT\\"), "D:\\Program Files\\Internet Explorer\\Iexplore.exe");
  EXPECT_EQ(BrowserPath("e:\\"), "e:\\Program Files\\Internet Explorer\\Iexplore.exe");
}

TEST(UsageDocument, PrefersTheHelpFolderThenTheProgramFolderThenTheWeb) {
  const Text exe = "C:\\My Tools\\ソフト\\";
  struct Case {
    std::set<Text> present;
    Text expected;
  };
  const Case cases[] = {
      {{exe + "help\\index.htm", exe + "index.htm"}, exe + "help\\index.htm"},
      {{exe + "index.htm"}, exe + "index.htm"},
      {{exe + "help\\index.htm"}, exe + "help\\index.htm"},
      {{}, "https://www.example.jp/soft/Tokiwake/help/index.htm"},
      {{"C:\\index.htm", exe + "help\\Index.html"}, OnlineUsageAddress()},
  };
  for (const Case& c : cases) {
    const auto exists = [&](const Text& path) { return c.present.contains(path); };
    EXPECT_EQ(UsageDocument(exe, exists), c.expected);
  }
}

}  // namespace
}  // namespace tokiwake::test
