// The freedesktop association under a temporary data folder: offered by the window,
// registered, and found again through the MIME database and the mimeapps list.
#include "platform/XdgFileAssociation.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>

using namespace zonalyst;
using namespace zonalyst::platform;

namespace {

QString ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The MIME database looks for new files at most every few seconds.
AssociationLookup FindAfterRescan(FileAssociation& association) {
  AssociationLookup lookup = association.find();
  for (int i = 0; i < 8 && !lookup.associated; ++i) {
    QTest::qWait(1000);
    lookup = association.find();
  }
  return lookup;
}

}  // namespace

class FileAssociationTest : public QObject {
  Q_OBJECT
 private slots:
  void execLineQuotesTheProgramPath() {
    QCOMPARE(DesktopExecLine(QStringLiteral("/opt/My Tools/zonalyst")),
             QStringLiteral("\"/opt/My Tools/zonalyst\" %f"));
    QCOMPARE(DesktopExecLine(QStringLiteral("/opt/a\"b$c/zonalyst")),
             QStringLiteral("\"/opt/a\\\\\"b\\\\$c/zonalyst\" %f"));
    for (const QString& path : {QStringLiteral("/opt/My Tools/zonalyst"), QStringLiteral("/opt/a\"b$c/zonalyst"),
                                QStringLiteral("/opt/back\\slash/zonalyst")}) {
      QCOMPARE(ExecProgram(DesktopExecLine(path)), path);
    }
    QCOMPARE(ExecProgram(QStringLiteral("gedit %U")), QStringLiteral("gedit"));
    QCOMPARE(ShellOpenCommand("C:\\Program Files\\Zonalyst\\zonalyst.exe"),
             std::string("\"C:\\Program Files\\Zonalyst\\zonalyst.exe\" \"%1\""));
  }

  void offeredRegisteredAndFoundAgain() {
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QVERIFY(!data.isEmpty());
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), data);
    const QString program = QDir(data).filePath(QStringLiteral("My Programs/bin/zonalyst"));
    XdgFileAssociation association(program);

    testing::WindowFixture f;
    f.association = &association;
    f.prompter.answerMessage(ui::MessageAnswer::Yes);
    f.start();
    QCOMPARE(f.prompter.messageTexts(),
             QStringList{QStringLiteral("*.fdr file are currently associated with NO_ASSOCIATION\r\n"
                                        "Do you want to Associate Fdr files with Zonalyst?")});

    // The MIME database's and the mimeapps list's entries show in what is found again below.
    const QString entry = ReadAll(data + "/applications/zonalyst.desktop");
    QVERIFY2(entry.contains(QStringLiteral("Exec=\"") + program + QStringLiteral("\" %f\n")), qPrintable(entry));
    QVERIFY(entry.contains(QStringLiteral("MimeType=application/x-zonalyst-test;\n")));

    const AssociationLookup after = FindAfterRescan(association);
    QVERIFY(after.associated);
    QCOMPARE(QString::fromStdString(after.result), program);
    QCOMPARE(QMimeDatabase().mimeTypeForFile(QStringLiteral("m.fdr"), QMimeDatabase::MatchExtension).name(),
             QStringLiteral("application/x-zonalyst-test"));

    // Registering twice keeps one default entry, and the start-up then stays silent.
    QCOMPARE(association.registerAssociation(), std::string());
    QCOMPARE(ReadAll(data + "/applications/mimeapps.list").count(QStringLiteral("application/x-zonalyst-test=")), 1);
    testing::WindowFixture again;
    again.association = &association;
    again.start();
    QVERIFY(again.prompter.messages().empty());
  }
};

ZONALYST_QTEST_MAIN(FileAssociationTest)
#include "FileAssociationTest.moc"
