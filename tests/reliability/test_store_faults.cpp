// The settings store under attack: hostile values in every key of "Game
// Settings" and of the four score tables, a read-only configuration folder
// as an unprivileged user, a damaged file with a backup, two games recording
// scores at the same moment, and a game killed in the middle of its saves.
// Nothing may crash, no score the tables keep may be lost, and every failure
// is a silent default or the error report.
#include <QtTest>

#include "OptionCatalogue.h"
#include "ReliabilityKit.h"
#include "ScoreTables.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>

#include <limits>

namespace {

const QString App = QStringLiteral("Pexora");
const QString Section = QStringLiteral("Game Settings");

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
    std::function<QString()> loaded;
    QByteArray valid;
    QByteArray fileKey() const { return key.toLatin1().replace(" ", "%20"); }
};

const QList<KeySpec> Keys = [] {
    auto name = [](const QString& t) { return t.size() >= 1 && t.size() <= Options::MaxNameLength; };
    auto number = [](const auto& v) { return [p = &v] { return QString::number(*p); }; };
    return QList<KeySpec>{
        {"Images", "ANIMAL", [](const QString& t) { return OneOf(t, Options::ImageCategories); }, [] { return GameSettings.Images; }, "MUSIC"},
        {"Level", "2", [](const QString& t) { return OneOf(t, Options::Levels); }, number(GameSettings.Level), "3"},
        {"Player Count", "1", [](const QString& t) { return OneOf(t, Options::Players); }, number(GameSettings.PlayerCount), "2"},
        {"Player 1", "Player 1", name, [] { return gudtPlayers(1).strName; }, "Ann"},
        {"Player 2", "Player 2", name, [] { return gudtPlayers(2).strName; }, "Bob"},
        {"Sounds", "True", [](const QString& t) { return OneOf(t, Options::Sounds); },
         [] { return gblnPlaySound ? QStringLiteral("True") : QStringLiteral("False"); }, "False"},
        {"Tile Color", "BLUE", [](const QString& t) { return OneOf(t, Options::TileColors); }, [] { return GameSettings.TileColor; }, "RED"},
        {"Tile Count", "30", [](const QString& t) { return OneOf(t, Options::Boards); }, number(GameSettings.TileCount), "60"},
    };
}();

// A score table kept beside the options, to prove that no options save loses it.
const QByteArray KeptScores = "[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\nName%202=Bob\nSets%202=21\n";

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// How a stored score text converts to a 32-bit number: plain digits do,
// text without a digit never does; anything in between may go either way.
enum class ScoreText { Number, NotANumber, Unclear };
ScoreText Classify(const QString& text, qint32* value) {
    static const QRegularExpression digits(QStringLiteral("^\\s*[+-]?[0-9]{1,18}\\s*$"));
    if (!digits.match(text).hasMatch())
        return text.contains(QRegularExpression(QStringLiteral("[0-9]"))) ? ScoreText::Unclear : ScoreText::NotANumber;
    const qlonglong v = text.trimmed().toLongLong();
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max()) return ScoreText::NotANumber;
    *value = static_cast<qint32>(v);
    return ScoreText::Number;
}

int g_faultsTried = 0;

// A hand-edited "Game Settings" loads with no error report and writes nothing
// after the file's first use (which may take out a line that would swallow
// the ones below it). Each key holds its stored text if allowed, else its
// default; with `onlyKey` named, the other keys hold their valid values and
// the score table beside them survives the save. The save keeps every value
// and a second load gives them back.
void CheckOptionsFile(const QByteArray& file, const QString& onlyKey, const QByteArray& context) {
    ++g_faultsTried;
    ScopedStore store;
    store.writeRaw(file);
    ErrorRecorder errors;
    QStringList expected;
    for (const KeySpec& k : Keys) {
        const QString asStored = GetSetting(App, Section, k.key, k.fallback);
        expected << (!onlyKey.isEmpty() && k.key != onlyKey ? QString::fromLatin1(k.valid)
                     : k.accepts(asStored)                  ? asStored
                                                            : k.fallback);
    }
    const QByteArray firstUse = store.readRaw();
    LoadSettings();
    QVERIFY2(store.readRaw() == firstUse, context);
    for (int i = 0; i < Keys.size(); ++i) QVERIFY2(Keys[i].loaded() == expected[i], context + " loaded " + Keys[i].key.toUtf8());
    SaveSettings();
    LoadSettings();
    for (int i = 0; i < Keys.size(); ++i) {
        QVERIFY2(GetSetting(App, Section, Keys[i].key) == expected[i], context + " saved " + Keys[i].key.toUtf8());
        QVERIFY2(Keys[i].loaded() == expected[i], context + " loaded again " + Keys[i].key.toUtf8());
    }
    QVERIFY2(errors.count() == 0, context);
    if (onlyKey.isEmpty()) return;
    for (int r = 1; r <= 2; ++r) {
        const ScoreRow row = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, r);
        QVERIFY2(row.Name + ' ' + row.Score == QStringList({"Ann 17", "Bob 21"})[r - 1], context + " kept scores");
    }
}

