#pragma once

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "platform/platform_services.h"
#include "platform/qt_platform_services.h"
#include "ui/controls.h"

namespace gridmark {

// Help > How To Play: the rule of the game.
class frmHowToPlay : public DialogForm {
  Q_DECLARE_TR_FUNCTIONS(frmHowToPlay)

 public:
  explicit frmHowToPlay(QWidget* parent = nullptr);
  void Load() override;

  void OKButton_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* OKButton_;
  RoomyLabel* Label1_;
  RoomyLabel* Label2_;
};

// Help > About: title, version, credit and notice.
class frmAbout : public DialogForm {
  Q_DECLARE_TR_FUNCTIONS(frmAbout)

 public:
  // Two paragraphs, each ending in a line break.
  static constexpr const char* kNotice = "\r\n\r\n";

  explicit frmAbout(QWidget* parent = nullptr);
  void Load() override;

  void Form_Load();
  void cmdOK_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* cmdOK_;
  QLabel* picIcon_;
  RoomyLabel* lblDescription_;
  RoomyLabel* lblTitle_;
  RoomyLabel* lblVersion_;
  QPlainTextEdit* Text1_;
};

// The dialog factory the platform services create forms with.
std::unique_ptr<DialogForm> MakeDialog(Dialog dialog);

}  // namespace gridmark
