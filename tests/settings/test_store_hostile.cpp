// The store file under hostile conditions: not a regular file, far too
// large or at the bound, saved by an editor in another encoding, made
// under any umask, with no home at all.
// And how a player's name is shown beside other text.
#include "DisplayName.h"
#include "GameSettings.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "TestSupport.h"

#include <QtTest>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
// The path's own mode (never that of a link's target): its permissions, or under S_IFMT its type.
mode_t ModeOf(const QString& path, mode_t mask = 07777) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & mask) : 0;
}
}  // namespace

class StoreHostileTest : public QObject {
    Q_OBJECT

private slots:
    // Each row makes the store something else than a regular file.
    void aStoreThatIsNoRegularFileIsReportedAndNeverOpenedOrWritten_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"link to the zero device", "link to the null device", "pipe", "link to a folder"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void aStoreThatIsNoRegularFileIsReportedAndNeverOpenedOrWritten() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        QFETCH(QString, kind);
        ScopedStore store;
        const QString ini = store.iniPath();
        QVERIFY(QDir().mkpath(QFileInfo(ini).absolutePath()));
        QString target = QStringLiteral("/dev/zero");
        if (kind.contains(QLatin1String("null"))) {
            // As root, a node of our own for the null device: nothing here may replace the real one.
            target = getuid() == 0 ? store.dir() + QStringLiteral("/null") : QStringLiteral("/dev/null");
            if (getuid() == 0) QVERIFY(::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0);
        } else if (kind.contains(QLatin1String("folder"))) {
            target = store.dir() + QStringLiteral("/folder");
            QVERIFY(QDir().mkpath(target));
        }
        if (kind == QLatin1String("pipe")) {
            QVERIFY(::mkfifo(QFile::encodeName(ini).constData(), 0600) == 0);
        } else {
            QVERIFY(QFile::link(target, ini));
        }
        const mode_t type = ModeOf(ini, S_IFMT);
        ErrorRecorder errors;
        chosen = settings.Load();
        // Only once the start has refused the store is a save tried.
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::PathFileAccess);
        QCOMPARE(chosen.Name(1), QStringLiteral("Player 1"));
        settings.Save(chosen);
        QCOMPARE(errors.count(), 2);
        QCOMPARE(ModeOf(ini, S_IFMT), type);
        if (type == S_IFLNK) QCOMPARE(QFileInfo(ini).symLinkTarget(), target);
        QCOMPARE(ModeOf(target, S_IFMT), kind.contains(QLatin1String("folder")) ? mode_t(S_IFDIR) : mode_t(S_IFCHR));
        QVERIFY(!QFile::exists(ini + QStringLiteral(".bak")));
    }

    void aStoreOfMoreThan16MiBIsReportedAndLeftAsItIs() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        store.writeRaw("[Game%20Settings]\nPlayer%201=Ann\n");
        QFile file(store.iniPath());
        QVERIFY(file.resize(16 * 1024 * 1024 + 1));  // sparse: nothing more is written
        ErrorRecorder errors;
        chosen = settings.Load();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::OutOfStringSpace);
        QCOMPARE(chosen.Name(1), QStringLiteral("Player 1"));
        settings.Save(chosen);
        QCOMPARE(errors.count(), 2);
        QCOMPARE(QFileInfo(store.iniPath()).size(), 16 * 1024 * 1024 + 1);
        QVERIFY(ReadFile(store.iniPath()).startsWith("[Game%20Settings]\nPlayer%201=Ann\n"));
    }

    // A store of exactly 16 MiB is read; the save that would grow it past the
    // bound is reported and leaves it byte for byte.
    void aSaveThatWouldPassTheBoundIsRefusedWithTheFileAsItWas() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        QByteArray file = "[Game%20Settings]\nPlayer%201=Ann\n[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\n[Junk]\n";
        file += "pad=" + QByteArray(16 * 1024 * 1024 - file.size() - 5, 'x') + '\n';
        store.writeRaw(file);
        ErrorRecorder errors;
        chosen = settings.Load();
        QCOMPARE(chosen.Name(1), QStringLiteral("Ann"));
        chosen.Name(1) = QStringLiteral("Annabel");
        settings.Save(chosen);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::OutOfStringSpace);
        QVERIFY(store.readRaw() == file);
        QCOMPARE(GetSetting(App, QStringLiteral("Small Board Sets"), QStringLiteral("Sets 1")), QStringLiteral("17"));
    }

    // The folder and the files the game makes are the player's alone, whatever
    // the umask; a file that was there keeps its mode.
    void theFilesTheGameMakesArePrivateWhateverTheUmask() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        const mode_t old = ::umask(0);
        ScopedStore store;
        settings.Save(chosen);
        settings.Save(chosen);
        const QString ini = store.iniPath(), folder = QFileInfo(ini).absolutePath();
        QCOMPARE(ModeOf(folder), mode_t(0700));
        QCOMPARE(ModeOf(ini), mode_t(0600));
        QVERIFY(::chmod(QFile::encodeName(ini).constData(), 0640) == 0);
        ScopedStore second;
        second.writeRaw("[Game%20Settings]\nLevel=3\n");
        QVERIFY(::chmod(QFile::encodeName(second.iniPath()).constData(), 0644) == 0);
        settings.Save(chosen);
        ::umask(old);
        QCOMPARE(ModeOf(second.iniPath()), mode_t(0644));
        QCOMPARE(ModeOf(second.iniPath() + QStringLiteral(".bak")), mode_t(0600));
    }

    // With no home and no XDG_CONFIG_HOME the game plays on the defaults and
    // keeps nothing; a relative XDG_CONFIG_HOME is ignored for $HOME/.config.
    void aStoreIsOnlyKeptUnderAnAbsoluteFolder() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        const QByteArray home = qgetenv("HOME");
        const bool rootConfig = QFileInfo::exists(QStringLiteral("/.config"));
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        ErrorRecorder errors;
        chosen = settings.Load();
        chosen.Name(1) = QStringLiteral("Ann");
        settings.Save(chosen);
        const bool madeRootConfig = !rootConfig && QFileInfo::exists(QStringLiteral("/.config"));
        if (madeRootConfig) QDir(QStringLiteral("/.config")).removeRecursively();
        QVERIFY(!madeRootConfig);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(GetSetting(App, Section, QStringLiteral("Player 1"), QStringLiteral("none")), QStringLiteral("none"));
        qputenv("HOME", QFile::encodeName(store.dir()));
        qputenv("XDG_CONFIG_HOME", "relative");
        settings.Save(chosen);
        qputenv("HOME", home);
        QVERIFY(!QFileInfo::exists(QStringLiteral("relative")));
        QVERIFY(QFileInfo::exists(store.dir() + QStringLiteral("/.config/Pexora/Pexora.ini")));
    }

    void aStoreWithAByteOrderMarkIsReadAndSavedAsUtf8_data() {
        QTest::addColumn<QByteArray>("file");
        const QString text = QStringLiteral("[Game Settings]\r\nPlayer 1=Zoë\r\nTile Count=60\r\n");
        const auto utf16 = [&](QStringConverter::Encoding e) { return QByteArray(QStringEncoder(e)(text)); };
        QTest::newRow("UTF-16 little-endian") << "\xFF\xFE" + utf16(QStringConverter::Utf16LE);
        QTest::newRow("UTF-16 big-endian") << "\xFE\xFF" + utf16(QStringConverter::Utf16BE);
        QTest::newRow("UTF-8") << "\xEF\xBB\xBF" + text.toUtf8();
    }
    void aStoreWithAByteOrderMarkIsReadAndSavedAsUtf8() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        QFETCH(QByteArray, file);
        ScopedStore store;
        store.writeRaw(file);
        ErrorRecorder errors;
        chosen = settings.Load();
        QCOMPARE(chosen.Name(1), QStringLiteral("Zoë"));
        QCOMPARE(chosen.options.TileCount, qint16(60));
        settings.Save(chosen);
        QCOMPARE(errors.count(), 0);
        const QByteArray saved = store.readRaw();
        QVERIFY2(!saved.startsWith("\xEF\xBB\xBF") && !saved.contains('\0') && saved.contains("Player%201=Zo\xC3\xAB"), saved);
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".bak")), file);
        QVERIFY(!QFile::exists(store.iniPath() + QStringLiteral(".damaged")));
    }

    // Where the file system gives no locks (an NFS home without its lock
    // daemon) the options are saved without one; any other failure of the
    // lock is reported with its own cause, never as another game's lock.
    void aFileSystemWithoutLocksSavesAndAFailedLockNamesItsCause_data() {
        QTest::addColumn<int>("error");
        QTest::newRow("no locks (ENOLCK)") << ENOLCK;
        QTest::newRow("not supported (EOPNOTSUPP)") << EOPNOTSUPP;
        QTest::newRow("input/output error") << EIO;
    }
    void aFileSystemWithoutLocksSavesAndAFailedLockNamesItsCause() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        QFETCH(int, error);
        QVERIFY2(qgetenv("LD_PRELOAD").contains("storeshim"), "runs with tests/kit/StoreShim.cpp preloaded");
        ScopedStore store;
        chosen = settings.Load();
        chosen.Name(1) = QStringLiteral("Bea");
        ErrorRecorder errors;
        qputenv("PEXORA_SHIM_FLOCK_ERRNO", QByteArray::number(error));
        settings.Save(chosen);
        qunsetenv("PEXORA_SHIM_FLOCK_ERRNO");
        const bool saved = error != EIO;
        QCOMPARE(GetSetting(App, Section, QStringLiteral("Player 1")), saved ? QStringLiteral("Bea") : QString());
        QCOMPARE(errors.count(), saved ? 0 : 1);
        if (!saved) {
            QVERIFY2(errors.reports.first().second.contains(QString::fromLocal8Bit(std::strerror(EIO))), qPrintable(errors.reports.first().second));
            QVERIFY(!errors.reports.first().second.contains(QLatin1String("another game")));
        }
    }

    // A store grown large (tables and options among many keys a tool left):
    // closing the game replaces the file once, not once for each option, and
    // the backup takes the old one's place by rename, never deleted first.
    void theOptionsAreSavedInOneReplacementOfTheFile() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        QByteArray file = "[Game%20Settings]\nTile%20Count=60\n[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\n[Junk]\n";
        for (int i = 0; file.size() < 15 * 1000 * 1000; ++i) file += "key" + QByteArray::number(i) + '=' + QByteArray(90, 'x') + '\n';
        store.writeRaw(file);
        QVERIFY(!WriteFile(store.iniPath() + QStringLiteral(".bak"), "old").isEmpty());
        chosen = settings.Load();
        chosen.options.Level = 3;
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(watch >= 0);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(QFileInfo(store.iniPath()).absolutePath()).constData(),
                                  IN_MOVED_TO | IN_DELETE) >= 0);  // each a new file put in its place
        settings.Save(chosen);
        int replacements = 0;
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len) {
                const auto* event = reinterpret_cast<inotify_event*>(p);
                if (event->len > 0 && QByteArray(event->name) == "Pexora.ini") ++replacements;
                QVERIFY(!(event->mask & IN_DELETE) || QByteArray(event->name) != "Pexora.ini.bak");
            }
        }
        ::close(watch);
        QCOMPARE(replacements, 1);
        QVERIFY(ReadFile(store.iniPath() + QStringLiteral(".bak")) == file);
        QCOMPARE(GetSetting(App, Section, QStringLiteral("Level")), QStringLiteral("3"));
        QCOMPARE(GetSetting(App, QStringLiteral("Small Board Sets"), QStringLiteral("Sets 1")), QStringLiteral("17"));
    }

    void aNameIsShownOnOneLineAndIsolatedOnlyWhenItCouldTurnTheText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString fsi = QString(QChar(0x2068)), pdi = QString(QChar(0x2069));
        QTest::newRow("plain") << "Ann" << "Ann";
        QTest::newRow("accents, emoji, blanks") << " Zoë 🦊 " << " Zoë 🦊 ";
        QTest::newRow("right-to-left override") << "\u202Eevil" << fsi + "\u202Eevil" + pdi;
        QTest::newRow("Hebrew") << "שרה" << fsi + "שרה" + pdi;
        QTest::newRow("Arabic") << "Ann سارة" << fsi + "Ann سارة" + pdi;
        QTest::newRow("line feed") << "Ann\nBob" << "Ann Bob";
        QTest::newRow("CR LF") << "Ann\r\nBob" << "Ann Bob";
        QTest::newRow("line separator") << "Ann\u2028Bob" << "Ann Bob";
        QTest::newRow("a stray isolate end cannot close ours") << "a\u2069\u202Eb" << fsi + "a\u202Eb" + pdi;
        QTest::newRow("an isolate left open is closed") << "\u2067x" << fsi + "\u2067x" + pdi + pdi;
    }
    void aNameIsShownOnOneLineAndIsolatedOnlyWhenItCouldTurnTheText() {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(DisplayName(name), shown);
    }
};

QTEST_GUILESS_MAIN(StoreHostileTest)
#include "test_store_hostile.moc"
