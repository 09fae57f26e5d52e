#include "io/TestFileLoader.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/entry/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

// Writes the sample mirror, with this radius of curvature, as folder/name.
void WriteSample(const QString& folder, const QString& name, double roc) {
  MirrorTest test = SampleMirror();
  test.Roc = roc;
  QVERIFY(!WriteTestFile(test, folder, name).empty());
}

// Three tests a, b, c told apart by their radius of curvature, in `folder` or the
// fixture's, shown on the load panel.
void WriteThreeTests(WindowFixture& f, const QString& folder = {}) {
  const QString into = folder.isEmpty() ? f.folder() : folder;
  for (const char* name : {"a", "b", "c"}) {
    WriteSample(into, QString::fromLatin1(name) + ".fdr", 101 + (name[0] - 'a'));
  }
  f.panels.files->setFolder(into);
}

void StartOnThreeTests(WindowFixture& f, const QString& folder = {}) {
  f.startOnLoadPanel();
  WriteThreeTests(f, folder);
}

// Opens `fileName` and types `roc` into the setup panel's radius box, uncommitted.
void TypeRoc(WindowFixture& f, const QString& fileName, const QString& roc) {
  f.openFile(fileName);
  f.press(Qt::Key_F2);
  f.box(4)->setFocus();
  f.type(roc);
}

double RocOnDisk(WindowFixture& f, const char* fileName) {
  return io::LoadTestFile(f.folder().toStdString(), fileName).test->Roc;
}

}  // namespace

class FilePanelTest : public QObject {
  Q_OBJECT

