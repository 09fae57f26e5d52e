// The long runs of the analysis panels in the real window: best-fit conic search, Monte
// Carlo run, and the image export of F9.
#include "plot/RasterSurface.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/GifProgressWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <numeric>

using namespace zonalyst;
using testing::WhenModalOpens;
using testing::WhenTrue;
using testing::WindowFixture;

namespace {

QPushButton* Button(QWidget& parent, const char* name) {
  auto* button = parent.findChild<QPushButton*>(QString::fromLatin1(name));
  if (button == nullptr) qFatal("no button %s", name);
  return button;
}

// Counts of the raw data table: column 1 (Strehl) or 3 (RMS) of the rows 0..100.
QList<int> TableCounts(const std::string& rawData, int column) {
  QList<int> counts;
  const QStringList rows = QString::fromStdString(rawData).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  for (qsizetype r = 1; r < rows.size(); ++r) counts << rows[r].split(QLatin1Char('\t'))[column].toInt();
  return counts;
}

QString ExplanationText(WindowFixture& f) {
  return f.panels.surface->explanation()->findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

QStringList SurfaceResults(WindowFixture& f) {
  QStringList texts;
  for (int i = 0; i < 6; ++i) texts << f.text(QStringLiteral("lblRslt_%1").arg(i));
  return texts;
}

// GO with every zone's standard deviation typed as 0 (the warning answered by the caller).
void GoWithoutScatter(QDialog& setup) {
  for (QLineEdit* box : setup.findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^txtMan_")))) {
    box->setText(QStringLiteral("0"));
  }
  Click(Button(setup, "Command2_2"));
}

// Opens the readings of a perfect paraboloid entered with a desired conic 0.
void OpenParaboloidAsSphere(WindowFixture& f) {
  MirrorTest test = testing::TestMirror();
  test.DesiredConic = 0.0;
  f.open(test, QStringLiteral("para.fdr"));
}

}  // namespace

class AnalysisRunsTest : public QObject {
  Q_OBJECT
 private slots:
  void monteCarloCancelChangesNothingBestFitConicOfAParaboloidEndsNearMinusOneNoRestoresYesKeeps() {
    WindowFixture f;
    OpenParaboloidAsSphere(f);
    const MirrorTest start = f.window->state().test;
    const plot::PixelImage before = f.panels.surface->view().pictureImage();
    const QStringList results = SurfaceResults(f);
    // One reading set: the set-up offers the assumed scatter.
    QString calculated;
    QString mean;
    WhenModalOpens(QStringLiteral("MC_Setup"), [&](QDialog& setup) {
      calculated = setup.findChild<QLabel*>(QStringLiteral("lblCalc_0"))->text();
      mean = setup.findChild<QLineEdit*>(QStringLiteral("Text1_0"))->text();
      Click(Button(setup, "Command3"));
    });
    Click(f.panels.surface->monteCarloButton());
    QCOMPARE(calculated, QStringLiteral("0.1270"));
    QCOMPARE(mean, QStringLiteral("0.1270"));
    QCOMPARE(f.window->state().test.KeAverage, start.KeAverage);
    QVERIFY(!f.window->state().test.MonteCarloRunning);
    QVERIFY(f.window->state().monteCarlo.rawData.empty());
    QVERIFY(f.panels.surface->view().pictureImage().pixels == before.pixels);
    QVERIFY(f.panels.surface->explanation() == nullptr);

    f.prompter.answerMessage(ui::MessageAnswer::No);
    Click(f.panels.surface->conicButton());
    QCOMPARE(f.prompter.messages().size(), size_t{1});
    const ui::MessageRequest& question = f.prompter.messages().back();
    QCOMPARE(question.title, QStringLiteral("Best fit Conic Constatn"));
    QCOMPARE(question.buttons, ui::MessageButtons::YesNo);
    QCOMPARE(question.defaultButton, ui::MessageAnswer::No);
    const QRegularExpression text(
        QStringLiteral("^Best fit Conic Constant = (-[01][.0-9]*)\r\nDo You wish to retain this "
                       "Deformation\\?\r\nProbably NOT A GOOD IDEA! $"));
    const QRegularExpressionMatch match = text.match(question.text);
    QVERIFY2(match.hasMatch(), qPrintable(question.text));
    QVERIFY(std::abs(match.captured(1).toDouble() + 1.0) <= 0.0015);
    QCOMPARE(f.window->state().test.DesiredConic, 0.0);
    // The panel is drawn again for the constant kept.
    QCOMPARE(SurfaceResults(f), results);
    QVERIFY(f.panels.surface->view().pictureImage().pixels == before.pixels);

    f.prompter.answerMessage(ui::MessageAnswer::Yes);
    Click(f.panels.surface->conicButton());
    QVERIFY(std::abs(f.window->state().test.DesiredConic + 1.0) <= 0.0015);
  }

