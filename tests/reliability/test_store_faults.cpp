// The settings store under attack: hostile values in every key of "Game
// Settings", a read-only configuration folder as an unprivileged user, a
// damaged file with a backup, two games recording scores at the same moment,
// a game killed in the middle of its saves, the store's name swapped for
// links, pipes and devices while a game loads and saves, and the signals
// that end a game while its save is held up. Nothing may crash or hang, no
// score the tables keep may be lost, and every failure is a silent default
// or the error report.
#include <QtTest>

#include "OptionCatalogue.h"
#include "ReliabilityKit.h"
#include "ScoreTables.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "Desktop.h"
#include "Startup.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <limits>
#include <memory>

namespace {

template <std::size_t N>
bool OneOf(const QString& t, const std::array<Options::Choice, N>& choices) {
    return std::any_of(choices.begin(), choices.end(),
                       [&](const Options::Choice& c) { return t == QLatin1String(c.stored.data(), c.stored.size()); });
}

// One key of "Game Settings": whether a text is accepted, its default, where
// the loaded value is held, and a valid value other than the default.
struct KeySpec {
    QString key;
    QString fallback;
    std::function<bool(const QString&)> accepts;
    std::function<QString(const PlayerChoices&)> loaded;
    QByteArray valid;
    QByteArray fileKey() const { return key.toLatin1().replace(" ", "%20"); }
};

const QList<KeySpec> Keys = [] {
    auto name = [](const QString& t) { return t.size() >= 1 && t.size() <= Options::MaxNameLength; };
    auto number = [](qint16 GameSettingsRecord::*field) { return [field](const PlayerChoices& c) { return QString::number(c.options.*field); }; };
    return QList<KeySpec>{
        {"Images", "ANIMAL", [](const QString& t) { return OneOf(t, Options::ImageCategories); }, [](const PlayerChoices& c) { return c.options.Images; }, "MUSIC"},
        {"Level", "2", [](const QString& t) { return OneOf(t, Options::Levels); }, number(&GameSettingsRecord::Level), "3"},
        {"Player Count", "1", [](const QString& t) { return OneOf(t, Options::Players); }, number(&GameSettingsRecord::PlayerCount), "2"},
        {"Player 1", "Player 1", name, [](const PlayerChoices& c) { return c.Name(1); }, "Ann"},
        {"Player 2", "Player 2", name, [](const PlayerChoices& c) { return c.Name(2); }, "Bob"},
        {"Sounds", "True", [](const QString& t) { return OneOf(t, Options::Sounds); },
         [](const PlayerChoices& c) { return c.playSound ? QStringLiteral("True") : QStringLiteral("False"); }, "False"},
        {"Tile Color", "BLUE", [](const QString& t) { return OneOf(t, Options::TileColors); }, [](const PlayerChoices& c) { return c.options.TileColor; }, "RED"},
        {"Tile Count", "30", [](const QString& t) { return OneOf(t, Options::Boards); }, number(&GameSettingsRecord::TileCount), "60"},
    };
}();

// A score table kept beside the options, to prove that no options save loses it.
const QByteArray KeptScores = "[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\nName%202=Bob\nSets%202=21\n";

// The two tables a game on the small board records into.
QList<std::pair<QString, QString>> SmallTables() {
    return {{ScoreTables::SmallBoardSets, ScoreTables::SetsKey}, {ScoreTables::SmallBoardTimes, ScoreTables::TimeKey}};
}

int g_faultsTried = 0;

// A hand-edited "Game Settings" whose key `target` holds `value` and the
// others valid values loads with no error report and writes nothing after
// the file's first use (which may take out a line that would swallow the
// ones below it). The other keys load as stored; the target loads as an
// accepted value, the one stored when that is plain words the key accepts
// (other texts are read by the INI rules: trimmed, unquoted, lists). The save
// keeps every value, a second load gives them back, and the score table
// beside them survives.
void CheckOptionsFile(const QByteArray& file, const KeySpec& target, const QByteArray& value, const QByteArray& context) {
    ChoicesStore settings;  // the options as a game loads and saves them
    PlayerChoices chosen;
    ++g_faultsTried;
    ScopedStore store;
    store.writeRaw(file);
    ErrorRecorder errors;
    GetSetting(App, Section, target.key);  // the file's first use
    const QByteArray firstUse = store.readRaw();
    static const QRegularExpression plainWords(QStringLiteral("^[A-Za-z0-9]+( [A-Za-z0-9]+)*$"));
    const QString plain = plainWords.match(QString::fromLatin1(value)).hasMatch() ? QString::fromLatin1(value) : QString();
    chosen = settings.Load();
    QVERIFY2(store.readRaw() == firstUse, context);
    QStringList loaded;
    for (const KeySpec& k : Keys) {
        loaded << k.loaded(chosen);
        const bool asStored = k.key == target.key ? k.accepts(loaded.last()) && (!k.accepts(plain) || loaded.last() == plain)
                                                  : loaded.last() == k.valid;
        QVERIFY2(asStored, context + " loaded " + k.key.toUtf8());
    }
    settings.Save(chosen);
    chosen = settings.Load();
    for (int i = 0; i < Keys.size(); ++i) {
        QVERIFY2(GetSetting(App, Section, Keys[i].key) == loaded[i], context + " saved " + Keys[i].key.toUtf8());
        QVERIFY2(Keys[i].loaded(chosen) == loaded[i], context + " loaded again " + Keys[i].key.toUtf8());
    }
    QVERIFY2(errors.count() == 0, context);
    for (int r = 1; r <= 2; ++r) {
        const ScoreRow row = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, r);
        QVERIFY2(row.Name + ' ' + row.Score == QStringList({"Ann 17", "Bob 21"})[r - 1], context + " kept scores");
    }
}

