// Build-time tool: draws the program icon from its SVG at the given sizes,
// each as the raw premultiplied ARGB pixels of a Qt image, so the program
// shows them without parsing, drawing or decoding anything at start-up.
//
//   render_icon SVG OUTDIR SIZE...   writes OUTDIR/SIZE.argb for each SIZE
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s SVG OUTDIR SIZE...\n", argv[0]);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    QFile out(QStringLiteral("%1/%2.argb")
                  .arg(QString::fromLocal8Bit(argv[2]), QString::number(size)));
    const auto bytes = static_cast<qint64>(image.sizeInBytes());
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(image.constBits()), bytes) !=
            bytes) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0],
                   qPrintable(out.fileName()));
      return 1;
    }
  }
  return 0;
}
