#pragma once

#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>

#include "platform/qt_platform_services.h"
#include "ui/dialogs.h"

namespace gridmark::testing {

// Real boxes and dialogs; random numbers from a script.
class Scripted : public QtPlatformServices {
 public:
  explicit Scripted(std::deque<float> script)
      : QtPlatformServices(&MakeDialog), script_(std::move(script)) {}
  float Rnd() override {
    const float r = script_.at(0);
    script_.pop_front();
    return r;
  }

 private:
  std::deque<float> script_;
};

template <typename T = QWidget>
T* Find(const QObject& root, const QString& name) {
  T* found = root.findChild<T*>(name);
  if (found == nullptr) qFatal("no %s", qPrintable(name));
  return found;
}

// Runs `act` on the next modal window from inside its own event loop; arm it
// before the event that opens the window.
inline void OnModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start(10);
}

}  // namespace gridmark::testing
