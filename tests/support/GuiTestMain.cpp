#include <QGuiApplication>
#include <gtest/gtest.h>

// The main of the tests that draw or decode pictures: fonts and Qt's image decoders need
// a GUI application; no window is ever shown.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
