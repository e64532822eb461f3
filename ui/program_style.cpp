#include "ui/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QWidget>

namespace gridmark {

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

}  // namespace gridmark
