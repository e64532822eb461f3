#include "ui/controls.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPointer>
#include <QProxyStyle>
#include <QResource>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

// Resources of a static library need registering by hand, from outside any
// namespace as the macro requires.
static void InitResources() { Q_INIT_RESOURCE(icon); }

namespace gridmark {

QRect Placed(const QWidget* parent, QRect box) {
  if (parent->isRightToLeft()) {
    box.moveRight(parent->width() - 1 - box.left());
  }
  return box;
}

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
  QTextLayout layout(text, font);
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

bool Drawable(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  LayOut(layout, QWIDGETSIZE_MAX);
  for (const QGlyphRun& run : layout.glyphRuns()) {
    // Glyph 0 is every font's stand-in for a character it lacks.
    if (run.glyphIndexes().contains(0)) {
      return false;
    }
  }
  return true;
}

RoomyLabel::RoomyLabel(QWidget* parent, QRect box, QPoint room)
    : QLabel(parent), box_(box), room_(room) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWordWrap(true);
  SetText(QString());
}

void RoomyLabel::SetText(const QString& text) {
  // A right-to-left window reads each label from the right, even one that
  // starts with a Latin word: a right-to-left mark says so.
  const QChar kRightToLeftMark(0x200F);
  setText(isRightToLeft() && !text.isEmpty() ? kRightToLeftMark + text : text);
  QRect box = box_;
  const int widest = std::max(box.width(), room_.x() - box.left());
  box.setWidth(std::clamp(TextExtent(text, font(), widest).width(), box.width(),
                          widest));
  const int tall = TextExtent(text, font(), box.width()).height();
  if (tall > std::max(box.height(), fontMetrics().height())) {
    box.setHeight(
        std::max(box.height(), std::min(tall, room_.y() - box.top())));
  }
  setGeometry(Placed(parentWidget(), box));
}

QFont BoldFont(const char* family, double points) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

QIcon ProgramIcon() {
  static const QIcon icon = [] {
    InitResources();
    // Drawn at build time, one raw image per size, shown in place.
    QIcon drawn;
    for (int size : {GRIDMARK_ICON_SIZES}) {
      const QResource pixels(QStringLiteral(":/icon/%1.argb").arg(size));
      drawn.addPixmap(QPixmap::fromImage(QImage(
          pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied)));
    }
    return drawn;
  }();
  return icon;
}

namespace {

// Asks the style for its icon the first time the icon is drawn or measured.
class LazyStandardIcon : public QIconEngine {
 public:
  LazyStandardIcon(const QStyle* style, QStyle::StandardPixmap which,
                   const QWidget* widget)
      : style_(style), which_(which), widget_(widget) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
             QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode,
                   QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new LazyStandardIcon(*this); }

 private:
  const QIcon& Icon() {
    if (icon_.isNull() && style_ != nullptr) {
      icon_ = style_->standardIcon(which_, nullptr, widget_);
    }
    return icon_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  QPointer<const QWidget> widget_;
  QIcon icon_;
};

class ProgramStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    // An option lives only as long as the call, so only a request without
    // one can wait.
    if (which == SP_ToolBarHorizontalExtensionButton && option == nullptr) {
      return QIcon(new LazyStandardIcon(baseStyle(), which, widget));
    }
    return QProxyStyle::standardIcon(which, option, widget);
  }

  int styleHint(StyleHint hint, const QStyleOption* option,
                const QWidget* widget, QStyleHintReturn* data) const override {
    // The level in force is a disabled item of its menu: the arrow keys must
    // still reach it, so that a screen reader can say which level it is.
    if (hint == SH_Menu_AllowActiveAndDisabled) {
      return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

void UseProgramStyle() {
  // The proxy takes the application's style over, so setStyle keeps it.
  QApplication::setStyle(new ProgramStyle(QApplication::style()));
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

CellButton::CellButton(QWidget* parent)
    : QPushButton(parent),
      back_colour_(palette().color(QPalette::Active, QPalette::Button)) {
  // Enter presses the focused cell, as Space does.
  setAutoDefault(true);
}

void CellButton::SetMark(const QString& mark) {
  if (mark != mark_) {
    mark_ = mark;
    update();
  }
}

void CellButton::SetBackColour(const QColor& colour) {
  if (colour != back_colour_) {
    back_colour_ = colour;
    update();
  }
}

void CellButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  // The style's frame and focus outline stay; the face is the back colour.
  const QRect face = rect().adjusted(2, 2, -2, -2);
  painter.fillRect(face, isDown() ? back_colour_.darker(115) : back_colour_);

  painter.setFont(font());
  if (isEnabled()) {
    painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    painter.drawText(face, Qt::AlignCenter, mark_);
  } else {
    // Etched grey, as disabled captions are drawn: pale text would vanish
    // on the button face.
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(face.translated(1, 1), Qt::AlignCenter, mark_);
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(face, Qt::AlignCenter, mark_);
  }
}

LineControl::LineControl(QWidget* parent, const char* name, QPoint from_twips,
                         QPoint to_twips, int width, const QColor& colour)
    : QWidget(parent), colour_(colour) {
  setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_TransparentForMouseEvents);

  const QLineF line(Px(from_twips.x()), Px(from_twips.y()), Px(to_twips.x()),
                    Px(to_twips.y()));
  // Odd widths are centred on a pixel, even ones between two, so the line
  // covers whole pixels across its length.
  const double shift = (width % 2) * 0.5;
  const bool level = std::abs(line.dx()) >= std::abs(line.dy());
  const QPointF offset = level ? QPointF(0, shift) : QPointF(shift, 0);
  QPainterPath path;
  path.moveTo(line.p1() + offset);
  path.lineTo(line.p2() + offset);
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::FlatCap);
  // Square ends at the given coordinates, even on a line that is not quite
  // level or upright.
  const double big = 1e4;
  const QRectF ends =
      level ? QRectF(QPointF(std::min(line.x1(), line.x2()), -big),
                     QPointF(std::max(line.x1(), line.x2()), big))
            : QRectF(QPointF(-big, std::min(line.y1(), line.y2())),
                     QPointF(big, std::max(line.y1(), line.y2())));
  QPainterPath clip;
  clip.addRect(ends);
  const QPainterPath stroke = stroker.createStroke(path).intersected(clip);
  const QRect box = stroke.boundingRect().toAlignedRect();
  setGeometry(Placed(parent, box));
  stroke_ = stroke.translated(-box.topLeft());
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (isRightToLeft()) {
    painter.translate(width(), 0);
    painter.scale(-1, 1);
  }
  painter.fillPath(stroke_, colour_);
}

}  // namespace gridmark
