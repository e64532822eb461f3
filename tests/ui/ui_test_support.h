#pragma once

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt_platform_services.h"
#include "tests/engine/fakes.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace gridmark::testing {

// Real boxes and dialogs, scripted random numbers.
class ScriptedRandoms : public QtPlatformServices {
 public:
  explicit ScriptedRandoms(std::deque<float> randoms)
      : QtPlatformServices(&MakeDialog), randoms_(std::move(randoms)) {}
  float Rnd() override {
    const float r = randoms_.empty() ? 0.0F : randoms_.front();
    if (!randoms_.empty()) randoms_.pop_front();
    return r;
  }

 private:
  std::deque<float> randoms_;
};

template <typename T = QWidget>
T* Find(const QObject& root, const char* name) {
  return root.findChild<T*>(QString::fromLatin1(name));
}

inline QRect FromTwips(int left, int top, int width, int height) {
  return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
          qRound(height / 15.0)};
}

inline QPushButton* Cell(const QWidget& form, int i) {
  return form.findChild<QPushButton*>(QStringLiteral("cmd1_%1").arg(i));
}

// A new Form1 on a freshly scripted `platform`, shown: `chance` is
// Form_Load's draw, then come `randoms`.
inline std::unique_ptr<Form1> ShowScripted(ScriptedPlatform& platform,
                                           int chance,
                                           std::deque<float> randoms) {
  platform = ScriptedPlatform();
  platform.randoms = std::move(randoms);
  platform.randoms.push_front(ChanceR(chance));
  auto form = std::make_unique<Form1>(platform);
  form->show();
  return form;
}

// The board as "XO..." text, '.' a free cell.
inline QString Marks(const QWidget& form) {
  QString out;
  for (int i = 0; i < 9; ++i) {
    const QString mark = Cell(form, i)->text();
    out += mark.isEmpty() ? QStringLiteral(".") : mark;
  }
  return out;
}

// A press as the window system delivers it, so modality applies.
inline void PressThroughWindow(QWidget& form, int i) {
  QPushButton* cell = Cell(form, i);
  QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                    cell->mapTo(&form, cell->rect().center()));
}

// Answers modal windows from inside their own event loop: each step runs on
// a later tick while a modal widget is up. Arm it before the call that runs
// exec(). Gives up after about five seconds.
class ModalPoller {
 public:
  using Step = std::function<void(QWidget* modal)>;

  explicit ModalPoller(std::vector<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(10);
  }
  bool Done() const { return next_ == steps_.size() && ticks_ <= kTicks; }

 private:
  static constexpr int kTicks = 500;
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (++ticks_ > kTicks) {
      timer_.stop();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    if (modal == nullptr || !modal->isVisible()) return;
    steps_[next_++](modal);
    if (next_ == steps_.size()) timer_.stop();
  }

  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int ticks_ = 0;
  QTimer timer_;
};

}  // namespace gridmark::testing
