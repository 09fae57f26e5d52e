// The splash: its version, the check box as the Show_Splash choice, the one-second close.
#include "tests/ui/QtTestMain.h"
#include "ui/window/SplashWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include <functional>

using zonalyst::ui::SplashWindow;

namespace {

// Shows the splash modally, as start-up does, with act run once it is open; true when it closed accepted.
bool RunModal(SplashWindow& splash, std::function<void()> act) {
  QTimer::singleShot(0, &splash, act);
  return splash.exec() == QDialog::Accepted;
}

}  // namespace

class SplashWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void versionPicturesNoAutoCloseAndTheCheckBoxForNextTime() {
    SplashWindow splash(false);
    QCOMPARE(splash.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QVERIFY(!splash.findChild<QLabel*>("Picture1")->pixmap().isNull());
    QVERIFY(!splash.findChild<QLabel*>("Picture2")->pixmap().isNull());
    QVERIFY(!splash.findChild<QCheckBox*>("Check1")->isChecked());
    QVERIFY(!splash.findChild<QTimer*>("Timer1")->isActive());
    // The check box is the choice for next time: clicking it does not close.
    RunModal(splash, [&splash] {
      auto* check = splash.findChild<QCheckBox*>("Check1");
      QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
      QVERIFY(splash.isVisible());
      QTest::mouseClick(splash.findChild<QLabel*>("Label1"), Qt::LeftButton);
    });
    QVERIFY(splash.autoClose());
  }

  void closesAfterOneSecondWhenAutoClosing() {
    SplashWindow splash(true);
    QVERIFY(splash.findChild<QCheckBox*>("Check1")->isChecked());
    auto* timer = splash.findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    // Closed by its own timer, not by this safety net.
    QTimer::singleShot(5000, &splash, &QDialog::reject);
    QCOMPARE(splash.exec(), int(QDialog::Accepted));
  }

  void anyKeyOrClickOnALabelCloses() {
    {
      SplashWindow splash(false);
      QVERIFY(RunModal(splash, [&splash] { QTest::keyClick(&splash, Qt::Key_A); }));
    }
    {
      SplashWindow splash(false);
      auto* check = splash.findChild<QCheckBox*>("Check1");
      QVERIFY(RunModal(splash, [check] {
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
      }));
      QVERIFY(!splash.autoClose());
    }
    for (const char* name : {"lblTitle", "lblVersion", "lblQuest", "Label1", "Picture1", "Picture2"}) {
      SplashWindow splash(false);
      QVERIFY2(
          RunModal(splash, [&splash, name] { QTest::mouseClick(splash.findChild<QLabel*>(name), Qt::LeftButton); }),
          name);
    }
  }
};

ZONALYST_QTEST_MAIN(SplashWindowTest)
#include "SplashWindowTest.moc"
