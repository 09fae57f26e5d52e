// The window on a screen of twice the pixel density (QT_SCALE_FACTOR=2, set by the test's
// environment): sharp charts on screen, saved pictures at their logical size.
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"

#include <QGroupBox>
#include <QImage>
#include <QPixmap>

using namespace zonalyst;
using testing::WindowFixture;

class HighDensityTest : public QObject {
  Q_OBJECT
 private slots:
  void liveChartsAreDrawnAtTheScreensDensityAndSavedAtTheirLogicalSize() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones(), QStringLiteral("mirror.fdr"));
    QCOMPARE(f.window->devicePixelRatioF(), 2.0);
    ui::AnalysisView& view = f.panels.surface->view();
    const QPixmap shown = view.picture()->pixmap();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.size(), 2 * view.picture()->size());
    const plot::PixelImage logical = view.pictureImage();
    QCOMPARE(QSize(logical.width, logical.height), view.picture()->size());

    // The saved surface error picture: the frame at its logical size, the chart in it
    // pixel for pixel as the logical picture.
    const QString path = f.folder() + QStringLiteral("/surface.png");
    f.saveImage(path);
    const QImage saved(path, "PNG");
    QCOMPARE(saved.width(), 769);
    QCOMPARE(saved.devicePixelRatio(), 1.0);
    const QString frameName = QStringLiteral("Display_%1").arg(ui::IndexOf(ui::Panel::SurfaceError));
    auto* frame = f.window->findChild<QGroupBox*>(frameName);
    const QPoint corner = view.picture()->mapTo(frame, QPoint(0, 0));
    for (int y = 0; y < logical.height; y += 7) {
      for (int x = 0; x < logical.width; x += 5) {
        QCOMPARE(saved.pixel(corner + QPoint(x, y)) & 0xffffffu, logical.pixels[y * logical.width + x]);
      }
    }

    f.press(Qt::Key_F8);
    QCOMPARE(f.panels.star->view().picture()->pixmap().devicePixelRatio(), 2.0);
    const QString star = f.folder() + QStringLiteral("/star.png");
    f.saveImage(star);
    QCOMPARE(QImage(star, "PNG").size(), QSize(769, 465 + 733));
  }
};

ZONALYST_QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
