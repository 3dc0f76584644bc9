#include "ui/rules/VersionPage.h"

#include <string_view>
#include <utility>

#include "settings/ProgramFacts.h"
#include "ui/rules/NumberFormat.h"

namespace tokiwake {

namespace {

// The page with {NAME} placeholders; lines end in LF here and in CR LF in the file.
constexpr std::string_view kTemplate = R"page(<html>
<head>
<meta http-equiv="Content-Type" content="text/html;charset=Shift_JIS">
<TITLE>バージョン情報</TITLE>
<style type="text/css">
<!--
.csl { position: absolute; left: 0px; top: 0px; visibility: hidden; font-size: 9pt; color: #0099FF; }
-->
</style>
<script type="text/javascript">
<!--
var contactOpen = false;
var contactWindow;
var pageWindow;
function OpenBigWindow(QS) {
  contactWindow = window.open("{CONTACT_FORM}?mail={MAIL}&" + QS, "TokiwakeContact",
    "toolbar=0,status=1,scrollbars=1,resizable=1,width=700,height=600");
  contactOpen = true;
  contactWindow.focus();
  pageWindow = self;
  pageWindow.blur();
}
//-->
</script>
</head>

<body bgcolor="#EEFFCC" text="#000000" link="#FF0000" vlink="#990066" alink="#6633FF">
<div id="SEPLAN" class="csl"></div>
<script type="text/javascript">
<!--
var x = 0, y = 0;
var fillX = -90, fillY = -70;
var ypos = -1500;
var oldBrowser = false;
var isAll = false, isLayers = false, isById = false;
if (document.all) isAll = true;
else if (document.layers) isLayers = true;
else if (document.getElementById) isById = true;
else oldBrowser = true;

function tipElement() {
  if (isAll) return document.all["SEPLAN"];
  if (isLayers) return document.layers["SEPLAN"];
  if (isById) return document.getElementById("SEPLAN");
  return null;
}

function mouse_down(e) {
  var button = e ? e.which : event.button;
  if (button == 2 || button == 3) {
  }
}
if (!isLayers) document.onmousedown = mouse_down;

function get_mouse_pos(e) {
  if (isAll) {
    x = event.clientX + document.body.scrollLeft;
    y = event.clientY + document.body.scrollTop;
  } else {
    x = e.pageX;
    y = e.pageY;
  }
  var tip = tipElement();
  if (tip == null) return;
  if (isLayers) {
    tip.left = x + fillX;
    tip.top = y + ypos;
  } else {
    tip.style.left = (x + fillX) + "px";
    tip.style.top = (y + ypos) + "px";
  }
}
if (isLayers) document.captureEvents(Event.MOUSEMOVE);
document.onmousemove = get_mouse_pos;

function open_pop(backcolor, msg, popIMG, height, width, pos, fX, fY, nX, nY) {
  fillX = -90;
  fillY = -70;
  if (fX != "") fillX = parseInt(fX);
  if (fY != "") fillY = parseInt(fY);
  var box = '<td><table border="1" bordercolor="#000000" cellpadding="1" cellspacing="0" bgcolor="'
    + backcolor + '"><tr><td align="center" nowrap>' + msg + '</td></tr></table></td>';
  var image = "";
  if (popIMG != "") {
    image = '<td><img src="' + popIMG + '"';
    if (height != "") image += ' height="' + height + '"';
    if (width != "") image += ' width="' + width + '"';
    image += '></td>';
  }
  var cells = (pos == "" || pos == "1") ? box + image : image + box;
  var content = '<table border="0" cellpadding="0" cellspacing="0"><tr>' + cells + '</tr></table>';
  ypos = fillY;
  var tip = tipElement();
  if (tip == null) return;
  if (isLayers) {
    tip.document.write(content);
    tip.document.close();
    tip.visibility = "show";
    return;
  }
  tip.innerHTML = content;
  if (isById) {
    tip.style.left = (fillX + nX) + "px";
    tip.style.top = (fillY + nY) + "px";
  }
  tip.style.visibility = "visible";
}

function close_pop() {
  var tip = tipElement();
  if (tip == null) return;
  if (isLayers) tip.visibility = "hide";
  else tip.style.visibility = "hidden";
}
//-->
</script>
<div align="center">
<table border="0" width="100">
<tr>
<td nowrap><font size="4" color="#CC3399">{PRODUCT}</font><font size="2"><br>
<font color="#FF0000">{NOTE}</font><br>
<br>
{AUTHOR}<br>
E-Mail : <a href="mailto:{MAIL}">{MAIL}</a><br>
URL : <a href="{SOFTWARE_INDEX}" target="_blank">{SOFTWARE_INDEX}</a><br>
URL : <a href="{PRODUCT_PAGE}" target="_blank">{PRODUCT_PAGE}</a></font></td>
</tr>
<tr>
<td align="center" nowrap><font size="2"><a href="javascript:void(0)" onmouseover="open_pop('#ffff80', '<font color=#0000FF>ここから</font><br><font color=#FF0000>作者へのご意見・ご連絡をどうぞ</font>', '', '', '', '1', '-40', '-60', x, y)" onmouseout="close_pop()" onclick="OpenBigWindow('{CONTACT_QUERY}'); return false;"><img src="{MAIL_ICON}" width="36" height="26" align="absmiddle" border="0"></a><font size="-1" color="#ee99ff">{CONTACT}</font></font></td>
</tr>
</table>
</div>
</body>
</html>
)page";

constexpr char kNote[] = "フリーソフトです。";
constexpr char kContact[] = "　←お問い合わせはこちら！";

Text ProductLine(float versionNumber) {
  return Text(kAppTitle) + "　Ver " + VersionText(versionNumber);
}

Text AuthorLine() { return Text("Presented By ") + maker::kAuthor; }

// The values are not searched again, so a value may hold anything.
void ReplaceAll(Text& text, std::string_view name, std::string_view value) {
  size_t from = 0;
  for (;;) {
    const int32_t found = SjisPos(name, std::string_view(text).substr(from));
    if (found == 0) return;
    const size_t at = from + static_cast<size_t>(found) - 1;
    text.replace(at, name.size(), value);
    from = at + value.size();
  }
}

Text WithCrLf(std::string_view text) {
  Text result;
  result.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

}  // namespace

Text BuildVersionPage(float versionNumber) {
  Text page(kTemplate);
  const std::pair<std::string_view, Text> values[] = {
      {"{PRODUCT}", ProductLine(versionNumber)},
      {"{NOTE}", kNote},
      {"{AUTHOR}", AuthorLine()},
      {"{CONTACT_FORM}", maker::ContactForm()},
      {"{CONTACT_QUERY}", maker::ContactQuery()},
      {"{SOFTWARE_INDEX}", maker::SoftwareIndex()},
      {"{PRODUCT_PAGE}", maker::ProductPage()},
      {"{MAIL_ICON}", kMailIconName},
      {"{CONTACT}", kContact},
      {"{MAIL}", maker::kMailAddress},
  };
  for (const auto& [name, value] : values) ReplaceAll(page, name, value);
  return WithCrLf(page);
}

std::vector<SummaryLine> VersionSummary(float versionNumber) {
  using Kind = SummaryLine::Kind;
  return {
      {Kind::kProduct, ProductLine(versionNumber)},
      {Kind::kNote, kNote},
      {Kind::kPlain, AuthorLine()},
      {Kind::kPlain, Text("E-Mail : ") + maker::kMailAddress},
      {Kind::kPlain, Text("URL : ") + maker::SoftwareIndex()},
      {Kind::kPlain, Text("URL : ") + maker::ProductPage()},
      {Kind::kContact, kContact},
  };
}

}  // namespace tokiwake
