// zonalyst: the window program. At most one argument, the test file to open.
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/Clipboard.h"
#include "platform/QtSettingsStore.h"
#ifdef _WIN32
#include "platform/WindowsFileAssociation.h"
#else
#include "platform/XdgFileAssociation.h"
#endif
#include "ui/MainWindow.h"
#include "ui/QtPrompter.h"
#include "ui/SplashWindow.h"
#include "ui/WindowAssembly.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zonalyst"));

  zonalyst::ui::QtPrompter prompter;
  zonalyst::platform::QtSettingsStore settings;
#ifdef _WIN32
  zonalyst::platform::WindowsFileAssociation association(
      QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(),
      QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());
#else
  zonalyst::platform::XdgFileAssociation association(QCoreApplication::applicationFilePath());
#endif
  zonalyst::ui::WindowServices services{&prompter, &settings, &association, [](QWidget* owner, bool showSplash) {
                                          zonalyst::ui::SplashWindow splash(showSplash, owner);
                                          splash.exec();
                                          return splash.autoClose();
                                        }};
  zonalyst::ui::MainWindow window(services);
  prompter.setOwner(&window);
  zonalyst::platform::QtClipboard clipboard;
  zonalyst::ui::InstallPanels(window, clipboard);
  window.startUp(QApplication::arguments().mid(1), QDir::currentPath());
  return QApplication::exec();
}
