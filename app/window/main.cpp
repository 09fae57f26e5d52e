// zonalyst: the window program. At most one argument, the test file to open.
#include "platform/Clipboard.h"
#include "platform/QtSettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <functional>
#include <new>
#include <string>
#ifdef _WIN32
#include "platform/WindowsFileAssociation.h"
#else
#include "platform/XdgFileAssociation.h"
#endif
#include "ui/prompt/QtPrompter.h"
#include "ui/window/MainWindow.h"
#include "ui/window/SplashWindow.h"

namespace {

// What an escaped exception was, in a few words.
std::string Describe(std::exception_ptr failure) {
  try {
    std::rethrow_exception(std::move(failure));
  } catch (const std::bad_alloc&) {
    return "the memory ran out";
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "an unknown error";
  }
}

// The last resort of the window: an exception that escapes an event handler is reported
// (with the offer to save the open test) instead of ending the program.
class GuardedApplication final : public QApplication {
 public:
  using QApplication::QApplication;
  std::function<void(const std::string&)> report;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      handle(std::current_exception());
    }
    return false;
  }

 private:
  void handle(std::exception_ptr failure) {
    const std::string what = Describe(std::move(failure));
    // A failure while one is being reported, or before the window exists, goes to stderr.
    if (reporting_ || !report) {
      std::fprintf(stderr, "zonalyst: unexpected failure: %s\n", what.c_str());
      return;
    }
    reporting_ = true;
    try {
      report(what);
    } catch (...) {
      std::fprintf(stderr, "zonalyst: unexpected failure: %s\n", what.c_str());
    }
    reporting_ = false;
  }

  bool reporting_ = false;
};

}  // namespace

int main(int argc, char* argv[]) try {
  GuardedApplication app(argc, argv);
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
  zonalyst::platform::QtClipboard clipboard;
  zonalyst::ui::WindowServices services;
  services.prompter = &prompter;
  services.settings = &settings;
  services.association = &association;
  services.clipboard = &clipboard;
  services.splash = [](QWidget* owner, bool showSplash) {
    zonalyst::ui::SplashWindow splash(showSplash, owner);
    splash.exec();
    return splash.autoClose();
  };
  zonalyst::ui::MainWindow window(services);
  prompter.setOwner(&window);
  app.report = [&window](const std::string& what) { window.reportEscapedFailure(what); };
  window.startUp(QApplication::arguments().mid(1), QDir::currentPath());
  const int exitCode = QApplication::exec();
  app.report = nullptr;
  return exitCode;
} catch (...) {
  std::fprintf(stderr, "zonalyst: unexpected failure: %s\n", Describe(std::current_exception()).c_str());
  return 5;
}
