#include "platform/qt_platform_services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <QWindow>
#include <stdexcept>
#include <utility>

namespace gridmark {

namespace {

// Every text the engine shows, so that lupdate finds them; the engine itself
// has no Qt to mark them with.
[[maybe_unused]] constexpr const char* kEngineTexts[] = {
    QT_TRANSLATE_NOOP("Game", "X's"),
    QT_TRANSLATE_NOOP("Game", "O's"),
    QT_TRANSLATE_NOOP("Game", "Easy"),
    QT_TRANSLATE_NOOP("Game", "Medium"),
    QT_TRANSLATE_NOOP("Game", "Hard"),
    QT_TRANSLATE_NOOP("Game", "You Win, Play Again?"),
    QT_TRANSLATE_NOOP("Game", "You Win"),
    QT_TRANSLATE_NOOP("Game", "You Lose, Play Again?"),
    QT_TRANSLATE_NOOP("Game", "You Lose"),
    QT_TRANSLATE_NOOP("Game", "It Was A Draw, Play Again?"),
    QT_TRANSLATE_NOOP("Game", "No Winner"),
    QT_TRANSLATE_NOOP("Game",
                      "Changing This Setting Will Restart The Tournament"),
    QT_TRANSLATE_NOOP("Game", "Reset?"),
    QT_TRANSLATE_NOOP("Game",
                      "This tournament has reached the most games the "
                      "scoreboard can count. A new tournament will start."),
    QT_TRANSLATE_NOOP("Game", "Gridmark"),
};

// A message box that a Yes/No question keeps up until Yes or No is chosen:
// neither Esc nor the close box may quietly answer it.
class ReplyBox : public QMessageBox {
 public:
  ReplyBox(bool must_answer, QWidget* owner)
      : QMessageBox(owner), must_answer_(must_answer) {
    if (must_answer_) {
      setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint |
                     Qt::WindowTitleHint);
    }
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (must_answer_ && event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (must_answer_) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }

 private:
  bool must_answer_;
};

std::int16_t ReplyCode(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return kYes;
    case QMessageBox::No:
      return kNo;
    case QMessageBox::Ok:
      return kOk;
    default:
      return kCancel;
  }
}

}  // namespace

QString EngineText(const std::string& text) {
  return QCoreApplication::translate("Game", text.c_str());
}

QtPlatformServices::QtPlatformServices(DialogFactory factory)
    : factory_(std::move(factory)) {}

QtPlatformServices::~QtPlatformServices() = default;

std::int16_t QtPlatformServices::MsgBox(const std::string& prompt,
                                        Buttons buttons,
                                        const std::string& title) {
  // Owned, the box is also centred over its owner.
  ReplyBox box(buttons == Buttons::kYesNo, owner_);
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(EngineText(title));
  box.setText(EngineText(prompt));
  box.setTextFormat(Qt::PlainText);
  switch (buttons) {
    case Buttons::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
    case Buttons::kOkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::kOk:
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      break;
  }
  // Plain text buttons, without the style's icons.
  for (QAbstractButton* button : box.buttons()) {
    button->setIcon(QIcon());
  }
  // Set before the box takes the focus: a screen reader reads it then.
  if (news_) {
    box.defaultButton()->setAccessibleDescription(news_(buttons));
  }
  box.exec();
  // Closed without a choice (Esc or the close box) counts as Cancel.
  return ReplyCode(box.standardButton(box.clickedButton()));
}

double QtPlatformServices::Timer() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatformServices::Randomize(double seed) { random_.Seed(seed); }

float QtPlatformServices::Rnd() { return random_.Next(); }

void QtPlatformServices::CloseProgram() {
  QApplication::closeAllWindows();
  QCoreApplication::exit(0);
}

void QtPlatformServices::ShowDialog(Dialog dialog) {
  std::unique_ptr<DialogForm>& form = forms_[dialog];
  if (!form) {
    if (!factory_) {
      throw std::logic_error("no dialog factory");
    }
    form = factory_(dialog);
  }
  form->Load();
  // Owned only by the windowing system, not as a child widget: the form
  // keeps its own screen position and its own lifetime.
  if (owner_ && owner_->window()->windowHandle()) {
    form->winId();
    form->windowHandle()->setTransientParent(owner_->window()->windowHandle());
  }
  form->exec();
}

}  // namespace gridmark
