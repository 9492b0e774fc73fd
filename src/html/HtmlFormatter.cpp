#include "html/HtmlFormatter.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "html/ReplaceRows.h"

namespace pellucor {
namespace {

constexpr std::array<ReplaceRow, 6> kDeclaredCharsetRows = {{
    {"encoding=\"euc-jp", "encoding=\"Shift_JIS"},
    {"charset=euc-jp", "charset=Shift_JIS"},
    {"encoding=\"utf-8", "encoding=\"Shift_JIS"},
    {"charset=utf-8", "charset=Shift_JIS"},
    {"encoding=\"iso-2022-jp", "encoding=\"Shift_JIS"},
    {"charset=iso-2022-jp", "charset=Shift_JIS"},
    // A seventh row of the house style deleted every "cf7" in the text, which breaks colour
    // values such as "#0cf7ff" and any word holding those letters; it is left out.
}};

// Each row replaces its pattern, in any case, by the pattern's own lower-case form. In order:
// start tags, end tags, style sheet and attribute words, quoted values, frame attributes.
constexpr std::array<std::string_view, 93> kStartTagRows = {
    "<ABBR",     "<ACRONYM",  "<ADDRESS", "<APPLET",     "<AREA",     "<A",        "<BASEFONT",
    "<BASE",     "<BOD",      "<BIG",     "<BLOCKQUOTE", "<BODY",     "<BR",       "<BUTTON",
    "<B",        "<CAPTION",  "<CENTER",  "<CITE",       "<CODE",     "<COLGROUP", "<COL",
    "<DD",       "<DEL",      "<DFN",     "<DIR",        "<DIV",      "<DL",       "<DT",
    "<EM",       "<FIELDSET", "<FONT",    "<FORM",       "<FRAMESET", "<FRAME",    "<H1",
    "<H2",       "<H3",       "<H4",      "<H5",         "<H6",       "<HEAD",     "<HR",
    "<HTML",     "<IFRAME",   "<IMG",     "<INPUT",      "<INS",      "<ISINDEX",  "<I",
    "<KBD",      "<LABEL",    "<LAYER",   "<LEGEND",     "<LINK",     "<LI",       "<MAP",
    "<MENU",     "<META",     "<NOBR",    "<NOFRAMES",   "<NOSCRIPT", "<OBJECT",   "<OL",
    "<OPTGROUP", "<OPTION",   "<PARAM",   "<PRE",        "<P",        "<Q",        "<SAMP",
    "<SCRIPT",   "<SELECT",   "<SMALL",   "<SPAN",       "<STRIKE",   "<STRONG",   "<STYLE",
    "<SUB",      "<SUP",      "<TABLE",   "<TBODY",      "<TD",       "<TEXTAREA", "<TFOOT",
    "<TH",       "<THEAD",    "<TITLE",   "<TR",         "<TT",       "<UL",       "<U",
    "<VAR",      "<WBR>",
};

constexpr std::array<std::string_view, 92> kEndTagRows = {
    "</ABBR",     "</ACRONYM",  "</ADDRESS",  "</APPLET",   "</AREA",       "</A",
    "</BASEFONT", "</BASE",     "</BOD",      "</BIG",      "</BLOCKQUOTE", "</BODY",
    "</BR",       "</BUTTON",   "</B",        "</CAPTION",  "</CENTER",     "</CITE",
    "</CODE",     "</COLGROUP", "</COL",      "</DD",       "</DEL",        "</DFN",
    "</DIR",      "</DIV",      "</DL",       "</DT",       "</EM",         "</FIELDSET",
    "</FONT",     "</FORM",     "</FRAMESET", "</FRAME",    "</H1",         "</H2",
    "</H3",       "</H4",       "</H5",       "</H6",       "</HEAD",       "</HR",
    "</HTML",     "</IFRAME",   "</IMG",      "</INPUT",    "</INS",        "</ISINDEX",
    "</I",        "</KBD",      "</LABEL",    "</LAYER",    "</LEGEND",     "</LINK",
    "</LI",       "</MAP",      "</MENU",     "</META",     "</NOBR>",      "</NOFRAMES",
    "</NOSCRIPT", "</OBJECT",   "</OL",       "</OPTGROUP", "</OPTION",     "</PARAM",
    "</PRE",      "</P",        "</Q",        "</SAMP",     "</SCRIPT",     "</SELECT",
    "</SMALL",    "</SPAN",     "</STRIKE",   "</STRONG",   "</STYLE",      "</SUB",
    "</SUP",      "</TABLE",    "</TBODY",    "</TD",       "</TEXTAREA",   "</TFOOT",
    "</TH",       "</THEAD",    "</TITLE",    "</TR",       "</TT",         "</UL",
    "</U",        "</VAR",
};

constexpr std::array<std::string_view, 28> kWordRows = {
    "@IMPORT",    " URL(",        " REL=",     " TYPE=",        "TEXT/JAVASCRIPT",
    "JAVASCRIPT", " BACKGROUND=", " WIDTH=",   " HREF=",        " SRC=",
    " HEIGHT=",   " BGCOLOR=",    " COLOR=",   " CELLSPACING=", " CELLPADDING=",
    " NAME=",     " ID=",         " CLASS=",   " VALIGN=",      " ALIGN=",
    " VALUE=",    " SIZE=",       " TITLE=",   " BORDER=",      " ROWS=",
    " COLS=",     " ROWSPAN=",    " COLSPAN=",
};

constexpr std::array<std::string_view, 7> kQuotedValueRows = {
    "\"TOP\"", "\"MIDDLE\"", "\"BOTTOM\"", "\"CENTER\"", "\"LEFT\"", "\"RIGHT\"", "\"BORDER\"",
};

constexpr std::array<std::string_view, 8> kFrameAttributeRows = {
    " FRAMEBORDER=", " FRAMESPACING=", " SCROLLING=",  " NORESIZE",
    " MARGINWIDTH=", " MARGINHEIGHT=", " LEFTMARGIN=", " TOPMARGIN=",
};

// NL of the table is CR LF.
constexpr std::array<ReplaceRow, 72> kLineBreakRows = {{
    {"><applet", ">\r\n<applet"},          // 1
    {"\r\n>", ">"},                        // 2
    {"\r\n/>", "/>"},                      // 3
    {"><area", ">\r\n<area"},              // 4
    {"><base", ">\r\n<base"},              // 5
    {"><blockquote", ">\r\n<blockquote"},  // 6
    {"><body", ">\r\n<body"},              // 7
    {"></body", ">\r\n</body"},            // 8
    {"<br>", "<br />\r\n"},                // 9
    {"<br />", "<br />\r\n"},              // 10
    {"<br />\r\n\r\n\r\n", "<br />\r\n"},  // 11
    {"<br />\r\n\r\n", "<br />\r\n"},      // 12
    {"><dd", ">\r\n<dd"},                  // 13
    {"><div", ">\r\n<div"},                // 14
    {"></div", ">\r\n</div"},              // 15
    {"><fieldset", ">\r\n<fieldset"},      // 16
    {"><form", ">\r\n<form"},              // 17
    {"></form", ">\r\n</form"},            // 18
    {"</form><", "</form>\r\n<"},          // 19
    {"><frameset", ">\r\n<frameset"},      // 20
    {"></frameset", ">\r\n</frameset"},    // 21
    {"><frame", ">\r\n<frame"},            // 22
    {"></frame", ">\r\n</frame"},          // 23
    {"><div", ">\r\n<div"},                // 24
    {"></div", ">\r\n</div"},              // 25
    {"</div><", "</div>\r\n<"},            // 26
    {"><head", ">\r\n<head"},              // 27
    {"></head", ">\r\n</head"},            // 28
    {"><hr", ">\r\n<hr"},                  // 29
    {"><html", ">\r\n<html"},              // 30
    {"></html", ">\r\n</html"},            // 31
    {"</html><", "</html>\r\n<"},          // 32
    {"><label", ">\r\n<label"},            // 33
    {"><link", ">\r\n<link"},              // 34
    {"></link", ">\r\n</link"},            // 35
    {"><li", ">\r\n<li"},                  // 36
    {"<li>\r\n<", "<li><"},                // 37
    {">\r\n</li>", "></li>"},              // 38
    {"><map", ">\r\n<map"},                // 39
    {"></map", ">\r\n</map"},              // 40
    {"><meta", ">\r\n<meta"},              // 41
    {"><noframes", ">\r\n<noframes"},      // 42
    {"></noframes", ">\r\n</noframes"},    // 43
    {"><noscript", ">\r\n<noscript"},      // 44
    {"><object", ">\r\n<object"},          // 45
    {"><ol", ">\r\n<ol"},                  // 46
    {"><optgroup", ">\r\n<optgroup"},      // 47
    {"><option", ">\r\n<option"},          // 48
    {"><param", ">\r\n<param"},            // 49
    {"><pre", ">\r\n<pre"},                // 50
    {"><p", ">\r\n<p"},                    // 51
    {"><table", ">\r\n<table"},            // 52
    {"></table", ">\r\n</table"},          // 53
    {"</table><", "</table>\r\n<"},        // 54
    {"><tbody", ">\r\n<tbody"},            // 55
    {"></tbody", ">\r\n</tbody"},          // 56
    {"><td", ">\r\n<td"},                  // 57
    {"td></td", "td>&nbsp;</td"},          // 58
    {"</td></tr>", "</td>\r\n</tr>"},      // 59
    {"><textarea", ">\r\n<textarea"},      // 60
    {"><tfoot", ">\r\n<tfoot"},            // 61
    {"><th", ">\r\n<th"},                  // 62
    {"><title", ">\r\n<title"},            // 63
    {"><tr", ">\r\n<tr"},                  // 64
    {"><ul", ">\r\n<ul"},                  // 65
    {">\r\n</map", "></map"},              // 66
    {"\r\n</a", "</a"},                    // 67
    {"><script", ">\r\n<script"},          // 68
    {"=\r\n", "="},                        // 69
    {"\r\n>", ">"},                        // 70
    {"><!-- ", ">\r\n<!--"},               // 71
    {"--><", "-->\r\n<"},                  // 72
}};

const LowerCasingRows& LowerCasingTable() {
  static const LowerCasingRows table = [] {
    std::vector<std::string_view> rows;
    for (const std::span<const std::string_view> part :
         {std::span<const std::string_view>(kStartTagRows),
          std::span<const std::string_view>(kEndTagRows),
          std::span<const std::string_view>(kWordRows),
          std::span<const std::string_view>(kQuotedValueRows),
          std::span<const std::string_view>(kFrameAttributeRows)}) {
      rows.insert(rows.end(), part.begin(), part.end());
    }
    return LowerCasingRows(rows);
  }();
  return table;
}

// Lines split at CR LF, lone CR and lone LF; TABs widened to two blanks; lines that are blank
// after trimming (bytes up to 0x20) dropped; every kept line ended by CR LF.
std::string CleanUpLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
      ++end;
    const std::string_view line = text.substr(start, end - start);
    const bool blank = std::all_of(line.begin(), line.end(), [](char byte) {
      return static_cast<unsigned char>(byte) <= 0x20;
    });
    if (!blank) {
      for (std::size_t from = 0; from < line.size();) {
        const std::size_t tab = line.find('\t', from);
        out.append(
            line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
        if (tab == std::string_view::npos) break;
        out.append("  ");
        from = tab + 1;
      }
      out.append("\r\n");
    }
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return out;
}

// The rows of the formatter over the cleaned-up lines.
void FormatCleanLines(std::string& text) {
  ApplyRows(text, kDeclaredCharsetRows);
  LowerCasingTable().Apply(text);
  ApplyRows(text, kLineBreakRows);
}

}  // namespace

std::string SetDeclaredCharsetShiftJIS(std::string_view text) {
  std::string result(text);
  ApplyRows(result, kDeclaredCharsetRows);
  return result;
}

std::string BreakHTMLLines(std::string_view text) {
  std::string result(text);
  ApplyRows(result, kLineBreakRows);
  return result;
}

std::string FormatHTMLSource(std::string_view text) {
  if (text.empty()) return {};
  std::string result = CleanUpLines(text);
  FormatCleanLines(result);
  return result;
}

void FormatHTMLSourceIn(std::string& text) {
  if (text.empty()) return;
  std::string result = CleanUpLines(text);
  // The text is let go before the rows run, so that no more than two copies are alive at once.
  std::string().swap(text);
  FormatCleanLines(result);
  text = std::move(result);
}

}  // namespace pellucor
