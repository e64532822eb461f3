#include "ui/look.h"

#include <QStyle>

namespace gridmark {

QFont BoldFont(const char* family, double points) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

void KeepLightLook(QWidget* window) {
  const QPalette& palette = window->palette();
  const auto dark = [&palette](QPalette::ColorRole back,
                               QPalette::ColorRole text) {
    return palette.color(back).lightness() < palette.color(text).lightness();
  };
  if (dark(QPalette::Window, QPalette::WindowText) ||
      dark(QPalette::Button, QPalette::ButtonText) ||
      dark(QPalette::Base, QPalette::Text)) {
    window->setPalette(window->style()->standardPalette());
  }
}

void UseButtonFace(QWidget* widget) {
  QPalette palette = widget->palette();
  for (auto group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window,
                     palette.color(group, QPalette::Button));
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QColor ToQColor(Colour colour, const QPalette& palette) {
  if (colour == kButtonFace) {
    return palette.color(QPalette::Active, QPalette::Button);
  }
  return QColor(static_cast<int>(colour & 0xFF),
                static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace gridmark
