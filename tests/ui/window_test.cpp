// The window, the dialogs and the Qt platform services, offscreen; run at one
// and at two device pixels to the logical pixel.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtTest>
// The offscreen platform reports no screen reader; only its own
// accessibility object can be told that one listens.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include "platform/qt_platform_services.h"
#include "tests/engine/fakes.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/program_icon.h"
#include "ui/program_style.h"
#include "ui/text_fit.h"
#include "ui/translations.h"

namespace gridmark {
namespace {

using namespace testing;

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

// A made-up language whose every text is 40% longer and accented, to see
// where a future translation would run out of room.
class Stretched : public QTranslator {
 public:
  QString translate(const char*, const char* source, const char*,
                    int) const override {
    const QString text = QString::fromUtf8(source);
    return text.startsWith("QT_") ? QString()
                                  : QString(text).replace('e', u'\u00e9') +
                                        QString(text.size() * 2 / 5, u'\u00ee');
  }
  bool isEmpty() const override { return false; }
};

CellButton* Cell(const QWidget& form, int i) {
  return Find<CellButton>(form, QStringLiteral("cmd1_%1").arg(i));
}

// The marks, then the texts of the named boxes and labels.
QString Show(const QWidget& form, const QStringList& names = {}) {
  QString out;
  for (int i = 0; i < 9; ++i) {
    out += Cell(form, i)->Mark().isEmpty() ? "." : Cell(form, i)->Mark();
  }
  for (const QString& name : names) {
    auto* box = form.findChild<QLineEdit*>(name);
    out += ' ' + (box ? box->text() : Find<QLabel>(form, name)->text());
  }
  return out;
}

// A box as the user meets it: title, prompt, buttons (the default starred),
// and whether it belongs to `form` and stands centred over it, with the
// program's icon.
QString Describe(QWidget* modal, const QWidget& form) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  QString out = box->windowTitle() + '|' + box->text() + '|';
  for (QAbstractButton* b : box->buttons()) {
    out += b->text() + (b == box->defaultButton() ? "* " : " ") +
           (b->icon().isNull() ? "" : "icon ");
  }
  const QRect r = box->geometry(), f = form.geometry();
  const bool over =
      f.contains(r.center()) && qAbs(r.center().y() - f.center().y()) < 3;
  const bool owned =
      box->windowHandle()->transientParent() == form.windowHandle() && over;
  const bool program_icon =
      box->windowIcon().cacheKey() == ProgramIcon().cacheKey();
  return out + (box->icon() == QMessageBox::NoIcon ? "" : "icon ") +
         (!owned         ? "loose"
          : program_icon ? "over the window"
                         : "over the window without the icon");
}

void Trigger(const QWidget& form, const char* item) {
  Find<QAction>(form, item)->trigger();
}

// The room between where a label's text ends and the next control on its
// row begins (or the window's edge), in reading order.
int ClearSpaceAfter(QWidget* label, const QString& text) {
  const QWidget* parent = label->parentWidget();
  const auto read = [parent](QRect r) {  // as if left to right
    return parent->isRightToLeft() ? QRect(parent->width() - 1 - r.right(),
                                           r.y(), r.width(), r.height())
                                   : r;
  };
  const QRect own = read(label->geometry());
  int next = parent->width();
  for (QWidget* other : parent->findChildren<QWidget*>()) {
    const QRect r = read(other->geometry());
    if (r.left() > own.left() && r.top() <= own.bottom() &&
        r.bottom() >= own.top())
      next = qMin(next, r.left());
  }
  return next - own.left() -
         TextExtent(text, label->font(), label->width()).width();
}

// Pixel for pixel as golden/NAME.png (NAME@2x.png at double density);
// GRIDMARK_UPDATE_GOLDEN=1 writes the files anew.
void ExpectLooksLike(QWidget& widget, const QString& name) {
  const QImage shot =
      widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString file = QStringLiteral(GOLDEN_DIR "/%1%2.png")
                           .arg(name, shot.devicePixelRatio() > 1 ? "@2x" : "");
  if (qEnvironmentVariableIsSet("GRIDMARK_UPDATE_GOLDEN")) shot.save(file);
  if (QImage(file).convertToFormat(QImage::Format_RGB32) != shot) {
    shot.save(QDir::temp().filePath(QFileInfo(file).fileName()));
    QFAIL(qPrintable(name + " differs from " + file + ", see /tmp"));
  }
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    UseProgramStyle();
  }
  void cleanup() { UseLanguage(QLocale::c()); }

