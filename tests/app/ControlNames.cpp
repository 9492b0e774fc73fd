#include "ControlNames.h"

#include <QFile>
#include <QRegularExpression>

namespace pellucor::app::testing {

ControlGroups ReadControlNames(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(file.readAll());
  ControlGroups groups;
  // Each group: tab('Title', Kind=['name', ...], ...) up to the next "tab(" at a line start.
  const QStringList blocks = text.split(QRegularExpression("\\ntab\\("));
  const QRegularExpression title("^'([^']*)'");
  const QRegularExpression kind("([A-Za-z]+)=\\[([^\\]]*)\\]");
  const QRegularExpression name("'([A-Za-z0-9_]+)'");
  for (qsizetype i = 1; i < blocks.size(); ++i) {
    const QRegularExpressionMatch titled = title.match(blocks[i]);
    if (!titled.hasMatch()) continue;
    auto& kinds = groups[titled.captured(1)];
    for (auto lists = kind.globalMatch(blocks[i]); lists.hasNext();) {
      const QRegularExpressionMatch list = lists.next();
      for (auto names = name.globalMatch(list.captured(2)); names.hasNext();)
        kinds[list.captured(1)] << names.next().captured(1);
    }
  }
  return groups;
}

}  // namespace pellucor::app::testing
