// A monkey at the main window: at least a hundred thousand random events
// (clicks on any of the sixty cells, disabled ones included, F2 and New, the
// options dialog applied on every tab, options changed through the calls the
// dialog makes, tile colours, both view toggles, the high-score and About
// dialogs opened and closed), with sounds on through a recorder and pauses
// that take no time. After every event the state of the game is checked on
// the rule book and on the widgets.
//
// The seed is printed; PEXORA_TEST_SEED replays a run, PEXORA_MONKEY_EVENTS
// sets its length.
#include <QtTest>

#include "BoardImage.h"
#include "OptionCatalogue.h"
#include "ReliabilityKit.h"
#include "OptionsDialog.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <map>
#include <numeric>

namespace {

using Options::Text;

// Names a player might type, and some no player should.
const QStringList Names{
    QStringLiteral("Ann"), QString(), QStringLiteral(" "), QStringLiteral("<img src=x onerror=alert(1)>"),
    QStringLiteral("&amp; \"quoted\" 'single'"), QStringLiteral("a=b;c#d[e]"), QStringLiteral("Zoë 名前 😀"),
    QString(25, QLatin1Char('W')), QStringLiteral("@Variant(junk)"), QString(QChar(0x202E)) + QStringLiteral("rtl\there"),
};

class Monkey {
public:
    Monkey(MainWindow& window, quint64 seed) : w(window), rng(seed) {}

    // Runs one random event, drawn by weight; returns its name.
    QString Step() {
        int roll = Pick(m_total);
        auto e = m_events.begin();
        while (roll >= e->weight) roll -= (e++)->weight;
        e->run();
        ++counts[e->name];
        return e->name;
    }

    // Every invariant of a game in progress; empty when all hold.
    QString Check() {
        ++checks;
        const GameEngine& e = w.Engine();
        const int N = e.Options().TileCount;
        const int L = e.Options().Level;
        if ((N != 30 && N != 60) || (L != 2 && L != 3)) return QStringLiteral("options out of range");
        const int M = N / L;
        std::map<QString, int> tags;
        for (int k = 1; k <= N; ++k) ++tags[e.Cell(k).Tag];
        if (static_cast<int>(tags.size()) != M) return QStringLiteral("%1 pictures in play, not %2").arg(tags.size()).arg(M);
        for (const auto& [tag, n] : tags) {
            const int number = tag.toInt();
            if (number < 1 || number > 30 || QString::number(number) != tag) return QStringLiteral("tag '%1'").arg(tag);
            if (n != L) return QStringLiteral("picture %1 on %2 cells").arg(tag).arg(n);
        }
        const int up = e.Turn().tilesUp;
        const std::array<int, 3> slotCells{e.Turn().tile1, e.Turn().tile2, e.Turn().tile3};
        if (up < 0 || up > L) return QStringLiteral("tiles up %1").arg(up);
        for (int s = 0; s < 3; ++s) {
            if (s >= up && slotCells[s] != 0) return QStringLiteral("slot %1 holds %2 beyond tiles up %3").arg(s + 1).arg(slotCells[s]).arg(up);
            if (s < up && (slotCells[s] < 1 || slotCells[s] > N)) return QStringLiteral("slot %1 holds %2").arg(s + 1).arg(slotCells[s]);
        }
        const int sum = e.Player(1).Matches + e.Player(2).Matches;
        if (e.Turn().matches != sum) return QStringLiteral("matches %1, players %2").arg(e.Turn().matches).arg(sum);
        if (e.Turn().matches > M) return QStringLiteral("matches %1 above %2").arg(e.Turn().matches).arg(M);
        if (e.Options().PlayerCount == 1 && e.Turn().player != 1) return QStringLiteral("player %1 alone").arg(e.Turn().player);
        if (e.Turn().player != 1 && e.Turn().player != 2) return QStringLiteral("player %1").arg(e.Turn().player);

        int removed = 0;
        QWidget* client = Named(w, "ClientArea");
        for (int k = 1; k <= BoardCells; ++k) {
            const BoardCell& c = e.Cell(k);
            // A cell no board has needed yet is not made: out of play, as it should be.
            auto* tile = w.findChild<BoardImage*>(QStringLiteral("imgTile%1").arg(k));
            auto* face = w.findChild<BoardImage*>(QStringLiteral("imgPic%1").arg(k));
            const QString where = QStringLiteral("cell %1: ").arg(k);
            if ((tile == nullptr || face == nullptr) && k <= N) return where + "in play but not made";
            const bool faceShown = face != nullptr && face->isVisibleTo(client);
            if (k > N) {
                if (c.TileEnabled || c.TileVisible || c.FaceEnabled || c.FaceVisible) return where + "out of play but live";
                if (tile == nullptr || face == nullptr) continue;
                if (tile->isEnabled() || tile->isVisibleTo(client) || face->isEnabled() || faceShown)
                    return where + "out of play but live on screen";
                continue;
            }
            if (!c.TileEnabled) {
                ++removed;
                if (c.TilePic != TilePicture::Empty || c.FaceVisible || c.FaceEnabled) return where + "removed but not empty";
                if (tile->isEnabled() || !tile->Picture().isNull() || face->isEnabled() || faceShown)
                    return where + "removed but not empty on screen";
                continue;
            }
            const bool inSet = std::find(slotCells.begin(), slotCells.begin() + up, k) != slotCells.begin() + up;
            if (c.FaceVisible != inSet) return where + (inSet ? "in the set but face down" : "face up outside the set");
            if (!c.FaceEnabled || !c.TileVisible) return where + "in play but disabled";
            if (c.TilePic != (inSet ? TilePicture::Flip6 : TilePicture::Flip1)) return where + "wrong frame";
            if (!tile->isEnabled() || !tile->isVisibleTo(client) || faceShown != inSet || tile->Picture().isNull())
                return where + "screen differs from the rule book";
        }
        if (removed != e.Turn().matches * L) return QStringLiteral("%1 cells removed for %2 matches").arg(removed).arg(e.Turn().matches);
        return QString();
    }

