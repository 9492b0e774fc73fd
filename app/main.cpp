#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include <unistd.h>

#include "app/MainWindow.h"
#include "app/SjisText.h"
#include "shell/MainWindowState.h"

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  // Chromium cannot sandbox its pages for the root user and refuses to start there; as root
  // the browsers run without it rather than not at all.
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // The embedded browsers share their graphics contexts, which must be asked for before the
  // application exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(pellucor::kApplicationTitle));
  QApplication::setApplicationDisplayName(QString::fromUtf8(pellucor::kApplicationTitle));
  QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (configHome.isEmpty()) configHome = QDir::homePath() + "/.config";
  pellucor::app::MainWindow window({pellucor::app::ToSjis(QApplication::applicationFilePath()),
                                    pellucor::app::ToSjis(configHome)});
  window.show();
  window.Start();
  // For the start-up benchmark: the time to the first idle moment, then the program closes.
  if (QApplication::arguments().contains("--quit-when-idle")) {
    QTimer::singleShot(0, &window, [&] {
      std::printf("first idle after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
      window.close();
    });
  }
  return QApplication::exec();
}
