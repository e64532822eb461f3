#include "ui/dialogs.h"

#include <QKeyEvent>

#include "platform/app_info.h"
#include "ui/look.h"
#include "ui/program_icon.h"
#include "ui/translations.h"
#include "ui/twips.h"

namespace gridmark {

namespace {

void MakeFixedDialog(QDialog* dialog, QSize client) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint);
  dialog->setWindowIcon(ProgramIcon());
  KeepLightLook(dialog);
  dialog->setFixedSize(client);
  UseButtonFace(dialog);
}

// `room`: the right and bottom edges a longer translation may reach.
RoomyLabel* AddLabel(QWidget* parent, const char* name, QRect box,
                     QPoint room) {
  auto* label = new RoomyLabel(parent, box, room);
  label->setObjectName(QString::fromLatin1(name));
  UseButtonFace(label);
  return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, QRect box,
                       const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(Placed(parent, box));
  return button;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace

// ---- frmHowToPlay -----------------------------------------------------------

frmHowToPlay::frmHowToPlay(QWidget* parent) : DialogForm(parent) {
  setObjectName(QStringLiteral("frmHowToPlay"));
  MakeFixedDialog(this, {314, 154});

  OKButton_ =
      //: The button that closes How To Play: at most 81 pixels wide.
      AddButton(this, "OKButton", TwipsRect(1800, 1800, 1215, 375), tr("OK"));
  // Enter presses it only while it has the focus; it is not the default.
  OKButton_->setAutoDefault(true);
  OKButton_->setDefault(false);
  connect(OKButton_, &QPushButton::clicked, this,
          &frmHowToPlay::OKButton_Click);

  Label1_ = AddLabel(this, "Label1", TwipsRect(120, 120, 4455, 855), {0, 78});
  Label1_->setFont(LanguageFont(BoldFont("Arial", 14.25)));
  Label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label2_ = AddLabel(this, "Label2", TwipsRect(120, 1200, 4455, 375), {0, 118});
  Label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  Load();
}

void frmHowToPlay::Load() {
  //: Title of the How To Play box, as the Help menu item says it.
  setWindowTitle(tr("How To Play"));
  setGeometry(QRect(QPoint(Px(2760), Px(3750)), size()));
  //: How To Play's headline, teasing: bold Arial 14.25 pt, centred in lines
  //: of 297 pixels, at most three. A line break (\n) or a no-break space is
  //: welcome where a word would otherwise stand alone on its line.
  Label1_->SetText(tr("You seriously don't know how to play Gridmark?"));
  //: How To Play's rule, below the headline: centred in lines of 297
  //: pixels, at most two. (3) is the number three in your digits; X and O
  //: are the marks, kept as they are. A line break (\n) or a no-break space
  //: is welcome to keep "(3)" with its mark, or a word from standing alone.
  Label2_->SetText(tr("The first player to get (3) X's or O's in a row wins."));
  OKButton_->setFocus();
}

void frmHowToPlay::OKButton_Click() { accept(); }

void frmHowToPlay::keyPressEvent(QKeyEvent* event) {
  // No cancel button here, so Esc closes nothing.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  DialogForm::keyPressEvent(event);
}

// ---- frmAbout ---------------------------------------------------------------

frmAbout::frmAbout(QWidget* parent) : DialogForm(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  MakeFixedDialog(this, {382, 222});

  //: The button that closes About: at most 84 pixels wide.
  cmdOK_ = AddButton(this, "cmdOK", TwipsRect(4245, 2145, 1260, 345), tr("OK"));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  // A 2-pixel sunken border around the 32 by 32 icon.
  picIcon_ = new QLabel(this);
  picIcon_->setObjectName(QStringLiteral("picIcon"));
  picIcon_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picIcon_->setLineWidth(2);
  picIcon_->setPixmap(ProgramIcon().pixmap(32, 32));
  picIcon_->setGeometry(Placed(this, TwipsRect(240, 240, 540, 540)));

  const QColor black(0, 0, 0);
  lblDescription_ = AddLabel(this, "lblDescription",
                             TwipsRect(1050, 1125, 3885, 330), {374, 128});
  SetTextColour(lblDescription_, black);
  lblTitle_ =
      AddLabel(this, "lblTitle", TwipsRect(1050, 240, 3885, 480), {374, 50});
  SetTextColour(lblTitle_, black);
  lblVersion_ =
      AddLabel(this, "lblVersion", TwipsRect(1050, 780, 3885, 225), {374, 73});

  Text1_ = new QPlainTextEdit(this);
  Text1_->setObjectName(QStringLiteral("Text1"));
  Text1_->setGeometry(Placed(this, TwipsRect(120, 2040, 3975, 1335)));
  Text1_->setReadOnly(true);
  Text1_->setFrameStyle(QFrame::NoFrame);
  Text1_->setFocusPolicy(Qt::NoFocus);
  Text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // A plain multi-line box: it wraps, and has no scroll bars.
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette notice = Text1_->palette();
  for (auto group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    notice.setColor(group, QPalette::Base,
                    notice.color(group, QPalette::Button));
  }
  Text1_->setPalette(notice);

  // Grey above white: an etched rule between the captions and the notice.
  new LineControl(this, "Line1_0", {105, 1980}, {5654, 1980}, 2,
                  QColor(255, 255, 255));
  new LineControl(this, "Line1_1", {90, 1965}, {5654, 1965}, 1,
                  QColor(128, 128, 128));

  Load();
}

void frmAbout::Load() {
  setWindowTitle(QStringLiteral("About"));
  setGeometry(QRect(QPoint(Px(2340), Px(1935)), size()));
  //: About's by-line, below the version: at most 299 pixels wide, on up to
  //: two lines. The first Gridmark is the program, the second names its
  //: makers.
  lblDescription_->SetText(tr("Gridmark - by the Gridmark developers"));
  // Design-time texts, replaced below before anyone sees them.
  lblTitle_->SetText(QStringLiteral("Application Title"));
  lblVersion_->SetText(QStringLiteral("Version"));
  Text1_->setPlainText(QString::fromLatin1(kNotice));
  cmdOK_->setFocus();
  Form_Load();
}

void frmAbout::Form_Load() {
  const QString title = QString::fromLatin1(kAppTitle);
  //: Title of the About box, as the Help menu item says it. %1 is the
  //: program's name, Gridmark.
  setWindowTitle(tr("About %1").arg(title));
  //: About box, below the title, in the dialog's font: at most 300 pixels
  //: wide. %1.%2 is the version, 1.0, in your language's digits.
  lblVersion_->SetText(tr("Version %1.%2")
                           .arg(QLocale().toString(kVersionMajor),
                                QLocale().toString(kVersionMinor)));
  lblTitle_->SetText(title);
  // Screen readers skip a short stray label, so the focused button says it.
  cmdOK_->setAccessibleDescription(
      QStringLiteral("%1, %2").arg(title, lblVersion_->text()));
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::keyPressEvent(QKeyEvent* event) {
  // cmdOK is the cancel button as well: Esc presses it.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    cmdOK_->click();
    return;
  }
  DialogForm::keyPressEvent(event);
}

// ---- Factory ----------------------------------------------------------------

std::unique_ptr<DialogForm> MakeDialog(Dialog dialog) {
  switch (dialog) {
    case Dialog::kHowToPlay:
      return std::make_unique<frmHowToPlay>();
    case Dialog::kAbout:
      return std::make_unique<frmAbout>();
  }
  return nullptr;
}

}  // namespace gridmark
