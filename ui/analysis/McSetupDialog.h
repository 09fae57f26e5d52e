#pragma once

#include "platform/Settings.h"
#include "ui/panel/MonteCarloValues.h"
#include "ui/prompt/Prompter.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zonalyst::ui {

// MC_Setup, "Monte Carlo Setup": the standard deviation of each zone's readings for a
// Monte Carlo run, calculated, as entered last time, or typed by hand. Opened modally by
// the run; GO writes the values back and clears values.cancelled, Cancel leaves them. GO
// refuses a zone that scatters more than the test's radius of curvature. A box keeps the
// exact value it was filled with until its text changes, and "Manual entry" always shows
// the mean of the zones: the mean that the run's chart states.
// "Display ... after complete analysis?" is stored as "Show_MC_Dialog" at once.
class McSetupDialog final : public QDialog {
  Q_OBJECT
 public:
  McSetupDialog(MonteCarloValues& values, platform::Settings& settings, platform::SettingsStore& store,
                Prompter& prompter, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kRows = 15;
  // A box and the value it was last filled with (see analysis::HeldValue).
  struct ValueBox {
    QLineEdit* edit = nullptr;
    double filledWith = 0.0;
  };
  QLineEdit* makeBox(const QString& objectName);
  void fill(ValueBox& box, double value);
  double held(const ValueBox& box) const;
  ZoneValues zoneValues() const;
  void fillZones(const ZoneValues& values);
  void useForAllZones(int meanBox);
  void showManualMean();
  void go();
  void commitZoneBox(int row);
  bool handleKey(QLineEdit* box, QKeyEvent* key);
  int rowOf(const QObject* box) const;

  MonteCarloValues& values_;
  platform::Settings& settings_;
  platform::SettingsStore& store_;
  Prompter& prompter_;
  std::array<QLabel*, kRows> calc_{};
  std::array<QLabel*, kRows> last_{};
  std::array<ValueBox, kRows> manual_{};
  std::array<ValueBox, 3> means_{};
  QCheckBox* displayAfter_ = nullptr;
};

}  // namespace zonalyst::ui
