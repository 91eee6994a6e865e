// The settings store under attack: hostile values in every key of "Game
// Settings" and of the four score tables, a read-only configuration folder
// as an unprivileged user, a damaged file with a backup, two games recording
// scores at the same moment, and a game killed in the middle of its saves.
// Nothing may crash, no score the tables keep may be lost, and every failure
// is a silent default or the error report.
#include <QtTest>

#include "../mainwindow/MainWindowTestKit.h"
#include "GameSettings.h"
#include "OptionCatalogue.h"
#include "ReliabilityKit.h"
#include "ScoreTables.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <random>

namespace {

const QString App = QStringLiteral("Pexora");
const QString Section = QStringLiteral("Game Settings");

QString Text(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

template <std::size_t N>
bool OneOf(const QString& t, const std::array<Options::Choice, N>& choices) {
    return std::any_of(choices.begin(), choices.end(), [&](const Options::Choice& c) { return t == Text(c.stored); });
}

// One key of "Game Settings": how it lies in the file, whether a text is
// accepted, its default, and where the loaded value is held.
struct KeySpec {
    QString key;
    QByteArray fileKey;  // as the INI file spells it
    QString fallback;
    std::function<bool(const QString&)> accepts;
    std::function<QString()> loaded;
    QByteArray valid;  // a valid value other than the default
};

QList<KeySpec> GameSettingKeys() {
    auto name = [](const QString& t) { return t.size() >= 1 && t.size() <= Options::MaxNameLength; };
    return {
        {"Images", "Images", "ANIMAL", [](const QString& t) { return OneOf(t, Options::ImageCategories); },
         [] { return GameSettings.Images; }, "MUSIC"},
        {"Level", "Level", "2", [](const QString& t) { return OneOf(t, Options::Levels); },
         [] { return QString::number(GameSettings.Level); }, "3"},
        {"Player Count", "Player%20Count", "1", [](const QString& t) { return OneOf(t, Options::Players); },
         [] { return QString::number(GameSettings.PlayerCount); }, "2"},
        {"Player 1", "Player%201", "Player 1", name, [] { return gudtPlayers(1).strName; }, "Ann"},
        {"Player 2", "Player%202", "Player 2", name, [] { return gudtPlayers(2).strName; }, "Bob"},
        {"Sounds", "Sounds", "True", [](const QString& t) { return OneOf(t, Options::Sounds); },
         [] { return gblnPlaySound ? QStringLiteral("True") : QStringLiteral("False"); }, "False"},
        {"Tile Color", "Tile%20Color", "BLUE", [](const QString& t) { return OneOf(t, Options::TileColors); },
         [] { return GameSettings.TileColor; }, "RED"},
        {"Tile Count", "Tile%20Count", "30", [](const QString& t) { return OneOf(t, Options::Boards); },
         [] { return QString::number(GameSettings.TileCount); }, "60"},
    };
}

// A score table kept beside the options, to prove that no options save loses it.
const QByteArray KeptScores = "[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\nName%202=Bob\nSets%202=21\n";

void CheckKeptScores(const char* context) {
    const ScoreRow first = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1);
    const ScoreRow second = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 2);
    QVERIFY2(first.Name == "Ann" && first.Score == "17", context);
    QVERIFY2(second.Name == "Bob" && second.Score == "21", context);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// How a stored score text converts to a 32-bit number: plain digits do,
// text without a digit never does; anything in between may go either way.
enum class ScoreText { Number, NotANumber, Unclear };
ScoreText Classify(const QString& text, qint32* value) {
    static const QRegularExpression digits(QStringLiteral("^\\s*[+-]?[0-9]{1,18}\\s*$"));
    if (digits.match(text).hasMatch()) {
        const qlonglong v = text.trimmed().toLongLong();
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
            return ScoreText::NotANumber;
        *value = static_cast<qint32>(v);
        return ScoreText::Number;
    }
    if (!text.contains(QRegularExpression(QStringLiteral("[0-9]")))) return ScoreText::NotANumber;
    return ScoreText::Unclear;
}

int g_faultsTried = 0;

// ---------------------------------------------------------------- child modes

// Records count results, first, first - step, ..., into a Sets and a Times
// table, the way a game end does; prints its start and end times.
int ChildRecord(const QStringList& a) {
    const QString name = a.value(0);
    const int first = a.value(1).toInt();
    const int step = a.value(2).toInt();
    const int count = a.value(3).toInt();
    ErrorRecorder errors;
    std::printf("start %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    for (int i = 0; i < count; ++i) {
        const qint32 score = first - i * step;
        const QString who = name + QString::number(score);
        SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, who, score);
        SaveScore(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, who, score);
    }
    std::printf("end %lld errors %d\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()), errors.count());
    return errors.count() == 0 ? 0 : 3;
}

// Records ever better times until it is killed; after each one "saved N".
int ChildStream(const QStringList& a) {
    ErrorRecorder errors;
    for (qint32 score = a.value(0).toInt();; --score) {
        SaveScore(ScoreTables::LargeBoardTimes, ScoreTables::TimeKey, QStringLiteral("S%1").arg(score), score);
        std::printf("saved %d errors %d\n", score, errors.count());
        std::fflush(stdout);
    }
}

// A whole one-player game over a store the child may read but not write.
int ChildReadOnly(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString ini = SettingsFilePath(App);
    std::printf("writable %d\n", QFileInfo(ini).isWritable() || QFileInfo(QFileInfo(ini).absolutePath()).isWritable());
    SoundRecorder sound;
    NoPause pause;
    FixedRandom random;
    ErrorRecorder errors;
    int matches = 0;
    int sets = 0;
    {
        frmMain window(sound, pause, random);
        window.show();
        GameEngine& e = window.Engine();
        sets = e.SetsInPlay();
        std::printf("loaded %s %d\n", qPrintable(gudtPlayers(1).strName), static_cast<int>(GameSettings.TileCount));
        const int n = GameSettings.TileCount;
        for (int k = 1; k <= n; ++k) {
            if (!e.Cell(k).TileEnabled) continue;
            const QString tag = e.Cell(k).Tag;
            for (int j = k; j <= n; ++j)
                if (e.Cell(j).Tag == tag && e.Cell(j).TileEnabled) e.TileClicked(static_cast<qint16>(j));
        }
        matches = e.mintMatches;
        window.close();
    }
    QStringList numbers;
    for (const auto& r : errors.reports) numbers << QString::number(r.first);
    std::printf("matches %d of %d\nreports %s\n", matches, sets, qPrintable(numbers.join(' ')));
    return 0;
}

int RunChild(int argc, char** argv) {
    const QByteArray mode = argv[2];
    QStringList args;
    for (int i = 3; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (mode == "readonly") return ChildReadOnly(argc, argv);
    QCoreApplication app(argc, argv);
    if (mode == "record") return ChildRecord(args);
    if (mode == "stream") return ChildStream(args);
    return 2;
}

QProcess* StartChild(const QStringList& args, const QString& configHome, QObject* parent) {
    auto* p = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::SeparateChannels);
    p->start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child")} + args);
    return p;
}

}  // namespace

class StoreFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_seed = reliability::SeedFrom("PEXORA_STORE_SEED"); }
    void cleanupTestCase() {
        std::printf("store faults tried: %d hostile values and files, data lost: none\n", g_faultsTried);
    }

    // Each key in turn holds a hostile value, the other keys valid ones.
    void everyHostileOptionLoadsAsItsSilentDefault() {
        std::mt19937_64 rng(m_seed);
        QList<QByteArray> values = reliability::HostileValues();
        for (int i = 0; i < 30; ++i) values.append(reliability::RandomBytes(rng, 60));
        const QList<KeySpec> keys = GameSettingKeys();
        for (const KeySpec& target : keys) {
            for (const QByteArray& value : values) {
                ++g_faultsTried;
                ScopedStore store;
                QByteArray file = "[Game%20Settings]\n";
                for (const KeySpec& k : keys)
                    if (k.key != target.key) file += k.fileKey + '=' + k.valid + '\n';
                file += target.fileKey + '=' + value + '\n';
                file += KeptScores;
                store.writeRaw(file);
                const QByteArray context = target.key.toUtf8() + " = " + value.left(40).toPercentEncoding();

                ErrorRecorder errors;
                // The first use of the file may take out a line that would
                // swallow the ones below it; from then on, a load writes nothing.
                const QString asStored = GetSetting(App, Section, target.key, target.fallback);
                const QByteArray firstUse = store.readRaw();
                LoadSettings();
                QVERIFY2(errors.count() == 0, context);
                QVERIFY2(store.readRaw() == firstUse, context);
                for (const KeySpec& k : keys) {
                    const QString expected = k.key != target.key ? QString::fromLatin1(k.valid)
                                             : target.accepts(asStored) ? asStored
                                                                        : target.fallback;
                    QVERIFY2(k.loaded() == expected, context + " / " + k.key.toUtf8() + ": " + k.loaded().toUtf8());
                }
                SaveSettings();
                QVERIFY2(errors.count() == 0, context);
                for (const KeySpec& k : keys)
                    QVERIFY2(GetSetting(App, Section, k.key) == k.loaded(), context + " saved " + k.key.toUtf8());
                CheckKeptScores(context.constData());
            }
        }
    }

    // Every key hostile at once, with junk lines among them: whatever loads
    // is allowed, saves without an error, and loads again the same.
    void randomlyDamagedOptionsRoundTripTheirNormalisedValues() {
        std::mt19937_64 rng(m_seed + 1);
        const QList<QByteArray> values = reliability::HostileValues();
        const QList<QByteArray> lines = reliability::HostileLines();
        const QList<KeySpec> keys = GameSettingKeys();
        for (int round = 0; round < 200; ++round) {
            ++g_faultsTried;
            ScopedStore store;
            QByteArray file = "[Game%20Settings]\n";
            for (const KeySpec& k : keys) {
                switch (rng() % 4) {
                case 0: file += k.fileKey + '=' + k.valid + '\n'; break;
                case 1: file += k.fileKey + '=' + values[static_cast<int>(rng() % values.size())] + '\n'; break;
                case 2: file += k.fileKey + '=' + reliability::RandomBytes(rng, 40) + '\n'; break;
                default: break;  // missing
                }
                if (rng() % 3 == 0) file += lines[static_cast<int>(rng() % lines.size())] + '\n';
            }
            file += KeptScores;
            store.writeRaw(file);
            const QByteArray context = "round " + QByteArray::number(round) + ": " + file.toPercentEncoding();

            ErrorRecorder errors;
            LoadSettings();
            QStringList first;
            for (const KeySpec& k : keys) {
                const QString v = k.loaded();
                QVERIFY2(k.accepts(v), context + " " + k.key.toUtf8());
                const QString asStored = GetSetting(App, Section, k.key, k.fallback);
                QVERIFY2(v == (k.accepts(asStored) ? asStored : k.fallback), context + " " + k.key.toUtf8());
                first << v;
            }
            SaveSettings();
            LoadSettings();
            QStringList second;
            for (const KeySpec& k : keys) second << k.loaded();
            QVERIFY2(first == second, context);
            QVERIFY2(errors.count() == 0, context);
        }
    }

    // A hostile name or score in one rank of a table, then a result recorded:
    // either the error report with nothing written, or a correct ranking.
    void hostileScoreTablesRankCorrectlyOrReportTheError() {
        std::mt19937_64 rng(m_seed + 2);
        QList<QByteArray> values = reliability::HostileValues();
        for (int i = 0; i < 20; ++i) values.append(reliability::RandomBytes(rng, 40));
        const std::array<std::pair<QString, QString>, 4> tables{{
            {ScoreTables::SmallBoardSets, ScoreTables::SetsKey},
            {ScoreTables::SmallBoardTimes, ScoreTables::TimeKey},
            {ScoreTables::LargeBoardSets, ScoreTables::SetsKey},
            {ScoreTables::LargeBoardTimes, ScoreTables::TimeKey},
        }};
        const std::array<qint32, 10> results{0, 1, 15, 25, 50, 99998, 99999, 100000, -5,
                                             std::numeric_limits<qint32>::max()};
        int reported = 0;
        int ranked = 0;
        for (const auto& [section, word] : tables) {
            for (const QByteArray& value : values) {
                ++g_faultsTried;
                ScopedStore store;
                const int rank = static_cast<int>(rng() % 5) + 1;
                const bool inName = rng() % 2 == 0;
                QByteArray file = "[Game%20Settings]\nTile%20Count=60\n[" + QUrl::toPercentEncoding(section, " ")
                                                                                 .replace(" ", "%20") + "]\n";
                for (int r = 1; r <= 5; ++r) {
                    const QByteArray n = QByteArray::number(r);
                    file += "Name%20" + n + '=' + (inName && r == rank ? value : "N" + n) + '\n';
                    file += word.toLatin1() + "%20" + n + '=' + (!inName && r == rank ? value : QByteArray::number(r * 10)) + '\n';
                }
                store.writeRaw(file);
                const QByteArray context = section.toUtf8() + (inName ? " name " : " score ") + QByteArray::number(rank) +
                                           " = " + value.left(40).toPercentEncoding();

                // The table as the store reads it, ranked the way the tables rank.
                struct Entry {
                    QString name;
                    qint32 score = 0;
                };
                std::array<Entry, 7> list;
                bool unclear = false;
                bool notANumber = false;
                for (int r = 1; r <= 5; ++r) {
                    list[r].name = GetSetting(App, section, QStringLiteral("Name %1").arg(r), QString());
                    const QString s = GetSetting(App, section, word + QStringLiteral(" %1").arg(r), QStringLiteral("99999"));
                    const ScoreText kind = Classify(s, &list[r].score);
                    unclear |= kind == ScoreText::Unclear;
                    notANumber |= kind == ScoreText::NotANumber;
                }
                const QByteArray firstUse = store.readRaw();
                const qint32 result = results[rng() % results.size()];
                const QString who = rng() % 3 == 0 ? QString::fromUtf8(values[static_cast<int>(rng() % values.size())])
                                                   : QStringLiteral("Winner");
                list[6] = {who.isEmpty() ? QStringLiteral("Winner") : who, result};

                ErrorRecorder errors;
                const bool entered = SaveScore(section, word, list[6].name, result);
                if (errors.count() > 0) {
                    ++reported;
                    QVERIFY2(errors.count() == 1 && !entered, context);
                    QVERIFY2(store.readRaw() == firstUse, context);  // nothing written
                    QVERIFY2(notANumber || unclear, context + " reported a readable table");
                    continue;
                }
                QVERIFY2(!notANumber, context + " ranked a score that is no number");
                if (unclear) continue;
                ++ranked;
                bool changed = false;
                for (int r = 6; r >= 2; --r) {
                    if (list[r].score < list[r - 1].score) {
                        std::swap(list[r], list[r - 1]);
                        changed = true;
                    }
                }
                QVERIFY2(entered == changed, context);
                if (!changed) {
                    QVERIFY2(store.readRaw() == firstUse, context);
                    continue;
                }
                for (int r = 1; r <= 5; ++r) {
                    if (list[r].name.isEmpty()) continue;
                    QVERIFY2(GetSetting(App, section, QStringLiteral("Name %1").arg(r)) == list[r].name, context);
                    QVERIFY2(GetSetting(App, section, word + QStringLiteral(" %1").arg(r)) ==
                                 QString::number(list[r].score),
                             context);
                }
                QCOMPARE(GetSetting(App, Section, QStringLiteral("Tile Count")), QStringLiteral("60"));
            }
        }
        std::printf("score tables: %d hostile tables reported, %d ranked and checked\n", reported, ranked);
    }

    // As an unprivileged user (root writes anywhere): the store is read, a
    // whole game is played, its saves are reported, and the file stays as it was.
    void aReadOnlyFolderReportsTheSavesAndTheGameGoesOn() {
        QTemporaryDir top;
        QVERIFY(top.isValid());
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(top.path(), open);
        const QString config = top.filePath(QStringLiteral("config"));
        const QString folder = config + QStringLiteral("/Pexora");
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(config, open);
        const QString ini = folder + QStringLiteral("/Pexora.ini");
        const QByteArray file = "[Game%20Settings]\nPlayer%201=Ro\nTile%20Count=30\nLevel=2\nPlayer%20Count=1\n" + KeptScores;
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(file);
        }
        QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::ExeOther);
        // The child runs from a copy any user may execute.
        const QString binary = top.filePath(QStringLiteral("child"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), binary));
        QFile::setPermissions(binary, open);

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), top.path());
        p.setProcessEnvironment(env);
        const QStringList childArgs{QStringLiteral("--child"), QStringLiteral("readonly")};
        if (getuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty()) QSKIP("setpriv (util-linux) is needed to drop root's privileges");
            p.start(setpriv, QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                         QStringLiteral("--clear-groups"), binary} + childArgs);
        } else {
            p.start(binary, childArgs);
        }
        QVERIFY(p.waitForFinished(120000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(out + err));
        QVERIFY2(out.contains(QStringLiteral("writable 0")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("loaded Ro 30")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("matches 15 of 15")), qPrintable(out));
        // Both results of the game end and the options save at the close: each reported.
        const QString reports = out.section(QStringLiteral("reports "), 1).trimmed();
        const QStringList numbers = reports.split(' ', Qt::SkipEmptyParts);
        QVERIFY2(numbers.size() >= 3, qPrintable(out));
        for (const QString& n : numbers) QCOMPARE(n.toInt(), ErrorNumbers::PathFileAccess);
        QCOMPARE(ReadFile(ini), file);
        QVERIFY(!QFile::exists(ini + QStringLiteral(".bak")));
        ++g_faultsTried;
    }

    // A hand-damaged file: the backup of the last good file is kept, the
    // damaged one is kept beside it, and the scores it still holds survive.
    void aDamagedFileKeepsTheLastGoodBackup() {
        ScopedStore store;
        const QByteArray good = "[Game%20Settings]\nTile%20Count=60\n" + KeptScores;
        const QByteArray damaged = "[Game%20Settings]\nTile%20Count=60\nLevel=\"3\n\xff\xfe junk\n@Variant(\\0\\0\\0\\x7f)=x\n" +
                                   KeptScores + "[Small%20Board%20Times\nName%201";
        store.writeRaw(damaged);
        {
            QFile bak(store.iniPath() + QStringLiteral(".bak"));
            QVERIFY(bak.open(QIODevice::WriteOnly));
            bak.write(good);
        }
        ErrorRecorder errors;
        LoadSettings();
        QCOMPARE(GameSettings.TileCount, qint16(60));
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Cy"), 19));
        SaveSettings();
        QCOMPARE(errors.count(), 0);
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".bak")), good);
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".damaged")), damaged);
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1).Name, QStringLiteral("Ann"));
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 2).Name, QStringLiteral("Cy"));
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 3).Name, QStringLiteral("Bob"));
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 3).Score, QStringLiteral("21"));
        g_faultsTried += 1;
    }

    // Two games ending over and over at the same moment: the tables end up
    // holding the five best of everything both recorded.
    void twoGamesRecordingAtOnceLoseNoEntry() {
        ScopedStore store;
        SaveSetting(App, Section, QStringLiteral("Tile Count"), QStringLiteral("60"));
        const int count = 100;
        QProcess* a = StartChild({QStringLiteral("record"), QStringLiteral("A"), QStringLiteral("1000"),
                                  QStringLiteral("2"), QString::number(count)},
                                 store.dir(), this);
        QProcess* b = StartChild({QStringLiteral("record"), QStringLiteral("B"), QStringLiteral("999"),
                                  QStringLiteral("2"), QString::number(count)},
                                 store.dir(), this);
        QVERIFY(a->waitForFinished(240000));
        QVERIFY(b->waitForFinished(240000));
        const QString outA = QString::fromLocal8Bit(a->readAllStandardOutput());
        const QString outB = QString::fromLocal8Bit(b->readAllStandardOutput());
        QVERIFY2(a->exitCode() == 0 && b->exitCode() == 0, qPrintable(outA + outB + a->readAllStandardError()));
        // The best five of 1000, 999, 998, ... down to 1000 - 2 * (count - 1) and 999 - 2 * (count - 1).
        const int best = 999 - 2 * (count - 1);
        for (const QString& section : {ScoreTables::SmallBoardSets, ScoreTables::SmallBoardTimes}) {
            const QString word = section == ScoreTables::SmallBoardSets ? ScoreTables::SetsKey : ScoreTables::TimeKey;
            for (int r = 1; r <= 5; ++r) {
                const int score = best + r - 1;
                const QString who = (score % 2 ? QStringLiteral("B") : QStringLiteral("A")) + QString::number(score);
                const ScoreRow row = ReadScoreRow(section, word, r);
                QCOMPARE(row.Name, who);
                QCOMPARE(row.Score, QString::number(score));
            }
        }
        QCOMPARE(GetSetting(App, Section, QStringLiteral("Tile Count")), QStringLiteral("60"));
        const auto span = [](const QString& out) {
            return std::make_pair(out.section(QStringLiteral("start "), 1).section('\n', 0, 0).toLongLong(),
                                  out.section(QStringLiteral("end "), 1).section(' ', 0, 0).toLongLong());
        };
        const auto [startA, endA] = span(outA);
        const auto [startB, endB] = span(outB);
        std::printf("two games: %d results each, ran together for %lld ms\n", 2 * count,
                    std::min(endA, endB) - std::max(startA, startB));
        g_faultsTried += 4 * count;
    }

    // A game killed with SIGKILL in the middle of a stream of saves: the file
    // parses and holds the best five of every save that had completed (or of
    // those and the one under way).
    void aGameKilledDuringItsSavesKeepsEveryScore() {
        std::mt19937_64 rng(m_seed + 3);
        for (int round = 0; round < 12; ++round) {
            ScopedStore store;
            const int first = 50000 + round;
            QProcess* p = StartChild({QStringLiteral("stream"), QString::number(first)}, store.dir(), this);
            QVERIFY(p->waitForStarted(30000));
            const int killAfter = 6 + static_cast<int>(rng() % 30);
            int seen = 0;
            QByteArray out;
            while (seen < killAfter && p->state() == QProcess::Running) {
                p->waitForReadyRead(30000);
                out += p->readAllStandardOutput();
                seen = static_cast<int>(out.count("saved "));
            }
            usleep(static_cast<useconds_t>(rng() % 4000));
            p->kill();
            QVERIFY(p->waitForFinished(30000));
            out += p->readAllStandardOutput();
            QVERIFY2(!out.contains("errors 1"), out.constData());
            std::vector<int> acked;
            for (const QByteArray& line : out.split('\n'))
                if (line.startsWith("saved ")) acked.push_back(line.split(' ').value(1).toInt());
            QVERIFY(!acked.empty());
            const int inFlight = acked.back() - 1;

            QSettings parsed(store.iniPath(), QSettings::IniFormat);
            QCOMPARE(parsed.status(), QSettings::NoError);
            std::vector<int> stored;
            for (int r = 1; r <= 5; ++r) {
                const ScoreRow row = ReadScoreRow(ScoreTables::LargeBoardTimes, ScoreTables::TimeKey, r);
                if (row.Name.isEmpty()) continue;
                QCOMPARE(row.Name, QStringLiteral("S") + row.Score);
                stored.push_back(row.Score.toInt());
            }
            auto bestFive = [](std::vector<int> v) {
                std::sort(v.begin(), v.end());
                v.resize(std::min<size_t>(5, v.size()));
                return v;
            };
            std::vector<int> withFlight = acked;
            withFlight.push_back(inFlight);
            const QByteArray context = "round " + QByteArray::number(round) + ", after " +
                                       QByteArray::number(static_cast<int>(acked.size())) + " saves: " +
                                       store.readRaw();
            QVERIFY2(stored == bestFive(acked) || stored == bestFive(withFlight), context.constData());

            // The game that comes after records as usual.
            ErrorRecorder errors;
            QVERIFY(SaveScore(ScoreTables::LargeBoardTimes, ScoreTables::TimeKey, QStringLiteral("After"), 1));
            QCOMPARE(errors.count(), 0);
            QCOMPARE(ReadScoreRow(ScoreTables::LargeBoardTimes, ScoreTables::TimeKey, 1).Name, QStringLiteral("After"));
            g_faultsTried += 1;
            delete p;
        }
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
