// A long session at the real main window, offscreen: many thousands of games
// (F2, a mismatch turned back, sets matched; every fourth game played to its
// end, so the high-score dialog and the "Game Over" box come and go), with
// the tile colour, pictures, board, level and players changed through the
// options dialog every few games, and then a day of game-clock ticks. Pauses
// take no time and sounds are skipped, so the session runs at full speed.
//
//   bench_session [GAMES]   (20000 by default)
//   bench_session sounds [GAMES [QUIET-MS]]   (2000 games, 1200 ms by default)
//       sounds on, through the real SDL player (the driver is SDL's choice,
//       or SDL_AUDIODRIVER) and the real pauses; a game is F2 and two
//       clicks on the first row, as a player starts one and gives up; after
//       every tenth game QUIET-MS of the event loop running: long enough, by
//       default, for the sound device to close, so that it opens again. Prints
//       the memory line at the start, after 500 games and at the end, and
//       "sounds grew-kb <end - 500> games <n>".
//
// Prints the resident memory at the start (the window shown), after the
// warm-up (128 games: every combination of board, level and players once),
// after 500 games, every 2,500 games, at the end of the games and after the
// ticks; beside it what of it is the program's own (heap, stacks), what maps
// files, and the heap as the allocator holds it from the system:
//   memory <when> games <n> rss-kb <kb> anon-kb <kb> file-kb <kb> arena-kb <kb> seconds <s>
// The window uses a private settings store in a temporary folder.
#include "GameSettings.h"
#include "Doubles.h"
#include "ProcStatus.h"
#include "Sound.h"
#include "ScoreTables.h"
#include "Startup.h"
#include "MainWindow.h"
#include "OptionsDialog.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

using bench::StatusKb;

// The resident memory, split into what is the program's own (heap, stacks)
// and what maps files; the heap as the allocator holds it from the system.
void Report(const char* when, int games, const QElapsedTimer& clock) {
    const struct mallinfo2 heap = mallinfo2();
    std::printf("memory %s games %d rss-kb %ld anon-kb %ld file-kb %ld arena-kb %zu seconds %.1f\n", when, games,
                StatusKb("VmRSS"), StatusKb("RssAnon"), StatusKb("RssFile"), (heap.arena + heap.hblkhd) / 1024,
                static_cast<double>(clock.elapsed()) / 1000.0);
    std::fflush(stdout);
}

// Plays through the window as a player does: keys to the window, clicks on
// the cells; answers every modal window that opens.
class Player {
public:
    explicit Player(MainWindow& window) : w(window) {
        for (int k = 1; k <= BoardCells; ++k)
            m_tiles[k] = w.findChild<QWidget*>(QStringLiteral("imgTile%1").arg(k));
        m_options = w.findChildren<QAction*>(QStringLiteral("mnuOption"));
        m_modalPump.setInterval(0);
        QObject::connect(&m_modalPump, &QTimer::timeout, [this] { AnswerModal(); });
        m_modalPump.start();
    }

    void Game(int g) {
        ChangeOptions(g);
        // The window manager gives the window back its keys after a dialog.
        if (!w.isActiveWindow()) {
            w.activateWindow();
            (void)QTest::qWaitForWindowActive(&w);
        }
        QTest::keyClick(&w, Qt::Key_F2);
        QCoreApplication::processEvents();
        const GameEngine& e = w.Engine();
        const int n = e.Options().TileCount;
        const int level = e.Options().Level;
        std::map<QString, std::vector<int>> sets;
        for (int k = 1; k <= n; ++k) sets[e.Cell(k).Tag].push_back(k);
        // A mismatch: the first cell and cells of another picture; the next
        // click turns them back.
        std::vector<int> wrong{1};
        for (int k = 2; k <= n && static_cast<int>(wrong.size()) < level; ++k)
            if (e.Cell(k).Tag != e.Cell(1).Tag) wrong.push_back(k);
        for (int k : wrong) Click(k);
        const int toMatch = g % 4 == 3 ? static_cast<int>(sets.size()) : 2;
        int matched = 0;
        for (const auto& [tag, cells] : sets) {
            if (matched++ == toMatch) break;
            for (int k : cells) Click(k);
        }
        finished += e.Turn().matches == e.SetsInPlay();
    }

    // The game clock's ticks for as long as a window might be left open,
    // each shown as it comes.
    void Ticks(int count) {
        QTest::keyClick(&w, Qt::Key_F2);
        Click(1);
        for (int t = 0; t < count; ++t) {
            w.Engine().GameClockTick();
            QCoreApplication::processEvents();
        }
    }

    int finished = 0;  // games played to their end

private:
    // Each click arrives by itself, and what it posted (repaints of the cells
    // shown or hidden) is handled before the next, as in play.
    void Click(int k) {
        QTest::mouseClick(m_tiles[k], Qt::LeftButton, {}, m_tiles[k]->rect().center());
        QCoreApplication::processEvents();
    }

