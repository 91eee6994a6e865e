// The game composed exactly as its entry routine composes it (application,
// error report, help path, real sound player, steady pause clock, clock-seeded
// generator, main window), with a measuring probe around it. The probe lives
// here so that the program itself reads no command line.
//
//   bench_pexora startup     prints the first paint of the main window and exits
//   bench_pexora animation   prints the wall time of flips and removals
//   bench_pexora idle        prints the CPU time of ten idle seconds, with the
//                            clock stopped and then running, and the audio threads
//   bench_pexora costs       times the resource loads of start-up one by one
// Sounds are whatever the settings store says; run_all.sh turns them off.
#include "FirstPaint.h"

#include "BoardImage.h"
#include "ErrorTrap.h"
#include "GameEngine.h"
#include "ScoreTables.h"
#include "GameSettings.h"
#include "Resources.h"
#include "Sound.h"
#include "Startup.h"
#include "MainWindow.h"

#include "Translations.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>

#include <SDL.h>
#include <dlfcn.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void RunEvents(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Runs the event loop (so the window idles the way it does in play) for ms.
double CpuOverEventLoop(int ms) {
    const double start = CpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return CpuSeconds() - start;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <class F>
double Seconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Flips and removals timed on the shown board, through the rule book's own
// animation operations with the real steady pause.
void Animation(MainWindow& form) {
    GameEngine& e = form.Engine();
    std::vector<double> flips;
    std::vector<double> removals;
    for (int round = 0; round < 4; ++round) {
        form.StartNewGame();
        RunEvents(50);
        const int n = e.Options().TileCount;
        // A tile up, then down again: two flips per cell.
        for (int k = 1; k <= 10; ++k) {
            flips.push_back(Seconds([&] { e.FlipTiles(static_cast<qint16>(k), 0, 0, 0); }));
            flips.push_back(Seconds([&] { e.FlipTiles(0, static_cast<qint16>(k), 0, 0); }));
        }
        // Every set of the board removed in turn, turned up first as in play.
        std::vector<bool> done(static_cast<size_t>(n) + 1, false);
        for (int k = 1; k <= n; ++k) {
            if (done[static_cast<size_t>(k)]) continue;
            std::vector<int> set{k};
            for (int j = k + 1; j <= n; ++j)
                if (e.Cell(j).Tag == e.Cell(k).Tag) set.push_back(j);
            for (int c : set) {
                done[static_cast<size_t>(c)] = true;
                e.FlipTiles(static_cast<qint16>(c), 0, 0, 0);
            }
            const QList<int> cells(set.begin(), set.end());
            removals.push_back(Seconds([&] { e.RemoveSet(cells); }));
        }
    }
    auto report = [](const char* what, std::vector<double> v, double floor) {
        const double median = Median(v);
        const double worst = *std::max_element(v.begin(), v.end());
        std::printf("%s n %zu median-s %.5f max-s %.5f floor-s %.2f over-pct %.1f\n", what, v.size(), median,
                    worst, floor, (median / floor - 1.0) * 100.0);
    };
    report("flip", flips, 0.05);
    report("removal", removals, 0.10);
}

// Threads SDL starts for audio are named "SDLAudio..." (and "SDLAudioP..." for
// playback); counts them among this process's threads.
int AudioThreads() {
    int count = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudio")) ++count;
    }
    return count;
}

// Whether SDL is loaded and its audio part started. The game opens SDL at
// its first sound, so this looks for it without loading it.
int SdlAudioUp() {
    void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (!sdl) return 0;
    auto wasInit = reinterpret_cast<decltype(&::SDL_WasInit)>(dlsym(sdl, "SDL_WasInit"));
    const int up = wasInit && wasInit(SDL_INIT_AUDIO) != 0;
    dlclose(sdl);
    return up;
}