 private slots:
  void listsShowTestFilesAndPreviewTheChosenOneAnUnreadableFolderLeavesThemEmptyAssociationAsksTheShell() {
    WindowFixture f;
    QFile(f.path(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
    QDir(f.folder()).mkdir(QStringLiteral("older"));
    StartOnThreeTests(f);
    QCOMPARE(f.files()->count(), 3);
    QCOMPARE(f.files()->item(0)->text(), QStringLiteral("a.fdr"));
    auto* frame = f.window->findChild<QGroupBox*>(QStringLiteral("FrmSelected"));
    QVERIFY(!frame->isVisible());
    QVERIFY(!f.button(QStringLiteral("chkOpen"))->isEnabled());
    f.files()->setCurrentRow(1);
    QVERIFY(frame->isVisible());
    QVERIFY(f.button(QStringLiteral("chkOpen"))->isEnabled());
    QCOMPARE(f.text(QStringLiteral("lblData_2")), QStringLiteral("Mirror ROC:\n102 Inches"));
    QFile bad(f.path(QStringLiteral("bad.fdr")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("hello\r\n");
    bad.close();
    f.panels.files->refreshFiles();
    f.files()->setCurrentRow(0);  // a.fdr, then the broken one: no stale values
    f.files()->setCurrentItem(f.files()->findItems(QStringLiteral("bad.fdr"), Qt::MatchExactly).front());
    QCOMPARE(f.text(QStringLiteral("lblData_2")), QStringLiteral("Mirror ROC:\nunreadable"));

    auto* folders = f.window->findChild<QListWidget*>(QStringLiteral("Dir1"));
    QCOMPARE(folders->item(0)->text(), QStringLiteral("/"));
    QVERIFY(folders->item(folders->count() - 1)->text().endsWith(QStringLiteral("older")));
    emit folders->itemActivated(folders->item(folders->count() - 1));
    QCOMPARE(f.panels.files->folder(), QDir(f.folder()).filePath(QStringLiteral("older")));
    QCOMPARE(f.files()->count(), 0);

    WriteThreeTests(f);
    const QString missing = QDir(f.folder()).filePath(QStringLiteral("gone"));
    f.panels.files->setFolder(missing);
    QCOMPARE(f.files()->count(), 0);
    QCOMPARE(f.text(QStringLiteral("LblHelp")),
             QStringLiteral("The folder ") + missing + QStringLiteral(" cannot be read; choose another one"));
    const int before = f.fakeAssociation.lookups;
    QTest::mouseClick(f.button(QStringLiteral("File_ass")), Qt::LeftButton);
    QCOMPARE(f.fakeAssociation.lookups, before + 1);
    QVERIFY(f.prompter.messages().empty());  // associated already: nothing to offer
  }

  // What a refused test opens on is the setup panel's test.
  void enterInTheFileListOpensOnTheSurfaceErrorPanel() {
    WindowFixture f;
    f.startOnLoadPanel();
    WriteSample(f.folder(), QStringLiteral("sample.fdr"), 128);
    f.panels.files->refreshFiles();
    f.files()->setCurrentRow(0);
    f.files()->setFocus();
    f.press(Qt::Key_Return);
    QCOMPARE(f.window->currentPanel(), ui::Panel::SurfaceError);
    QVERIFY(f.prompter.messages().empty());
    QCOMPARE(f.window->state().fileName, QStringLiteral("sample.fdr"));
  }

  // In an entry box X and Z are letters: Ctrl+PageDown and Ctrl+PageUp step there.
  void doubleClickOpensSteppingSavesAChangedTestFirstAndPreviousOnTheFirstAndNextOnTheLastStay() {
    WindowFixture f;
    StartOnThreeTests(f);
    const QPoint onA = f.files()->visualItemRect(f.files()->item(0)).center();
    QTest::mouseClick(f.files()->viewport(), Qt::LeftButton, {}, onA);
    QTest::mouseDClick(f.files()->viewport(), Qt::LeftButton, {}, onA);
    QCOMPARE(f.window->currentPanel(), ui::Panel::SurfaceError);
    f.press(Qt::Key_Z);
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    QCOMPARE(f.help(), QStringLiteral("This is the first test of the folder: there is no previous one"));
    f.press(Qt::Key_F2);
    f.box(4)->setFocus();
    f.type(QStringLiteral("99x"));  // a stray letter
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    SaveDiscardAnswer overwrite(QStringLiteral("cmdOverwrite"));
    f.press(Qt::Key_PageDown, Qt::ControlModifier);  // the box being edited commits before the save
    QVERIFY(overwrite.shown());
    QCOMPARE(RocOnDisk(f, "a.fdr"), 99.0);
    QCOMPARE(f.window->state().fileName, QStringLiteral("b.fdr"));
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
    QCOMPARE(f.box(4)->text(), QStringLiteral("102"));
    f.press(Qt::Key_PageDown, Qt::ControlModifier);
    f.press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(f.window->state().test.Roc, 103.0);  // c.fdr
    QCOMPARE(f.window->state().filePosition, 2);
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
    QCOMPARE(f.help(), QStringLiteral("This is the last test of the folder: there is no next one"));
    QVERIFY(f.prompter.messages().empty());
  }

  void steppingGoesOnPastAFileThatDoesNotLoad() {
    WindowFixture f;
    StartOnThreeTests(f);
    QVERIFY(QFile::resize(f.path(QStringLiteral("b.fdr")), qint64{2} << 30));  // sparse, too large to be a test
    f.openFile(QStringLiteral("a.fdr"));
    f.press(Qt::Key_X);
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    QVERIFY2(f.prompter.messages()[0].text.contains(QStringLiteral("too large")),
             qPrintable(f.prompter.messages()[0].text));
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    f.press(Qt::Key_X);
    QCOMPARE(f.window->state().fileName, QStringLiteral("c.fdr"));
    f.press(Qt::Key_Z);
    f.press(Qt::Key_Z);
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    QCOMPARE(f.prompter.messages().size(), std::size_t{2});
  }

  void failedSaveWhileSteppingKeepsTheTestOpen() {
    WindowFixture f;
    const QString sub = QDir(f.folder()).filePath(QStringLiteral("sub"));
    QDir(f.folder()).mkdir(QStringLiteral("sub"));
    StartOnThreeTests(f, sub);
    TypeRoc(f, QStringLiteral("a.fdr"), QStringLiteral("99"));
    f.press(Qt::Key_Return);
    QVERIFY(QDir(sub).removeRecursively());
    f.prompter.clear();
    f.press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    QVERIFY(f.prompter.messages()[0].text.contains(QDir(sub).filePath("a.fdr")));
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    QCOMPARE(f.window->state().test.Roc, 99.0);
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
  }

  void newTestUnderAnExistingNameAsksAgainOnCancelAndSaveDiscardOnF1() {
    WindowFixture f;
    StartOnThreeTests(f);
    const std::string before = ReadFile(f.path(QStringLiteral("a.fdr")));
    f.prompter.answerInput(QStringLiteral("b"));
    f.prompter.answerMessage(ui::MessageAnswer::Cancel);
    f.prompter.answerInput(QStringLiteral("a"));
    f.prompter.answerMessage(ui::MessageAnswer::Ok);
    QTest::mouseClick(f.button(QStringLiteral("chkNew")), Qt::LeftButton);
    QCOMPARE(f.prompter.inputs().size(), std::size_t{2});
    QCOMPARE(f.prompter.inputs()[0].prompt, QStringLiteral("Enter New File Name (without .fdr!)"));
    QCOMPARE(
        f.prompter.messages()[0].text,
        QStringLiteral("File name already exists, what now?\r\nPress Ok to erase existing file and start new file\r\n"
                       "Press Cancel to try a new file name"));
    QCOMPARE(f.prompter.messages()[0].buttons, ui::MessageButtons::OkCancel);
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    QCOMPARE(f.box(4)->text(), QStringLiteral("128"));

    SaveDiscardAnswer discard(QStringLiteral("cmdDiscard"));
    f.press(Qt::Key_F1);
    QCOMPARE(discard.label(), QStringLiteral("The contents of file a.fdr have changed, what do you want to do now?"));
    QCOMPARE(ReadFile(f.path(QStringLiteral("a.fdr"))), before);
    QCOMPARE(f.window->currentPanel(), ui::Panel::Load);
    QVERIFY(!f.window->state().testOpen());
  }

  void nameWithTheExtensionIsRefused() {
    WindowFixture f;
    f.startOnLoadPanel();
    f.prompter.answerInput(QStringLiteral("new.fdr"));
    f.prompter.answerMessage(ui::MessageAnswer::Ok);
    f.prompter.answerInput(QStringLiteral("new"));
    QTest::mouseClick(f.button(QStringLiteral("chkNew")), Qt::LeftButton);
    QCOMPARE(f.prompter.messageTexts(), QStringList{QStringLiteral("File name is not valid, try again")});
    QCOMPARE(f.window->state().fileName, QStringLiteral("new.fdr"));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("new.fdr"))));
    // A name not yet on disk is written at the next save without a question, with a new test's defaults.
    SaveDiscardAnswer none(QStringLiteral("cmdDiscard"));
    f.press(Qt::Key_F1);
    QVERIFY(!none.shown());
    const io::LoadResult written = io::LoadTestFile(f.folder().toStdString(), "new.fdr");
    QVERIFY(written.ok());
    QCOMPARE(written.test->Roc, 128.0);
  }

  void saveAsOverAnExistingNameWritesThatFile() {
    WindowFixture f;
    StartOnThreeTests(f);
    const std::string a = ReadFile(f.path(QStringLiteral("a.fdr")));
    TypeRoc(f, QStringLiteral("a.fdr"), QStringLiteral("77"));
    f.press(Qt::Key_Return);
    f.prompter.answerInput(QString());  // an empty answer leaves the choice open
    f.prompter.answerInput(QStringLiteral("c"));
    f.prompter.answerMessage(ui::MessageAnswer::Ok);
    SaveDiscardAnswer saveAs({QStringLiteral("cmdSaveAs"), QStringLiteral("cmdSaveAs")});
    f.press(Qt::Key_F1);
    QCOMPARE(f.prompter.inputs().size(), std::size_t{2});
    QCOMPARE(RocOnDisk(f, "c.fdr"), 77.0);
    QCOMPARE(ReadFile(f.path(QStringLiteral("a.fdr"))), a);
  }

  void unchangedTestSavesNothingAndAsksNothingAndClosingTheQuestionMeansNotNow() {
    WindowFixture f;
    StartOnThreeTests(f);
    const QDateTime written = QFileInfo(f.path(QStringLiteral("b.fdr"))).lastModified();
    f.openFile(QStringLiteral("b.fdr"));
    f.press(Qt::Key_F2);
    f.press(Qt::Key_F3);
    {
      SaveDiscardAnswer none(QStringLiteral("cmdOverwrite"));
      f.press(Qt::Key_F1);
      QVERIFY(!none.shown());
    }
    QVERIFY(f.prompter.messages().empty());
    QCOMPARE(QFileInfo(f.path(QStringLiteral("b.fdr"))).lastModified(), written);
    QCOMPARE(QDir(f.folder()).entryList(QDir::Files).size(), 3);

    // Back on the load panel a click on a file offers it for opening again.
    auto* open = f.button(QStringLiteral("chkOpen"));
    QVERIFY(!open->isEnabled());
    const QPoint onA = f.files()->visualItemRect(f.files()->item(0)).center();
    QTest::mouseClick(f.files()->viewport(), Qt::LeftButton, {}, onA);
    QVERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    const std::string a = ReadFile(f.path(QStringLiteral("a.fdr")));
    f.press(Qt::Key_F2);
    f.box(4)->setFocus();
    f.type(QStringLiteral("77"));
    for (const auto& [leave, modifiers] : {std::pair{Qt::Key_F1, Qt::KeyboardModifiers()},
                                           std::pair{Qt::Key_PageDown, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
      SaveDiscardAnswer close{QStringList{QString()}};
      f.press(leave, modifiers);
      QVERIFY(close.shown());
      QCOMPARE(ReadFile(f.path(QStringLiteral("a.fdr"))), a);
      QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
      QCOMPARE(f.window->state().test.Roc, 77.0);
    }
  }

  void aReadOnlyTestLeftByF1AStepOrExitStaysOpenAndCanBeSavedElsewhere() {
    WindowFixture f;
    StartOnThreeTests(f);
    const QString a = f.path(QStringLiteral("a.fdr"));
    const std::string before = ReadFile(a);
    QFile::setPermissions(a, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    TypeRoc(f, QStringLiteral("a.fdr"), QStringLiteral("99"));
    f.press(Qt::Key_Return);
    const QString expected = QStringLiteral("The test could not be saved.\r\nCould not write \"") + a +
                             QStringLiteral("\": it is read-only\r\nThe test stays open; nothing was lost.");
    const auto leave = [&f](const std::function<void()>& how) {
      f.prompter.clear();
      SaveDiscardAnswer overwrite(QStringLiteral("cmdOverwrite"));
      how();
      QVERIFY(overwrite.shown());
    };
    leave([&f] { f.press(Qt::Key_F1); });
    leave([&f] { f.press(Qt::Key_PageDown, Qt::ControlModifier); });
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    QCOMPARE(f.prompter.messages()[0].text, expected);
    QCOMPARE(f.prompter.messages()[0].buttons, ui::MessageButtons::OkSaveElsewhere);
    QCOMPARE(f.prompter.messages()[0].icon, ui::MessageIcon::Critical);
    leave([&f] {
      f.press(Qt::Key_Escape);
      QTest::mouseClick(f.button(QStringLiteral("chkExit")), Qt::LeftButton);
    });
    QCOMPARE(f.prompter.messages()[0].text,
             expected + QStringLiteral("\r\nPress the exit button again to leave without saving."));
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
    QCOMPARE(f.window->state().fileName, QStringLiteral("a.fdr"));
    QCOMPARE(f.window->state().test.Roc, 99.0);
    QCOMPARE(ReadFile(a), before);

    // Save elsewhere: the platform's dialog in the documents folder; the test goes where chosen.
    const QString elsewhere = QDir(f.folder()).filePath(QStringLiteral("elsewhere"));
    QDir(f.folder()).mkdir(QStringLiteral("elsewhere"));
    f.prompter.clear();
    f.prompter.answerMessage(ui::MessageAnswer::SaveElsewhere);
    f.prompter.answerSaveFile(QDir(elsewhere).filePath(QStringLiteral("moved")));
    SaveDiscardAnswer overwrite(QStringLiteral("cmdOverwrite"));
    f.press(Qt::Key_F1);
    QCOMPARE(f.prompter.saveFiles().size(), std::size_t{1});
    QCOMPARE(f.prompter.saveFiles()[0].folder, ui::DocumentsFolder());
    QCOMPARE(io::LoadTestFile(elsewhere.toStdString(), "moved.fdr").test->Roc, 99.0);
    QCOMPARE(ReadFile(a), before);
    QCOMPARE(f.window->currentPanel(), ui::Panel::Load);
    QCOMPARE(f.panels.files->folder(), elsewhere);
    QCOMPARE(f.prompter.unexpected(), 0);
  }

  void aTestInAReadOnlyFolderStaysOpenWhenLeft() {
    WindowFixture f;
    f.startOnLoadPanel();
    const QString folder = QDir(f.folder()).filePath(QStringLiteral("mounted"));
    QDir(f.folder()).mkdir(QStringLiteral("mounted"));
    const auto mount = [&folder](const QStringList& options) {
      return QProcess::execute(QStringLiteral("mount"), QStringList{QStringLiteral("-t"), QStringLiteral("tmpfs")} +
                                                            options + QStringList{QStringLiteral("tmpfs"), folder}) ==
             0;
    };
    if (!mount({QStringLiteral("-o"), QStringLiteral("size=1m")}))
      QSKIP("this machine does not allow mounting a folder");
    const auto unmount = qScopeGuard([&folder] { QProcess::execute(QStringLiteral("umount"), {folder}); });
    WriteThreeTests(f, folder);
    QVERIFY(mount({QStringLiteral("-o"), QStringLiteral("remount,ro")}));
    TypeRoc(f, QStringLiteral("a.fdr"), QStringLiteral("99"));
    SaveDiscardAnswer overwrite(QStringLiteral("cmdOverwrite"));
    f.press(Qt::Key_F1);
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    QVERIFY2(f.prompter.messages()[0].text.contains(QDir(folder).filePath("a.fdr") + "\": it is read-only\r\n"),
             qPrintable(f.prompter.messages()[0].text));
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
    QCOMPARE(f.window->state().test.Roc, 99.0);
    QCOMPARE(io::LoadTestFile(folder.toStdString(), "a.fdr").test->Roc, 101.0);
  }

  void ctrlSSavesAtOnceStaysOnThePanelAndAFailureOffersElsewhere() {
    WindowFixture f;
    StartOnThreeTests(f);
    const QString a = f.path(QStringLiteral("a.fdr"));
    TypeRoc(f, QStringLiteral("a.fdr"), QStringLiteral("88"));
    const auto ctrlS = [&f] {
      SaveDiscardAnswer question(QStringLiteral("cmdDiscard"));
      QTest::keyClick(f.window->focusWidget(), Qt::Key_S, Qt::ControlModifier);
      QVERIFY(!question.shown());
      // The window is active again once the question has gone, as on a desktop.
      f.window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(f.window));
    };
    ctrlS();
    QCOMPARE(RocOnDisk(f, "a.fdr"), 88.0);
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
    QCOMPARE(f.focusedName(), QStringLiteral("Text1_4"));
    QTRY_COMPARE(f.help(), QStringLiteral("Saved to ") + a);
    ctrlS();
    QCOMPARE(f.help(), QStringLiteral("There is nothing to save: ") + a + QStringLiteral(" already holds the test."));

    QFile::setPermissions(a, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    f.box(4)->selectAll();
    f.type(QStringLiteral("66"));
    f.prompter.answerMessage(ui::MessageAnswer::Ok);
    ctrlS();
    QCOMPARE(f.prompter.messages().back().buttons, ui::MessageButtons::OkSaveElsewhere);
    QCOMPARE(RocOnDisk(f, "a.fdr"), 88.0);
    QCOMPARE(f.window->state().test.Roc, 66.0);

    const QString moved = QDir(f.folder()).filePath(QStringLiteral("moved.fdr"));
    f.prompter.answerMessage(ui::MessageAnswer::SaveElsewhere);
    f.prompter.answerSaveFile(moved);
    ctrlS();
    QCOMPARE(RocOnDisk(f, "moved.fdr"), 66.0);
    QCOMPARE(f.window->state().fileName, QStringLiteral("moved.fdr"));
    QVERIFY(
        f.window->findChild<QGroupBox*>(QStringLiteral("Display_2"))->title().contains(QStringLiteral("moved.fdr")));
    QTRY_COMPARE(f.help(), QStringLiteral("Saved to ") + moved);
  }

  void theLoadPanelStartsInTheProgramsFolderOnlyWhenItIsWritable() {
    QTemporaryDir installed;
    QCOMPARE(ui::StartFolder(installed.path()), installed.path());
    // Permission bits decide, so that an administrator, whom nothing stops, sees it too.
    QFile::setPermissions(installed.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QCOMPARE(ui::StartFolder(installed.path()), ui::DocumentsFolder());
    QVERIFY(QFileInfo(ui::DocumentsFolder()).isDir());
    QFile::setPermissions(installed.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
};

ZONALYST_QTEST_MAIN(FilePanelTest)
#include "FilePanelTest.moc"
