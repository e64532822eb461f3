#pragma once

#include <QColor>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QRect>
#include <QWidget>

namespace gridmark {

// The least room between a label's text and the control after it.
constexpr int kClearSpace = 5;

// A label placed by its designed box that grows, where its text needs it,
// towards the right and bottom edges given as `room` (pixels, as designed:
// the next control's left edge, kept clear by kClearSpace, and the next
// row's top): first wider, then taller. A translation longer than the English
// has the free space beside and below; the English keeps the designed box. To
// assistive technology its text is what it shows, and its name that text unless
// it has an accessible name of its own.
class RoomyLabel : public QLabel {
 public:
  RoomyLabel(QWidget* parent, QRect box, QPoint room);
  // Shows `text` and fits the label to it, mirrored in a right-to-left
  // language.
  void SetText(const QString& text);
  // The text shown, as given to SetText.
  const QString& Shown() const { return shown_; }

 private:
  QString shown_;
  QRect box_;
  QPoint room_;
};

// The board's cells: push buttons whose back colour fills the whole face.
// The mark is drawn, not the button's text: a change of text is announced to
// screen readers as a change of name, and a cell is named by the window.
class CellButton : public QPushButton {
 public:
  explicit CellButton(QWidget* parent);

  void SetMark(const QString& mark);
  const QString& Mark() const { return mark_; }
  void SetBackColour(const QColor& colour);
  const QColor& BackColour() const { return back_colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString mark_;
  QColor back_colour_;
};

// A straight line of a given width, drawn from and to points given in twips
// of its parent's client area; the widget covers just the line.
class LineControl : public QWidget {
 public:
  LineControl(QWidget* parent, const char* name, QPoint from_twips,
              QPoint to_twips, int width, const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
  QPainterPath stroke_;
};

}  // namespace gridmark
