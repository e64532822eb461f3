// Start-up as a user waits for it: each program is started in turn, round
// after round, and timed until its window is mapped (the X server's
// MapNotify) or, without an X server, until its first paint is done; then it
// is killed and its peak resident set size read. Prints the medians and the
// game's ratios to the text floor.
//
//   startup_compare [-n RUNS] [GAME...]
//
// With no GAME it times the game built alongside; several GAMEs (an older
// build, say) are timed in the same rounds.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
  std::string label;
  std::string path;
  std::vector<double> ms;
  std::vector<double> mib;
};

struct Sample {
  double ms;
  double mib;
};

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "startup_compare: %s\n", what.c_str());
  std::exit(1);
}

// Watches the X server for top-level windows being mapped.
class MapWatch {
 public:
  MapWatch() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
      Fail("cannot open the display");
    }
    const xcb_window_t root =
        xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name),
        nullptr);
    if (atom == nullptr) Fail("cannot ask the display for _NET_WM_PID");
    pid_atom_ = atom->atom;
    std::free(atom);
  }
  ~MapWatch() { xcb_disconnect(connection_); }
  MapWatch(const MapWatch&) = delete;
  MapWatch& operator=(const MapWatch&) = delete;

  // Waits until a window of `pid` is mapped; false when it exits first.
  bool WaitForMap(pid_t pid) {
    pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
    for (;;) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const bool mapped =
            (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
            OwnedBy(reinterpret_cast<xcb_map_notify_event_t*>(event)->window,
                    pid);
        std::free(event);
        if (mapped) return true;
      }
      if (xcb_connection_has_error(connection_) != 0) Fail("display lost");
      if (waitpid(pid, nullptr, WNOHANG) != 0) return false;
      poll(&fd, 1, 100);
    }
  }

 private:
  bool OwnedBy(xcb_window_t window, pid_t pid) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, window, pid_atom_, XCB_ATOM_CARDINAL,
                         0, 1),
        nullptr);
    if (reply == nullptr) return false;
    const bool owned = xcb_get_property_value_length(reply) == 4 &&
                       *static_cast<uint32_t*>(xcb_get_property_value(reply)) ==
                           static_cast<uint32_t>(pid);
    std::free(reply);
    return owned;
  }

  xcb_connection_t* connection_ = nullptr;
  xcb_atom_t pid_atom_ = 0;
};

// Reads the monotonic time of the first paint that the program prints.
std::optional<Clock::time_point> ReadFirstPaint(int fd) {
  std::string line;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') line += c;
  if (line.empty()) return std::nullopt;
  return Clock::time_point(std::chrono::nanoseconds(std::stoll(line)));
}

Sample RunOnce(const Program& program, MapWatch* watch) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) Fail("pipe");
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    execl(program.path.c_str(), program.path.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::optional<Clock::time_point> shown;
  if (watch != nullptr) {
    if (watch->WaitForMap(pid)) shown = Clock::now();
  } else {
    shown = ReadFirstPaint(out[0]);
  }
  close(out[0]);
  kill(pid, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!shown) Fail(program.path + " ended before its window was shown");
  return {std::chrono::duration<double, std::milli>(*shown - start).count(),
          static_cast<double>(usage.ru_maxrss) / 1024};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t half = values.size() / 2;
  return values.size() % 2 == 1 ? values[half]
                                : (values[half - 1] + values[half]) / 2;
}

// The X server is watched when the programs will use it.
bool OnX() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && *platform != '\0') {
    return std::strncmp(platform, "xcb", 3) == 0;
  }
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* display = std::getenv("DISPLAY");
  return (wayland == nullptr || *wayland == '\0') && display != nullptr &&
         *display != '\0';
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 15;
  std::vector<Program> programs = {{"bare window", BARE_WINDOW, {}, {}},
                                   {"text floor", TEXT_FLOOR, {}, {}}};
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (argv[i][0] == '-') {
      std::fprintf(stderr, "usage: %s [-n RUNS] [GAME...]\n", argv[0]);
      return 2;
    } else {
      programs.push_back({argv[i], argv[i], {}, {}});
    }
  }
  if (runs < 1) Fail("RUNS must be at least 1");
  const bool on_x = OnX();
  if (programs.size() == 2) {
    programs.push_back({"Gridmark", on_x ? GAME : GAME_FIRST_PAINT, {}, {}});
  }
  std::optional<MapWatch> watch;
  if (on_x) watch.emplace();
  MapWatch* watching = watch ? &*watch : nullptr;

  for (const Program& program : programs) RunOnce(program, watching);  // warm
  for (int round = 0; round < runs; ++round) {
    for (Program& program : programs) {
      const Sample sample = RunOnce(program, watching);
      program.ms.push_back(sample.ms);
      program.mib.push_back(sample.mib);
    }
  }

  std::printf("%d rounds, medians, until the window is %s\n\n", runs,
              on_x ? "mapped (MapNotify)" : "first painted");
  std::printf("%-28s %9s %14s\n", "program", "time", "peak RSS");
  for (const Program& program : programs) {
    std::printf("%-28s %6.1f ms %9.1f MiB\n", program.label.c_str(),
                Median(program.ms), Median(program.mib));
  }
  const Program& floor = programs[1];
  std::printf("\nratios to the text floor:\n");
  for (std::size_t i = 2; i < programs.size(); ++i) {
    std::printf("%-28s time %.3f, peak RSS %.3f\n", programs[i].label.c_str(),
                Median(programs[i].ms) / Median(floor.ms),
                Median(programs[i].mib) / Median(floor.mib));
  }
  return 0;
}
