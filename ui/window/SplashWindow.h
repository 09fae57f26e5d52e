#pragma once

#include <QDialog>

class QCheckBox;
class QTimer;

namespace zonalyst::ui {

// The greeting shown modally at every start: title, version, contact, and the choice to
// close by itself after one second on later starts. A key or a click closes it.
class SplashWindow final : public QDialog {
  Q_OBJECT
 public:
  // autoClose: the setting Show_Splash; the check box shows it and the timer runs when it is set.
  explicit SplashWindow(bool autoClose, QWidget* owner = nullptr);

  bool autoClose() const;
  static QString versionText();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QCheckBox* check_;
  QTimer* timer_;
};

}  // namespace zonalyst::ui
