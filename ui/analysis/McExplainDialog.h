#pragma once

#include "platform/Clipboard.h"
#include "platform/Settings.h"

#include <QDialog>

#include <string>

class QLabel;

namespace zonalyst::ui {

// Dialog, "Monte Carlo Results Explained": shown without blocking after a run. Label1
// explains the charts and states the ranges; cmdCopy_data puts the run's histogram table
// on the clipboard; Check1 suppresses the window from the next run on, stored at once as
// "Show_MC_Dialog"; OKButton closes it.
class McExplainDialog final : public QDialog {
  Q_OBJECT
 public:
  McExplainDialog(std::string explanation, std::string rawData, platform::Clipboard& clipboard,
                  platform::Settings& settings, platform::SettingsStore& store, QWidget* parent = nullptr);

 private:
  std::string rawData_;
};

}  // namespace zonalyst::ui
