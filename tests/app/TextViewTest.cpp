// The desktop's rich text view through the TextView port: Japanese source coloured as the core's
// RTF says, byte offsets and lines as the port speaks them, marks laid over the colours, edits
// and their notifications, scrolling.
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "app/QtTextView.h"
#include "syntax/HtmlRtf.h"
#include "syntax/RtfReader.h"
#include "syntax/ViewColoring.h"
#include "text/CodePage932.h"

namespace pellucor::app {
namespace {

std::string Sjis(const char* utf8) {
  return SjisFromUtf8Literal(utf8);
}

// A page of the size given, in lines as sites write them: tags, attributes, comments, scripts
// and Japanese text, with CR LF line ends.
std::string JapanesePage(std::size_t size) {
  const std::string block = Sjis(
      "<div class=\"item\" id=\"a1\"><a href=\"/shop/item.html?id=42&amp;c=7\">表示・ソフト"
      "</a><!-- 十二の能力 --></div>\r\n<p style=\"color:#ff0000\">日本語の文章です。"
      "</p>\r\n<script>var s = \"文字\";</script>\r\n");
  std::string page = "<html><head><title>" + Sjis("見本") + "</title></head><body>\r\n";
  while (page.size() < size)
    page += block;
  return page + "</body></html>\r\n";
}

void NoPause(std::chrono::milliseconds) {}

}  // namespace

class TextViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Colouring a page shows its characters unchanged and every run of the core's RTF in its
  // colour.
  void ColoursFollowTheCoresRtf() {
    QtTextView view("RichEditExPGTab02RTab02HTMLSrc");
    view.resize(600, 400);
    view.show();
    const std::string page = JapanesePage(256 * 1024);
    view.SetText(page);
    ColorizeHtmlView(view, NoPause);
    QCOMPARE(view.Text(), page);
    const RtfText expected = ReadRtf(HtmlToRtf(page));
    QVERIFY(expected.ok());
    QVERIFY(expected.runs.size() > 1000);
    for (const ColoredRun& run : expected.runs) {
      const TextColor shown = view.ColorAt(run.start + run.length - 1);
      const TextColor wanted{static_cast<std::uint8_t>(run.color & 0xff),
                             static_cast<std::uint8_t>((run.color >> 8) & 0xff),
                             static_cast<std::uint8_t>((run.color >> 16) & 0xff)};
      if (page[run.start] == '\r' || page[run.start] == '\n') continue;  // line ends: no glyph
      QVERIFY2(shown == wanted, qPrintable(QString("run at %1").arg(run.start)));
    }
    // Japanese shows as Japanese.
    QVERIFY(view.toPlainText().contains(QString::fromUtf8("日本語の文章です。")));
  }

  // Byte offsets of the port against the view's characters: double-byte characters, CR LF, a
  // lone CR or LF, and a byte that is no character each count as they should.
  void OffsetsAndLines() {
    QtTextView view("v");
    const std::string text = "a\r\n" + Sjis("表示") + "\nb\rc\xff" + "d";
    view.SetText(text + std::string("\0tail", 5));
    QCOMPARE(view.Text(), text);  // cut at the zero byte
    QCOMPARE(view.LineCount(), std::size_t{4});
    const std::size_t lines[] = {0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 3, 3, 3, 3};
    for (std::size_t offset = 0; offset <= text.size(); ++offset)
      QCOMPARE(view.LineOfOffset(offset), lines[offset]);
    QCOMPARE(view.OffsetOfLine(1), std::optional<std::size_t>(3));
    QCOMPARE(view.OffsetOfLine(3), std::optional<std::size_t>(10));
    QCOMPARE(view.OffsetOfLine(4), std::nullopt);
    view.SetSelection({3, 4});  // the two Japanese characters
    QCOMPARE(view.Selection(), (TextRange{3, 4}));
    QCOMPARE(view.textCursor().selectedText(), QString::fromUtf8("表示"));
    view.SetSelection({4, 100});  // inside a character, and past the end
    QCOMPARE(view.Selection(), (TextRange{3, text.size() - 3}));
  }

  // Marks and default attributes lie over the syntax colours, and another colouring of the same
  // view starts from its text again.
  void MarksLieOverTheColours() {
    QtTextView view("v");
    const std::string page = Sjis("<p class=\"x\">検索語</p>\r\n");
    view.SetText(page);
    ColorizeHtmlView(view, NoPause);
    const std::size_t word = page.find(Sjis("検索語"));
    const TextColor mark{0xff, 0x00, 0xff};
    view.SetRangeColor({word, 6}, mark);
    view.SetRangeWeight({word, 6}, FontWeight::Bold);
    QCOMPARE(view.ColorAt(word + 2), mark);
    QVERIFY(!(view.ColorAt(1) == mark));
    view.SetDefaultAttributes({0, 0, 0x80}, FontWeight::Regular);
    view.ApplyDefaultAttributes({word, 2});
    QCOMPARE(view.ColorAt(word), (TextColor{0, 0, 0x80}));
    QCOMPARE(view.ColorAt(word + 2), mark);
  }

  void EditsAndNotifications() {
    QtTextView view("v");
    QSignalSpy changed(&view, &QtTextView::Changed);
    view.SetText("ab\r\ncd");
    QCOMPARE(changed.count(), 0);  // the program's own text is no edit
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(2);
    cursor.insertText(QString::fromUtf8("表"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(view.Text(), "ab" + Sjis("表") + "\r\ncd");
    QCOMPARE(view.OffsetOfLine(1), std::optional<std::size_t>(6));
    view.SetChangeNotifications(ChangeNotifications::Detached);
    view.textCursor().insertText("x");
    QCOMPARE(changed.count(), 1);
  }

  void ScrollingByLines() {
    QtTextView view("v");
    view.resize(400, 200);
    view.show();
    std::string text;
    for (int i = 0; i < 300; ++i)
      text += "line " + std::to_string(i) + "\r\n";
    view.SetText(text);
    ScrollLineToTop(view, 50);
    QCOMPARE(view.FirstVisibleLine(), std::size_t{49});
    view.ScrollLines(-1000);
    QCOMPARE(view.FirstVisibleLine(), std::size_t{0});
    GoToLineColumn(view, 120, 3);
    QCOMPARE(view.Selection().start, *view.OffsetOfLine(120) + 3);
  }
};

}  // namespace pellucor::app

QTEST_MAIN(pellucor::app::TextViewTest)
#include "TextViewTest.moc"
