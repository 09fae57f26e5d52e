#include "PanelTexts.h"

#include "WindowPanels.h"

namespace zonalyst::ui {

QString ButtonCaption(Panel panel) { return QString::fromLatin1(WindowPanelOf(panel).buttonCaption); }

QString PanelCaption(Panel panel, const QString& fileName) {
  const WindowPanel& row = WindowPanelOf(panel);
  const QString caption = QString::fromLatin1(row.frameCaption);
  return row.captionNamesTest ? caption + fileName : caption;
}

QString LoadPanelHelp() { return QStringLiteral("Select a file from the list, or create a new file"); }

bool ButtonEnabled(Panel panel, bool testOpen) { return !WindowPanelOf(panel).needsTest || testOpen; }

}  // namespace zonalyst::ui
