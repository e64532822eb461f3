#include "ui/main_window.h"

#include <QAccessibleWidget>
#include <QVBoxLayout>
#include <utility>

#include "platform/qt_platform_services.h"
#include "ui/look.h"
#include "ui/program_icon.h"
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

// Where each cell lies, as a screen reader says it.
constexpr std::array<const char*, 9> kCellPlaces{
    //: This and the eight places after it are spoken, never shown. In a
    //: right-to-left language the board is mirrored: name each cell as it
    //: is seen there, left and right swapped.
    QT_TRANSLATE_NOOP("Form1", "Top left"),
    QT_TRANSLATE_NOOP("Form1", "Top centre"),
    QT_TRANSLATE_NOOP("Form1", "Top right"),
    QT_TRANSLATE_NOOP("Form1", "Centre left"),
    QT_TRANSLATE_NOOP("Form1", "Centre"),
    QT_TRANSLATE_NOOP("Form1", "Centre right"),
    QT_TRANSLATE_NOOP("Form1", "Bottom left"),
    QT_TRANSLATE_NOOP("Form1", "Bottom centre"),
    QT_TRANSLATE_NOOP("Form1", "Bottom right")};

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
  setWindowTitle(tr("Gridmark"));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  KeepLightLook(this);
  // The boxes and dialogs of the Qt platform belong to this window.
  if (auto* qt_platform = dynamic_cast<QtPlatformServices*>(&platform)) {
    qt_platform->SetOwner(this,
                          [this](Buttons buttons) { return BoxNews(buttons); });
  }

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setFixedSize(kClientWidth, kClientHeight);
  UseButtonFace(client_);

  CreateScoreboard(client_);
  CreateBoard(client_);
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

// No control may change its name or description while a screen reader has it
// as the focus (it drops such changes), but one set before the focus arrives
// is read with it. So the board's focus rests on the silent client area while
// the game works; then the free cell that takes it back carries the news, and
// only once it has the focus does the cell that had it change.
void Form1::Dispatch(const std::function<void()>& handler) {
  std::size_t from = 0;
  CellButton* held = nullptr;
  for (std::size_t i = 0; i < cmd1_.size(); ++i) {
    if (focusWidget() == cmd1_[i]) {
      from = i;
      held = cmd1_[i];
      client_->setFocus();
    }
  }
  game_.HandleEvent(handler);

  // The cell the focus would move on to, round the board in tab order.
  CellButton* next = nullptr;
  for (std::size_t k = 0; k < cmd1_.size() && next == nullptr; ++k) {
    CellButton* cell = cmd1_[(from + k) % cmd1_.size()];
    next = cell->isEnabled() ? cell : nullptr;
  }
  // Each cell tells its place, its mark and the score, so "where am I" on
  // any of them tells the score too.
  const QString status = Status();
  const QString news = std::exchange(news_, {}).join(QLatin1Char(' '));
  const auto tell = [&](std::size_t i) {
    CellButton* cell = cmd1_[i];
    const QString name = QStringLiteral("%1, %2").arg(
        tr(kCellPlaces[i]),
        cell->Mark().isEmpty() ? tr("empty") : cell->Mark());
    const QString told = cell == next && !news.isEmpty()
                             ? news + QLatin1Char(' ') + status
                             : status;
    if (cell->accessibleName() != name) {
      cell->setAccessibleName(name);
    }
    if (cell->accessibleDescription() != told) {
      cell->setAccessibleDescription(told);
    }
  };
  for (std::size_t i = 0; i < cmd1_.size(); ++i) {
    if (cmd1_[i] != held || held == next) {
      tell(i);
    }
  }
  if (next != nullptr) {
    next->setFocus();
  }
  if (held != nullptr && held != next) {
    tell(from);
  }
}

QString Form1::Status() const {
  return tr("Game %1. Wins %2, draws %3, losses %4. Difficulty: %5.")
      .arg(txtGamenumber_->text(), txtWins_->text(), txtDraws_->text(),
           txtLosses_->text(), lblDifficultytype_->text());
}

QString Form1::BoxNews(Buttons buttons) {
  if (buttons == Buttons::kOkCancel) {
    return {};  // the level question: its prompt says it all
  }
  QStringList told = std::exchange(news_, {});
  QStringList line;
  for (std::size_t i = 0; i < cmd1_.size(); ++i) {
    if (cmd1_[i]->BackColour() == ToQColor(kRed, palette())) {
      line << tr(kCellPlaces[i]);
    }
  }
  if (line.size() == 3) {
    told << tr("Winning line: %1, %2, %3.").arg(line[0], line[1], line[2]);
  }
  told << Status();
  return told.join(QLatin1Char(' '));
}

