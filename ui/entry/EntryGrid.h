#pragma once

#include "core/MirrorTest.h"
#include "ui/entry/rules/Commit.h"
#include "ui/entry/rules/Navigation.h"
#include "ui/panel/AppState.h"
#include "ui/panel/rules/KeyFilter.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace zonalyst::ui {

// The rules of one panel's boxes (ui/entry/rules), by box index. Separators are the user's
// decimal separator.
struct EntryGridRules {
  QString objectName;  // "%1" stands for the index
  int count = 0;
  // Setup boxes are editable only while they have the focus; readings cells always are.
  bool editableOnlyWhileFocused = false;
  std::function<bool(int index)> isToggle;
  std::function<QString(int index)> help;
  std::function<int(int index, entry::NavKey key)> next;
  std::function<panel::KeyVerdict(int index, QChar key, const panel::EditState& state, const QString& separator)>
      filterKey;
  std::function<void(MirrorTest& test, int index)> flip;
  std::function<entry::CommitEffect(MirrorTest& test, int index, const QString& text, const QString& separator)> commit;
  // What the box shows for the record.
  std::function<QString(const MirrorTest& test, int index, const QString& separator)> text;
};

// The entry boxes of the setup or readings panel, children of that panel, which lays them
// out. A box turns blue and selects its text when it gets the focus and puts its help on
// the help line; keys move the focus, flip toggles or pass the box's filter (a refused key
// beeps); leaving a box commits a changed text into the record and shows the record's value again.
// A box commits only into the test it was filled from: once another test is open
// (AppState::openTest), a box not filled again commits and flips nothing.
class EntryGrid final : public QObject {
  Q_OBJECT
 public:
  EntryGrid(AppState& state, EntryGridRules rules, QWidget* panel);

  QLineEdit* box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
  // Shows the record's value; a box with the focus keeps its whole text selected.
  void showText(int index);
  void focus(int index);
  // Empties every box; the record is not touched.
  void clear();

 signals:
  void helpChanged(const QString& text);
  // A commit or a toggle changed what the rest of the panel shows.
  void recordChanged();
  void boxPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool handleKey(int index, const QKeyEvent& event);
  void commit(int index);
  bool showsOpenTest(int index) const { return shownTest_[static_cast<std::size_t>(index)] == state_.testSerial; }

  AppState& state_;
  MirrorTest& test_;
  EntryGridRules rules_;
  std::vector<QLineEdit*> boxes_;
  std::vector<int> shownTest_;  // AppState::testSerial of the test each box was filled from; -1: none
};

}  // namespace zonalyst::ui
