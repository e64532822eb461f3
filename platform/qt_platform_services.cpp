#include "platform/qt_platform_services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTime>
#include <QWindow>
#include <stdexcept>
#include <utility>

namespace gridmark {

namespace {

// Every text the engine shows, so that lupdate finds them; the engine itself
// has no Qt to mark them with.
[[maybe_unused]] constexpr const char* kEngineTexts[] = {
    //: Your mark, beside the Player caption of the scoreboard: bold Arial
    //: 9.75 pt, at most 49 pixels wide. X stays X.
    QT_TRANSLATE_NOOP("Game", "X's"),
    //: The computer's mark, beside the CPU caption of the scoreboard: bold
    //: Arial 9.75 pt, at most 49 pixels wide. O stays O.
    QT_TRANSLATE_NOOP("Game", "O's"),
    //: A level, beside the Difficulty caption (bold Arial 9.75 pt, at most 74
    //: pixels wide) and in the spoken score: the same word as the Difficulty
    //: menu's item, agreeing with the Difficulty caption.
    QT_TRANSLATE_NOOP("Game", "Easy"),
    //: A level, as Easy.
    QT_TRANSLATE_NOOP("Game", "Medium"),
    //: A level, as Easy.
    QT_TRANSLATE_NOOP("Game", "Hard"),
    //: Prompt of the box after a game you won: Yes plays the next game, No
    //: ends the program.
    QT_TRANSLATE_NOOP("Game", "You Win, Play Again?"),
    //: Title of the box after a game you won. The box is as wide as its title
    //: needs, so keep it short.
    QT_TRANSLATE_NOOP("Game", "You Win"),
    //: Prompt of the box after a game the computer won: Yes plays the next
    //: game, No ends the program.
    QT_TRANSLATE_NOOP("Game", "You Lose, Play Again?"),
    //: Title of the box after a game the computer won. The box is as wide as
    //: its title needs, so keep it short.
    QT_TRANSLATE_NOOP("Game", "You Lose"),
    //: Prompt of the box after a drawn game: Yes plays the next game, No ends
    //: the program.
    QT_TRANSLATE_NOOP("Game", "It Was A Draw, Play Again?"),
    //: Title of the box after a drawn game. The box is as wide as its title
    //: needs, so keep it short.
    QT_TRANSLATE_NOOP("Game", "No Winner"),
    //: Prompt of the box that asks before a new level, with marks on the
    //: board: OK changes the level and starts a new tournament, Cancel keeps
    //: both.
    QT_TRANSLATE_NOOP("Game",
                      "Changing This Setting Will Restart The Tournament"),
    //: Title of that box. The box is as wide as its title needs, so keep it
    //: short.
    QT_TRANSLATE_NOOP("Game", "Reset?"),
    //: Prompt of the box shown when the game number or a count has reached
    //: the scoreboard's largest number (32767); OK starts a new tournament.
    QT_TRANSLATE_NOOP("Game",
                      "This tournament has reached the most games the "
                      "scoreboard can count. A new tournament will start."),
    //: Title of that box: the program's name, as it is.
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

int TitleBarWidth(const QString& title, QFont font) {
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(title) + 8 * metrics.height();
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
  // As wide as its title needs, or the window manager cuts the title short.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const QMargins margins = grid->contentsMargins();
    grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle(), box.font()) -
                                      margins.left() - margins.right(),
                                  0),
                  grid->rowCount(), 0, 1, grid->columnCount());
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