void Form1::CreateScoreboard(QWidget* client) {
  const QFont large = BoldFont("Arial", 12);
  const QFont small = BoldFont("Arial", 9.75);
  const QColor text = palette().color(QPalette::Active, QPalette::ButtonText);

  // A caption may run on up to the control beside it and down to the row
  // below (x and y in pixels, as designed).
  //: Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.
  QLabel* game = AddLabel(client, "lblGame", QT_TR_NOOP("Game"),
                          TwipsRect(225, 120, 735, 255), {76, 34}, large, text);
  txtGamenumber_ =
      AddTextBox(client, "txtGamenumber", TwipsRect(1170, 75, 735, 405));
  //: Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.
  QLabel* draws =
      AddLabel(client, "lblDraws", QT_TR_NOOP("Draws"),
               TwipsRect(2010, 135, 735, 255), {204, 34}, large, text);
  txtDraws_ = AddTextBox(client, "txtDraws", TwipsRect(3090, 75, 735, 405));
  //: Scoreboard caption in bold Arial 12 pt: at most 61 pixels wide.
  QLabel* wins = AddLabel(client, "lblWins", QT_TR_NOOP("Wins"),
                          TwipsRect(225, 540, 720, 255), {76, 63}, large, text);
  txtWins_ = AddTextBox(client, "txtWins", TwipsRect(1170, 495, 735, 405));
  //: Scoreboard caption in bold Arial 12 pt: at most 70 pixels wide.
  QLabel* losses =
      AddLabel(client, "lblLosses", QT_TR_NOOP("Losses"),
               TwipsRect(2010, 540, 975, 255), {204, 63}, large, text);
  txtLosses_ = AddTextBox(client, "txtLosses", TwipsRect(3090, 495, 735, 405));
  // Screen readers name each score box after the label beside it.
  game->setBuddy(txtGamenumber_);
  draws->setBuddy(txtDraws_);
  wins->setBuddy(txtWins_);
  losses->setBuddy(txtLosses_);

  //: Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.
  QLabel* player =
      AddLabel(client, "lblPlayer", QT_TR_NOOP("Player"),
               TwipsRect(225, 975, 855, 270), {78, 85}, small, kPureBlue);
  lblPlayertype_ =
      AddLabel(client, "lblPlayertype", "", TwipsRect(1200, 975, 735, 255), {},
               small, kPureRed);
  //: Scoreboard caption in bold Arial 9.75 pt: at most 72 pixels wide; the
  //: same word as the Difficulty menu.
  QLabel* difficulty =
      AddLabel(client, "lblDifficulty", QT_TR_NOOP("Difficulty"),
               TwipsRect(2010, 975, 1095, 375), {206, 105}, small, kPureBlue);
  lblDifficultytype_ =
      AddLabel(client, "lblDifficultytype", "", TwipsRect(3120, 975, 855, 255),
               {284, 105}, small, kPureRed);
  //: Scoreboard caption in bold Arial 9.75 pt: at most 63 pixels wide.
  QLabel* cpu =
      AddLabel(client, "lblCPU", QT_TR_NOOP("CPU"),
               TwipsRect(225, 1300, 855, 255), {78, 106}, small, kPureBlue);
  lblCPUtype_ = AddLabel(client, "lblCPUtype", "",
                         TwipsRect(1200, 1305, 735, 240), {}, small, kPureRed);
  // And each caption names the mark or level beside it, so that neither is
  // read twice.
  player->setBuddy(lblPlayertype_);
  difficulty->setBuddy(lblDifficultytype_);
  cpu->setBuddy(lblCPUtype_);
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

  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  AddItem(file, "mnuRestartTournament", QT_TR_NOOP("&Restart Tournament"),
          &Game::mnuRestartTournament_Click);
  AddItem(file, "mnuExit", QT_TR_NOOP("&Exit"), &Game::mnuExit_Click);

  QMenu* difficulty = bar->addMenu(tr("&Difficulty"));
  difficulty->setObjectName(QStringLiteral("mnuDifficulty"));
  mnuEasy_ =
      AddItem(difficulty, "mnuEasy", QT_TR_NOOP("&Easy"), &Game::mnuEasy_Click);
  mnuMedium_ = AddItem(difficulty, "mnuMedium", QT_TR_NOOP("&Medium"),
                       &Game::mnuMedium_Click);
  mnuHard_ =
      AddItem(difficulty, "mnuHard", QT_TR_NOOP("&Hard"), &Game::mnuHard_Click);

  QMenu* help = bar->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  AddItem(help, "mnuHowToPlay", QT_TR_NOOP("&How To Play"),
          &Game::mnuHowToPlay_Click);
  AddItem(help, "mnuAbout", QT_TR_NOOP("&About"), &Game::mnuAbout_Click);
  return bar;
}

RoomyLabel* Form1::AddLabel(QWidget* client, const char* name,
                            const char* caption, QRect box, QPoint room,
                            const QFont& font, const QColor& text_colour) {
  auto* label = new RoomyLabel(client, box, room);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
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
  text_box->setFont(BoldFont("Arial", 12));
  text_box->setReadOnly(true);
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
    news_ << (text == game_.strPlayer ? tr("You: %1.") : tr("Computer: %1."))
                 .arg(tr(kCellPlaces[i]));
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
  Box(box)->setText(QString::fromStdString(text));
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
