#pragma once

#include "core/Astigmatism.h"
#include "platform/Settings.h"
#include "ui/analysis/rules/AstigmatismRules.h"
#include "ui/panel/AppState.h"
#include "ui/prompt/Prompter.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

namespace zonalyst::ui {

// frmAstigmatism, "Astigmatism": the tests of the open test's folder (tblOrientations: each
// one's tick, its orientation in degrees, its shift against the first test ticked and why it
// cannot be used), the figures of the fit over the ticked tests (tblAstigFigures), its plot
// (picAstigmatism) and what is still missing, or why the ticked tests cannot be compared
// (lblAstigStatus). Every tick and every orientation typed fits again at once; an
// orientation typed is kept for its file in the settings. "Save Plot..." (cmdSavePlot, F9)
// saves the plot as PNG. The open test takes part as it stands on screen.
class AstigmatismDialog final : public QDialog {
  Q_OBJECT
 public:
  AstigmatismDialog(const AppState& state, Prompter& prompter, platform::SettingsStore& settings,
                    QWidget* parent = nullptr);

 private:
  void readFolder();
  void showRows();
  void cellChanged(int row, int column);
  void fitTicked();
  void savePlot();
  std::string pathOf(const std::string& fileName) const;

  const AppState& state_;
  Prompter& prompter_;
  platform::SettingsStore& settings_;
  std::vector<analysis::OrientationRow> rows_;
  std::optional<AstigmatismFit> fit_;
  bool filling_ = false;

  QTableWidget* tests_ = nullptr;
  QTableWidget* figures_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace zonalyst::ui
