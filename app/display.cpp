#include "app/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace gridmark {
namespace {

// Returns the open connection, or nothing when the server does not answer.
xcb_connection_t* ConnectToX(const QByteArray& name) {
  // xcb_connect reads DISPLAY itself when given no name, and checks the
  // authorisation as Qt will.
  xcb_connection_t* connection =
      xcb_connect(name.isEmpty() ? nullptr : name.constData(), nullptr);
  if (xcb_connection_has_error(connection) == 0) return connection;
  xcb_disconnect(connection);
  return nullptr;
}

bool WaylandAnswers(const QByteArray& name) {
  if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) return true;  // handed over
  if (name.isEmpty()) return false;
  const QByteArray path =
      name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= static_cast<int>(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, path.constData(), path.size());
  const int socket_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket_fd < 0) return false;
  const bool answers =
      ::connect(socket_fd, reinterpret_cast<sockaddr*>(&address),
                sizeof address) == 0;
  close(socket_fd);
  return answers;
}

}  // namespace

DisplayProbe::DisplayProbe(const WindowOptions& window) {
  QString platforms = window.platform;
  if (platforms.isEmpty()) platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
  const bool chosen = !platforms.isEmpty();
  // Unasked, Qt tries Wayland when WAYLAND_DISPLAY is set, then X11.
  if (!chosen) platforms = QStringLiteral("wayland;xcb");

  const bool x_option = !window.display.isEmpty();
  const QByteArray x_display =
      x_option ? window.display.toLocal8Bit() : qgetenv("DISPLAY");
  const QByteArray wayland_display = qgetenv("WAYLAND_DISPLAY");
  for (const QString& entry : platforms.split(QLatin1Char(';'))) {
    const QString name = entry.section(QLatin1Char(':'), 0, 0);
    if (name == QLatin1String("xcb")) {
      x_connection_ = ConnectToX(x_display);
      if (x_connection_ != nullptr) return;
      tried_.push_back(
          {QLatin1String(x_option ? "-display" : "DISPLAY"), x_display});
    } else if (name.startsWith(QLatin1String("wayland"))) {
      // Asked for, Wayland falls back on its default socket name.
      const bool fallback = chosen && wayland_display.isEmpty();
      if (WaylandAnswers(fallback ? "wayland-0" : wayland_display)) return;
      tried_.push_back({QStringLiteral("WAYLAND_DISPLAY"), wayland_display});
    } else {
      return;
    }
  }
  answered_ = false;
  // DISPLAY before WAYLAND_DISPLAY, whichever Qt tries first.
  std::sort(tried_.begin(), tried_.end());
  tried_.erase(std::unique(tried_.begin(), tried_.end()), tried_.end());
}

QString DisplayProbe::Problem() const {
  QStringList tried;
  for (const auto& [variable, value] : tried_) {
    tried << (value.isEmpty()
                  ? QCoreApplication::translate("gridmark", "%1 is not set")
                        .arg(variable)
                  : QCoreApplication::translate("gridmark",
                                                "%1=\"%2\" does not answer")
                        .arg(variable, QString::fromLocal8Bit(value)));
  }
  return QCoreApplication::translate(
             "gridmark", "gridmark: no display could be opened (%1)")
      .arg(tried.join(QStringLiteral(", ")));
}

DisplayProbe::~DisplayProbe() { Release(); }

void DisplayProbe::Release() {
  if (x_connection_ != nullptr) xcb_disconnect(x_connection_);
  x_connection_ = nullptr;
}

}  // namespace gridmark