    // Through the options dialog, on a schedule that goes through every
    // combination of board, level and players in 128 games: the colour every
    // 4 games, the pictures every 8, the board every 16, the level every 32
    // and the players every 64.
    void ChangeOptions(int g) {
        if (g == 0 || g % 4 != 0) return;
        if (g % 64 == 0) Choose(OptionsDialog::TabPlayers, QStringLiteral("optPlayers%1").arg(g / 64 % 2 + 1));
        if (g % 32 == 0) Choose(OptionsDialog::TabLevels, QStringLiteral("optLevels%1").arg(g / 32 % 2 + 1));
        if (g % 16 == 0) Choose(OptionsDialog::TabBoards, QStringLiteral("optBoards%1").arg(g / 16 % 2 + 1));
        if (g % 8 == 0) Choose(OptionsDialog::TabImages, QStringLiteral("optImages%1").arg(g / 8 % 17 + 1));
        Choose(OptionsDialog::TabColors, QStringLiteral("optColors%1").arg(g / 4 % 5 + 1));
    }

    void Choose(int tab, const QString& button) {
        m_choice = button;
        m_options.value(tab)->trigger();  // returns when the dialog has closed
    }

    void AnswerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Ok)->click();
        } else if (auto* choice = modal->findChild<QRadioButton*>(m_choice)) {
            choice->click();
            modal->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        } else if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("cmdOK"))) {
            ok->click();  // the high-score dialog after a game
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }

    MainWindow& w;
    QWidget* m_tiles[BoardCells + 1] = {};
    QList<QAction*> m_options;
    QString m_choice;
    QTimer m_modalPump;
};

// The session with sounds: each game F2 and two clicks on the first row,
// every sound played through SDL in real time.
int SoundSession(int games, int quietMs) {
    SoundPlayer sound;
    SteadyPauseClock pause;
    ClockSeededRandom random;
    StoredScoreTables scoreBook;
    PlayerChoices choices;
    ChoicesStore choiceStore;
    MainWindow form(choices, choiceStore, sound, pause, random, scoreBook);
    PlayerChoices withSounds = form.Choices();
    withSounds.playSound = true;
    form.SetChoices(withSounds);
    form.show();
    if (!QTest::qWaitForWindowActive(&form)) return 1;
    QWidget* first = form.findChild<QWidget*>(QStringLiteral("imgTile1"));
    QWidget* second = form.findChild<QWidget*>(QStringLiteral("imgTile%1").arg(form.Engine().Options().TileCount == 60 ? 7 : 6));
    if (first == nullptr || second == nullptr) return 1;
    QElapsedTimer clock;
    clock.start();
    Report("start", 0, clock);
    long at500 = 0;
    for (int g = 1; g <= games; ++g) {
        QTest::keyClick(&form, Qt::Key_F2);
        QCoreApplication::processEvents();
        for (QWidget* tile : {first, second}) {
            QTest::mouseClick(tile, Qt::LeftButton, {}, tile->rect().center());
            QCoreApplication::processEvents();
        }
        if (quietMs > 0 && g % 10 == 0) QTest::qWait(quietMs);
        if (g == 500) {
            Report("500", g, clock);
            at500 = StatusKb("VmRSS");
        }
    }
    Report("end", games, clock);
    std::printf("sounds grew-kb %ld games %d\n", StatusKb("VmRSS") - at500, games);
    form.close();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool sounds = argc > 1 && std::strcmp(argv[1], "sounds") == 0;
    const int given = sounds ? 2 : 1;
    const int games = argc > given ? std::atoi(argv[given]) : (sounds ? 2000 : 20000);
    QTemporaryDir store;
    qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Startup::PrepareApplication();  // as the entry routine prepares it
    if (sounds) return SoundSession(games, argc > 3 ? std::atoi(argv[3]) : 1200);

    SilentSound sound;
    RecordingPause pause;  // takes no time
    ClockSeededRandom random;
    StoredScoreTables scoreBook;
    {
        PlayerChoices choices;
        ChoicesStore choiceStore;
        MainWindow form(choices, choiceStore, sound, pause, random, scoreBook);
        form.show();
        if (!QTest::qWaitForWindowActive(&form)) return 1;
        Player player(form);
        QElapsedTimer clock;
        clock.start();
        Report("start", 0, clock);
        constexpr int WarmUp = 128;
        for (int g = 0; g < games; ++g) {
            player.Game(g);
            const int played = g + 1;
            if (played == WarmUp) Report("warm-up", played, clock);
            else if (played == 500) Report("500", played, clock);
            else if (played % 2500 == 0 && played != games) Report("during", played, clock);
        }
        Report("end", games, clock);
        std::printf("games played %d to-the-end %d\n", games, player.finished);
        player.Ticks(86400);
        Report("after-a-day-of-ticks", games, clock);
        form.close();
    }
    return 0;
}
