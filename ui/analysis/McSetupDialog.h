#pragma once

#include <QDialog>
#include <array>

#include "ui/panel/MonteCarloValues.h"
#include "platform/Settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zonalyst::ui {

// MC_Setup, "Monte Carlo Setup": the standard deviation of each zone's readings for a
// Monte Carlo run, calculated, as entered last time, or typed by hand. Opened modally by
// the run; GO writes the values back and clears values.cancelled, Cancel leaves them.
// "Display ... after complete analysis?" is stored as "Show_MC_Dialog" at once.
class McSetupDialog final : public QDialog {
  Q_OBJECT
 public:
  McSetupDialog(MonteCarloValues& values, platform::Settings& settings, platform::SettingsStore& store,
                QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kRows = 15;
  QLineEdit* makeBox(const QString& objectName);
  void fillFromLabels(const std::array<QLabel*, kRows>& labels);
  void useForAllZones(int meanBox);
  void go();
  void commitZoneBox(int row);
  bool handleKey(QLineEdit* box, QKeyEvent* key);
  int rowOf(const QObject* box) const;

  MonteCarloValues& values_;
  platform::Settings& settings_;
  platform::SettingsStore& store_;
  std::array<QLabel*, kRows> calc_{};
  std::array<QLabel*, kRows> last_{};
  std::array<QLineEdit*, kRows> manual_{};
  std::array<QLineEdit*, 3> means_{};
  QCheckBox* displayAfter_ = nullptr;
};

}  // namespace zonalyst::ui