  void escOrASecondClickStopsTheSearchAndFunctionKeysWaitForIt() {
    WindowFixture f;
    // Far from the best fit, so that the panel shows the search on its way.
    MirrorTest start = testing::TestMirror();
    start.DesiredConic = 100.0;
    f.open(start);
    f.prompter.answerMessage(ui::MessageAnswer::No);
    double reached = 0.0;
    const MirrorTest& test = f.window->state().test;
    WhenTrue([&] { return test.DesiredConic != 100.0; },
             [&] {
               f.press(Qt::Key_F5);
               QTest::keyClick(f.window, Qt::Key_S, Qt::ControlModifier);
               reached = test.DesiredConic;
               f.press(Qt::Key_Escape);
             });
    Click(f.panels.surface->conicButton());
    QCOMPARE(f.window->currentPanel(), ui::Panel::SurfaceError);
    QCOMPARE(f.saveAnswer.asked, 0);  // Ctrl+S waited too
    QCOMPARE(f.prompter.messages().size(), size_t{1});
    QVERIFY(reached > 50.0);  // stopped early, long before the best fit
    QCOMPARE(test.DesiredConic, 100.0);

    // Stopped by a second click, Yes keeps the value reached so far.
    f.prompter.answerMessage(ui::MessageAnswer::Yes);
    WhenTrue([&] { return test.DesiredConic != 100.0; }, [&] { Click(f.panels.surface->conicButton()); });
    Click(f.panels.surface->conicButton());
    QCOMPARE(f.prompter.messages().size(), size_t{2});
    QVERIFY(test.DesiredConic > 50.0);
  }