  // Under a light theme of distinct colours: faces in its button colour,
  // score boxes in its window colours, texts in its button-text colour but
  // the pure blue and red captions, and About's black title and description.
  // Under a dark scheme: the light look of the default colours, so that no
  // text loses contrast.
  void looksAsDesigned() {
    const QPalette saved = QApplication::palette();
    QPalette theme = saved;
    theme.setColor(QPalette::Button, QColor(200, 190, 180));
    theme.setColor(QPalette::Window, QColor(230, 230, 230));
    theme.setColor(QPalette::Base, QColor(250, 250, 220));
    theme.setColor(QPalette::ButtonText, QColor(0, 60, 60));
    theme.setColor(QPalette::WindowText, QColor(60, 0, 60));
    for (const QString scheme : {"", "-dark"}) {
      QApplication::setPalette(scheme.isEmpty() ? theme
                                                : QPalette(QColor(49, 54, 59)));
      Scripted platform({ChanceR(60), CellR(0)});
      Form1 form(platform);
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      Cell(form, 4)->click();
      form.SetCellBackColour(0, kRed);  // taken cells of a won line
      form.SetCellBackColour(4, kRed);
      ExpectLooksLike(form, "window" + scheme);
      frmHowToPlay how;
      ExpectLooksLike(how, "howtoplay" + scheme);
      frmAbout about;
      ExpectLooksLike(about, "about" + scheme);
    }
    QApplication::setPalette(saved);
  }

  void frameMenusAndDialogs() {
    Scripted platform({ChanceR(60)});
    Form1 form(platform);
    form.show();
    QCOMPARE(form.windowTitle(), "Gridmark");
    QCOMPARE(form.windowFlags() &
                 (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
             Qt::WindowCloseButtonHint);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.windowIcon().cacheKey(), ProgramIcon().cacheKey());
    // The menu bar's overflow icon, fetched when drawn, is the style's own.
    const auto* style = qobject_cast<const QProxyStyle*>(form.style());
    QVERIFY(style != nullptr);
    QCOMPARE(Find<QToolButton>(form, "qt_menubar_ext_button")
                 ->icon()
                 .pixmap(16)
                 .toImage(),
             style->baseStyle()
                 ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                 .pixmap(16)
                 .toImage());
    QStringList menus;
    for (QAction* top : form.findChild<QMenuBar*>()->actions()) {
      menus << top->menu()->objectName() + ' ' + top->text();
      for (QAction* item : top->menu()->actions()) {
        const bool plain = !item->isCheckable() && !item->isSeparator() &&
                           item->shortcut().isEmpty();
        menus.last() += ", " + item->objectName() + ' ' + item->text() +
                        (item->isEnabled() ? "" : " off") +
                        (plain ? "" : " extra");
      }
    }
    QCOMPARE(menus.join('\n'),
             "mnuFile &File, mnuRestartTournament &Restart Tournament, "
             "mnuExit &Exit\nmnuDifficulty &Difficulty, mnuEasy &Easy, "
             "mnuMedium &Medium off, mnuHard &Hard\nmnuHelp &Help, "
             "mnuHowToPlay &How To Play, mnuAbout &About");
    for (const char* name :
         {"txtGamenumber", "txtDraws", "txtWins", "txtLosses"}) {
      QVERIFY(Find<QLineEdit>(form, name)->isReadOnly());
    }
    frmAbout about_form;
    for (const char* name :
         {"picIcon", "lblDescription", "Text1", "Line1_0", "Line1_1"}) {
      Find(about_form, name);
    }
    for (const char* name :
         {"lblGame", "lblDraws", "lblLosses", "lblPlayer", "lblCPU",
          "lblDifficulty", "gridv1_0", "gridv2_1", "gridh1_0", "gridh2_1"}) {
      Find(form, name);
    }
    QStringList seen;
    for (const char* item :
         {"mnuHowToPlay", "mnuAbout", "mnuHowToPlay", "mnuAbout"}) {
      OnModal([&](QWidget* d) {
        const bool about = d->objectName() == "frmAbout";
        auto* label = Find<QLabel>(*d, about ? "lblTitle" : "Label1");
        seen << d->windowTitle() + '|' + label->text() + '|' +
                    Find<QLabel>(*d, about ? "lblVersion" : "Label2")->text() +
                    QStringLiteral("|%1,%2")
                        .arg(d->geometry().x())
                        .arg(d->geometry().y()) +
                    (d->windowHandle()->transientParent() == form.windowHandle()
                         ? ""
                         : " loose") +
                    (d->windowFlags() & Qt::WindowMinMaxButtonsHint ? " min"
                                                                    : "") +
                    (d->windowIcon().cacheKey() == ProgramIcon().cacheKey()
                         ? ""
                         : " no icon");
        if (about)
          seen.last() += '|' + Find(*d, "cmdOK")->accessibleDescription();
        label->setText("changed");
        d->move(0, 0);
        // Esc closes About only; Enter presses the default or focused OK.
        QTest::keyClick(
            d, about && seen.size() < 3 ? Qt::Key_Return : Qt::Key_Escape);
        seen.last() += d->isVisible() ? " stays" : "";
        if (d->isVisible()) QTest::keyClick(d, Qt::Key_Return);
      });
      Trigger(form, item);
    }
    const QString how =
        "How To Play|You seriously don't know how to play Gridmark?|The first "
        "player to get (3) X's or O's in a row wins.|184,250 stays";
    const QString about =
        "About Gridmark|Gridmark|Version 1.0|156,129|Gridmark, Version 1.0";
    QCOMPARE(seen, QStringList({how, about, how, about}));
  }

