// Linked into the bare window, the text floor and gridmark_first_paint.
// Where it cannot watch the X server map a window, the start-up benchmark
// reads from standard output the monotonic time at which the first paint of
// a window was done.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      // Runs once the paint has reached the screen.
      QTimer::singleShot(0, this, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000 +
                                  now.tv_nsec);
        std::fflush(stdout);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};

void WatchFirstPaint() {
  QCoreApplication::instance()->installEventFilter(
      new FirstPaint);  // lives as long as the program
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)
