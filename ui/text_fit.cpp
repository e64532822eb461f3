#include "ui/text_fit.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace gridmark {

namespace {

// `text` laid out in lines of at most `width` pixels (or one line).
void LayOut(QTextLayout& layout, int width) {
  layout.setCacheEnabled(true);
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid();
       line = layout.createLine()) {
    line.setLineWidth(width);
  }
  layout.endLayout();
}

}  // namespace

QSize TextExtent(const QString& text, const QFont& font, int width) {
  // A line break a translation asks for, as labels make it.
  QTextLayout layout(QString(text).replace(u'\n', QChar::LineSeparator), font);
  LayOut(layout, width);
  qreal widest = 0;
  qreal height = 0;
  for (int i = 0; i < layout.lineCount(); ++i) {
    widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
    height += layout.lineAt(i).height();
  }
  return {static_cast<int>(std::ceil(widest)),
          static_cast<int>(std::ceil(height))};
}

QStringList FontsDrawing(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  LayOut(layout, QWIDGETSIZE_MAX);
  QStringList families;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    // Glyph 0 is every font's stand-in for a character it lacks.
    const QString family =
        run.glyphIndexes().contains(0) ? QString() : run.rawFont().familyName();
    if (!families.contains(family)) {
      families << family;
    }
  }
  return families;
}

bool Drawable(const QString& text, const QFont& font) {
  return !FontsDrawing(text, font).contains(QString());
}

QFont FontFor(const QString& sample, const QFont& designed) {
  const QString own = QFontInfo(designed).family();
  for (const QString& family : FontsDrawing(sample, designed)) {
    QFont other = designed;
    other.setFamily(family);
    if (family != own && FontsDrawing(sample, other) == QStringList{family}) {
      return other;
    }
  }
  return designed;
}

}  // namespace gridmark
