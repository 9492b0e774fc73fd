#include "webcode/WebCodeConverter.h"

#include <gtest/gtest.h>

#include "support/FakeClipboard.h"
#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::FakeClipboard;
using testing::Sjis;

class WebCodeConverterTest : public ::testing::Test {
 protected:
  FakeClipboard clipboard;
  WebCodeConverter converter{clipboard};
  WebCodeTab& tab = converter.tab;
};

TEST_F(WebCodeConverterTest, LeftEncodeThenRightDecodeOfUtf8) {
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc = Sjis("日本");
  converter.btnWebCodeLeftEncodeClick();
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc, "%e6%97%a5%e6%9c%ac");
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult, "%e6%97%a5%e6%9c%ac");
  converter.btnWebCodeRightDecodeClick();
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult, Sjis("日本"));
}

TEST_F(WebCodeConverterTest, RightEncodeGivesAnUpperCasedCopy) {
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc = Sjis("日本");
  tab.RadioGroupWebRightEncode = 3;
  converter.btnWebCodeRightEncodeClick();
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult, "%93%fa%96%7b");
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult, "%93%FA%96%7B");
  // The right pane's input stays.
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc, Sjis("日本"));
}

TEST_F(WebCodeConverterTest, LeftEncodeGivesALowerCasedCopy) {
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc = Sjis("日本");
  tab.RadioGroupWebLeftEncode = 6;
  converter.btnWebCodeLeftEncodeClick();
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc, "k/qWew==");
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult, "k/qwew==");
}

TEST_F(WebCodeConverterTest, EveryItemThroughBothPanes) {
  const std::string text = Sjis("ウェブ表示 (1) a=b&c\r\n二行目");
  for (int item = 0; item < 8; ++item) {
    SCOPED_TRACE(item);
    tab = {};
    tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc = text;
    tab.RadioGroupWebLeftEncode = item;
    tab.RadioGroupWebRightDecode = item == 1 ? 0 : item;
    converter.btnWebCodeLeftEncodeClick();
    converter.btnWebCodeRightDecodeClick();
    EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult, text);
  }
}

TEST_F(WebCodeConverterTest, LeftDecodeFillsTheRightPaneInput) {
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc = "%93%fa%96%7b";
  tab.RadioGroupWebLeftDecode = 3;
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult = "kept";
  converter.btnWebCodeLeftDecodeClick();
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc, Sjis("日本"));
  EXPECT_EQ(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult, "kept");
}

TEST_F(WebCodeConverterTest, PasteAndClearButtons) {
  using Button = void (WebCodeConverter::*)();
  struct Case {
    const char* name;
    Button button;
    std::string WebCodeTab::*memo;
    std::string expected;
  } cases[] = {
      {"left paste", &WebCodeConverter::btnWebCodeLeftPasteClick,
       &WebCodeTab::MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc, Sjis("貼付け")},
      {"right paste", &WebCodeConverter::btnWebCodeRightPasteClick,
       &WebCodeTab::MemolPGMainTabab05WebDecodeRightWebCodeConvSrc, Sjis("貼付け")},
      {"left top clear", &WebCodeConverter::btnWebCodeLeftTopClearClick,
       &WebCodeTab::MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc, ""},
      {"left bottom clear", &WebCodeConverter::btnWebCodeCodeLeftBottomClearClick,
       &WebCodeTab::MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult, ""},
      {"right top clear", &WebCodeConverter::btnWebCodeRightTopClearClick,
       &WebCodeTab::MemolPGMainTabab05WebDecodeRightWebCodeConvSrc, ""},
      {"right bottom clear", &WebCodeConverter::btnWebCodeRightBottomClearClick,
       &WebCodeTab::MemolPGMainTabab05WebDecodeRightWebCodeConvResult, ""},
  };
  std::string WebCodeTab::*const memos[] = {
      &WebCodeTab::MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc,
      &WebCodeTab::MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult,
      &WebCodeTab::MemolPGMainTabab05WebDecodeRightWebCodeConvSrc,
      &WebCodeTab::MemolPGMainTabab05WebDecodeRightWebCodeConvResult,
  };
  clipboard.SetText(Sjis("貼付け"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (std::string WebCodeTab::*memo : memos)
      tab.*memo = "before";
    (converter.*c.button)();
    // The button's memo changes; the other three keep their text.
    for (std::string WebCodeTab::*memo : memos)
      EXPECT_EQ(tab.*memo, memo == c.memo ? c.expected : "before");
  }
}

}  // namespace
}  // namespace pellucor
