#pragma once

#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/platform_services.h"
#include "platform/random_source.h"

namespace gridmark {

// A dialog form: built once, then loaded afresh before every showing.
class DialogForm : public QDialog {
 public:
  using QDialog::QDialog;
  // Back to the design-time contents, then the form's own load handler.
  virtual void Load() = 0;
};

using DialogFactory = std::function<std::unique_ptr<DialogForm>(Dialog)>;

// What a screen reader should hear with a box beyond its title and prompt.
using BoxNews = std::function<QString(Buttons)>;

// One of the engine's English texts (a box's prompt or title, a mark or level
// caption) in the player's language. The engine keeps its own text, which it
// compares and reads back; only what is shown is translated.
QString EngineText(const std::string& text);

// The width a window manager's title bar needs to show `title` whole in a
// bold `font`: the text, and beside it the window's icon and up to three
// buttons, each about two lines of text square (Openbox's default theme,
// measured).
int TitleBarWidth(const QString& title, QFont font);

// The platform services on Qt Widgets: real message boxes, the time of day,
// the program's random generator and modal dialogs.
class QtPlatformServices : public PlatformServices {
 public:
  explicit QtPlatformServices(DialogFactory factory = {});
  ~QtPlatformServices() override;

  std::int16_t MsgBox(const std::string& prompt, Buttons buttons,
                      const std::string& title) override;
  double Timer() override;
  void Randomize(double seed) override;
  float Rnd() override;
  void CloseProgram() override;
  void ShowDialog(Dialog dialog) override;

  // The window the boxes and dialogs belong to: they stay above it, are
  // minimised with it and get no taskbar entry of their own. `news` gives
  // what the box's focused button tells a screen reader.
  void SetOwner(QWidget* owner, BoxNews news = {}) {
    owner_ = owner;
    news_ = std::move(news);
  }

 private:
  QPointer<QWidget> owner_;
  BoxNews news_;
  DialogFactory factory_;
  std::map<Dialog, std::unique_ptr<DialogForm>> forms_;
  RandomSource random_;
};

}  // namespace gridmark
