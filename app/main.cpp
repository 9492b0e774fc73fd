#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdlib>

#include "app/MainWindow.h"
#include "app/SjisText.h"
#include "shell/MainWindowState.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(pellucor::kApplicationTitle));
  QApplication::setApplicationDisplayName(QString::fromUtf8(pellucor::kApplicationTitle));
  QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (configHome.isEmpty()) configHome = QDir::homePath() + "/.config";
  pellucor::app::MainWindow window({pellucor::app::ToSjis(QApplication::applicationFilePath()),
                                    pellucor::app::ToSjis(configHome)});
  window.show();
  window.Start();
  return QApplication::exec();
}
