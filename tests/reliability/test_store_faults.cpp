// The settings store under attack: hostile values in every key of "Game
// Settings", a read-only configuration folder
// as an unprivileged user. Nothing may crash, no score the tables keep may be lost, and every failure
// is a silent default or the error report.
#include <QtTest>

#include "OptionCatalogue.h"
#include "ReliabilityKit.h"
#include "ScoreTables.h"

#include <QProcess>
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

int RunChild(int argc, char** argv) { return ChildReadOnly(argc, argv); }

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
