#include "core/DiscCrop.h"
#include "tests/support/TestMirror.h"
#include "ui/panel/rules/DiscDrag.h"
#include "ui/panel/rules/KnifePositionText.h"
#include "ui/panel/rules/ZoneTable.h"
#include "ui/photo/rules/PhotoSeries.h"

#include <QtTest>

using namespace zonalyst;
using namespace zonalyst::panel;
using namespace zonalyst::photos;

namespace {

// Zones 1..3 of six: zone 2 read at 10.5 +- 0.004, the others not.
PhotoReadingsResult TwoOfThreeUnread() {
  PhotoReadingsResult result;
  for (const auto& [radius, status] :
       {std::pair{20.0, NullStatus::NearCentre}, {38.0, NullStatus::Read}, {55.25, NullStatus::NoCrossing}}) {
    ZoneNull zone;
    zone.zone = static_cast<int>(result.zones.size()) + 1;
    zone.radiusMm = radius;
    zone.status = status;
    if (status == NullStatus::Read) {
      zone.reading = 10.5;
      zone.uncertainty = 0.004;
    }
    result.zones.push_back(zone);
  }
  return result;
}

}  // namespace

class PhotoRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void seriesTakesPositionsFromNamesAndSaysWhatStopsIt() {
    std::vector<SeriesPhoto> series =
        SeriesOf({QStringLiteral("/p/Image_1.25.png"), QStringLiteral("/p/ke_0.0240in.jpg")});
    QCOMPARE(series[0].position, std::optional(1.25));
    QCOMPARE(series[1].position, std::optional(0.024));
    QCOMPARE(SeriesProblem(series), QString());
    QCOMPARE(SeriesProblem({series[0]}),
             QStringLiteral("Choose at least two photos, taken at different knife positions."));
    series[1].position.reset();
    QCOMPARE(SeriesProblem(series), QStringLiteral("Give the knife position of ke_0.0240in.jpg."));
    series[1].position = 1.25;
    QCOMPARE(SeriesProblem(series),
             QStringLiteral("Image_1.25.png and ke_0.0240in.jpg are at the same knife position."));
    series[1].position = -1e7;
    QCOMPARE(SeriesProblem(series),
             QStringLiteral("The knife position of ke_0.0240in.jpg is beyond the knife's reach (-1000000 to 1000000): "
                            "type it."));
    // Whole numbers 1 apart from the names doubt them; a typed one settles it.
    series = SeriesOf({QStringLiteral("IMG_0041.jpg"), QStringLiteral("IMG_0042.jpg")});
    QCOMPARE(SeriesDoubts(series).size(), 1);
    QVERIFY(SeriesDoubts(series)[0].startsWith(QStringLiteral("The knife positions taken from the names")));
    series[0].source = PositionSource::Typed;
    QCOMPARE(SeriesDoubts(series), QStringList());
  }

  void positionsReadAndShowWithTheUsersSeparator() {
    QCOMPARE(ReadPosition(QStringLiteral(" -0,35 "), QLatin1Char(',')), std::optional(-0.35));
    QCOMPARE(ReadPosition(QStringLiteral("0.35"), QLatin1Char(',')), std::nullopt);
    QCOMPARE(ReadPosition(QStringLiteral("12x"), QLatin1Char('.')), std::nullopt);
    QCOMPARE(ReadPosition(QStringLiteral("inf"), QLatin1Char('.')), std::nullopt);
    QCOMPARE(ReadPosition(QStringLiteral("-1000001"), QLatin1Char('.')), std::nullopt);
    QCOMPARE(PositionText(10.25, QLatin1Char(',')), QStringLiteral("10,25"));
    QCOMPARE(PositionText(std::nullopt, QLatin1Char(',')), QString());
  }

  void theMouseMovesTheDiscFromInsideAndResizesItAtItsRim() {
    const PhotoDisc disc{100.0, 80.0, 50.0};
    QCOMPARE(GrabAt(disc, 100.0, 80.0, 3.0), DiscGrab::Centre);
    QCOMPARE(GrabAt(disc, 148.0, 80.0, 3.0), DiscGrab::Rim);
    QCOMPARE(GrabAt(disc, 100.0, 132.0, 3.0), DiscGrab::Rim);
    QCOMPARE(GrabAt(disc, 160.0, 80.0, 3.0), DiscGrab::None);
    const PhotoDisc moved = Dragged(disc, DiscGrab::Centre, 110.0, 80.0, 120.0, 70.0);
    QCOMPARE(moved.x, 110.0);
    QCOMPARE(moved.y, 70.0);
    QCOMPARE(moved.radius, 50.0);
    QCOMPARE(Dragged(disc, DiscGrab::Rim, 150.0, 80.0, 100.0, 140.0).radius, 60.0);
    QCOMPARE(Dragged(disc, DiscGrab::Rim, 150.0, 80.0, 100.0, 80.5).radius, 2.0);
    QCOMPARE(Dragged(disc, DiscGrab::None, 150.0, 80.0, 0.0, 0.0).x, 100.0);
    // A 400 x 200 frame in a 420 x 420 view: scaled 1.05, centred vertically.
    const FrameFit fit = FrameFit::Of(400, 200, 420, 420);
    QCOMPARE(fit.scale, 1.05);
    QCOMPARE(fit.toViewY(0.0), 105.0);
    QCOMPARE(fit.toFrameX(fit.toViewX(123.0)), 123.0);
    // Magnified 4 times about a point near the right edge: the view stops at the frame's edge.
    const FrameFit zoomed = FrameFit::Zoomed(400, 200, 420, 420, 4.0, 380.0, 100.0);
    QCOMPARE(zoomed.scale, 4.2);
    QCOMPARE(zoomed.toFrameX(420.0), 400.0);
    QCOMPARE(zoomed.toFrameY(210.0), 100.0);
    QCOMPARE(FrameFit::Zoomed(400, 200, 420, 420, 0.5, 380.0, 100.0).scale, 1.05);  // never below the whole
  }

  void zoneRowsGiveReadingsInTheTestsUnitsAndStatusesOfTheOthers() {
    const MirrorTest test = testing::TestMirror();  // its averages never computed: the table averages
    const std::vector<ZoneRow> rows = ZoneRows(test, TwoOfThreeUnread(), QLatin1Char(','));
    QCOMPARE(rows.size(), std::size_t{3});
    const double hand = test.KeReading[2][1];
    QCOMPARE(rows[1], (ZoneRow{"2", "38,0", "10,500", "0,004", QString::fromStdString(StatusText(NullStatus::Read)),
                               QString::number(hand, 'f', 3).replace('.', ','),
                               QString::number(10.5 - hand, 'f', 3).replace('.', ',')}));
    QCOMPARE(rows[2][6], QString());
    QCOMPARE(rows[2][2], QString());
    QCOMPARE(rows[2][4], QString::fromStdString(StatusText(NullStatus::NoCrossing)));
    QCOMPARE(ZoneHeaders(test)[2], QStringLiteral("Photo Reading (mm)"));
  }

  void theCropShowsTheDiscAloneWithItsBrightestPixelWhite() {
    // A 40 x 30 frame, dark but for a bright 10 x 10 square centred on (20, 15).
    GreyFrame frame{40, 30, std::vector<std::uint16_t>(1200, 100)};
    for (int y = 10; y < 20; ++y) {
      for (int x = 15; x < 25; ++x) frame.grey[static_cast<std::size_t>(y) * 40 + x] = 1000;
    }
    const GreyPicture inside = DiscCrop(frame, {20.0, 15.0, 5.0}, 20);
    QCOMPARE(inside.size, 20);
    QCOMPARE(int{inside.at(3, 10)}, 255);
    QCOMPARE(int{inside.at(16, 16)}, 255);
    QCOMPARE(int{inside.at(0, 0)}, 0);  // outside the disc
    const GreyPicture wider = DiscCrop(frame, {20.0, 15.0, 20.0}, 40);
    QCOMPARE(int{wider.at(20, 20)}, 255);
    QCOMPARE(int{wider.at(1, 20)}, 26);  // 100 of 1000
    QCOMPARE(int{wider.at(20, 1)}, 0);   // above the frame
  }
};

QTEST_APPLESS_MAIN(PhotoRulesTest)
#include "PhotoRulesTest.moc"
