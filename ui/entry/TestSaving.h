#pragma once

#include "io/TestFileSaver.h"
#include "ui/panel/AppState.h"
#include "ui/prompt/Prompter.h"

#include <QString>

namespace zonalyst::ui {

// How saving the open test ended.
enum class TestSaved {
  Written,    // written, where the record now says the test lives
  Unchanged,  // the file already held the test (or the test has no file name)
  Discarded,  // the user chose to discard the changes
  NotNow,     // the user closed the question unanswered: stay with the test
  Failed,     // nothing could be written: reported, the test stays open
};

// The user may leave the test: its file holds it, or the user let the changes go.
inline bool MayLeaveTest(TestSaved saved) {
  return saved == TestSaved::Written || saved == TestSaved::Unchanged || saved == TestSaved::Discarded;
}

// Saves the open test as leaving it or Ctrl+S does: asks `question` first when it
// differs from its file and follows a "save as". A failed save is reported with the
// file, the reason and `advice`, and offers "Save elsewhere...": the platform's save
// dialog in the documents folder, after which the record follows the new folder and name.
TestSaved SaveOpenTest(AppState& state, io::SaveQuestion& question, Prompter& prompter, const QString& advice);

// Ctrl+S: saves the open test to its file when it differs from it, without asking; a
// failed save as SaveOpenTest.
TestSaved SaveOpenTestAtOnce(AppState& state, Prompter& prompter, const QString& advice);

// The advice of a failed save that keeps the user with the test.
QString StaysOpenAdvice();

}  // namespace zonalyst::ui
