#include "AssociationOffer.h"

#include "io/PrintableText.h"

namespace zonalyst::ui {

MessageRequest AssociationQuestion(const platform::AssociationLookup& lookup) {
  MessageRequest request;
  request.text = lookup.result.empty() ? QStringLiteral(
                                             "*.fdr file are currently not associated with any programs\r\n"
                                             "Do you want to Associate these to Zonalyst?")
                                       : QStringLiteral("*.fdr file are currently associated with ") +
                                             QString::fromStdString(lookup.result) +
                                             QStringLiteral("\r\nDo you want to Associate Fdr files with Zonalyst?");
  request.title = QStringLiteral("Set File Association");
  request.buttons = MessageButtons::YesNo;
  request.defaultButton = MessageAnswer::Yes;
  return request;
}

MessageRequest AskAgainQuestion() {
  MessageRequest request;
  request.text = QStringLiteral(
      "Since you choose NO to associating Fdr files with Zonalyst\r\n"
      "Should I ask this question again in the future?");
  request.title = QStringLiteral("Stop Buggin Me!");
  request.buttons = MessageButtons::YesNo;
  request.defaultButton = MessageAnswer::Yes;
  return request;
}

void OfferFileAssociation(platform::FileAssociation& association, Prompter& prompter, platform::Settings& settings,
                          OfferOccasion occasion) {
  if (occasion == OfferOccasion::StartUp && settings.noFileAss) return;
  const platform::AssociationLookup lookup = association.find();
  if (lookup.associated) return;
  if (prompter.message(AssociationQuestion(lookup)) == MessageAnswer::Yes) {
    if (const std::string failure = association.registerAssociation(); !failure.empty()) {
      MessageRequest report;
      report.text = QStringLiteral("Zonalyst could not be associated with Fdr files.\r\n") +
                    QString::fromStdString(io::AsSentence(failure));
      report.icon = MessageIcon::Critical;
      prompter.message(report);
    }
  } else if (prompter.message(AskAgainQuestion()) != MessageAnswer::Yes) {
    settings.noFileAss = true;
  }
}

}  // namespace zonalyst::ui
