#include "app/WebCodeTabController.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

#include "app/Binder.h"
#include "app/RadioGroup.h"

namespace pellucor::app {

WebCodeTabController::WebCodeTabController(QWidget& window, Binder& binder, Clipboard& clipboard,
                                           Runner run)
    : converter_(clipboard) {
  WebCodeTab& tab = converter_.tab;
  for (const auto& [name, value] :
       {std::pair{"MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc",
                  &tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc},
        std::pair{"MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult",
                  &tab.MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult},
        std::pair{"MemolPGMainTabab05WebDecodeRightWebCodeConvSrc",
                  &tab.MemolPGMainTabab05WebDecodeRightWebCodeConvSrc},
        std::pair{"MemolPGMainTabab05WebDecodeRightWebCodeConvResult",
                  &tab.MemolPGMainTabab05WebDecodeRightWebCodeConvResult}})
    binder.Bind(window.findChild<QPlainTextEdit*>(name), value);
  for (const auto& [name, value] :
       {std::pair{"RadioGroupWebLeftDecode", &tab.RadioGroupWebLeftDecode},
        std::pair{"RadioGroupWebLeftEncode", &tab.RadioGroupWebLeftEncode},
        std::pair{"RadioGroupWebRightDecode", &tab.RadioGroupWebRightDecode},
        std::pair{"RadioGroupWebRightEncode", &tab.RadioGroupWebRightEncode}})
    binder.Bind(window.findChild<RadioGroup*>(name), value);

  using Command = void (WebCodeConverter::*)();
  for (const auto& [name, command] :
       {std::pair<const char*, Command>{"btnWebCodeLeftDecode",
                                        &WebCodeConverter::btnWebCodeLeftDecodeClick},
        std::pair<const char*, Command>{"btnWebCodeLeftEncode",
                                        &WebCodeConverter::btnWebCodeLeftEncodeClick},
        std::pair<const char*, Command>{"btnWebCodeLeftPaste",
                                        &WebCodeConverter::btnWebCodeLeftPasteClick},
        std::pair<const char*, Command>{"btnWebCodeLeftTopClear",
                                        &WebCodeConverter::btnWebCodeLeftTopClearClick},
        std::pair<const char*, Command>{"btnWebCodeCodeLeftBottomClear",
                                        &WebCodeConverter::btnWebCodeCodeLeftBottomClearClick},
        std::pair<const char*, Command>{"btnWebCodeRightDecode",
                                        &WebCodeConverter::btnWebCodeRightDecodeClick},
        std::pair<const char*, Command>{"btnWebCodeRightEncode",
                                        &WebCodeConverter::btnWebCodeRightEncodeClick},
        std::pair<const char*, Command>{"btnWebCodeRightPaste",
                                        &WebCodeConverter::btnWebCodeRightPasteClick},
        std::pair<const char*, Command>{"btnWebCodeRightTopClear",
                                        &WebCodeConverter::btnWebCodeRightTopClearClick},
        std::pair<const char*, Command>{"btnWebCodeRightBottomClear",
                                        &WebCodeConverter::btnWebCodeRightBottomClearClick}}) {
    const Command action = command;
    QObject::connect(window.findChild<QPushButton*>(name), &QPushButton::clicked, &window,
                     [this, run, action] { run([this, action] { (converter_.*action)(); }); });
  }
}

}  // namespace pellucor::app
