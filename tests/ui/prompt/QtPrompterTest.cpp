// Every question that the desktop's boxes ask can be dismissed by Esc and by the close box;
// both answer as the cancelling button, or as OK where OK is the only way on.
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/prompt/QtPrompter.h"

#include <QDialog>
#include <QPointer>

using namespace zonalyst::ui;

namespace {

// Dismisses the next modal box with `dismiss`. A box still open a moment later is counted
// in `stuck` and closed, so that the test goes on.
void DismissNextBox(const std::function<void(QDialog&)>& dismiss, int& stuck) {
  zonalyst::testing::WhenTrue([] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()) != nullptr; },
                              [dismiss, &stuck] {
                                QPointer<QDialog> box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                                dismiss(*box);
                                QTimer::singleShot(300, [box, &stuck] {
                                  if (!box || !box->isVisible()) return;
                                  ++stuck;
                                  box->done(QDialog::Rejected);
                                });
                              });
}

}  // namespace

class QtPrompterTest : public QObject {
  Q_OBJECT
 private slots:
  void everyQuestionIsDismissedByEscAndByItsCloseBox() {
    QWidget owner;
    owner.show();
    QtPrompter prompter(&owner);
    const std::pair<MessageButtons, MessageAnswer> boxes[] = {{MessageButtons::Ok, MessageAnswer::Ok},
                                                              {MessageButtons::OkCancel, MessageAnswer::Cancel},
                                                              {MessageButtons::YesNo, MessageAnswer::No},
                                                              {MessageButtons::OkSaveElsewhere, MessageAnswer::Ok}};
    const std::pair<const char*, std::function<void(QDialog&)>> dismissals[] = {
        {"Esc", [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
        {"close box", [](QDialog& box) { box.close(); }}};
    for (const auto& [how, dismiss] : dismissals) {
      int stuck = 0;
      for (const auto& [buttons, answer] : boxes) {
        DismissNextBox(dismiss, stuck);
        QCOMPARE(prompter.message({.text = QStringLiteral("?"), .buttons = buttons}), answer);
      }
      DismissNextBox(dismiss, stuck);
      QCOMPARE(prompter.input({.prompt = QStringLiteral("?"), .defaultText = QStringLiteral("typed")}), QString());
      DismissNextBox(dismiss, stuck);
      QCOMPARE(prompter.saveFile(SaveFileRequest{}), std::nullopt);
      QVERIFY2(stuck == 0, how);
    }
  }
};

ZONALYST_QTEST_MAIN(QtPrompterTest)
#include "QtPrompterTest.moc"
