// The settings store near its bound of 16 MiB against a small one: loading
// the options, a game's end (both results offered, each a save), opening the
// high-score dialog and a reset of one board size's tables, each in a fresh
// process of its own over a fresh copy of the store.
//
//   bench_store   every store and operation, one line each, each store in a
//                 temporary folder of its own (never the player's)
//
// The stores: "keys" holds the game's sections and then millions of short
// keys ("a=") in a section of their own; "sections" the game's and then
// millions of sections ("[a]"), both within a kilobyte of the bound; "small"
// the game's sections and a few notes, 10 KiB. Printed per operation:
//   store <s> bytes <n> op <o> seconds <wall> cpu <user+sys> peak-growth-kb <kb> reads <n> parses <n>
// where the peak growth is the highest resident memory during the operation
// less the resident memory before it, and reads and parses count the whole
// store read from its file and parsed.
#include "OptionCatalogue.h"
#include "GameSettings.h"
#include "Doubles.h"
#include "ProcStatus.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "HighScoresDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using bench::StatusKb;

double CpuSeconds() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) + double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

// Lowers the high-water mark of the resident memory to what is resident now.
void ResetPeak() {
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

QByteArray GameSections() {
    QByteArray text =
        "[Game%20Settings]\nImages=FOOD\nLevel=2\nPlayer%20Count=2\nPlayer%201=Ann\nPlayer%202=Bob\nSounds=False\n"
        "Tile%20Color=RED\nTile%20Count=30\n";
    for (const char* table : {"Small%20Board%20Sets", "Small%20Board%20Times", "Large%20Board%20Sets", "Large%20Board%20Times"}) {
        const char* key = std::strstr(table, "Sets") ? "Sets" : "Time";
        text += QByteArray("\n[") + table + "]\n";
        for (int rank = 1; rank <= ScoreTables::Places; ++rank)
            text += QByteArray("Name%20") + QByteArray::number(rank) + "=Ann\n" + key + "%20" + QByteArray::number(rank) + '=' +
                    QByteArray::number(100 + rank) + '\n';
    }
    return text;
}

QByteArray Store(const QByteArray& kind) {
    QByteArray text = GameSections();
    if (kind == "small") {
        text += "\n[Notes]\n";
        for (int i = 0; text.size() < 10 * 1024 - 16; ++i) text += "note" + QByteArray::number(i) + "=kept\n";
        return text;
    }
    const qsizetype size = LargestStore - 1024;
    const QByteArray unit = kind == "keys" ? QByteArray("a=\n") : QByteArray("\n[a]\n");
    if (kind == "keys") text += "\n[Notes]\n";
    text.reserve(size);
    while (text.size() + unit.size() <= size) text += unit;
    return text;
}

class YesToReset final : public IScoreResetUi {
public:
    bool ConfirmReset(const QString&, const QString&) override { return true; }
    void ClearScoreList(const QString&) noexcept override {}
};

// One operation (load, end, dialog, reset) on the store (keys, sections,
// small) the parent wrote in the folder given.
int RunOne(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", argv[3]);
    QApplication app(argc, argv);
    const QByteArray store = argv[1], op = argv[2];
    SilentSound sound;
    PlayerChoices choices;
    StoredScoreTables book;
    const quint64 reads = StoreReadCount(), parses = StoreParseCount();
    const long before = StatusKb("VmRSS");
    ResetPeak();
    const double cpu = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<HighScoresDialog> dialog;
    if (op == "load") {
        choices = ChoicesStore().Load();
    } else if (op == "end") {
        book.OfferScore(ScoreKind::Sets, 30, QStringLiteral("Cy"), 50);
        book.OfferScore(ScoreKind::Times, 30, QStringLiteral("Cy"), 60);
    } else if (op == "dialog") {
        dialog = std::make_unique<HighScoresDialog>(sound, choices);
        dialog->Load(nullptr);
    } else if (op == "reset") {
        YesToReset ui;
        ResetBoardScores(30, ui, sound, false);
    } else {
        std::fprintf(stderr, "bench_store: no operation %s\n", op.constData());
        return 2;
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("store %s bytes %lld op %s seconds %.3f cpu %.3f peak-growth-kb %ld reads %llu parses %llu\n", store.constData(),
                QFileInfo(SettingsFilePath(Options::Text(Options::ApplicationName))).size(), op.constData(), seconds, CpuSeconds() - cpu,
                StatusKb("VmHWM") - before, static_cast<unsigned long long>(StoreReadCount() - reads),
                static_cast<unsigned long long>(StoreParseCount() - parses));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4) return RunOne(argc, argv);
    QCoreApplication app(argc, argv);
    for (const char* store : {"small", "keys", "sections"}) {
        const QByteArray text = Store(store);
        for (const char* op : {"load", "end", "dialog", "reset"}) {
            QTemporaryDir config;
            QDir().mkpath(config.path() + QStringLiteral("/Pexora"));
            QFile file(config.path() + QStringLiteral("/Pexora/Pexora.ini"));
            if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return 1;
            file.close();
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(store), QString::fromLatin1(op), config.path()});
            child.waitForFinished(-1);
        }
    }
    return 0;
}
