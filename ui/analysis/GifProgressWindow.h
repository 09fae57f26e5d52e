#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace zonalyst::ui {

// Gif_Prog: shown while a picture is written as a GIF file. Each progress report
// retitles it "Saving image N% Complete" and lengthens the blue bar in Picture1; the
// bar is drawn cumulatively, never erased.
class GifProgressWindow final : public QDialog {
  Q_OBJECT
 public:
  explicit GifProgressWindow(QWidget* parent = nullptr);
  void showProgress(int percent);
  const QImage& bar() const { return bar_; }

  static constexpr int kBarWidth = 300;
  static constexpr int kBarHeight = 20;

 private:
  QImage bar_;
  QLabel* picture_;
};

}  // namespace zonalyst::ui
