#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace zonalyst::ui {

// While a long search redraws the panel on show and lets events run between its steps,
// the window's own keys and function buttons must not switch panels under it: this
// guard drops them for as long as it lives, and turns Esc into onEscape (stop).
class SearchInputGuard final : public QObject {
 public:
  SearchInputGuard(QWidget* window, std::function<void()> onEscape);
  ~SearchInputGuard() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<void()> onEscape_;
};

}  // namespace zonalyst::ui
