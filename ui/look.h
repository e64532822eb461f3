#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include "engine/game_state.h"

namespace gridmark {

QFont BoldFont(const char* family, double points);

// Under a dark colour scheme, gives `window` the style's own light colours:
// its fixed black, blue and red texts are only readable on a light face.
// Call it before adding the window's controls, so they inherit the colours.
void KeepLightLook(QWidget* window);

// Paints a window's or control's background in the button face.
void UseButtonFace(QWidget* widget);

// A colour of the game (blue-green-red, or a system colour) on `palette`.
QColor ToQColor(Colour colour, const QPalette& palette);

}  // namespace gridmark