// ---------------------------------------------------------------- child modes

// A whole one-player game over a store the child may read but not write.
int ChildReadOnly(int argc, char** argv) {
    ChoicesStore settings;  // the options as a game loads and saves them
    PlayerChoices chosen;
    QApplication app(argc, argv);
    const QString ini = SettingsFilePath(App);
    std::printf("writable %d\n", QFileInfo(ini).isWritable() || QFileInfo(QFileInfo(ini).absolutePath()).isWritable());
    RecordingSound sound;
    RecordingPause pause;
    ScriptedRandom random;
    ErrorRecorder errors;
    {
        StoredScoreTables book;
        MainWindow window(chosen, settings, sound, pause, random, book);
        window.show();
        std::printf("loaded %s %d\n", qPrintable(chosen.Name(1)), static_cast<int>(chosen.options.TileCount));
        reliability::PlayToTheEnd(window);
        std::printf("matches %d of %d\n", window.Engine().Turn().matches, window.Engine().SetsInPlay());
        window.close();
    }
    QStringList numbers;
    for (const auto& report : errors.reports) numbers << QString::number(report.first);
    std::printf("reports %s\n", qPrintable(numbers.join(' ')));
    return 0;
}

// Records results first, first - step, ... (count of them; 0: until killed) into both
// small-board tables as a game end does, named prefix + result, once told to go on
// stdin; prints "saved N" after each. Stops with 3 at the first error report.
int ChildRecord(const QStringList& a) {
    ErrorRecorder errors;
    std::getchar();
    for (int i = 0, first = a.value(1).toInt(); a.value(3).toInt() == 0 || i < a.value(3).toInt(); ++i) {
        const qint32 score = first - i * a.value(2).toInt();
        for (const auto& [section, key] : SmallTables()) SaveScore(section, key, a.value(0) + QString::number(score), score);
        if (errors.count() > 0) return 3;
        std::printf("saved %d\n", score);
        std::fflush(stdout);
    }
    return 0;
}

