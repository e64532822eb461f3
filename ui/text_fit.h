#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace gridmark {

// The room `text` takes in `font`, wrapped at `width` pixels as labels wrap:
// its widest line and the height of all its lines, with every fallback font
// that draws a part of it.
QSize TextExtent(const QString& text, const QFont& font, int width);

// Whether the fonts at hand draw every character of `text` in `font`.
bool Drawable(const QString& text, const QFont& font);

}  // namespace gridmark
