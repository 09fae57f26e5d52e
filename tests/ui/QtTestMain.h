#pragma once

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

// The main of the window tests: the offscreen platform, an English locale with "." as the
// decimal separator and a fixed font, so that texts and sizes do not depend on the machine;
// the user's configuration and data folders in a temporary folder, so that settings and
// the file association never touch the real ones.
#define ZONALYST_QTEST_MAIN(TestClass)                                     \
  int main(int argc, char** argv) {                                        \
    qputenv("QT_QPA_PLATFORM", "offscreen");                               \
    QTemporaryDir home;                                                    \
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());        \
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());            \
    QApplication app(argc, argv);                                          \
    std::setlocale(LC_ALL, "C");                                           \
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); \
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));    \
    TestClass test;                                                        \
    return QTest::qExec(&test, argc, argv);                                \
  }
