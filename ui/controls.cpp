#include "ui/controls.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPathStroker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/text_fit.h"
#include "ui/twips.h"

namespace gridmark {

namespace {

class LabelInterface : public QAccessibleWidget,
                       public QAccessibleTextInterface {
 public:
  explicit LabelInterface(RoomyLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return Shown();
    }
    return QAccessibleWidget::text(type);
  }

  // Read only, and with nothing to select.
  void selection(int, int* start, int* end) const override {
    *start = *end = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    return Shown().mid(start, end - start);
  }
  int characterCount() const override {
    return static_cast<int>(Shown().size());
  }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  const QString& Shown() const {
    return static_cast<const RoomyLabel*>(object())->Shown();
  }
};

QAccessibleInterface* LabelInterfaces(const QString& /*class_name*/,
                                      QObject* object) {
  if (auto* label = dynamic_cast<RoomyLabel*>(object)) {
    return new LabelInterface(label);
  }
  return nullptr;
}

}  // namespace

RoomyLabel::RoomyLabel(QWidget* parent, QRect box, QPoint room)
    : QLabel(parent), box_(box), room_(room) {
  [[maybe_unused]] static const bool text_interface =
      (QAccessible::installFactory(&LabelInterfaces), true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWordWrap(true);
  SetText(QString());
}

void RoomyLabel::SetText(const QString& text) {
  const QString before = std::exchange(shown_, text);
  if (!accessibleName().isEmpty() && before != text) {
    // Qt tells of a new text only as a new name.
    QAccessibleTextUpdateEvent update(this, 0, before, text);
    QAccessible::updateAccessibility(&update);
  }
  // A right-to-left window reads each label from the right, even one that
  // starts with a Latin word: a right-to-left mark says so.
  const QChar kRightToLeftMark(0x200F);
  setText(isRightToLeft() && !text.isEmpty() ? kRightToLeftMark + text : text);
  QRect box = box_;
  // Clear space before the next control, so two words never run together.
  const int widest =
      std::max(box.width(), room_.x() - kClearSpace - box.left());
  box.setWidth(std::clamp(TextExtent(text, font(), widest).width(), box.width(),
                          widest));
  const int tall = TextExtent(text, font(), box.width()).height();
  if (tall > std::max(box.height(), fontMetrics().height())) {
    box.setHeight(
        std::max(box.height(), std::min(tall, room_.y() - box.top())));
  }
  setGeometry(Placed(parentWidget(), box));
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
