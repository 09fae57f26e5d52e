#pragma once

#include "platform/Settings.h"
#include "ui/panel/AppState.h"
#include "ui/prompt/Prompter.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace zonalyst::ui {

// The setup panel's button cmdMaskTemplate "Print Mask Template...": saves the open test's
// Couder mask as a PDF to print at actual size, the file chosen in a save dialog, on the
// paper chosen beside it (cboMaskPaper, A4 or Letter: the last choice, kept in the
// settings, or the user's locale's paper). For a test entered as effective radii the
// button is disabled and lblMaskTemplate says why.
class MaskTemplateButton final : public QWidget {
  Q_OBJECT
 public:
  MaskTemplateButton(const AppState& state, Prompter& prompter, platform::SettingsStore& settings,
                     QWidget* parent = nullptr);

  // Enables the button, or disables it with its reason, for the record as it stands.
  void refresh();

 signals:
  // A line for the help line: where the mask went and how to print it.
  void saved(const QString& text);

 private:
  // Memory running out while the mask is made is reported, as by every save of a picture.
  void print();
  void printToChosenFile();

  const AppState& state_;
  Prompter& prompter_;
  QPushButton* button_;
  QComboBox* paper_;
  QLabel* why_;
};

}  // namespace zonalyst::ui