    std::map<QString, long long> counts;
    long long checks = 0;
    QString failure;  // an invariant broken inside a dialog

private:
    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }
    IOptionsHost& Host() { return w; }
    // The host's choices with one change, handed back as the options dialog does.
    template <class Change>
    void Choose(Change change) {
        PlayerChoices choices = Host().Choices();
        change(choices);
        Host().SetChoices(choices);
    }
    const QString& AnyName() { return Names[Pick(static_cast<int>(Names.size()))]; }

    // Through the tile or through the face: the same click.
    void ClickCell(int k) {
        auto* target = w.findChild<BoardImage*>((Chance(2) ? QStringLiteral("imgTile%1") : QStringLiteral("imgPic%1")).arg(k));
        if (target == nullptr) return;  // a cell no board has needed: nothing there to click
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(target->width() / 2, target->height() / 2));
    }

    // A click that finds the rest of the current set, or a fresh face-down tile.
    void ClickTowardsAMatch() {
        const GameEngine& e = w.Engine();
        std::vector<int> candidates;
        const bool building = e.Turn().tilesUp >= 1 && e.Turn().tilesUp < e.Options().Level;
        for (int k = 1; k <= e.Options().TileCount; ++k) {
            const BoardCell& c = e.Cell(k);
            if (c.TileEnabled && !c.FaceVisible && (!building || c.Tag == e.Cell(e.Turn().tile1).Tag)) candidates.push_back(k);
        }
        ClickCell(candidates.empty() ? 1 + Pick(BoardCells)
                                     : candidates[static_cast<size_t>(Pick(static_cast<int>(candidates.size())))]);
    }

    struct Event {
        int weight;
        QString name;
        std::function<void()> run;
    };
    const std::vector<Event> m_events{
        {300, "click any cell", [this] { ClickCell(1 + Pick(BoardCells)); }},
        {580, "click towards a match", [this] { ClickTowardsAMatch(); }},
        {2, "F2", [this] {
             w.activateWindow();
             QApplication::setActiveWindow(&w);
             QTest::keyClick(&w, Qt::Key_F2);
         }},
        {2, "Game > New", [this] { Item(w, "mnuGameNew")->trigger(); }},
        {1, "toolbar New", [this] { Item(w, "tlbMainNew")->trigger(); }},
        {5, "options dialog from the menu", [this] { Option(w, Pick(OptionsDialog::TabCount))->trigger(); }},
        {5, "options dialog from the toolbar", [this] {
             static const std::array<const char*, 5> keys{"Boards", "Colors", "Images", "Levels", "Players"};
             Item(w, QStringLiteral("tlbMain") + QLatin1String(keys[static_cast<size_t>(Pick(5))]))->trigger();
         }},
        // Option changes followed by the calls the options dialog makes to the main window.
        {2, "host: board size", [this] {
             Choose([&](PlayerChoices& c) { c.options.TileCount = static_cast<qint16>(Chance(2) ? 30 : 60); });
             Host().StartNewGame();
             Host().SetBoardSize();
         }},
        {2, "host: pictures", [this] {
             Choose([&](PlayerChoices& c) { c.options.Images = Text(Options::ImageCategories[static_cast<size_t>(Pick(17))].stored); });
             Host().StartNewGame();
         }},
        {2, "host: level", [this] {
             Choose([&](PlayerChoices& c) { c.options.Level = static_cast<qint16>(Chance(2) ? 2 : 3); });
             Host().StartNewGame();
         }},
        {2, "host: players", [this] {
             Choose([&](PlayerChoices& c) {
                 c.options.PlayerCount = static_cast<qint16>(Chance(2) ? 1 : 2);
                 c.Name(1) = AnyName();
                 c.Name(2) = AnyName();
             });
             Host().StartNewGame();
         }},
        {2, "host: sounds", [this] {
             const bool on = Chance(2);
             Choose([&](PlayerChoices& c) { c.playSound = on; });
             Host().SetSoundsButtonPressed(on);
         }},
        // A new colour in the middle of a game: removed cells must stay empty.
        {20, "colour change", [this] {
             Choose([&](PlayerChoices& c) { c.options.TileColor = Text(Options::TileColors[static_cast<size_t>(Pick(5))].stored); });
             Host().ChangeTileColor();
         }},
        {10, "view toolbar", [this] { Item(w, "mnuViewToolbar")->trigger(); }},
        {10, "view status bar", [this] { Item(w, "mnuViewStatusBar")->trigger(); }},
        {10, "toolbar Sounds", [this] { Item(w, "tlbMainSounds")->trigger(); }},
        {3, "high scores from the menu", [this] { Item(w, "mnuGameHighScores")->trigger(); }},
        {2, "high scores from the toolbar", [this] { Item(w, "tlbMainScores")->trigger(); }},
        {5, "About window", [this] { Item(w, "mnuHelpAbout")->trigger(); }},
        {30, "clock tick", [this] { if (w.IsEnabled()) w.Engine().GameClockTick(); }},
        {5, "pending events run", [] { QCoreApplication::processEvents(); }},
    };
    const int m_total = std::accumulate(m_events.begin(), m_events.end(), 0, [](int t, const Event& e) { return t + e.weight; });

    // ------------------------------------------------------------ modal windows

    void HandleModal() {
        if (m_inModal) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        m_inModal = true;
        if (auto* options = qobject_cast<OptionsDialog*>(modal)) DriveOptions(*options);
        else if (auto* scores = qobject_cast<ScoresWindow*>(modal)) DriveScores(*scores);
        else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++counts[box->windowTitle() == QLatin1String("Game Over") ? "Game Over box closed" : "message box closed"];
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++counts["dialog closed: " + dialog->windowTitle().left(20)];
            dialog->reject();
        } else {
            modal->close();
        }
        m_inModal = false;
    }

    void CheckInside(const char* where) {
        if (!failure.isEmpty()) return;
        const QString broken = Check();
        if (!broken.isEmpty()) failure = QLatin1String(where) + QStringLiteral(": ") + broken;
    }

    // A few random changes, applies, tab switches and defaults, then OK or Cancel.
    void DriveOptions(OptionsDialog& d) {
        static const std::array<const char*, 6> groups{"optBoards", "optColors", "optImages",
                                                       "optLevels", "optPlayers", "optSounds"};
        auto* tabs = Named<QTabWidget>(d, "tabOptions");
        for (int i = 0, steps = 1 + Pick(5); i < steps; ++i) {
            const QString tab = QString::number(tabs->currentIndex());
            switch (Pick(6)) {
            case 0:
                tabs->setCurrentIndex(Pick(OptionsDialog::TabCount));  // applies the tab it leaves
                ++counts["options: tab switched"];
                break;
            case 1:
            case 2: {
                const auto options = NamedArray<QRadioButton>(d, groups[static_cast<size_t>(tabs->currentIndex())]);
                options.value(Pick(static_cast<int>(options.size())))->click();
                ++counts["options: option clicked"];
                break;
            }
            case 3:
                if (auto* box = Named<QLineEdit>(d, "txtPlayer", 1 + Pick(2)); box->isEnabled()) {
                    box->setText(AnyName());
                    ++counts["options: name typed"];
                }
                break;
            case 4:
                if (!Named(d, "cmdApply")->isEnabled()) break;
                Named<QPushButton>(d, "cmdApply")->click();
                ++counts["options: Apply on tab " + tab];
                CheckInside("after Apply");
                break;
            default:
                Named<QPushButton>(d, "cmdDefault")->click();
                ++counts["options: Default on tab " + tab];
                CheckInside("after Default");
            }
        }
        auto* close = Named<QPushButton>(d, Chance(3) ? "cmdCancel" : "cmdOk");
        ++counts["options: " + close->text().remove('&')];
        close->click();
    }

    // The reset question runs a loop of its own, under the watcher's handler: answer it from there.
    void AnswerResetQuestion() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return AnswerResetQuestion();
            ++counts["scores reset asked"];
            box->button(Chance(2) ? QMessageBox::Yes : QMessageBox::No)->click();
        });
    }

    void DriveScores(ScoresWindow& s) {
        ++counts[w.Scores().newHighScore ? "high-score dialog after a game" : "high-score dialog closed"];
        if (Chance(10)) {
            Named<QTabWidget>(s, "tabScores")->setCurrentIndex(Pick(2));
            AnswerResetQuestion();
            Named<QPushButton>(s, "cmdReset")->click();
        }
        Named<QPushButton>(s, "cmdOK")->click();
    }

    MainWindow& w;
    std::mt19937_64 rng;
    ModalWatcher m_modals{[this](QWidget*) { HandleModal(); }, ModalWatcher::Watch::Each};
    bool m_inModal = false;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void theGameHoldsItsInvariantsUnderRandomEvents() {
        const quint64 seed = TestSeed(20261206);
        bool ok = false;
        long long events = qEnvironmentVariableIntValue("PEXORA_MONKEY_EVENTS", &ok);
        if (!ok || events <= 0) events = 100000;

        QuietOffscreenPlatform();
        ScopedStore store;
        ErrorRecorder errors;
        RecordingSound sound;
        RecordingPause pause;
        ScriptedRandom deals = ScriptedRandom::Seeded(static_cast<unsigned>(seed));
        long long soundsPlayed = 0;
        sound.onPlay = [&](const QString&) {
            if (sound.played.size() > 1000) sound.played.clear();
            ++soundsPlayed;
        };
        StoreOption("Sounds", QStringLiteral("True"));
        StoredScoreTables book;
        PlayerChoices choices;
        ChoicesStore choiceStore;
        MainWindow w(choices, choiceStore, sound, pause, deals, book);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        Monkey monkey(w, seed ^ 0x9E3779B97F4A7C15ULL);
        QStringList recent;
        QString broken = monkey.Check();
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("after start-up: ") + broken));
        long long games = 0;
        for (long long i = 0; i < events; ++i) {
            const bool wasOn = w.Engine().Turn().matches < w.Engine().SetsInPlay();
            recent << monkey.Step();
            if (wasOn && w.Engine().Turn().matches == w.Engine().SetsInPlay()) ++games;
            if (recent.size() > 12) recent.removeFirst();
            broken = monkey.failure.isEmpty() ? monkey.Check() : monkey.failure;
            if (errors.count() > 0)
                broken = QStringLiteral("error report %1: %2").arg(errors.reports[0].first).arg(errors.reports[0].second);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("event %1 (seed %2): %3\nlast events: %4")
                                                      .arg(i)
                                                      .arg(seed)
                                                      .arg(broken, recent.join(QStringLiteral(", ")))));
        }
        std::printf("monkey: %lld events, %lld invariant checks, %d pauses, %lld sounds, %lld games played to the end, "
                    "%d error reports\n",
                    events, monkey.checks, pause.pauses, soundsPlayed, games, errors.count());
        for (const auto& [what, n] : monkey.counts) std::printf("  %-40s %lld\n", qPrintable(what), n);
        w.close();
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
