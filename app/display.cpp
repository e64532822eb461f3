#include "app/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace gridmark {
namespace {

// The names of the platforms Qt can load, sorted: the keys of the plugins in
// the platforms folder of each of Qt's plugin folders and in `folder`, the
// one given for them. The keys are read from the files, which loads none.
QStringList Platforms(const QString& folder) {
  QStringList folders = {folder};
  for (const QString& path : QCoreApplication::libraryPaths()) {
    folders << path + QStringLiteral("/platforms");
  }
  QStringList names;
  for (const QString& path : folders) {
    if (path.isEmpty()) continue;
    const QDir dir(path);
    for (const QString& file : dir.entryList(QDir::Files)) {
      if (!QLibrary::isLibrary(file)) continue;
      const QJsonArray keys = QPluginLoader(dir.filePath(file))
                                  .metaData()
                                  .value(QLatin1String("MetaData"))
                                  .toObject()
                                  .value(QLatin1String("Keys"))
                                  .toArray();
      for (const QJsonValue& key : keys) names << key.toString();
    }
  }
  names.sort();
  names.removeDuplicates();
  return names;
}

// "a, b, c" in the language installed.
QString JoinList(const QStringList& items) {
  QString list = items.value(0);
  for (qsizetype i = 1; i < items.size(); ++i) {
    //: Joins two items of a list in parentheses: the reasons in "gridmark: no
    //: display could be opened (%1)", or the platforms in "gridmark: no
    //: platform is called ...". %1 may be a list joined this way already.
    //: Arabic and Persian use their own comma.
    list =
        QCoreApplication::translate("gridmark", "%1, %2").arg(list, items[i]);
  }
  return list;
}

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

  // Only a platform asked for can be missing; reading the plugins' keys is
  // left out of the usual start.
  QStringList there;
  if (chosen) {
    QString folder = window.plugin_path;
    if (folder.isEmpty()) {
      folder = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    }
    there = Platforms(folder);
  }

  const bool x_option = !window.display.isEmpty();
  const QByteArray x_display =
      x_option ? window.display.toLocal8Bit() : qgetenv("DISPLAY");
  const QByteArray wayland_display = qgetenv("WAYLAND_DISPLAY");
  platform_exists_ = !chosen;
  QStringList missing;
  // Qt tries each entry, "name" or "name:options", in turn.
  for (const QString& entry :
       platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString typed = entry.section(QLatin1Char(':'), 0, 0);
    // Qt passes over a platform it has no plugin for.
    if (chosen && !there.contains(typed, Qt::CaseInsensitive)) {
      missing << typed;
      continue;
    }
    platform_exists_ = true;
    const QString name = typed.toLower();
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
  if (!platform_exists_) {
    asked_ = missing.value(0);
    platforms_ = there;
    return;
  }
  // DISPLAY before WAYLAND_DISPLAY, whichever Qt tries first.
  std::sort(tried_.begin(), tried_.end());
  tried_.erase(std::unique(tried_.begin(), tried_.end()), tried_.end());
}

QString DisplayProbe::Problem() const {
  if (!platform_exists_) {
    //: Printed when no platform asked for with -platform or QT_QPA_PLATFORM
    //: exists. %1 is the name asked for, as typed; %2 the names of the
    //: platforms there are, joined by "%1, %2". Put your language's quotation
    //: marks around %1.
    return QCoreApplication::translate(
               "gridmark",
               "gridmark: no platform is called \"%1\" (the platforms are %2)")
        .arg(asked_, JoinList(platforms_));
  }
  QStringList tried;
  for (const auto& [variable, value] : tried_) {
    if (value.isEmpty()) {
      //: A reason inside the parentheses of "gridmark: no display could be
      //: opened (%1)", so it starts in lower case. %1 is the name of an
      //: environment variable, such as DISPLAY.
      tried << QCoreApplication::translate("gridmark", "%1 is not set")
                   .arg(variable);
    } else {
      //: A reason inside the parentheses of "gridmark: no display could be
      //: opened (%1)", so it starts in lower case. %1 is the name of an
      //: environment variable or the -display option, %2 its value.
      tried << QCoreApplication::translate("gridmark",
                                           "%1=\"%2\" does not answer")
                   .arg(variable, QString::fromLocal8Bit(value));
    }
  }
  //: Printed when the game starts where no window system answers. %1 is the
  //: list of reasons, each joined to the next by "%1, %2".
  return QCoreApplication::translate(
             "gridmark", "gridmark: no display could be opened (%1)")
      .arg(JoinList(tried));
}

DisplayProbe::~DisplayProbe() { Release(); }

void DisplayProbe::Release() {
  if (x_connection_ != nullptr) xcb_disconnect(x_connection_);
  x_connection_ = nullptr;
}

}  // namespace gridmark