  void monteCarloWithoutScatterPutsEveryTrialIntoOneBinAndASuppressedExplanationIsNotShown() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones());
    const MirrorTest before = f.window->state().test;
    const QString strehl = f.text(QStringLiteral("lblRslt_4"));
    f.prompter.answerMessage(ui::MessageAnswer::Yes);  // run without scatter after all
    WhenModalOpens(QStringLiteral("MC_Setup"), GoWithoutScatter);
    // The button's looks as the events between the trials find them: red and back, blinking.
    QSet<QString> styles;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { styles << f.panels.surface->monteCarloButton()->styleSheet(); });
    watch.start(0);
    Click(f.panels.surface->monteCarloButton());
    watch.stop();

    QCOMPARE(styles, (QSet<QString>{QString(), QStringLiteral("background-color: rgb(255, 0, 0);")}));
    QCOMPARE(f.panels.surface->lastTrials(), 10000);
    const QList<int> strehlCounts = TableCounts(f.window->state().monteCarlo.rawData, 1);
    QCOMPARE(strehlCounts.size(), 101);
    QCOMPARE(*std::max_element(strehlCounts.begin(), strehlCounts.end()), 10000);
    const plot::MonteCarloChartRanges& ranges = f.panels.surface->lastRanges();
    QVERIFY(ranges.strehl && ranges.strehl->lower68 == ranges.strehl->upper68);
    QCOMPARE(f.text(QStringLiteral("lblRslt_4")), strehl);
    QCOMPARE(f.window->state().test.KeAverage, before.KeAverage);
    QVERIFY(!f.window->state().test.MonteCarloRunning);
    QVERIFY(f.panels.surface->explanation() != nullptr);
    f.panels.surface->explanation()->close();
    QTRY_VERIFY(f.panels.surface->explanation() == nullptr);

    // Suppressed in the set-up, the explanation is not shown.
    f.prompter.answerMessage(ui::MessageAnswer::Yes);
    WhenModalOpens(QStringLiteral("MC_Setup"), [](QDialog& setup) {
      QTest::mouseClick(setup.findChild<QCheckBox*>(QStringLiteral("ChkDisplayafter")), Qt::LeftButton);
      GoWithoutScatter(setup);
    });
    Click(f.panels.surface->monteCarloButton());
    QCOMPARE(f.settings->read("Global", "Show_MC_Dialog"), std::string("True"));
    QVERIFY(f.panels.surface->explanation() == nullptr);
    QVERIFY(f.prompter.messageTexts().front().startsWith(QStringLiteral("A standard deviation of 0 for every zone")));
  }

  void anAbortRunsTheEndSequenceWithTheTrialsDoneAndKeysAreIgnored() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones());
    testing::WriteTestFile(testing::TestMirror(), f.folder(), QStringLiteral("n.fdr"));
    const MirrorTest before = f.window->state().test;
    const QString rms = f.text(QStringLiteral("lblRslt_5"));
    // A constant changed behind the panel's back: the end of the run shows its best fit.
    f.window->state().test.DesiredConic = -0.5;
    const QString rocCaption = f.text(QStringLiteral("Offset_0"));
    QString captionDuringRun;
    WhenModalOpens(QStringLiteral("MC_Setup"), [&](QDialog& setup) {
      // Pressed again once the charts have been drawn.
      WhenTrue([&] { return f.panels.surface->lastRanges().strehl.has_value(); },
               [&] {
                 captionDuringRun = f.panels.surface->monteCarloButton()->text();
                 f.press(Qt::Key_F6);
                 f.press(Qt::Key_X);
                 QTest::keyClick(f.window, Qt::Key_S, Qt::ControlModifier);
                 Click(f.panels.surface->monteCarloButton());
               });
      Click(Button(setup, "Command2_2"));
    });
    Click(f.panels.surface->monteCarloButton());

    QCOMPARE(captionDuringRun, QStringLiteral("Press to Abort MC Analysis!"));
    QCOMPARE(f.window->currentPanel(), ui::Panel::SurfaceError);
    QCOMPARE(f.window->state().fileName, QStringLiteral("m.fdr"));
    QCOMPARE(f.saveAnswer.asked, 0);
    const int trials = f.panels.surface->lastTrials();
    QVERIFY(trials > 0 && trials < 10000);
    QVERIFY(!f.window->state().test.MonteCarloRunning);
    QVERIFY(!f.window->state().test.MonteCarloAbort);
    QCOMPARE(f.window->state().test.KeAverage, before.KeAverage);
    QVERIFY(f.text(QStringLiteral("lblRslt_5")) != rms);
    QVERIFY(f.text(QStringLiteral("Offset_0")) != rocCaption);
    QCOMPARE(f.panels.surface->monteCarloButton()->text(), QStringLiteral("Run Monte Carlo Analysis"));
    QVERIFY(f.panels.surface->monteCarloButton()->styleSheet().isEmpty());

    // The charts are those of every trial done: drawn again from the table, the same picture.
    const std::string& table = f.window->state().monteCarlo.rawData;
    const QList<int> strehlCounts = TableCounts(table, 1);
    const QList<int> rmsCounts = TableCounts(table, 3);
    QCOMPARE(std::accumulate(strehlCounts.begin(), strehlCounts.end(), 0), trials);
    plot::MonteCarloChartData data{.trials = trials, .meanSd = f.window->state().monteCarlo.meanStdDev};
    std::copy(strehlCounts.begin(), strehlCounts.end(), data.strehl.begin());
    std::copy(rmsCounts.begin(), rmsCounts.end(), data.rms.begin());
    const plot::PixelImage shown = f.panels.surface->view().pictureImage();
    plot::RasterSurface again(shown.width, shown.height);
    const plot::MonteCarloChartRanges ranges = plot::DrawMonteCarloCharts(again, data);
    QVERIFY(again.toPixelImage().pixels == shown.pixels);
    // The explanation states their ranges.
    QVERIFY(f.panels.surface->explanation() != nullptr);
    QVERIFY(ranges.strehl && ranges.strehl->reached68());
    QVERIFY(ExplanationText(f).contains(
        QStringLiteral("+/- 1 sigma results in a Strehl between %1 and %2\n")
            .arg(QString::number(ranges.strehl->lower68 / 100.0), QString::number(ranges.strehl->upper68 / 100.0))));
    f.panels.surface->explanation()->close();
  }

  void theWindowsRunGivesTheCommandLinesHistogramsRangesAndExplanation() {
    WindowFixture f;
    f.startOnExample(QStringLiteral("foucault2-becoulet200-moving-4sets.fdr"));
    f.window->state().random = UniformSource(7);
    // GO with the scatter calculated from the reading sets, as the command line's default.
    WhenModalOpens(QStringLiteral("MC_Setup"), [](QDialog& setup) { Click(Button(setup, "Command2_2")); });
    Click(f.panels.surface->monteCarloButton());

    QProcess cli;
    cli.start(QStringLiteral(ZONALYST_CLI),
              {QStringLiteral("montecarlo"), f.path(QStringLiteral("foucault2-becoulet200-moving-4sets.fdr")),
               QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--raw")});
    QVERIFY(cli.waitForFinished(100000));
    QCOMPARE(cli.exitCode(), 0);
    const std::string out = cli.readAllStandardOutput().toStdString();
    const QString explanation = ExplanationText(f);
    const QStringList ranges = QString::fromStdString(out).split(QLatin1Char('\n')).filter(QStringLiteral(" sigma "));
    QCOMPARE(ranges.size(), 4);
    for (const QString& line : ranges) QVERIFY2(explanation.contains(line), qPrintable(line));
    std::string table = f.window->state().monteCarlo.rawData;
    std::erase(table, '\r');
    QVERIFY(out.ends_with("\n" + table));
  }

  void f9ProposesEachPanelsNameSavesGifOrPngAndAFailedWriteSaysSo() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones(), QStringLiteral("mirror.fdr"));
    const QStringList filesBefore = QDir(f.folder()).entryList(QDir::Files);
    const std::pair<Qt::Key, const char*> panels[] = {{Qt::Key_F4, "mirror_Surface.gif"},
                                                      {Qt::Key_F5, "mirror_M-L_Plot.gif"},
                                                      {Qt::Key_F6, "mirror_Trans_Err.gif"},
                                                      {Qt::Key_F7, "mirror_Diffraction.gif"},
                                                      {Qt::Key_F8, "mirror_Star_Test.gif"}};
    for (const auto& [key, name] : panels) {
      f.press(key);
      f.saveImage(std::nullopt);
      QCOMPARE(f.prompter.saveFiles().back().fileName, QString::fromLatin1(name));
    }
    QCOMPARE(f.prompter.saveFiles().back().filter, QStringLiteral("Pictures (*.gif);;PNG pictures (*.png)"));
    QCOMPARE(f.prompter.messages().back().text,
             QStringLiteral("Do you want to save the image Inverted (White back Ground)?"));
    QCOMPARE(f.prompter.messages().back().buttons, ui::MessageButtons::YesNo);
    QCOMPARE(f.prompter.unexpected(), 0);
    QCOMPARE(QDir(f.folder()).entryList(QDir::Files), filesBefore);

    // A saved GIF holds the panel and the report, inverted on request.
    f.press(Qt::Key_F6);
    f.slider(QStringLiteral("HScroll1_1"))->setValue(1700);
    QString titleDuringSave;
    bool busyDuringSave = false;
    // Looks at the progress window from the events the save lets run.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      auto* progress = f.window->findChild<ui::GifProgressWindow*>(QStringLiteral("Gif_Prog"));
      if (progress == nullptr || !progress->isVisible() || !titleDuringSave.isEmpty()) return;
      titleDuringSave = progress->windowTitle();
      busyDuringSave =
          QApplication::overrideCursor() != nullptr && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    watch.start(0);
    const QString plain = f.folder() + QStringLiteral("/plain.gif");
    f.saveImage(plain);
    watch.stop();
    QVERIFY(titleDuringSave.startsWith(QStringLiteral("Saving image")));
    QVERIFY(busyDuringSave);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // The panel is drawn again: the slider back in the middle.
    QCOMPARE(f.slider(QStringLiteral("HScroll1_1"))->value(), 1500);

    const QString inverted = f.folder() + QStringLiteral("/inverted");
    f.saveImage(inverted, true);

    const QImage plainImage(plain);
    const QImage invertedImage(inverted + QStringLiteral(".gif"));
    QCOMPARE(plainImage.width(), 769);
    QVERIFY(plainImage.height() >= 465 + 300);
    QCOMPARE(invertedImage.size(), plainImage.size());
    const QPoint reportCorner(2, plainImage.height() - 2);
    QCOMPARE(plainImage.pixelColor(reportCorner), QColor(Qt::black));
    QCOMPARE(invertedImage.pixelColor(reportCorner), QColor(Qt::white));

    // The star test saves three stacked images, here as PNG.
    f.press(Qt::Key_F8);
    f.slider(QStringLiteral("HScroll1_3"))->setValue(1);
    const plot::PixelImage userPicture = f.panels.star->view().pictureImage();
    const QString path = f.folder() + QStringLiteral("/star.png");
    f.saveImage(path);
    QCOMPARE(QImage(path, "PNG").size(), QSize(769, 465 + 733));
    // The panel returns to the user's own defocus, slider and picture.
    QCOMPARE(f.slider(QStringLiteral("HScroll1_3"))->value(), 1);
    QVERIFY(f.panels.star->view().pictureImage().pixels == userPicture.pixels);

    // A writer failure restores the pointer and closes the progress window.
    const QString missing = f.folder() + QStringLiteral("/missing/folder/x.gif");
    f.saveImage(missing);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(f.window->findChild<ui::GifProgressWindow*>() == nullptr);
    const ui::MessageRequest& report = f.prompter.messages().back();
    QVERIFY2(report.text.startsWith(QStringLiteral("The image could not be saved.\r\nCould not write \"") + missing +
                                    QStringLiteral("\": ")),
             qPrintable(report.text));
    QCOMPARE(report.text.count(missing), 1);
    QVERIFY(report.text.endsWith(QStringLiteral("\r\nNothing was written.")));
    QVERIFY(!QFile::exists(missing));
  }
};

ZONALYST_QTEST_MAIN(AnalysisRunsTest)
#include "AnalysisRunsTest.moc"
