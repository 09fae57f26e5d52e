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

QString FolderEndHelp(entry::FileStep step) {
  return step == entry::FileStep::Next
             ? QStringLiteral("This is the last test of the folder: there is no next one")
             : QStringLiteral("This is the first test of the folder: there is no previous one");
}

bool ButtonEnabled(Panel panel, bool testOpen) { return !WindowPanelOf(panel).needsTest || testOpen; }

}  // namespace zonalyst::ui