// ---------------------------------------------------------------- child modes

// Records results first, first - step, ... (count of them, or until killed
// when count is 0) into the small board's Sets and Times tables, the way a
// game end does, named prefix + result; prints "saved N" after each.
int ChildRecord(const QStringList& a) {
    ErrorRecorder errors;
    std::printf("start %lld\n", QDateTime::currentMSecsSinceEpoch());
    const int first = a.value(1).toInt(), step = a.value(2).toInt(), count = a.value(3).toInt();
    for (int i = 0; count == 0 || i < count; ++i) {
        const qint32 score = first - i * step;
        SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, a.value(0) + QString::number(score), score);
        SaveScore(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, a.value(0) + QString::number(score), score);
        std::printf("saved %d errors %d\n", score, errors.count());
        std::fflush(stdout);
    }
    std::printf("end %lld\n", QDateTime::currentMSecsSinceEpoch());
    return errors.count() == 0 ? 0 : 3;
}

// A whole one-player game over a store the child may read but not write.
int ChildReadOnly(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString ini = SettingsFilePath(App);
    std::printf("writable %d\n", QFileInfo(ini).isWritable() || QFileInfo(QFileInfo(ini).absolutePath()).isWritable());
    RecordingSound sound;
    RecordingPause pause;
    ScriptedRandom random;
    ErrorRecorder errors;
    {
        StoreScoreBook book;
        frmMain window(sound, pause, random, book);
        window.show();
        std::printf("loaded %s %d\n", qPrintable(gudtPlayers(1).strName), static_cast<int>(GameSettings.TileCount));
        reliability::PlayToTheEnd(window);
        std::printf("matches %d of %d\n", window.Engine().mintMatches, window.Engine().SetsInPlay());
        window.close();
    }
    QStringList numbers;
    for (int n : reliability::ReportNumbers(errors)) numbers << QString::number(n);
    std::printf("reports %s\n", qPrintable(numbers.join(' ')));
    return 0;
}

int RunChild(int argc, char** argv) {
    if (QByteArray(argv[2]) == "readonly") return ChildReadOnly(argc, argv);
    QCoreApplication app(argc, argv);
    return ChildRecord(app.arguments().mid(3));
}

