#pragma once

#include <QRect>
#include <QWidget>

namespace gridmark {

// Twips to pixels at 96 dpi, to the nearest pixel (15 twips make a pixel).
constexpr int Px(int twips) { return (2 * twips + 15) / 30; }

// A control's box from its Left, Top, Width and Height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

// A control's box on `parent`, mirrored in a right-to-left language.
inline QRect Placed(const QWidget* parent, QRect box) {
  if (parent->isRightToLeft()) {
    box.moveRight(parent->width() - 1 - box.left());
  }
  return box;
}

}  // namespace gridmark