int Threads() { return static_cast<int>(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

void Idle(MainWindow& form, ISoundPlayer& sound) {
    RunEvents(1000);
    const double stopped = CpuOverEventLoop(10000);
    std::printf("idle-stopped cpu-s %.6f over-s 10 pct-core %.4f clock %s\n", stopped, stopped / 10.0 * 100.0,
                form.IsEnabled() ? "running" : "stopped");
    form.Engine().TileClicked(1);
    const double running = CpuOverEventLoop(10000);
    std::printf("idle-running cpu-s %.6f over-s 10 pct-core %.4f clock %s seconds %d\n", running,
                running / 10.0 * 100.0, form.IsEnabled() ? "running" : "stopped",
                static_cast<int>(form.Engine().Turn().seconds));
    std::printf("audio-before-sound sdl-audio-init %d audio-threads %d threads %d\n",
                SdlAudioUp(), AudioThreads(), Threads());
    // One sound played to its end, then a second of idling: nothing of the
    // audio device may stay behind.
    sound.PlayWaveResource(QStringLiteral("FLIP"));
    RunEvents(1500);
    std::printf("audio-after-sound sdl-audio-init %d audio-threads %d threads %d\n",
                SdlAudioUp(), AudioThreads(), Threads());
}

// Where start-up time goes beyond the floor: the loads the main window makes
// while it is built, each timed on its own (median of 15).
void Costs() {
    auto time = [](const char* what, int times, auto&& load) {
        std::vector<double> v;
        for (int round = 0; round < 15; ++round) v.push_back(Seconds([&] {
            for (int i = 0; i < times; ++i) load(i);
        }));
        std::printf("cost %s ms %.2f\n", what, Median(v) * 1000.0);
    };
    time("hand-cursor-x120", 120, [](int) { (void)HandCursor(); });
    time("hand-cursor-x1", 1, [](int) { (void)HandCursor(); });
    time("faces-of-one-deal-x60", 60, [](int i) { (void)LoadResPicture(QStringLiteral("ANIMAL%1").arg(i % 30 + 1), PictureKind::Icon); });
    time("tile-frames-x11", 11, [](int i) {
        (void)LoadResPicture(i < 6 ? QStringLiteral("BLUEFLIP%1").arg(i + 1) : QStringLiteral("BLUESHRINK%1").arg(i - 5),
                             PictureKind::Bitmap);
    });
    time("toolbar-pictures-x10", 10, [](int i) {
        static const char* keys[] = {"New", "Scores", "Boards", "Colors", "Images", "Levels", "Players", "Sounds", "About", "Exit"};
        (void)ToolbarPicture(QLatin1String(keys[i]));
    });
    time("program-icon", 1, [](int) { (void)ProgramIcon(); });
    time("load-settings", 1, [](int) { ChoicesStore().Load(); });
}

}  // namespace

int main(int argc, char* argv[]) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("startup");
    const bool breakdown = argc > 2 && std::strcmp(argv[2], "--breakdown") == 0;
    if (breakdown) bench::Mark("main");

    // As the entry routine does it, step by step.
    QApplication app(argc, argv);
    Translations::InstallForSystemLocale();
    Startup::PrepareApplication();
    if (breakdown) bench::Mark("application");

    int result = 0;
    SoundPlayer sound;
    SteadyPauseClock pause;
    ClockSeededRandom random;
    StoredScoreTables scoreBook;
    Trap([&] {
        Startup::SetHelpFileBesideProgram();
        PlayerChoices choices;
        ChoicesStore choiceStore;
        MainWindow form(choices, choiceStore, sound, pause, random, scoreBook);
        if (breakdown) bench::Mark("window-built");
        if (mode == "startup") {
            bench::FirstPaintReporter reporter(&form);
            form.show();
            if (breakdown) bench::Mark("shown");
            result = QApplication::exec();
            return;
        }
        if (mode == "costs") {
            Costs();
            std::fflush(stdout);
            _exit(0);
        }
        form.show();
        RunEvents(500);
        if (mode == "animation") Animation(form);
        if (mode == "idle") Idle(form, sound);
        std::fflush(stdout);
        _exit(0);  // leave without the closing steps: the store stays as it was
    });
    SetErrorSink({});
    return result;
}
