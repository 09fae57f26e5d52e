// Every question that the desktop's boxes ask can be dismissed by Esc and by the close box;
// both answer as the cancelling button, or as OK where OK is the only way on. The file boxes
// show their columns whole.
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/prompt/QtPrompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTreeView>

using namespace zonalyst::ui;

namespace {

// Dismisses the next modal box with `dismiss`, which closes a box at once. A box still open
// after it is counted in `stuck` and closed, so that the test goes on.
void DismissNextBox(const std::function<void(QDialog&)>& dismiss, int& stuck) {
  zonalyst::testing::WhenTrue([] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()) != nullptr; },
                              [dismiss, &stuck] {
                                QPointer<QDialog> box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                                dismiss(*box);
                                if (!box || !box->isVisible()) return;
                                ++stuck;
                                box->done(QDialog::Rejected);
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

  void fileBoxesShowEveryColumnWholeAndGiveThePathChosen() {
    QTemporaryDir dir;
    const QString longName = QStringLiteral("foucault2-simu200f6-unmasked-7zones-effective_M-L_Plot.gif");
    QFile file(dir.filePath(longName));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(17500, 'x')) == 17500);
    file.close();
    QWidget owner;
    owner.show();
    QtPrompter prompter(&owner);
    int stuck = 0;
    // Once the folder is listed, every column is as wide as its texts; then name is chosen.
    const auto choose = [&](const QString& name) {
      DismissNextBox(
          [name](QDialog& box) {
            auto* view = box.findChild<QTreeView*>(QStringLiteral("treeView"));
            const QAbstractItemView& rows = *view;  // its column hints are public
            QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 1);
            for (int column = 0; column < view->model()->columnCount(); ++column) {
              QTRY_VERIFY2(view->columnWidth(column) >= rows.sizeHintForColumn(column), qPrintable(name));
            }
            // Typed, as a user does: the box's own selectFile leaves the name out while the name
            // field has the focus, which it gets at a moment of the window system's choosing.
            box.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
            box.accept();
          },
          stuck);
    };
    choose(QStringLiteral("chosen"));
    QCOMPARE(prompter.saveFile({QStringLiteral("Save Image"), dir.path(), QStringLiteral("m_Surface.gif"),
                                QStringLiteral("Pictures (*.gif);;PNG pictures (*.png)")}),
             dir.filePath(QStringLiteral("chosen.gif")));
    for (const bool several : {true, false}) {
      choose(longName);
      QCOMPARE(prompter.openFiles(
                   {QStringLiteral("Read from Photos"), dir.path(), QStringLiteral("Photos (*.gif)"), several}),
               QStringList{dir.filePath(longName)});
    }
    QCOMPARE(stuck, 0);
  }
};

ZONALYST_QTEST_MAIN(QtPrompterTest)
#include "QtPrompterTest.moc"