  void followsTheLocaleElseEnglish() {
    // A box title, Qt's Yes button (Qt's only with the game's own language)
    // and the game number, in the player's digits.
    for (const QString expected :
         {"de_AT|Gewonnen|&Ja|1", "pt_BR|Você venceu|&Sim|1",
          "pt_PT|Ganhou|&Sim|1", "fa_IR|شما بردید|بله(&Y)|۱",
          "th_TH|You Win|&Yes|1", "C|You Win|&Yes|1"}) {
      UseLanguage(QLocale(expected.section('|', 0, 0)));
      Scripted platform({ChanceR(60)});
      const Form1 form(platform);
      QCOMPARE(expected.section('|', 0, 0) + '|' + EngineText("You Win") + '|' +
                   QCoreApplication::translate("QPlatformTheme", "&Yes") + '|' +
                   Find<QLineEdit>(form, "txtGamenumber")->text(),
               expected);
    }
  }

  // Each shipped catalogue: every text keeps its source's placeholders and
  // access-key marks, and the fonts at hand draw it; no two items of a menu,
  // no two menus and no two buttons of a box share an access key; the
  // scoreboard's spoken names are full words.
  void cataloguesKeepTheirMarks() {
    const QDir dir(TRANSLATIONS_DIR);
    QStringList report;
    for (const QString& file : dir.entryList({"*.ts"})) {
      QFile ts(dir.filePath(file));
      QVERIFY(ts.open(QIODevice::ReadOnly));
      QXmlStreamReader xml(&ts);
      // "context|source", or "context|source|comment", to translation
      QMap<QString, QString> text;
      QString context, source;
      while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"source")
          source = context + '|' + xml.readElementText();
        if (xml.name() == u"comment") source += '|' + xml.readElementText();
        if (xml.name() == u"translation") text[source] = xml.readElementText();
      }
      const auto marks = [](const QString& t) {
        QStringList found;
        for (const auto& m : QRegularExpression("%\\d|&(?!&)").globalMatch(t))
          found << m.captured();
        found.sort();
        return found;
      };
      QStringList faults;
      for (auto it = text.cbegin(); it != text.cend(); ++it) {
        if (marks(it.key().section('|', 1, 1)) != marks(it.value()) ||
            !Drawable(it.value(), QApplication::font()))
          faults << it.value();
      }
      for (const QString group : {"Form1|&File Form1|&Difficulty Form1|&Help",
                                  "Form1|&Restart Tournament Form1|&Exit",
                                  "Form1|&Easy Form1|&Medium Form1|&Hard",
                                  "Form1|&How To Play Form1|&About",
                                  "QPlatformTheme|&Yes QPlatformTheme|&No"}) {
        QSet<QString> keys;
        const QStringList items =
            group.split(QRegularExpression(" (?=\\w+\\|)"));
        for (const QString& item : items)
          keys << QKeySequence::mnemonic(text.value(item)).toString().toLower();
        if (keys.size() != items.size()) faults << group;
      }
      // Spoken names in full words, whatever the caption had to shorten.
      for (const QString name :
           {"Game", "Wins", "Draws", "Losses", "Player", "Difficulty", "CPU"}) {
        const QString caption = text.value("Form1|" + name);
        const QString spoken = text.value(
            "Form1|" + (name == "CPU" ? "Computer" : name) + "|spoken");
        if (spoken.isEmpty() || spoken.endsWith('.') ||
            (spoken == caption &&
             caption.contains(QRegularExpression("[./]|^[A-Z]+$"))))
          faults << spoken;
      }
      if (text.size() < 60 || !faults.isEmpty())
        report << file + ": " + faults.join(" / ");
    }
    for (const QString& fault : report) qWarning("%s", qPrintable(fault));
    QVERIFY(report.isEmpty());
  }

  // In every language, and in a made-up one with texts 40% longer: each text
  // of the window and the dialogs fits its control, wrapped as labels wrap,
  // with each level shown, and its fonts draw it, a font the window sets
  // alone; no caption runs into another control, and each keeps clear space
  // before the next; each box is as wide as its title needs; right-to-left
  // languages mirror, each caption to the right of its value and each number
  // at the start of its box. The made-up language only reports what would
  // not fit.
  void textsFitTheirControlsInEveryLanguage() {
    QStringList languages = QDir(":/i18n").entryList();
    languages.replaceInStrings(QRegularExpression("gridmark_|\\.qm"), "");
    QStringList report;
    for (const QString& language : languages + QStringList{"pseudo"}) {
      Stretched pseudo;
      QCOMPARE(UseLanguage(QLocale(language)), language != "pseudo");
      if (language == "pseudo") QCoreApplication::installTranslator(&pseudo);
      Scripted platform({ChanceR(60)});
      Form1 form(platform);
      form.show();
      frmHowToPlay how;
      frmAbout about;
      QStringList misfits;
      for (Level level : kLevels) {
        form.SetCaption(Label::kDifficultytype, LevelName(level));
        QCOMPARE(form.Caption(Label::kDifficultytype), LevelName(level));
        for (QWidget* window : QList<QWidget*>{&form, &how, &about}) {
          for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString text = control->property("text").toString();
            const QSize need =
                TextExtent(text, control->font(), control->width());
            const bool fits =
                qobject_cast<QPushButton*>(control)
                    ? control->sizeHint().width() <= control->width()
                    : need.width() <= control->width() &&
                          need.height() <=
                              qMax(control->height(),
                                   control->fontMetrics().height());
            // A font the window sets draws its text alone: a letter from a
            // fallback font sits off the line.
            const QStringList fonts = FontsDrawing(text, control->font());
            const bool drawn =
                control->testAttribute(Qt::WA_SetFont)
                    ? fonts == QStringList{QFontInfo(control->font()).family()}
                    : !fonts.contains(QString());
            if (!text.isEmpty() && (!fits || !drawn))
              misfits << control->objectName() + " " + text;
            if (window == &form && qobject_cast<QLabel*>(control) &&
                ClearSpaceAfter(control, text) < kClearSpace)
              misfits << control->objectName() + " touches the next";
            for (QWidget* other :
                 control->parentWidget()->findChildren<QLabel*>())
              if (other != control && qobject_cast<QLabel*>(control) &&
                  other->geometry().intersects(control->geometry()))
                misfits << control->objectName() + " over " +
                               other->objectName();
          }
        }
      }
      for (QAction* menu : form.findChild<QMenuBar*>()->actions())
        if (!Drawable(menu->text(), form.font())) misfits << menu->text();
      if (Find(form, "qt_menubar_ext_button")->isVisible()) misfits << "menus";
      // Each box as wide as its title needs.
      for (const auto& [prompt, title] :
           {std::pair{"You Win, Play Again?", "You Win"},
            {"You Lose, Play Again?", "You Lose"},
            {"It Was A Draw, Play Again?", "No Winner"},
            {"Changing This Setting Will Restart The Tournament", "Reset?"}}) {
        OnModal([&](QWidget* box) {
          if (box->width() < TitleBarWidth(box->windowTitle(), box->font()))
            misfits << "title " + box->windowTitle();
          box->close();
        });
        platform.MsgBox(prompt, Buttons::kOkCancel, title);
      }
      // Mirrored, each caption to the right of its value and each number at
      // the start of its box.
      const bool rtl =
          Find(form, "lblPlayer")->x() > Find(form, "lblPlayertype")->x();
      if (rtl != QStringList({"ar", "fa", "he"}).contains(language) ||
          rtl != bool(Find<QLineEdit>(form, "txtWins")->alignment() &
                      Qt::AlignRight))
        misfits << "direction";
      if (language == "pseudo") {
        QCoreApplication::removeTranslator(&pseudo);
        qInfo("Would not fit 40%% longer: %s", qPrintable(misfits.join("; ")));
        QCOMPARE(Find<QLabel>(form, "lblGame")->text(), "Gam\u00e9\u00ee");
      } else if (!misfits.isEmpty()) {
        misfits.removeDuplicates();
        report << language + ": " + misfits.join("; ");
      }
    }
    for (const QString& misfit : report) qWarning("%s", qPrintable(misfit));
    QVERIFY(report.isEmpty());
  }

  void germanBoxRepliesByItsButtons() {
    QVERIFY(UseLanguage(QLocale("de_DE")));
    QString seen;
    OnModal([&seen](QWidget* box) {  // no window here to belong to
      seen = box->windowTitle() + '|' + Describe(box, *box).section('|', 1);
      QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
    });
    Scripted platform({});
    seen += QString::number(
        platform.MsgBox("You Win, Play Again?", Buttons::kYesNo, "You Win"));
    QCOMPARE(seen, "Gewonnen|Gewonnen! Noch eine Runde?|&Ja* &Nein loose7");
  }

  // A screen reader meets a window, a status bar and full-word names; each
  // move and result is in the description of the control that takes the
  // focus, set before it arrives, and a Tab says just the cell; no control
  // changes while the screen reader has it as the focus; and whenever the
  // program waits, idle or in a box, the tree shows the board that is drawn.
  void heardByAScreenReader() {
    static QStringList heard;
    heard.clear();
    // The focus as a screen reader follows it: the last control to get it,
    // whether or not it still has it.
    static QWidget* focus = nullptr;
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
      auto* w = qobject_cast<QWidget*>(event->object());
      const auto type = event->type();
      // A control that takes no focus of its own is passed over, as a
      // screen reader passes over a focus that moves straight on.
      if (type == QAccessible::Focus && w && w->focusPolicy() != Qt::NoFocus) {
        focus = w;
        const QVariant name =
            w->objectName().isEmpty() ? w->property("text") : w->objectName();
        if (!qobject_cast<QMenu*>(w))
          heard << name.toString() + ": " + w->accessibleDescription();
      } else if (w == focus && (type == QAccessible::NameChanged ||
                                type == QAccessible::DescriptionChanged)) {
        heard << w->objectName() + " changed while focused";
      }
    });
    QPlatformAccessibility* screen_reader =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    screen_reader->setActive(true);
    // Medium: careless in games 1 and 2, careful in 3, which game 4 follows.
    Scripted platform({ChanceR(30), CellR(4), CellR(8), ChanceR(30), CellR(4),
                       CellR(1), CellR(7), ChanceR(60), CellR(0), CellR(2),
                       ChanceR(60), CellR(8)});
    Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto tree = [&](const char* name) {  // name, role and text
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(
          form.objectName() == name ? &form : Find(form, name));
      return face->text(QAccessible::Name) + '|' +
             QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role()) +
             '|' +
             (face->textInterface() ? face->textInterface()->text(0, 99) : "");
    };
    const QStringList places =
        QString(
            "Top left|Top centre|Top right|Centre left|Centre|Centre "
            "right|Bottom left|Bottom centre|Bottom right")
            .split('|');
    const auto in_step = [&] {
      for (int i = 0; i < 9; ++i) {
        const QString mark = Cell(form, i)->Mark();
        if (tree(qPrintable(Cell(form, i)->objectName())) !=
                places[i] + ", " + (mark.isEmpty() ? "empty" : mark) +
                    "|Button|" ||
            Cell(form, i)->isEnabled() != mark.isEmpty())
          heard << places[i] + " out of step";
      }
    };
    for (const char* name : {"Form1", "scoreboard", "txtGamenumber", "txtWins",
                             "txtDraws", "txtLosses", "lblPlayertype", "lblCPU",
                             "lblCPUtype", "lblDifficultytype"})
      heard << tree(name);
    auto* menu = Find<QMenu>(form, "mnuDifficulty");
    menu->popup({});
    QString path;
    for (auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
      QTest::keyClick(menu, key);
      path += menu->activeAction()->objectName() + ' ';
    }
    QTest::keyClick(menu, Qt::Key_Return);  // the level in force: nothing
    menu->hide();
    heard << path + Show(form, {"lblDifficultytype"});
    QTimer boxes;  // each box: the tree, then Yes
    connect(&boxes, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box && focus == box->defaultButton()) {
        QCoreApplication::sendPostedEvents();  // as the box's loop would
        heard << "box " + Show(form);
        in_step();
        box->defaultButton()->click();
      }
    });
    boxes.start(10);
    // Game 1 won, between Tabs; game 2 lost; game 3 drawn.
    for (const char key : QString("01tT2"
                                  "30"
                                  "48136.")
                              .toLatin1()) {
      QApplication::setActiveWindow(&form);  // as a window manager does
      QWidget* at = QApplication::focusWidget();
      if (key == 't' || key == 'T')
        QTest::keyClick(at, Qt::Key_Tab,
                        key == 'T' ? Qt::ShiftModifier : Qt::NoModifier);
      else if (key != '.')
        QTest::mouseClick(Cell(form, key - '0'), Qt::LeftButton);
      QCoreApplication::processEvents();
      in_step();
    }
    heard << tree("scoreboard");
    QAccessible::installUpdateHandler(nullptr);
    screen_reader->setActive(false);
    QCOMPARE(heard.join('\n'),
             R"(cmd1_0: Game 1. Wins 0, draws 0, losses 0. Difficulty: Medium.
Gridmark|Window|
Game 1. Wins 0, draws 0, losses 0. Difficulty: Medium.|StatusBar|
Game|EditableText|1
Wins|EditableText|0
Draws|EditableText|0
Losses|EditableText|0
Player|StaticText|X's
CPU|StaticText|CPU
Computer|StaticText|O's
Difficulty|StaticText|Medium
cmd1_0: Game 1. Wins 0, draws 0, losses 0. Difficulty: Medium.
mnuEasy mnuMedium mnuHard mnuMedium ......... Medium
cmd1_1: You: Top left. Computer: Centre. Game 1. Wins 0, draws 0, losses 0. Difficulty: Medium.
cmd1_1: You: Top left. Computer: Centre. Game 1. Wins 0, draws 0, losses 0. Difficulty: Medium.
cmd1_2: You: Top centre. Computer: Bottom right. Game 1. Wins 0, draws 0, losses 0. Difficulty: Medium.
cmd1_3: 
cmd1_2: 
&Yes: You: Top right. Winning line: Top left, Top centre, Top right. Game 1. Wins 1, draws 0, losses 0. Difficulty: Medium.
box XXX.O...O
cmd1_2: Computer: Centre. Game 2. Wins 1, draws 0, losses 0. Difficulty: Medium.
cmd1_3: 
cmd1_5: You: Centre left. Computer: Top centre. Game 2. Wins 1, draws 0, losses 0. Difficulty: Medium.
cmd1_0: 
&Yes: You: Top left. Computer: Bottom centre. Winning line: Top centre, Centre, Bottom centre. Game 2. Wins 1, draws 0, losses 1. Difficulty: Medium.
box XO.XO..O.
cmd1_0: Game 3. Wins 1, draws 0, losses 1. Difficulty: Medium.
cmd1_4: 
cmd1_5: You: Centre. Computer: Top left. Game 3. Wins 1, draws 0, losses 1. Difficulty: Medium.
cmd1_8: 
cmd1_1: You: Bottom right. Computer: Top right. Game 3. Wins 1, draws 0, losses 1. Difficulty: Medium.
cmd1_3: You: Top centre. Computer: Bottom centre. Game 3. Wins 1, draws 0, losses 1. Difficulty: Medium.
cmd1_6: You: Centre left. Computer: Centre right. Game 3. Wins 1, draws 0, losses 1. Difficulty: Medium.
&Yes: You: Bottom left. Game 3. Wins 1, draws 1, losses 1. Difficulty: Medium.
box OXOXXOXOX
cmd1_6: Computer: Bottom right. Game 4. Wins 1, draws 1, losses 1. Difficulty: Medium.
Game 4. Wins 1, draws 1, losses 1. Difficulty: Medium.|StatusBar|)");
  }

  // Last: once the program has ended every later modal loop returns at once.
  void playsThroughRealBoxes() {
    // Careless at Medium: the computer plays cells 3 and 4 at random.
    Scripted platform(
        {ChanceR(30), CellR(3), CellR(4), ChanceR(60), CellR(8), ChanceR(60)});
    Form1 form(platform);
    form.move(200, 100);  // away from the screen's centre
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    Cell(form, 0)->setFocus();
    for (int i = 1; i < 9; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList seen{QApplication::focusWidget()->objectName()};
    QTest::keyClick(Cell(form, 0), Qt::Key_Space);
    QTest::keyClick(Cell(form, 1), Qt::Key_Return);
    OnModal([&](QWidget* box) {
      QTest::keyClick(box, Qt::Key_Escape);  // a question Esc cannot answer
      box->close();
      QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                        Cell(form, 8)->mapTo(&form, QPoint(30, 30)));
      seen << Describe(box, form)
           << Show(form, {"txtWins"}) + Cell(form, 1)->BackColour().name();
      qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
    });
    Cell(form, 2)->click();
    seen << Show(form, {"txtGamenumber"}) + Cell(form, 1)->BackColour().name();
    OnModal([&](QWidget* box) {  // a level change over the opening mark asks
      seen << Describe(box, form);
      QTest::keyClick(box, Qt::Key_Escape);
    });
    const auto level = [&] {  // the caption, the items enabled, intConfirm
      QString out = Show(form, {"lblDifficultytype", "txtGamenumber"}) + ' ';
      for (const char* item : {"mnuEasy", "mnuMedium", "mnuHard"}) {
        out += Find<QAction>(form, item)->isEnabled() ? '+' : '-';
      }
      return out + ' ' + QString::number(form.game().intConfirm);
    };
    Trigger(form, "mnuHard");
    seen << level();
    OnModal([&](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    Trigger(form, "mnuEasy");  // confirmed: a new tournament
    seen << level();
    Trigger(form, "mnuHard");  // no mark on the board: no question
    seen << level();
    OnModal([&](QWidget* box) {
      seen << Describe(box, form);
      QTest::keyClick(box, Qt::Key_Return);
    });
    seen << QString::number(platform.MsgBox("Full", Buttons::kOk, "Gridmark"));
    QCOMPARE(seen.join('\n'),
             "cmd1_8\nYou Win|You Win, Play Again?|&Yes* &No over the window\n"
             "XXXOO.... 1#ff0000\n........O 2#efefef\n"
             "Reset?|Changing This Setting Will Restart The Tournament|OK* "
             "Cancel over the window\n........O Medium 2 ++- 2\n"
             "......... Easy 1 -++ 1\n......... Hard 1 ++- 1\n"
             "Gridmark|Full|OK* over the window\n1");
    QTimer::singleShot(0, [&] { Trigger(form, "mnuExit"); });
    QCOMPARE(QApplication::exec(), 0);  // the program's loop ends, status 0
    QVERIFY(!form.isVisible());
    // The time of day the generator is seeded from, in seconds with fraction.
    const double now = QTime::currentTime().msecsSinceStartOfDay() / 1e3;
    QVERIFY(qAbs(platform.Timer() - now) < 0.05);
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::WindowTest)
#include "window_test.moc"
