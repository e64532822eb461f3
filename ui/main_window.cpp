#include "ui/main_window.h"

#include <QAccessibleWidget>
#include <QVBoxLayout>

#include "platform/qt_platform_services.h"
#include "ui/look.h"
#include "ui/program_icon.h"
#include "ui/translations.h"
#include "ui/twips.h"

namespace gridmark {

namespace {

constexpr int kClientWidth = 287;   // 4305 twips
constexpr int kClientHeight = 354;  // 5310 twips

const QColor kPureBlue(0, 0, 255);
const QColor kPureRed(255, 0, 0);
const QColor kGridGrey(128, 128, 128);

struct CellBox {
  int left;
  int top;
  int width;
  int height;
};

constexpr std::array<CellBox, 9> kCells{{{360, 1605, 1000, 1000},
                                         {1605, 1605, 1000, 1000},
                                         {2835, 1605, 1005, 1000},
                                         {360, 2850, 1000, 1000},
                                         {1605, 2850, 1000, 1000},
                                         {2835, 2850, 1000, 1000},
                                         {360, 4065, 1000, 1000},
                                         {1620, 4065, 1000, 1000},
                                         {2835, 4065, 1000, 1000}}};

// A plain widget is no window to assistive technology; the main window is.
QAccessibleInterface* WindowInterface(const QString& class_name,
                                      QObject* object) {
  if (class_name == QLatin1String("QWidget") && dynamic_cast<Form1*>(object)) {
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

Form1::Form1(PlatformServices& platform, QWidget* parent)
    : QWidget(parent), game_(*this, platform) {
  [[maybe_unused]] static const bool window_role =
      (QAccessible::installFactory(&WindowInterface), true);
  setObjectName(QStringLiteral("Form1"));
  //: Title of the main window: the program's name, as it is.
  setWindowTitle(tr("Gridmark"));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  KeepLightLook(this);
  // The boxes and dialogs of the Qt platform belong to this window.
  if (auto* qt_platform = dynamic_cast<QtPlatformServices*>(&platform)) {
    qt_platform->SetOwner(
        this, [this](Buttons buttons) { return narrator_->BoxNews(buttons); });
  }

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setFixedSize(kClientWidth, kClientHeight);
  UseButtonFace(client_);

  CreateScoreboard(client_);
  CreateBoard(client_);
  narrator_ = new Narrator(
      client_, cmd1_,
      {txtGamenumber_, txtWins_, txtDraws_, txtLosses_, lblDifficultytype_},
      QRect(0, 0, kClientWidth, Px(1590)));
  // A plain widget with a layout, not a main window: this one has no tool
  // bars, docks or status bar, and their machinery costs start-up memory.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(CreateMenus());
  layout->addWidget(client_);
  // Fixed border: the window is the client area plus the menu bar.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  QWidget::setTabOrder(cmd1_[0], cmd1_[1]);
  for (std::size_t i = 1; i + 1 < cmd1_.size(); ++i) {
    QWidget::setTabOrder(cmd1_[i], cmd1_[i + 1]);
  }
  QWidget::setTabOrder(cmd1_[8], txtGamenumber_);
  QWidget::setTabOrder(txtGamenumber_, txtWins_);
  QWidget::setTabOrder(txtWins_, txtDraws_);
  QWidget::setTabOrder(txtDraws_, txtLosses_);
  // The score boxes are no tab stops: the keyboard focus stays on the board,
  // moving on to the next free cell as cells are taken.
  for (QLineEdit* box : {txtGamenumber_, txtWins_, txtDraws_, txtLosses_}) {
    box->setFocusPolicy(Qt::NoFocus);
  }

  Dispatch([this] { game_.Form_Load(); });
}

void Form1::Dispatch(const std::function<void()>& handler) {
  narrator_->Hold();
  game_.HandleEvent(handler);
  narrator_->Settle();
}

void Form1::CreateScoreboard(QWidget* client) {
  const QFont large = BoldFont("Arial", 12);
  const QFont small = BoldFont("Arial", 9.75);
  const QColor text = palette().color(QPalette::Active, QPalette::ButtonText);

  // A caption may run on towards the control beside it and down to the row
  // below (x and y in pixels, as designed).
  //: Scoreboard caption in bold Arial 12 pt, beside the game number: at most
  //: 58 pixels wide.
  AddLabel(client, "lblGame", QT_TR_NOOP("Game"), TwipsRect(225, 120, 735, 255),
           {78, 34}, large, text);
  txtGamenumber_ =
      AddTextBox(client, "txtGamenumber", TwipsRect(1170, 75, 735, 405));
  //: Scoreboard caption in bold Arial 12 pt, beside the count of drawn games:
  //: at most 67 pixels wide.
  AddLabel(client, "lblDraws", QT_TR_NOOP("Draws"),
           TwipsRect(2010, 135, 735, 255), {206, 34}, large, text);
  txtDraws_ = AddTextBox(client, "txtDraws", TwipsRect(3090, 75, 735, 405));
  //: Scoreboard caption in bold Arial 12 pt, beside the count of games you
  //: won: at most 58 pixels wide.
  AddLabel(client, "lblWins", QT_TR_NOOP("Wins"), TwipsRect(225, 540, 720, 255),
           {78, 63}, large, text);
  txtWins_ = AddTextBox(client, "txtWins", TwipsRect(1170, 495, 735, 405));
  //: Scoreboard caption in bold Arial 12 pt, beside the count of games you
  //: lost: at most 67 pixels wide.
  AddLabel(client, "lblLosses", QT_TR_NOOP("Losses"),
           TwipsRect(2010, 540, 975, 255), {206, 63}, large, text);
  txtLosses_ = AddTextBox(client, "txtLosses", TwipsRect(3090, 495, 735, 405));
  // Spoken names in full words: a caption may have had to be shortened.
  //: Spoken only, no width limit: the name of the box showing the number of
  //: the game. A full word, never an abbreviation.
  txtGamenumber_->setAccessibleName(tr("Game", "spoken"));
  //: Spoken only, no width limit: the name of the box counting the games you
  //: won. A full word, never an abbreviation.
  txtWins_->setAccessibleName(tr("Wins", "spoken"));
  //: Spoken only, no width limit: the name of the box counting the drawn
  //: games. A full word, never an abbreviation.
  txtDraws_->setAccessibleName(tr("Draws", "spoken"));
  //: Spoken only, no width limit: the name of the box counting the games you
  //: lost. A full word, never an abbreviation.
  txtLosses_->setAccessibleName(tr("Losses", "spoken"));

  //: Scoreboard caption in bold Arial 9.75 pt, beside your mark ("X's"): at
  //: most 60 pixels wide.
  AddLabel(client, "lblPlayer", QT_TR_NOOP("Player"),
           TwipsRect(225, 975, 855, 270), {80, 85}, small, kPureBlue);
  lblPlayertype_ =
      AddLabel(client, "lblPlayertype", "", TwipsRect(1200, 975, 735, 255), {},
               small, kPureRed);
  //: Scoreboard caption in bold Arial 9.75 pt, beside the level (Easy,
  //: Medium or Hard): at most 69 pixels wide; the same word as the Difficulty
  //: menu, and the level names agree with it.
  AddLabel(client, "lblDifficulty", QT_TR_NOOP("Difficulty"),
           TwipsRect(2010, 975, 1095, 375), {208, 105}, small, kPureBlue);
  lblDifficultytype_ =
      AddLabel(client, "lblDifficultytype", "", TwipsRect(3120, 975, 855, 255),
               {kClientWidth, 105}, small, kPureRed);
  //: Scoreboard caption in bold Arial 9.75 pt, beside the computer's mark
  //: ("O's"): at most 60 pixels wide.
  AddLabel(client, "lblCPU", QT_TR_NOOP("CPU"), TwipsRect(225, 1300, 855, 255),
           {80, 106}, small, kPureBlue);
  lblCPUtype_ = AddLabel(client, "lblCPUtype", "",
                         TwipsRect(1200, 1305, 735, 240), {}, small, kPureRed);
  //: Spoken only, no width limit: the name of the label showing your mark.
  //: A full word, never an abbreviation.
  lblPlayertype_->setAccessibleName(tr("Player", "spoken"));
  //: Spoken only, no width limit: the name of the label showing the
  //: computer's mark. A full word, never an abbreviation.
  lblCPUtype_->setAccessibleName(tr("Computer", "spoken"));
  //: Spoken only, no width limit: the name of the label showing the level.
  //: A full word, never an abbreviation.
  lblDifficultytype_->setAccessibleName(tr("Difficulty", "spoken"));
}

void Form1::CreateBoard(QWidget* client) {
  const QFont marks = BoldFont("Comic Sans MS", 36);
  for (std::size_t i = 0; i < cmd1_.size(); ++i) {
    const CellBox& box = kCells[i];
    auto* cell = new CellButton(client);
    cell->setObjectName(QStringLiteral("cmd1_%1").arg(i));
    cell->setGeometry(
        Placed(client, TwipsRect(box.left, box.top, box.width, box.height)));
    cell->setFont(marks);
    const auto index = static_cast<std::int16_t>(i);
    connect(cell, &QPushButton::clicked, this, [this, index] {
      Dispatch([this, index] { game_.cmd1_Click(index); });
    });
    cmd1_[i] = cell;
  }

  new LineControl(client, "gridv1_0", {1470, 1590}, {1470, 5110}, 10,
                  kGridGrey);
  new LineControl(client, "gridv2_1", {2715, 1590}, {2715, 5110}, 10,
                  kGridGrey);
  new LineControl(client, "gridh1_0", {360, 2715}, {3840, 2700}, 10, kGridGrey);
  new LineControl(client, "gridh2_1", {360, 3960}, {3840, 3960}, 10, kGridGrey);
}

QMenuBar* Form1::CreateMenus() {
  auto* bar = new QMenuBar(this);
  // The menu bar belongs in the window, above the client area.
  bar->setNativeMenuBar(false);

  // The three menu titles share the menu bar, 287 pixels wide.
  //: Menu title in the menu bar, beside Difficulty and Help: the three
  //: together fit 287 pixels. & marks the access key, unlike the other two.
  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  //: File menu item: starts a new tournament (the scores go back to 0).
  AddItem(file, "mnuRestartTournament", QT_TR_NOOP("&Restart Tournament"),
          &Game::mnuRestartTournament_Click);
  //: File menu item: ends the program.
  AddItem(file, "mnuExit", QT_TR_NOOP("&Exit"), &Game::mnuExit_Click);

  //: Menu title in the menu bar, of the levels: the same word as the
  //: Difficulty caption of the scoreboard; the level names agree with it.
  QMenu* difficulty = bar->addMenu(tr("&Difficulty"));
  difficulty->setObjectName(QStringLiteral("mnuDifficulty"));
  //: Difficulty menu item: the level, as the scoreboard names it beside the
  //: Difficulty caption.
  mnuEasy_ =
      AddItem(difficulty, "mnuEasy", QT_TR_NOOP("&Easy"), &Game::mnuEasy_Click);
  //: Difficulty menu item: the level, as the scoreboard names it beside the
  //: Difficulty caption.
  mnuMedium_ = AddItem(difficulty, "mnuMedium", QT_TR_NOOP("&Medium"),
                       &Game::mnuMedium_Click);
  //: Difficulty menu item: the level, as the scoreboard names it beside the
  //: Difficulty caption.
  mnuHard_ =
      AddItem(difficulty, "mnuHard", QT_TR_NOOP("&Hard"), &Game::mnuHard_Click);

  //: Menu title in the menu bar, beside File and Difficulty.
  QMenu* help = bar->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  //: Help menu item: opens the box with the rule of the game.
  AddItem(help, "mnuHowToPlay", QT_TR_NOOP("&How To Play"),
          &Game::mnuHowToPlay_Click);
  //: Help menu item: opens the box with the program's name and version.
  AddItem(help, "mnuAbout", QT_TR_NOOP("&About"), &Game::mnuAbout_Click);
  return bar;
}

RoomyLabel* Form1::AddLabel(QWidget* client, const char* name,
                            const char* caption, QRect box, QPoint room,
                            const QFont& font, const QColor& text_colour) {
  auto* label = new RoomyLabel(client, box, room);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(LanguageFont(font));
  label->SetText(tr(caption));
  UseButtonFace(label);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, text_colour);
  label->setPalette(palette);
  return label;
}

QLineEdit* Form1::AddTextBox(QWidget* client, const char* name, QRect box) {
  auto* text_box = new QLineEdit(client);
  text_box->setObjectName(QString::fromLatin1(name));
  text_box->setGeometry(Placed(client, box));
  text_box->setFont(LanguageFont(BoldFont("Arial", 12)));
  text_box->setReadOnly(true);
  // Digits carry no direction of their own: start them where the language
  // starts its lines.
  text_box->setAlignment((client->isRightToLeft()
                              ? Qt::AlignRight | Qt::AlignAbsolute
                              : Qt::AlignLeft) |
                         Qt::AlignVCenter);
  return text_box;
}

QAction* Form1::AddItem(QMenu* menu, const char* name, const char* caption,
                        void (Game::*handler)()) {
  QAction* item = menu->addAction(tr(caption));
  item->setObjectName(QString::fromLatin1(name));
  connect(item, &QAction::triggered, this, [this, handler] {
    Dispatch([this, handler] { (game_.*handler)(); });
  });
  return item;
}

QLineEdit* Form1::Box(TextBox box) const {
  switch (box) {
    case TextBox::kWins:
      return txtWins_;
    case TextBox::kLosses:
      return txtLosses_;
    case TextBox::kDraws:
      return txtDraws_;
    case TextBox::kGamenumber:
      return txtGamenumber_;
  }
  return txtGamenumber_;
}

RoomyLabel* Form1::CaptionLabel(Label label) const {
  switch (label) {
    case Label::kPlayertype:
      return lblPlayertype_;
    case Label::kCPUtype:
      return lblCPUtype_;
    case Label::kDifficultytype:
      return lblDifficultytype_;
  }
  return lblDifficultytype_;
}

void Form1::SetCellCaption(std::int16_t cell, const std::string& text) {
  const auto i = static_cast<std::size_t>(cell);
  const QString mark = QString::fromStdString(text);
  cmd1_.at(i)->SetMark(mark);
  if (!mark.isEmpty()) {
    narrator_->Placed(i, text == game_.strPlayer);
  }
}

std::string Form1::CellCaption(std::int16_t cell) const {
  return cmd1_.at(static_cast<std::size_t>(cell))->Mark().toStdString();
}

void Form1::SetCellEnabled(std::int16_t cell, bool enabled) {
  cmd1_.at(static_cast<std::size_t>(cell))->setEnabled(enabled);
}

bool Form1::CellEnabled(std::int16_t cell) const {
  return cmd1_.at(static_cast<std::size_t>(cell))->isEnabled();
}

void Form1::SetCellBackColour(std::int16_t cell, Colour colour) {
  CellButton* button = cmd1_.at(static_cast<std::size_t>(cell));
  button->SetBackColour(ToQColor(colour, button->palette()));
}

void Form1::SetText(TextBox box, const std::string& text) {
  // The engine counts in its own digits; the player reads theirs.
  Box(box)->setText(QLocale().toString(QString::fromStdString(text).toInt()));
}

void Form1::SetCaption(Label label, const std::string& text) {
  captions_.at(static_cast<std::size_t>(label)) = text;
  CaptionLabel(label)->SetText(EngineText(text));
}

std::string Form1::Caption(Label label) const {
  return captions_.at(static_cast<std::size_t>(label));
}

void Form1::SetMenuEnabled(Level item, bool enabled) {
  switch (item) {
    case Level::kEasy:
      mnuEasy_->setEnabled(enabled);
      break;
    case Level::kMedium:
      mnuMedium_->setEnabled(enabled);
      break;
    case Level::kHard:
      mnuHard_->setEnabled(enabled);
      break;
  }
}

}  // namespace gridmark
