#include "ui/main_window.h"

#include <QVBoxLayout>

#include "platform/qt_platform_services.h"

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
    QT_TRANSLATE_NOOP("Form1", "Top left"),
    QT_TRANSLATE_NOOP("Form1", "Top centre"),
    QT_TRANSLATE_NOOP("Form1", "Top right"),
    QT_TRANSLATE_NOOP("Form1", "Centre left"),
    QT_TRANSLATE_NOOP("Form1", "Centre"),
    QT_TRANSLATE_NOOP("Form1", "Centre right"),
    QT_TRANSLATE_NOOP("Form1", "Bottom left"),
    QT_TRANSLATE_NOOP("Form1", "Bottom centre"),
    QT_TRANSLATE_NOOP("Form1", "Bottom right")};

// The caption that names each mark or level label for a screen reader.
const char* CaptionName(Label label) {
  switch (label) {
    case Label::kPlayertype:
      return QT_TRANSLATE_NOOP("Form1", "Player");
    case Label::kCPUtype:
      return QT_TRANSLATE_NOOP("Form1", "CPU");
    case Label::kDifficultytype:
      return QT_TRANSLATE_NOOP("Form1", "Difficulty");
  }
  return "";
}

}  // namespace

Form1::Form1(PlatformServices& platform, QWidget* parent)
    : QWidget(parent), game_(*this, platform) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(tr("Gridmark"));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  KeepLightLook(this);
  // The boxes and dialogs of the Qt platform belong to this window.
  if (auto* qt_platform = dynamic_cast<QtPlatformServices*>(&platform)) {
    qt_platform->SetOwner(this);
  }

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(kClientWidth, kClientHeight);
  UseButtonFace(client);

  CreateScoreboard(client);
  CreateBoard(client);
  // A plain widget with a layout, not a main window: this one has no tool
  // bars, docks or status bar, and their machinery costs start-up memory.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(CreateMenus());
  layout->addWidget(client);
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

  game_.HandleEvent([this] { game_.Form_Load(); });
}

void Form1::CreateScoreboard(QWidget* client) {
  const QFont large = BoldFont("Arial", 12);
  const QFont small = BoldFont("Arial", 9.75);
  const QColor text = palette().color(QPalette::Active, QPalette::ButtonText);

  QLabel* game = AddLabel(client, "lblGame", QT_TR_NOOP("Game"),
                          TwipsRect(225, 120, 735, 255), large, text);
  txtGamenumber_ =
      AddTextBox(client, "txtGamenumber", TwipsRect(1170, 75, 735, 405));
  QLabel* draws = AddLabel(client, "lblDraws", QT_TR_NOOP("Draws"),
                           TwipsRect(2010, 135, 735, 255), large, text);
  txtDraws_ = AddTextBox(client, "txtDraws", TwipsRect(3090, 75, 735, 405));
  QLabel* wins = AddLabel(client, "lblWins", QT_TR_NOOP("Wins"),
                          TwipsRect(225, 540, 720, 255), large, text);
  txtWins_ = AddTextBox(client, "txtWins", TwipsRect(1170, 495, 735, 405));
  QLabel* losses = AddLabel(client, "lblLosses", QT_TR_NOOP("Losses"),
                            TwipsRect(2010, 540, 975, 255), large, text);
  txtLosses_ = AddTextBox(client, "txtLosses", TwipsRect(3090, 495, 735, 405));
  // Screen readers name each score box after the label beside it.
  game->setBuddy(txtGamenumber_);
  draws->setBuddy(txtDraws_);
  wins->setBuddy(txtWins_);
  losses->setBuddy(txtLosses_);

  AddLabel(client, "lblPlayer", QT_TR_NOOP("Player"),
           TwipsRect(225, 975, 855, 270), small, kPureBlue);
  lblPlayertype_ = AddLabel(client, "lblPlayertype", "",
                            TwipsRect(1200, 975, 735, 255), small, kPureRed);
  AddLabel(client, "lblDifficulty", QT_TR_NOOP("Difficulty"),
           TwipsRect(2010, 975, 1095, 375), small, kPureBlue);
  lblDifficultytype_ =
      AddLabel(client, "lblDifficultytype", "", TwipsRect(3120, 975, 855, 255),
               small, kPureRed);
  AddLabel(client, "lblCPU", QT_TR_NOOP("CPU"), TwipsRect(225, 1300, 855, 255),
           small, kPureBlue);
  lblCPUtype_ = AddLabel(client, "lblCPUtype", "",
                         TwipsRect(1200, 1305, 735, 240), small, kPureRed);
}

void Form1::CreateBoard(QWidget* client) {
  const QFont marks = BoldFont("Comic Sans MS", 36);
  for (std::size_t i = 0; i < cmd1_.size(); ++i) {
    const CellBox& box = kCells[i];
    auto* cell = new CellButton(client);
    cell->setObjectName(QStringLiteral("cmd1_%1").arg(i));
    cell->setGeometry(TwipsRect(box.left, box.top, box.width, box.height));
    cell->setFont(marks);
    const auto index = static_cast<std::int16_t>(i);
    connect(cell, &QPushButton::clicked, this, [this, index] {
      game_.HandleEvent([this, index] { game_.cmd1_Click(index); });
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

QLabel* Form1::AddLabel(QWidget* client, const char* name, const char* caption,
                        QRect box, const QFont& font,
                        const QColor& text_colour) {
  auto* label = new QLabel(tr(caption), client);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(box);
  label->setFont(font);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  UseButtonFace(label);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, text_colour);
  label->setPalette(palette);
  return label;
}

QLineEdit* Form1::AddTextBox(QWidget* client, const char* name, QRect box) {
  auto* text_box = new QLineEdit(client);
  text_box->setObjectName(QString::fromLatin1(name));
  text_box->setGeometry(box);
  text_box->setFont(BoldFont("Arial", 12));
  text_box->setReadOnly(true);
  return text_box;
}

QAction* Form1::AddItem(QMenu* menu, const char* name, const char* caption,
                        void (Game::*handler)()) {
  QAction* item = menu->addAction(tr(caption));
  item->setObjectName(QString::fromLatin1(name));
  connect(item, &QAction::triggered, this, [this, handler] {
    game_.HandleEvent([this, handler] { (game_.*handler)(); });
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

QLabel* Form1::CaptionLabel(Label label) const {
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
  cmd1_.at(i)->setText(mark);
  // A screen reader hears the cell's place and its mark.
  cmd1_[i]->setAccessibleName(QStringLiteral("%1, %2").arg(
      tr(kCellPlaces[i]), mark.isEmpty() ? tr("empty") : mark));
}

std::string Form1::CellCaption(std::int16_t cell) const {
  return cmd1_.at(static_cast<std::size_t>(cell))->text().toStdString();
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
  const QString caption = EngineText(text);
  CaptionLabel(label)->setText(caption);
  // The caption alone ("Medium", "X's") would not say what it is.
  CaptionLabel(label)->setAccessibleName(
      QStringLiteral("%1, %2").arg(tr(CaptionName(label)), caption));
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
