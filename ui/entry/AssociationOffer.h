#pragma once

#include "platform/FileAssociation.h"
#include "platform/Settings.h"
#include "ui/prompt/Prompter.h"

namespace zonalyst::ui {

// The question that offers the association, naming the program that opens test files now.
MessageRequest AssociationQuestion(const platform::AssociationLookup& lookup);
// The follow-up after a No: whether to ask again at later starts.
MessageRequest AskAgainQuestion();

// Looks the association up and, unless this program already opens test files, offers it:
// Yes registers it (a failure is shown with its reason); No asks whether to ask again, and
// anything but Yes sets No_File_ass.
// At start-up nothing is looked up when No_File_ass is set; the load panel's button always asks.
enum class OfferOccasion { StartUp, Button };
void OfferFileAssociation(platform::FileAssociation& association, Prompter& prompter, platform::Settings& settings,
                          OfferOccasion occasion);

}  // namespace zonalyst::ui