QProcess* StartRecording(const QStringList& args, const QString& configHome, QObject* parent) {
    auto* p = new QProcess(parent);
    p->setProcessEnvironment(reliability::ChildEnvironment(configHome));
    p->start(QCoreApplication::applicationFilePath(), QStringList{"--child", "record"} + args);
    return p;
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
                CheckOptionsFile(file, target.key, target.key.toUtf8() + " = " + value.left(40).toPercentEncoding());
                if (QTest::currentTestFailed()) return;
            }
        }
    }

    // Every key valid, hostile, random or missing at once, with junk lines among them.
    void randomlyDamagedOptionsRoundTripTheirNormalisedValues() {
        std::mt19937_64 rng(m_seed + 1);
        const QList<QByteArray> values = reliability::HostileValues();
        const QList<QByteArray> lines = reliability::HostileLines();
        auto any = [&rng](const QList<QByteArray>& from) { return from[static_cast<qsizetype>(rng() % from.size())]; };
        for (int round = 0; round < 200; ++round) {
            QByteArray file = "[Game%20Settings]\n";
            for (const KeySpec& k : Keys) {
                const int how = static_cast<int>(rng() % 4);
                if (how < 3) file += k.fileKey() + '=' + (how == 0 ? k.valid : how == 1 ? any(values) : reliability::RandomBytes(rng, 40)) + '\n';
                if (rng() % 3 == 0) file += any(lines) + '\n';
            }
            CheckOptionsFile(file + KeptScores, QString(), "round " + QByteArray::number(round) + ": " + file.toPercentEncoding());
            if (QTest::currentTestFailed()) return;
        }
    }

    // A hostile name or score in one rank of a table, then a result recorded:
    // either the error report with nothing written, or a correct ranking.
    void hostileScoreTablesRankCorrectlyOrReportTheError() {
        std::mt19937_64 rng(m_seed + 2);
        QList<QByteArray> values = reliability::HostileValues();
        for (int i = 0; i < 20; ++i) values.append(reliability::RandomBytes(rng, 40));
        const std::array<qint32, 10> results{0, 1, 15, 25, 50, 99998, 99999, 100000, -5, std::numeric_limits<qint32>::max()};
        int reported = 0, ranked = 0;
        for (const QString& section : {ScoreTables::SmallBoardSets, ScoreTables::SmallBoardTimes,
                                       ScoreTables::LargeBoardSets, ScoreTables::LargeBoardTimes}) {
            const QString word = section.endsWith(QLatin1String("Sets")) ? ScoreTables::SetsKey : ScoreTables::TimeKey;
            for (const QByteArray& value : values) {
                ++g_faultsTried;
                ScopedStore store;
                const int rank = static_cast<int>(rng() % 5) + 1;
                const bool inName = rng() % 2 == 0;
                QByteArray file = "[Game%20Settings]\nTile%20Count=60\n[" + section.toLatin1().replace(" ", "%20") + "]\n";
                for (int r = 1; r <= 5; ++r) {
                    const QByteArray n = QByteArray::number(r);
                    file += "Name%20" + n + '=' + (inName && r == rank ? value : "N" + n) + '\n';
                    file += word.toLatin1() + "%20" + n + '=' + (!inName && r == rank ? value : QByteArray::number(r * 10)) + '\n';
                }
                store.writeRaw(file);
                const QByteArray context = section.toUtf8() + (inName ? " name " : " score ") + QByteArray::number(rank) +
                                           " = " + value.left(40).toPercentEncoding();

                // The table as the store reads it, ranked the way the tables rank.
                std::array<std::pair<qint32, QString>, 7> list{};
                bool unclear = false, notANumber = false;
                for (int r = 1; r <= 5; ++r) {
                    list[r].second = GetSetting(App, section, QStringLiteral("Name %1").arg(r), QString());
                    const ScoreText kind = Classify(GetSetting(App, section, word + QStringLiteral(" %1").arg(r), "99999"), &list[r].first);
                    unclear |= kind == ScoreText::Unclear;
                    notANumber |= kind == ScoreText::NotANumber;
                }
                const QByteArray firstUse = store.readRaw();
                const qint32 result = results[rng() % results.size()];
                const QString who = rng() % 3 == 0 ? QString::fromUtf8(values[static_cast<qsizetype>(rng() % values.size())]) : QString();
                list[6] = {result, who.isEmpty() ? QStringLiteral("Winner") : who};

                ErrorRecorder errors;
                const bool entered = SaveScore(section, word, list[6].second, result);
                if (errors.count() > 0) {
                    ++reported;
                    QVERIFY2(errors.count() == 1 && !entered && store.readRaw() == firstUse, context);
                    QVERIFY2(notANumber || unclear, context + " reported a readable table");
                    continue;
                }
                QVERIFY2(!notANumber, context + " ranked a score that is no number");
                if (unclear) continue;
                ++ranked;
                bool changed = false;
                for (int r = 6; r >= 2; --r) {
                    if (list[r].first >= list[r - 1].first) continue;
                    std::swap(list[r], list[r - 1]);
                    changed = true;
                }
                QVERIFY2(entered == changed, context);
                QVERIFY2(changed || store.readRaw() == firstUse, context);
                for (int r = 1; changed && r <= 5; ++r) {
                    if (list[r].second.isEmpty()) continue;
                    QVERIFY2(GetSetting(App, section, QStringLiteral("Name %1").arg(r)) == list[r].second, context);
                    QVERIFY2(GetSetting(App, section, word + QStringLiteral(" %1").arg(r)) == QString::number(list[r].first), context);
                }
                QCOMPARE(GetSetting(App, Section, QStringLiteral("Tile Count")), QStringLiteral("60"));
            }
        }
        std::printf("score tables: %d hostile tables reported, %d ranked and checked\n", reported, ranked);
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
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        f.close();
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

    // A hand-damaged file: the backup of the last good file is kept, the
    // damaged one is kept beside it, and the scores it still holds survive.
    void aDamagedFileKeepsTheLastGoodBackup() {
        ++g_faultsTried;
        ScopedStore store;
        const QByteArray good = "[Game%20Settings]\nTile%20Count=60\n" + KeptScores;
        const QByteArray damaged = "[Game%20Settings]\nTile%20Count=60\nLevel=\"3\n\xff\xfe junk\n@Variant(\\0\\0\\0\\x7f)=x\n" +
                                   KeptScores + "[Small%20Board%20Times\nName%201";
        store.writeRaw(damaged);
        QFile bak(store.iniPath() + QStringLiteral(".bak"));
        QVERIFY(bak.open(QIODevice::WriteOnly) && bak.write(good) == good.size());
        bak.close();
        ErrorRecorder errors;
        LoadSettings();
        QCOMPARE(GameSettings.TileCount, qint16(60));
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Cy"), 19));
        SaveSettings();
        QCOMPARE(errors.count(), 0);
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".bak")), good);
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".damaged")), damaged);
        for (int r = 1; r <= 3; ++r) {
            const ScoreRow row = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, r);
            QCOMPARE(row.Name + ' ' + row.Score, QStringList({"Ann 17", "Cy 19", "Bob 21"})[r - 1]);
        }
    }

    // Two games ending over and over at the same moment: the tables end up
    // holding the five best of everything both recorded.
    void twoGamesRecordingAtOnceLoseNoEntry() {
        ScopedStore store;
        StoreOption("Tile Count", QStringLiteral("60"));
        const int count = 100;
        QProcess* a = StartRecording({"A", "1000", "2", QString::number(count)}, store.dir(), this);
        QProcess* b = StartRecording({"B", "999", "2", QString::number(count)}, store.dir(), this);
        QVERIFY(a->waitForFinished(240000) && b->waitForFinished(240000));
        const QString outA = QString::fromLocal8Bit(a->readAllStandardOutput());
        const QString outB = QString::fromLocal8Bit(b->readAllStandardOutput());
        QVERIFY2(a->exitCode() == 0 && b->exitCode() == 0, qPrintable(outA + outB + a->readAllStandardError()));
        // The best five of 1000, 999, 998, ... down to 1000 - 2 * (count - 1) and 999 - 2 * (count - 1).
        const int best = 999 - 2 * (count - 1);
        for (const auto& [section, word] : {std::pair{ScoreTables::SmallBoardSets, ScoreTables::SetsKey},
                                            std::pair{ScoreTables::SmallBoardTimes, ScoreTables::TimeKey}}) {
            for (int r = 1, score = best; r <= 5; ++r, ++score) {
                const ScoreRow row = ReadScoreRow(section, word, r);
                QCOMPARE(row.Name, (score % 2 ? QStringLiteral("B") : QStringLiteral("A")) + QString::number(score));
                QCOMPARE(row.Score, QString::number(score));
            }
        }
        QCOMPARE(StoredOption("Tile Count"), QStringLiteral("60"));
        const auto at = [](const QString& out, const char* word) { return out.section(QString::fromLatin1(word), 1).section('\n', 0, 0).toLongLong(); };
        std::printf("two games: %d results each, ran together for %lld ms\n", 2 * count,
                    std::min(at(outA, "end "), at(outB, "end ")) - std::max(at(outA, "start "), at(outB, "start ")));
        g_faultsTried += 4 * count;
    }

    // A game killed with SIGKILL in the middle of a stream of saves: the file
    // parses and each table holds the best five of every save that had
    // completed (or of those and the one under way).
    void aGameKilledDuringItsSavesKeepsEveryScore() {
        std::mt19937_64 rng(m_seed + 3);
        for (int round = 0; round < 12; ++round) {
            ++g_faultsTried;
            ScopedStore store;
            const int first = 50000 + round;
            std::unique_ptr<QProcess> p(StartRecording({"S", QString::number(first), "1", "0"}, store.dir(), nullptr));
            QVERIFY(p->waitForStarted(30000));
            const int killAfter = 6 + static_cast<int>(rng() % 30);
            QByteArray out;
            while (out.count("saved ") < killAfter && p->state() == QProcess::Running) {
                p->waitForReadyRead(30000);
                out += p->readAllStandardOutput();
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
            QCOMPARE(QSettings(store.iniPath(), QSettings::IniFormat).status(), QSettings::NoError);
            auto bestFive = [](std::vector<int> v) {
                std::sort(v.begin(), v.end());
                v.resize(std::min<size_t>(5, v.size()));
                return v;
            };
            std::vector<int> withFlight = acked;
            withFlight.push_back(acked.back() - 1);
            const QByteArray context = "round " + QByteArray::number(round) + ", after " +
                                       QByteArray::number(static_cast<int>(acked.size())) + " saves: " + store.readRaw();
            for (const auto& [section, word] : {std::pair{ScoreTables::SmallBoardSets, ScoreTables::SetsKey},
                                                std::pair{ScoreTables::SmallBoardTimes, ScoreTables::TimeKey}}) {
                std::vector<int> stored;
                for (int r = 1; r <= 5; ++r) {
                    const ScoreRow row = ReadScoreRow(section, word, r);
                    if (row.Name.isEmpty()) continue;
                    QCOMPARE(row.Name, QStringLiteral("S") + row.Score);
                    stored.push_back(row.Score.toInt());
                }
                QVERIFY2(stored == bestFive(acked) || stored == bestFive(withFlight), context.constData());
                // The game that comes after records as usual.
                ErrorRecorder errors;
                QVERIFY(SaveScore(section, word, QStringLiteral("After"), 1));
                QCOMPARE(errors.count(), 0);
                QCOMPARE(ReadScoreRow(section, word, 1).Name, QStringLiteral("After"));
            }
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
