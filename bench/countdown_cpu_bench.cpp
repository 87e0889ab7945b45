// What a running memorisation countdown costs: the memotimer program with its
// real adapters counts down for 30 s, and the process's CPU time over that
// span is printed as a share of one core, with how soon after each new second
// the display changed. Runs offscreen unless QT_QPA_PLATFORM or DISPLAY say
// otherwise; SDL's dummy audio driver unless SDL_AUDIODRIVER says otherwise.
#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "adapters/posix/posix_script.h"
#include "core/clips/clip_decoder.h"
#include "adapters/private_temp_dir.h"
#include "frontends/qt/linux_ports.h"
#include "frontends/qt/timer_face.h"
#include "frontends/qt/memotimer_app.h"
#include "core/countdown/memotimer_ids.h"

namespace {

constexpr int kMeasureMs = 30000;

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double wallMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Milliseconds since the last whole second of the wall clock.
double msIntoSecond() {
  using namespace std::chrono;
  const auto ms = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<double>(ms % 1000000) / 1000.0;
}

bool makeClip(const std::filesystem::path& path) {
  const std::string command = "sox -n -r 22050 -c 1 -b 16 " + fuda::shellQuote(path.string()) +
                              " synth 1 sine 440 vol 0.3 >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 0);

  fuda::PrivateTempDir work;
  if (!work.isValid()) {
    std::puts("cannot make a temporary directory");
    return 1;
  }
  const auto voice = work.path() / "voice";
  std::filesystem::create_directories(voice / "Mesg");
  for (const auto* name : {"anki_s", "nifun", "shiai_s"}) {
    if (!makeClip(voice / "Mesg" / (std::string(name) + ".WAV"))) {
      std::puts("sox is needed");
      return 1;
    }
  }
  makeClip(voice / "I-000A.WAV");
  std::ofstream(work.path() / "fudayomi.ini") << "[Path]\nData1=" << voice.string() << "\n";

  QApplication application(argc, argv);
  fuda::LinuxPorts ports(fuda::Language::English, "memotimer-");
  fuda::MemotimerApp memotimer(fuda::Language::English, work.path() / "fudayomi.ini",
                               work.path(), ports);
  memotimer.show();
  fuda::MemotimerMainWindow& window = memotimer.window();
  QLabel* display = window.face()->display();

  std::vector<double> lags;
  QString lastText = display->text();
  double startWall = 0.0;
  double startCpu = 0.0;
  int ticks = 0;
  // Connected after the window's own tick, so it sees the display as the
  // tick left it.
  QObject::connect(window.face(), &fuda::TimerFace::ticked, [&] {
    ++ticks;
    if (display->text() != lastText) {
      lastText = display->text();
      lags.push_back(msIntoSecond());
    }
  });
  QTimer::singleShot(0, [&] {
    window.dispatchCommand(fuda::kCmdMemoStart);  // returns after the 4 s pause
    lags.clear();
    ticks = 0;
    startWall = wallMs();
    startCpu = cpuSeconds();
    QTimer::singleShot(kMeasureMs, [] { QCoreApplication::quit(); });
  });
  application.exec();

  const double wall = (wallMs() - startWall) / 1000.0;
  const double cpu = cpuSeconds() - startCpu;
  std::sort(lags.begin(), lags.end());
  const auto at = [&](double q) {
    return lags.empty() ? 0.0 : lags[static_cast<std::size_t>(q * (lags.size() - 1))];
  };
  std::printf("platform %s, countdown running %.1f s, %d ticks (%.1f per second)\n",
              qPrintable(QGuiApplication::platformName()), wall, ticks, ticks / wall);
  std::printf("CPU %.3f s = %.2f%% of one core\n", cpu, 100.0 * cpu / wall);
  std::printf("display changed %zu times, ms after the new second: median %.1f, 90%% %.1f, max %.1f\n",
              lags.size(), at(0.5), at(0.9), at(1.0));
  std::printf("display now \"%s\"\n", qPrintable(display->text()));
  memotimer.shutdown();
  return 0;
}
