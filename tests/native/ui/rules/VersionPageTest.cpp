#include "ui/rules/VersionPage.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tokiwake::test {
namespace {

const float kStored = std::bit_cast<float>(uint32_t{0x3F80002A});

std::vector<Text> Lines(std::string_view page) {
  std::vector<Text> lines;
  size_t start = 0;
  for (size_t end; (end = page.find("\r\n", start)) != std::string_view::npos; start = end + 2) {
    lines.emplace_back(page.substr(start, end - start));
  }
  EXPECT_EQ(start, page.size()) << "text after the last CR LF";
  return lines;
}

// The text a browser shows, roughly: tags dropped, entity-free as the page is.
Text WithoutTags(std::string_view html) {
  Text text;
  bool inTag = false;
  for (const char c : html) {
    if (c == '<') inTag = true;
    if (!inTag) text += c;
    if (c == '>') inTag = false;
  }
  return text;
}

size_t Where(const Text& page, std::string_view what) {
  const size_t at = page.find(what);
  EXPECT_NE(at, Text::npos) << what;
  return at;
}

TEST(VersionPage, EveryLineEndsInCrLfAndNoBareLineFeedIsLeft) {
  const Text page = BuildVersionPage(kStored);
  for (size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(page[i - 1], '\r') << "at byte " << i;
    } else if (page[i] == '\r') {
      ASSERT_LT(i + 1, page.size());
      EXPECT_EQ(page[i + 1], '\n') << "at byte " << i;
    }
  }
  for (const char* name :
       {"{PRODUCT}", "{NOTE}", "{AUTHOR}", "{CONTACT", "{MAIL", "{SOFTWARE", "{PRODUCT_PAGE}"}) {
    EXPECT_EQ(page.find(name), Text::npos) << name << " was left";
  }
}

TEST(VersionPage, OpensAndClosesAsThePageFileMust) {
  const std::vector<Text> lines = Lines(BuildVersionPage(kStored));
  ASSERT_GT(lines.size(), 8u);
  EXPECT_EQ(lines[0], "<html>");
  EXPECT_EQ(lines[1], "<head>");
  EXPECT_EQ(lines[2], "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=Shift_JIS\">");
  // The title in Shift_JIS bytes, as the page declares.
  EXPECT_EQ(lines[3], "<TITLE>\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x8F\xEE\x95\xF1</TITLE>");
  const std::vector<Text> last(lines.end() - 4, lines.end());
  EXPECT_EQ(last, (std::vector<Text>{"</table>", "</div>", "</body>", "</html>"}));
}

TEST(VersionPage, HeadBodyTipAndTableComeInOrder) {
  const Text page = BuildVersionPage(kStored);
  const size_t style = Where(page,
                             ".csl { position: absolute; left: 0px; top: 0px; visibility: "
                             "hidden; font-size: 9pt; color: #0099FF; }");
  const size_t opener = Where(page, "function OpenBigWindow(QS)");
  const size_t headEnd = Where(page,
                               "</head>\r\n\r\n<body bgcolor=\"#EEFFCC\" text=\"#000000\" "
                               "link=\"#FF0000\" vlink=\"#990066\" alink=\"#6633FF\">\r\n");
  const size_t tip = Where(page, "<div id=\"SEPLAN\" class=\"csl\"></div>");
  const size_t mouse = Where(page, "function get_mouse_pos(e)");
  const size_t open = Where(page,
                            "function open_pop(backcolor, msg, popIMG, height, width, pos, "
                            "fX, fY, nX, nY)");
  const size_t close = Where(page, "function close_pop()");
  const size_t product =
      Where(page, "<font size=\"4\" color=\"#CC3399\">Tokiwake　Ver 1.00</font>");
  const size_t icon = Where(page, "<img src=\"MailIcon.gif\" width=\"36\" height=\"26\"");
  EXPECT_LT(style, opener);
  EXPECT_LT(opener, headEnd);
  EXPECT_LT(headEnd, tip);
  EXPECT_LT(tip, mouse);
  EXPECT_LT(mouse, open);
  EXPECT_LT(open, close);
  EXPECT_LT(close, product);
  EXPECT_LT(product, icon);
}

TEST(VersionPage, TheContactWindowOpensOnTheFormWithTheMailAddressAndTheQuery) {
  const Text page = BuildVersionPage(kStored);
  Where(page,
        "window.open(\"https://www.example.jp/cgi-bin/contact.cgi?mail=tokiwake@example.jp&\" "
        "+ QS");
  Where(page, "\"toolbar=0,status=1,scrollbars=1,resizable=1,width=700,height=600\"");
  Where(page, "onclick=\"OpenBigWindow('soft=Tokiwake'); return false;\"");
  Where(page, "'1', '-40', '-60', x, y)\" onmouseout=\"close_pop()\"");
}

TEST(VersionPage, TheSummaryReadsAsThePageDoes) {
  const Text shown = WithoutTags(BuildVersionPage(kStored));
  const std::vector<SummaryLine> summary = VersionSummary(kStored);
  ASSERT_EQ(summary.size(), 7u);
  EXPECT_EQ(summary[0].text, "Tokiwake　Ver 1.00");
  EXPECT_EQ(summary[1].text, "フリーソフトです。");
  EXPECT_EQ(summary[6].text, "　←お問い合わせはこちら！");
  size_t previous = 0;
  for (const SummaryLine& line : summary) {
    const size_t at = shown.find(line.text, previous);
    EXPECT_NE(at, Text::npos) << line.text;
    if (at != Text::npos) previous = at;
  }
}

}  // namespace
}  // namespace tokiwake::test
