#include "ReadingSetQuestion.h"

#include "core/ReadingsValidation.h"

namespace zonalyst::ui {
namespace {

QString Zones(const std::vector<int>& zones) { return QString::fromStdString(ZoneListText(zones)); }

}  // namespace

QString FillReadingSetAsking(MirrorTest& test, const ZoneReadings& readings, int set, const QString& source,
                             Prompter& prompter, const QString& title) {
  MirrorTest filled = test;
  ReadingSetFill fill = FillReadingSet(filled, readings, set, UnmeasuredZones::Refuse);
  if (fill.outcome == ReadingSetFill::Outcome::Unmeasured) {
    const bool one = fill.unmeasured.size() == 1;
    const QString written = AnyReading(test)
                                ? QStringLiteral("its mean of the other sets, which would then seem to agree")
                                : QStringLiteral("0, which was never measured");
    MessageRequest ask;
    ask.title = title;
    ask.icon = MessageIcon::Question;
    ask.buttons = MessageButtons::YesNo;
    ask.defaultButton = MessageAnswer::No;
    ask.text = (one ? QStringLiteral("Zone %1 has no reading %4, and set %2 holds no measured value there.\r\n"
                                     "Fill Set %2 anyway, with zone %1 taking %3?")
                    : QStringLiteral("Zones %1 have no reading %4, and set %2 holds no measured value there.\r\n"
                                     "Fill Set %2 anyway, with each of them taking %3?"))
                   .arg(Zones(fill.unmeasured))
                   .arg(set)
                   .arg(written, source);
    if (prompter.message(ask) != MessageAnswer::Yes) return QStringLiteral("Set %1 was left as it was.").arg(set);
    filled = test;
    fill = FillReadingSet(filled, readings, set, UnmeasuredZones::Accept);
  }
  if (fill.outcome != ReadingSetFill::Outcome::Filled) return {};
  test = filled;
  QString text = fill.filled == 1
                     ? QStringLiteral("Set %1 holds 1 reading %2.").arg(set).arg(source)
                     : QStringLiteral("Set %1 holds %2 readings %3.").arg(set).arg(fill.filled).arg(source);
  if (!fill.kept.empty()) {
    text += (fill.kept.size() == 1 ? QStringLiteral(" Zone %1 keeps its value.")
                                   : QStringLiteral(" Zones %1 keep their values."))
                .arg(Zones(fill.kept));
  }
  if (!fill.unmeasured.empty()) {
    text += (fill.unmeasured.size() == 1 ? QStringLiteral(" Zone %1 has no measured value: type it by hand.")
                                         : QStringLiteral(" Zones %1 have no measured value: type them by hand."))
                .arg(Zones(fill.unmeasured));
  }
  return text;
}

}  // namespace zonalyst::ui
