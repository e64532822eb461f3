#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineF>
#include <QPainterPath>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include "engine/game_state.h"

namespace gridmark {

// Twips to pixels at 96 dpi, to the nearest pixel (15 twips make a pixel).
constexpr int Px(int twips) { return (2 * twips + 15) / 30; }

// A control's box from its Left, Top, Width and Height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

// A control's box on `parent`, mirrored in a right-to-left language.
QRect Placed(const QWidget* parent, QRect box);

// The room `text` takes in `font`, wrapped at `width` pixels as labels wrap:
// its widest line and the height of all its lines, with every fallback font
// that draws a part of it.
QSize TextExtent(const QString& text, const QFont& font, int width);

// Whether the fonts at hand draw every character of `text` in `font`.
bool Drawable(const QString& text, const QFont& font);

QFont BoldFont(const char* family, double points);

// The program's icon, drawn from its SVG at build time at the usual sizes.
QIcon ProgramIcon();

// Wraps the application's style (Qt's choice or -style) in one that fetches
// the menu bar's overflow icon only when it is drawn: loading it at start-up
// brings in every image-format plugin, for a button this fixed window never
// shows. Call it before the first window is made.
void UseProgramStyle();

// Under a dark colour scheme, gives `window` the style's own light colours:
// its fixed black, blue and red texts are only readable on a light face.
// Call it before adding the window's controls, so they inherit the colours.
void KeepLightLook(QWidget* window);

// Paints a window's or control's background in the button face.
void UseButtonFace(QWidget* widget);

// A colour of the game (blue-green-red, or a system colour) on `palette`.
QColor ToQColor(Colour colour, const QPalette& palette);

// A label placed by its designed box that grows, where its text needs it, up
// to the right and bottom edges given as `room` (pixels, as designed): first
// wider, then taller. A translation longer than the English has the free
// space beside and below; the English keeps the designed box.
class RoomyLabel : public QLabel {
 public:
  RoomyLabel(QWidget* parent, QRect box, QPoint room);
  // Shows `text` and fits the label to it, mirrored in a right-to-left
  // language.
  void SetText(const QString& text);

 private:
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
