// Starts two programs alternately, each until its first paint and exit, and
// compares the median wall time and the median peak resident set size.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
  double seconds;
  long peak_kib;
};

Run RunOnce(const char* program) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto stop = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed (status %d)\n", program, status);
    std::exit(1);
  }
  return {std::chrono::duration<double>(stop - start).count(), usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROGRAM BASELINE [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
  std::vector<double> time_a, time_b;
  std::vector<long> rss_a, rss_b;
  RunOnce(argv[1]);  // warm the file cache for both
  RunOnce(argv[2]);
  for (int i = 0; i < runs; ++i) {
    const Run a = RunOnce(argv[1]);
    const Run b = RunOnce(argv[2]);
    time_a.push_back(a.seconds);
    rss_a.push_back(a.peak_kib);
    time_b.push_back(b.seconds);
    rss_b.push_back(b.peak_kib);
  }
  const double ta = Median(time_a), tb = Median(time_b);
  const long ra = Median(rss_a), rb = Median(rss_b);
  std::printf("runs each: %d\n", runs);
  std::printf("%-12s median %.1f ms, peak RSS %ld KiB\n", "program", ta * 1e3,
              ra);
  std::printf("%-12s median %.1f ms, peak RSS %ld KiB\n", "baseline", tb * 1e3,
              rb);
  std::printf("ratios: wall %.3f, peak RSS %.3f\n", ta / tb,
              static_cast<double>(ra) / static_cast<double>(rb));
  return 0;
}
