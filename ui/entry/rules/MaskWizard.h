#pragma once

#include "core/MirrorTest.h"

#include <QString>

namespace zonalyst::entry {

// The wizard's question for the central obstruction.
inline constexpr const char* kObstructionPrompt = "Enter Diameter of central obstruction";
inline constexpr const char* kObstructionTitle = "Central Obstruction";
inline constexpr const char* kObstructionDefault = "0";

struct WizardOutcome {
  enum class Kind {
    Ended,    // nothing was answered: end without a word
    Refused,  // message and title say why; the record is unchanged
    Applied,  // the zone radii were laid out
  };
  Kind kind = Kind::Ended;
  QString message;
  QString title;
};

// Lays out equal-area mask zones for the answer to the obstruction question (a
// diameter in the test's units, typed with the user's separator). The N zones split
// the mirror's area outside the obstruction equally. Inner/outer entry gets both radii,
// effective entry the effective radius of each zone; radii are rounded to 3 decimals.
WizardOutcome RunMaskWizard(MirrorTest& test, const QString& answer, const QString& separator);

}  // namespace zonalyst::entry
