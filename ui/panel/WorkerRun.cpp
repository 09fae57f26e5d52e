#include "WorkerRun.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <exception>
#include <memory>

namespace zonalyst::ui {

void WorkerRun::run(const std::function<void()>& work, const std::function<void()>& showProgress) {
  stop_.store(false, std::memory_order_relaxed);
  running_ = true;
  std::exception_ptr failure;
  const std::unique_ptr<QThread> thread(QThread::create([&work, &failure] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
  }));
  QEventLoop loop;
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);  // never early: at most 1000 / kTickMs pictures a second
  tick.setInterval(kTickMs);
  QObject::connect(&tick, &QTimer::timeout, &loop, showProgress);
  thread->start();
  tick.start();
  loop.exec();
  tick.stop();
  // Quitting the application ends every event loop, this one too, while the work may run on.
  if (thread->isRunning()) requestStop();
  thread->wait();
  running_ = false;
  if (failure) std::rethrow_exception(failure);
}

}  // namespace zonalyst::ui
