#include "webcode/WebCodeConverter.h"

#include "text/ShiftJis.h"
#include "webcode/WebCode.h"

namespace pellucor {

void WebCodeConverter::btnWebCodeLeftDecodeClick() {
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc =
      WebCodeDecode(tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc, tab.RadioGroupWebLeftDecode);
}

void WebCodeConverter::btnWebCodeLeftEncodeClick() {
  std::string encoded =
      WebCodeEncode(tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc, tab.RadioGroupWebLeftEncode);
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult = LowerCaseText(encoded);
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc = std::move(encoded);
}

void WebCodeConverter::btnWebCodeLeftPasteClick() {
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc = clipboard_.Text();
}

void WebCodeConverter::btnWebCodeLeftTopClearClick() {
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc.clear();
}

void WebCodeConverter::btnWebCodeCodeLeftBottomClearClick() {
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult.clear();
}

void WebCodeConverter::btnWebCodeRightDecodeClick() {
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult = WebCodeDecode(
      tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc, tab.RadioGroupWebRightDecode);
}

void WebCodeConverter::btnWebCodeRightEncodeClick() {
  std::string encoded = WebCodeEncode(tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc,
                                      tab.RadioGroupWebRightEncode);
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult = UpperCaseText(encoded);
  tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult = std::move(encoded);
}

void WebCodeConverter::btnWebCodeRightPasteClick() {
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc = clipboard_.Text();
}

void WebCodeConverter::btnWebCodeRightTopClearClick() {
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc.clear();
}

void WebCodeConverter::btnWebCodeRightBottomClearClick() {
  tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult.clear();
}

}  // namespace pellucor
