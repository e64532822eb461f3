#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

namespace gridmark {

// The room `text` takes in `font`, wrapped at `width` pixels as labels wrap:
// its widest line and the height of all its lines, with every fallback font
// that draws a part of it.
QSize TextExtent(const QString& text, const QFont& font, int width);

// The families that draw `text` in `font`, each once, in the order met; an
// empty name where no font at hand has a glyph.
QStringList FontsDrawing(const QString& text, const QFont& font);

// Whether the fonts at hand draw every character of `text` in `font`.
bool Drawable(const QString& text, const QFont& font);

// `designed`, or where it lacks letters of `sample`, the same size and weight
// in the family that has them all: a letter from another font sits on that
// font's baseline, off the line.
QFont FontFor(const QString& sample, const QFont& designed);

}  // namespace gridmark