// Rounds of a game's load, one result and the close's save, whatever the
// store's name holds meanwhile; prints "kept N" for each result entered.
int ChildSwapped(int rounds) {
    ChoicesStore settings;  // the options as a game loads and saves them
    PlayerChoices chosen;
    ErrorRecorder errors;
    std::getchar();
    for (int i = 0; i < rounds; ++i) {
        chosen = settings.Load();
        if (SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("R%1").arg(1000 - i), 1000 - i))
            std::printf("kept %d\n", 1000 - i);
        settings.Save(chosen);
    }
    std::printf("refused %d\n", errors.count());
    return 0;
}

// The real program's window, taking the end signals, until one ends it.
int ChildWindow(int argc, char** argv) {
    Desktop::TakeEndSignals();
    QApplication app(argc, argv);
    Startup::PrepareApplication();
    RecordingSound sound;
    RecordingPause pause;
    ScriptedRandom random;
    StoredScoreTables book;
    PlayerChoices chosen;
    ChoicesStore settings;
    Desktop::SaveAtSessionEnd(app, [&] { settings.Save(chosen); });
    MainWindow window(chosen, settings, sound, pause, random, book);
    Desktop::CloseOnEndSignals(window);
    window.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

int RunChild(int argc, char** argv) {
    if (QByteArray(argv[2]) == "readonly") return ChildReadOnly(argc, argv);
    if (QByteArray(argv[2]) == "window") return ChildWindow(argc, argv);
    QCoreApplication app(argc, argv);
    if (QByteArray(argv[2]) == "swapped") return ChildSwapped(app.arguments().value(3).toInt());
    return ChildRecord(app.arguments().mid(3));
}

std::unique_ptr<QProcess> StartChild(const QStringList& args, const QString& configHome) {
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(reliability::ChildEnvironment(configHome));
    p->start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + args);
    return p;
}

// A file's bytes by the exact bytes of its path.
QByteArray ReadExactly(const QByteArray& path) {
    QByteArray bytes;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    char buffer[4096];
    for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
    if (fd >= 0) ::close(fd);
    return bytes;
}

// The new files of saves left in a folder (".Pexora.ini.XXXXXX").
int LeftoversIn(const QByteArray& folder) {
    int count = 0;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) count += QByteArray(entry->d_name).startsWith(".Pexora.ini.");
        ::closedir(dir);
    }
    return count;
}

}  // namespace

class StoreFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_seed = TestSeed(20261206); }
    void cleanupTestCase() {
        std::printf("store faults tried: %d hostile values and files, data lost: none\n", g_faultsTried);
    }

    // Each key in turn holds a hostile value, the other keys valid ones.
    void everyHostileOptionLoadsAsItsSilentDefault() {
        std::mt19937_64 rng(m_seed);
        QList<QByteArray> values = reliability::HostileValues();
        for (int i = 0; i < 30; ++i) values.append(reliability::RandomBytes(rng, 60));
        for (const KeySpec& target : Keys) {
            for (const QByteArray& value : values) {
                QByteArray file = "[Game%20Settings]\n";
                for (const KeySpec& k : Keys)
                    if (k.key != target.key) file += k.fileKey() + '=' + k.valid + '\n';
                file += target.fileKey() + '=' + value + '\n' + KeptScores;
                CheckOptionsFile(file, target, value, target.key.toUtf8() + " = " + value.left(40).toPercentEncoding());
                if (QTest::currentTestFailed()) return;
            }
        }
    }

    // As an unprivileged user (root writes anywhere): the store is read, a
    // whole game is played, its saves are reported, and the file stays as it was.
    void aReadOnlyFolderReportsTheSavesAndTheGameGoesOn() {
        ++g_faultsTried;
        QTemporaryDir top;
        QVERIFY(top.isValid());
        const auto read = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enter = read | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        const QString config = top.filePath(QStringLiteral("config"));
        const QString ini = config + QStringLiteral("/Pexora/Pexora.ini");
        QVERIFY(QDir().mkpath(config + QStringLiteral("/Pexora")));
        const QByteArray file = "[Game%20Settings]\nPlayer%201=Ro\nTile%20Count=30\nLevel=2\nPlayer%20Count=1\n" + KeptScores;
        QVERIFY(!WriteFile(ini, file).isEmpty());
        // The child runs from a copy any user may execute.
        const QString binary = top.filePath(QStringLiteral("child"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), binary));
        for (const QString& path : {top.path(), config, binary}) QFile::setPermissions(path, enter | QFile::WriteOwner);
        QFile::setPermissions(config + QStringLiteral("/Pexora"), enter);
        QFile::setPermissions(ini, read);

        QProcess p;
        QProcessEnvironment env = reliability::ChildEnvironment(config);
        env.insert(QStringLiteral("HOME"), top.path());
        p.setProcessEnvironment(env);
        if (getuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty()) QSKIP("setpriv (util-linux) is needed to drop root's privileges");
            p.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", binary, "--child", "readonly"});
        } else {
            p.start(binary, {"--child", "readonly"});
        }
        QVERIFY(p.waitForFinished(120000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(out + p.readAllStandardError()));
        for (const char* line : {"writable 0", "loaded Ro 30", "matches 15 of 15"}) QVERIFY2(out.contains(QLatin1String(line)), qPrintable(out));
        // Both results of the game end and the options save at the close: each reported.
        const QStringList numbers = out.section(QStringLiteral("reports "), 1).section('\n', 0, 0).split(' ', Qt::SkipEmptyParts);
        QVERIFY2(numbers.size() >= 3, qPrintable(out));
        for (const QString& n : numbers) QCOMPARE(n.toInt(), ErrorNumbers::PathFileAccess);
        QCOMPARE(ReadFile(ini), file);
        QVERIFY(!QFile::exists(ini + QStringLiteral(".bak")));
    }

    // A hand-damaged file never replaces the backup of the last good one; it is
    // kept beside it, and the scores it still holds survive.
    void aDamagedFileKeepsTheLastGoodBackup() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ++g_faultsTried;
        ScopedStore store;
        const QByteArray good = "[Game%20Settings]\nTile%20Count=60\n" + KeptScores;
        const QByteArray damaged = "[Game%20Settings]\nTile%20Count=60\nLevel=\"3\n\xff\xfe junk\n@Variant(\\0\\x7f)=x\n" +
                                   KeptScores + "[Small%20Board%20Times\nName%201";
        store.writeRaw(good);
        QVERIFY(QFile::rename(store.iniPath(), store.iniPath() + QStringLiteral(".bak")));
        store.writeRaw(damaged);
        ErrorRecorder errors;
        chosen = settings.Load();
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Cy"), 19));
        settings.Save(chosen);
        QVERIFY(errors.count() == 0 && chosen.options.TileCount == 60);
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".bak")) + ReadFile(store.iniPath() + QStringLiteral(".damaged")), good + damaged);
        for (int r = 1; r <= 3; ++r) {
            const ScoreRow row = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, r);
            QCOMPARE(row.Name + ' ' + row.Score, QStringList({"Ann 17", "Cy 19", "Bob 21"})[r - 1]);
        }
    }

    // Two games ending over and over at the same moment: each table holds the five best of both.
    void twoGamesRecordingAtOnceLoseNoEntry() {
        ScopedStore store;
        const int count = 60, best = 999 - 2 * (count - 1);  // B's last result, then A's last, and so on
        const auto a = StartChild({"record", "A", "1000", "2", QString::number(count)}, store.dir());
        const auto b = StartChild({"record", "B", "999", "2", QString::number(count)}, store.dir());
        QVERIFY(a->waitForStarted(120000) && b->waitForStarted(120000) && a->write("\n") && b->write("\n"));
        QVERIFY(a->waitForFinished(300000) && b->waitForFinished(300000));
        QVERIFY2(a->exitCode() == 0 && b->exitCode() == 0, a->readAllStandardError() + b->readAllStandardError());
        for (const auto& [section, key] : SmallTables()) {
            for (int r = 1, score = best; r <= ScoreTables::Places; ++r, ++score) {
                const ScoreRow row = ReadScoreRow(section, key, r);
                QCOMPARE(row.Name + ' ' + row.Score, QStringLiteral("%1%2 %2").arg(score % 2 ? "B" : "A").arg(score));
            }
        }
    }

    // A game killed with SIGKILL in the middle of its saves: the file parses, each table holds the last
    // five saves that completed (or the last four and the one under way), and the next game records.
    void aGameKilledDuringItsSavesKeepsEveryScore() {
        std::mt19937_64 rng(m_seed + 3);
        for (int round = 0; round < 12; ++round, ++g_faultsTried) {
            ScopedStore store;
            const auto p = StartChild({"record", "S", QString::number(50000 + round), "1", "0"}, store.dir());
            p->write("\n");
            const int killAfter = 6 + static_cast<int>(rng() % 30);
            QByteArray out;
            while (out.count("saved ") < killAfter && p->waitForReadyRead(120000)) out += p->readAllStandardOutput();
            usleep(static_cast<useconds_t>(rng() % 40000));  // anywhere in the next save or two
            p->kill();
            QVERIFY(p->waitForFinished(60000));
            out += p->readAllStandardOutput();
            QVERIFY2(p->exitStatus() == QProcess::CrashExit && out.count("saved ") >= killAfter, out + p->readAllStandardError());
            const int last = out.mid(out.lastIndexOf("saved ") + 6).trimmed().toInt();  // the last save completed
            QCOMPARE(QSettings(store.iniPath(), QSettings::IniFormat).status(), QSettings::NoError);
            for (const auto& [section, key] : SmallTables()) {
                const int shift = ReadScoreRow(section, key, 1).Score.toInt() == last - 1;  // the save under way completed
                for (int r = 1; r <= ScoreTables::Places; ++r) {
                    const ScoreRow row = ReadScoreRow(section, key, r);
                    QVERIFY2(row.Name + ' ' + row.Score == QStringLiteral("S%1 %1").arg(last - shift + r - 1), "round " + QByteArray::number(round) + ": " + store.readRaw());
                }
                ErrorRecorder errors;
                QVERIFY(SaveScore(section, key, QStringLiteral("After"), 1) && errors.count() == 0);
            }
        }
    }

    // The store's name swapped, as fast as the machine allows, for a link to
    // the real file, a pipe, a link to a device, a link to a link and a link
    // to a file past the bound, while a game loads and saves over and over.
    // Counted over every run: no hang, no crash, nothing written in place of
    // the device or through a link, the tables whole in the file and its
    // backup, every result that was reported kept among the five best.
    void aStoreSwappedWhileTheGameSavesKeepsEveryInvariant() {
        std::mt19937_64 rng(m_seed + 5);
        const int runs = 12, rounds = 40;
        int swaps = 0, kept = 0, refused = 0, hangs = 0, crashes = 0, deviceReplaced = 0, writtenThroughLinks = 0, tablesLost = 0;
        for (int run = 0; run < runs; ++run, ++g_faultsTried) {
            ScopedStore store;
            const QString folder = QFileInfo(store.iniPath()).absolutePath();
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(!WriteFile(folder + QStringLiteral("/real.ini"), KeptScores).isEmpty());
            const auto at = [&](const char* name) { return QFile::encodeName(folder + '/' + QLatin1String(name)); };
            QByteArray device = "/dev/zero";
            if (getuid() == 0) {  // a node of our own: nothing here may replace a real one
                device = at("zero");
                QVERIFY(::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 5)) == 0);
            }
            QFile big(QString::fromUtf8(at("big")));
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(16 * 1024 * 1024 + 1));
            big.close();
            QVERIFY(::symlink("real.ini", at("chain").constData()) == 0 && ::symlink("real.ini", at("Pexora.ini").constData()) == 0);
            const auto p = StartChild({"swapped", QString::number(rounds)}, store.dir());
            QVERIFY(p->waitForStarted(120000) && p->write("\n"));
            QElapsedTimer patience;
            patience.start();
            while (!p->waitForFinished(0)) {
                const QByteArray swap = at(".swap");
                const char* const targets[] = {"real.ini", "real.ini", "real.ini", nullptr, device.constData(), "chain", "big"};
                const char* target = targets[rng() % 7];
                const int made = target != nullptr ? ::symlink(target, swap.constData()) : ::mkfifo(swap.constData(), 0600);
                swaps += made == 0 && ::rename(swap.constData(), at("Pexora.ini").constData()) == 0;
                usleep(static_cast<useconds_t>(rng() % 1000));
                if (patience.elapsed() > 240000) {  // far past any save on the busiest machine
                    ++hangs;
                    p->kill();
                    p->waitForFinished(60000);
                    break;
                }
            }
            const QByteArray out = p->readAllStandardOutput();
            crashes += p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0;
            refused += out.mid(out.indexOf("refused ") + 8).trimmed().toInt();
            struct stat info {};
            deviceReplaced += getuid() == 0 && (::lstat(device.constData(), &info) != 0 || !S_ISCHR(info.st_mode));
            writtenThroughLinks += QFileInfo(QString::fromUtf8(at("chain"))).symLinkTarget() != folder + QStringLiteral("/real.ini") ||
                                   QFileInfo(QString::fromUtf8(at("big"))).size() != 16 * 1024 * 1024 + 1;
            QList<int> results;
            for (const QByteArray& line : out.split('\n'))
                if (line.startsWith("kept ")) results << line.mid(5).toInt();
            kept += int(results.size());
            std::sort(results.begin(), results.end());
            QStringList expected{"Ann 17", "Bob 21"};
            for (int i = 0; i < 3 && i < results.size(); ++i) expected << QStringLiteral("R%1 %1").arg(results[i]);
            for (const char* copy : {"real.ini", "real.ini.bak"}) {
                QFile f(QString::fromUtf8(at(copy)));
                if (!f.open(QIODevice::ReadOnly)) continue;
                const StoreContents contents = ParseStore(f.readAll());
                QStringList table;
                for (int r = 1; r <= ScoreTables::Places; ++r) {
                    const QString name = contents.value(ScoreTables::SmallBoardSets, QStringLiteral("Name %1").arg(r));
                    if (!name.isEmpty()) table << name + ' ' + contents.value(ScoreTables::SmallBoardSets, QStringLiteral("Sets %1").arg(r));
                }
                // The backup is one save behind at most: it holds the two kept entries all the same.
                tablesLost += QByteArray(copy).endsWith(".bak") ? table.mid(0, 2) != expected.mid(0, 2) : table != expected;
            }
        }
        std::printf("store swapped: %d runs, %d swaps, %d results kept, %d saves refused; hangs %d, crashes %d, devices replaced %d, "
                    "written through links %d, tables lost %d\n",
                    runs, swaps, kept, refused, hangs, crashes, deviceReplaced, writtenThroughLinks, tablesLost);
        QCOMPARE(hangs + crashes + deviceReplaced + writtenThroughLinks + tablesLost, 0);
        QVERIFY(swaps > runs && kept > 0);
    }

    // The ending road with the save held up by another game's lock: SIGTERM
    // and SIGHUP together (a logout) still save; the same signal twice, or a
    // second one more than 2 seconds later, ends the game at once; a save that
    // fails on this road is said once on stderr, with no box to wait on.
    void theEndingRoadSavesOnceAndNeverHangs_data() {
        QTest::addColumn<QList<int>>("sent");
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<bool>("saves");
        // The save waits for the other game's lock at most 2 s: ended at once, the change kept.
        QTest::newRow("SIGTERM and SIGHUP together") << QList<int>{SIGTERM, SIGHUP} << 0 << true;
        // The save stopped at its flock call: a second SIGTERM sent before the
        // first arrived would be the same one.
        QTest::newRow("SIGTERM twice") << QList<int>{SIGTERM, SIGTERM} << 1000 << false;
        QTest::newRow("SIGHUP 2.5 s after SIGTERM") << QList<int>{SIGTERM, SIGHUP} << 2500 << false;
        QTest::newRow("SIGTERM with a save that fails") << QList<int>{SIGTERM} << 0 << false;
    }
    void theEndingRoadSavesOnceAndNeverHangs() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        QFETCH(QList<int>, sent);
        QFETCH(int, pauseMs);
        QFETCH(bool, saves);
        QVERIFY2(qgetenv("LD_PRELOAD").contains("storeshim"), "runs with tests/kit/StoreShim.cpp preloaded");
        ScopedStore store;
        const QString ini = store.iniPath();
        QVERIFY(QDir().mkpath(QFileInfo(ini).absolutePath()));
        const bool failing = sent.size() == 1, stopped = !saves && !failing;
        if (failing) QVERIFY(QFile::link(store.dir() + QStringLiteral("/no/such/folder/Pexora.ini"), ini));
        // The store's lock, held as another game saving would (unless the save is to fail or is stopped).
        const int lock = ::open(QFile::encodeName(ini + QStringLiteral(".lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(lock >= 0 && (!saves || ::flock(lock, LOCK_EX) == 0));
        // A save held up for good: stopped at its flock call, at a gate never opened.
        int told[2] = {-1, -1}, gate[2] = {-1, -1};
        QVERIFY(::pipe(told) == 0 && ::pipe(gate) == 0);
        if (stopped) {
            qputenv("PEXORA_SHIM_STOP_AT", "flock");
            qputenv("PEXORA_SHIM_GATE", QByteArray::number(told[1]) + ':' + QByteArray::number(gate[0]));
        }
        const auto p = StartChild({"window"}, store.dir());
        qunsetenv("PEXORA_SHIM_STOP_AT");
        qunsetenv("PEXORA_SHIM_GATE");
        QVERIFY(p->waitForReadyRead(120000) && p->readAllStandardOutput().contains("ready"));
        QElapsedTimer ending;  // from the first signal
        ending.start();
        for (int i = 0; i < sent.size(); ++i) {
            if (i > 0) QTest::qWait(pauseMs);
            QVERIFY2(p->processId() > 0, "the game ended before the signal");
            ::kill(pid_t(p->processId()), sent[i]);
        }
        const bool endedAtOnce = p->waitForFinished(failing ? 120000 : 5000);
        // The lock another game holds was waited for, briefly, before the change was set aside.
        if (saves) QVERIFY2(ending.elapsed() >= EndingLockWaitMs - 100, qPrintable(QString::number(ending.elapsed())));
        ::close(lock);
        for (int fd : {told[0], told[1], gate[0], gate[1]}) ::close(fd);
        QVERIFY2(endedAtOnce || p->waitForFinished(120000), "the game hangs on its ending road");
        const QByteArray err = p->readAllStandardError();
        if (saves || failing) {
            QVERIFY2(endedAtOnce || failing, "the held lock was waited for past the bound");
            QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0, err);
        } else {
            QVERIFY2(endedAtOnce && p->exitStatus() == QProcess::CrashExit, err);
        }
        QCOMPARE(err.count("Error #"), failing ? 1 : 0);
        // The save the held lock kept out is kept beside the store; the next start writes it.
        QCOMPARE(err.contains("written at the next save or start"), saves);
        QVERIFY(!QFileInfo::exists(ini) || failing);
        chosen = settings.Load();
        QCOMPARE(QFileInfo::exists(QFileInfo(ini).canonicalFilePath()) && !failing, saves);
        if (saves) QCOMPARE(GetSetting(App, Section, QStringLiteral("Tile Count")), QStringLiteral("30"));
    }

    // The real game, closed as a session ends it, saves its options where a
    // player's store lies: on a file system that refuses modes, through a
    // relative link in a linked folder, under an XDG_CONFIG_HOME in no
    // encoding, and after a save killed half-way, whose new file it removes.
    void theGameSavesWhereverAPlayerKeepsItsStore_data() {
        QTest::addColumn<QString>("where");
        for (const char* where : {"modes refused", "relative link in a linked folder", "folder name not UTF-8", "after a killed save"})
            QTest::newRow(where) << QString::fromLatin1(where);
    }
    void theGameSavesWhereverAPlayerKeepsItsStore() {
        QFETCH(QString, where);
        QVERIFY2(qgetenv("LD_PRELOAD").contains("storeshim"), "runs with tests/kit/StoreShim.cpp preloaded");
        ScopedStore store;
        QByteArray home = QFile::encodeName(store.dir()), file = home + "/Pexora/Pexora.ini";
        QByteArray kept;  // what the store holds before and keeps
        if (where == QLatin1String("relative link in a linked folder")) {
            const QByteArray real = home + "/elsewhere/conf/Pexora";
            QVERIFY(QDir().mkpath(QString::fromUtf8(real)) && QDir().mkpath(QString::fromUtf8(home + "/elsewhere/conf/data")));
            QVERIFY(::symlink(real.constData(), (home + "/Pexora").constData()) == 0);
            QVERIFY(::symlink("../data/Pexora.ini", (real + "/Pexora.ini").constData()) == 0);
            file = home + "/elsewhere/conf/data/Pexora.ini";
            kept = "[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\n";
            QVERIFY(!WriteFile(QString::fromUtf8(file), kept).isEmpty());
        } else if (where == QLatin1String("folder name not UTF-8")) {
            home += "/nonutf\xff";
            file = home + "/Pexora/Pexora.ini";
        } else if (where == QLatin1String("after a killed save")) {
            // A save stopped at its rename, its new file written, and killed there.
            int told[2] = {-1, -1}, gate[2] = {-1, -1};
            QVERIFY(::pipe(told) == 0 && ::pipe(gate) == 0);
            qputenv("PEXORA_SHIM_STOP_AT", "renameat2");
            qputenv("PEXORA_SHIM_GATE", QByteArray::number(told[1]) + ':' + QByteArray::number(gate[0]));
            const auto killed = StartChild({"record", "K", "100", "1", "1"}, store.dir());
            qunsetenv("PEXORA_SHIM_STOP_AT");
            qunsetenv("PEXORA_SHIM_GATE");
            char byte = 0;
            const bool stopped = killed->waitForStarted(120000) && killed->write("\n") && killed->waitForBytesWritten(120000) &&
                                 ::read(told[0], &byte, 1) == 1;
            killed->kill();
            killed->waitForFinished(120000);
            for (int fd : {told[0], told[1], gate[0], gate[1]}) ::close(fd);
            QVERIFY2(stopped && LeftoversIn(home + "/Pexora") == 1, killed->readAllStandardError());
        }
        const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home);
        if (where == QLatin1String("modes refused")) qputenv("PEXORA_SHIM_FCHMOD_ERRNO", QByteArray::number(EPERM));
        QProcess game;
        game.start(QCoreApplication::applicationFilePath(), {"--child", "window"});
        qputenv("XDG_CONFIG_HOME", previous);
        qunsetenv("PEXORA_SHIM_FCHMOD_ERRNO");
        QVERIFY(game.waitForReadyRead(120000) && game.readAllStandardOutput().contains("ready"));
        ::kill(pid_t(game.processId()), SIGTERM);
        QVERIFY(game.waitForFinished(120000));
        const QByteArray err = game.readAllStandardError();
        QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0 && !err.contains("Error #"), err);
        const QByteArray saved = ReadExactly(file);
        QVERIFY2(saved.contains("Tile%20Count=30") && saved.contains(kept), saved);
        QCOMPARE(LeftoversIn(file.left(file.lastIndexOf('/'))), 0);
        if (home.endsWith('\xff')) QVERIFY(::rename(home.constData(), QFile::encodeName(store.dir() + QStringLiteral("/checked")).constData()) == 0);
    }

private:
    quint64 m_seed = 0;
};

int main(int argc, char** argv) {
    if (reliability::IsChildRun(argc, argv)) return RunChild(argc, argv);
    QCoreApplication app(argc, argv);
    StoreFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_store_faults.moc"
