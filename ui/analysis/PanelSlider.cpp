#include "PanelSlider.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace zonalyst::ui {
namespace {

// Watches one control: its focus for the help line, and, for sliders, the Up and Down keys.
class ControlWatch final : public QObject {
 public:
  ControlWatch(QWidget* control, std::function<void()> onFocus, bool swallowUpDown)
      : QObject(control), onFocus_(std::move(onFocus)), swallowUpDown_(swallowUpDown) {
    control->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn && onFocus_) onFocus_();
    if (swallowUpDown_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Up || key == Qt::Key_Down) {
        event->accept();
        return event->type() == QEvent::KeyPress;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onFocus_;
  bool swallowUpDown_;
};

}  // namespace

QScrollBar* MakePanelSlider(const QString& objectName, const analysis::SliderRange& range, QWidget* parent,
                            std::function<void()> onFocus) {
  auto* slider = new QScrollBar(Qt::Horizontal, parent);
  slider->setObjectName(objectName);
  slider->setRange(range.min, range.max);
  slider->setValue(range.initial);
  slider->setSingleStep(1);
  slider->setPageStep(range.largeChange);
  slider->setInvertedControls(false);
  slider->setFocusPolicy(Qt::StrongFocus);
  new ControlWatch(slider, std::move(onFocus), true);
  return slider;
}

void OnFocusIn(QWidget* widget, std::function<void()> onFocus) { new ControlWatch(widget, std::move(onFocus), false); }

}  // namespace zonalyst::ui
