#include "EventPump.h"

#include <QCoreApplication>
#include <QThread>

namespace zonalyst::ui {

void LetEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void PauseThenLetEventsRun(int ms) {
  QThread::msleep(static_cast<unsigned long>(ms));
  LetEventsRun();
}

}  // namespace zonalyst::ui
