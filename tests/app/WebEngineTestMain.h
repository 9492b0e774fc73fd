#pragma once

#include <QApplication>
#include <QTest>

// A Qt Test main for tests whose widgets hold Qt WebEngine browsers: the engine wants its
// graphics contexts shared before the application exists.
#define PELLUCOR_WEBENGINE_TEST_MAIN(TestClass)                 \
  int main(int argc, char** argv) {                             \
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); \
    QApplication application(argc, argv);                       \
    TestClass test;                                             \
    return QTest::qExec(&test, argc, argv);                     \
  }
