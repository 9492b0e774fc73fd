#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <memory>

#include <unistd.h>

#include "app/MainWindow.h"
#include "app/SjisText.h"
#include "demo/DemoServer.h"
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
  // --demo: the bundled sample site served on loopback, on the download tab, to be saved into
  // ./pellucor-demo/ with the download button.
  std::unique_ptr<pellucor::DemoServer> demo;
  if (QApplication::arguments().contains("--demo")) {
    demo = std::make_unique<pellucor::DemoServer>(PELLUCOR_DEMO_SITE);
    if (!demo->ok()) {
      std::fprintf(stderr, "cannot serve the sample site from %s: %s\n", PELLUCOR_DEMO_SITE,
                   demo->failure().c_str());
      return 2;
    }
    const QString folder = QDir::current().absoluteFilePath("pellucor-demo") + "/";
    QDir().mkpath(folder);
    window.ShowOnDownloadTab(demo->Url("/index.html"), pellucor::app::ToSjis(folder));
  }
  // For the start-up benchmark: the time to the first idle moment, then the program closes.
  if (QApplication::arguments().contains("--quit-when-idle")) {
    QTimer::singleShot(0, &window, [&] {
      std::printf("first idle after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
      window.close();
    });
  }
  return QApplication::exec();
}
