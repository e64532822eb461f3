#include "ui/program_icon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

// Resources of a static library need registering by hand, from outside any
// namespace as the macro requires.
static void InitResources() { Q_INIT_RESOURCE(icon); }

namespace gridmark {

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

}  // namespace gridmark
