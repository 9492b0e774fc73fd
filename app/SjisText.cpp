#include "app/SjisText.h"

#include "text/CodePage932.h"

namespace pellucor::app {

QString FromSjis(std::string_view sjis) {
  const std::string utf8 = SjisToUtf8(sjis);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToSjis(const QString& text) {
  return Utf8ToSjis(text.toStdString()).text;
}

std::optional<std::string> ToSjisExact(const QString& text) {
  return Utf8ToSjisExact(text.toStdString());
}

}  // namespace pellucor::app
