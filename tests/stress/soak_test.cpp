#include "tests/stress/soak.h"

#include <QtTest>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace gridmark {

namespace {

// GRIDMARK_SOAK_SEEDS="7,8" and GRIDMARK_SOAK_EVENTS=n replay a run;
// GRIDMARK_SOAK_LONG=1 selects the long run.
std::vector<std::uint32_t> Seeds(bool long_run) {
  std::vector<std::uint32_t> seeds;
  if (const char* given = std::getenv("GRIDMARK_SOAK_SEEDS")) {
    for (const QString& part : QString::fromLatin1(given).split(',')) {
      seeds.push_back(part.trimmed().toUInt());
    }
    return seeds;
  }
  const std::uint32_t first = long_run ? 1001 : 1;
  for (std::uint32_t s = first; s < first + 10; ++s) seeds.push_back(s);
  return seeds;
}

long EventsPerSeed(bool long_run) {
  if (const char* given = std::getenv("GRIDMARK_SOAK_EVENTS")) {
    return std::atol(given);
  }
  return long_run ? 100000 : 10000;
}

// Windows with one planted fault each, to prove the soak notices.
class Faulty : public Form1 {
 public:
  Faulty(PlatformServices& platform, int fault)
      : Form1(platform), fault_(fault) {}
  void SetCellBackColour(std::int16_t cell, Colour colour) override {
    if (fault_ == 0 && cell == 4 && colour == kButtonFace) return;
    Form1::SetCellBackColour(cell, colour);
  }
  void SetText(TextBox box, const std::string& text) override {
    if (fault_ == 1 && box == TextBox::kLosses && text != "0") return;
    Form1::SetText(box, text);
  }
  void SetCellEnabled(std::int16_t cell, bool enabled) override {
    if (fault_ == 2 && cell == 8 && enabled) return;
    Form1::SetCellEnabled(cell, enabled);
  }
  void SetCaption(Label label, const std::string& text) override {
    if (fault_ == 3 && label == Label::kDifficultytype) return;
    Form1::SetCaption(label, text);
  }

 private:
  int fault_;
};

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void plantedFaultIsCaught_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("report");
    QTest::newRow("red left on") << 0 << "red cell while no box is up";
    QTest::newRow("stale score box") << 1 << "score box differs";
    QTest::newRow("cell left disabled") << 2 << "free cell disabled";
    QTest::newRow("level label stuck") << 3 << "level label";
  }
  void plantedFaultIsCaught() {
    QFETCH(int, fault);
    QFETCH(QString, report);
    testing::Soak soak(1, [fault](PlatformServices& platform) {
      return std::make_unique<Faulty>(platform, fault);
    });
    const QString error = QString::fromStdString(soak.Run(5000));
    QVERIFY2(error.contains(report), qPrintable(error));
    QVERIFY(error.contains("GRIDMARK_SOAK_SEEDS=1 "));
  }

  void randomUserEvents() {
    const bool long_run = std::getenv("GRIDMARK_SOAK_LONG") != nullptr;
    const long events = EventsPerSeed(long_run);
    long programs = 0;
    long games = 0;
    long overflows = 0;
    int dialogs = 0;
    QElapsedTimer clock;
    clock.start();
    const std::vector<std::uint32_t> seeds = Seeds(long_run);
    for (std::uint32_t seed : seeds) {
      testing::Soak soak(seed);
      const std::string error = soak.Run(events);
      QVERIFY2(error.empty(), error.c_str());
      programs += soak.programs();
      games += soak.games_ended();
      overflows += soak.overflows();
      dialogs += soak.real_dialogs();
    }
    qInfo(
        "%ld events over %zu seeds in %lld ms: %ld programs, %ld games, "
        "%ld overflows, %d real dialogs",
        events * static_cast<long>(seeds.size()), seeds.size(),
        static_cast<long long>(clock.elapsed()), programs, games, overflows,
        dialogs);
    // The mix must reach the rare paths, or the run proves little.
    const bool replay = std::getenv("GRIDMARK_SOAK_SEEDS") != nullptr ||
                        std::getenv("GRIDMARK_SOAK_EVENTS") != nullptr;
    QVERIFY(replay ||
            (programs > 10 && games > 1000 && overflows > 5 && dialogs > 5));
  }
};

}  // namespace gridmark

QTEST_MAIN(gridmark::SoakTest)
#include "soak_test.moc"
