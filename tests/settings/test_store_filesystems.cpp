// The store on the file systems and paths players' homes lie on: FAT and
// exFAT sticks without modes, hard links or rename flags, a nearly full
// disk, folders reached through links, a folder named in no encoding, the
// files killed saves leave, a file swapped in during a save, and hand edits
// the writer drops. The failures are made by the kit's shim.
#include "ErrorTrap.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "TestSupport.h"

#include <QtTest>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A shim variable set for the scope (none for an empty value).
class Shim {
public:
    Shim(const char* name, const QByteArray& value) : m_name(name) {
        if (!value.isEmpty()) qputenv(name, value);
    }
    ~Shim() { qunsetenv(m_name); }
    Shim(const Shim&) = delete;
    Shim& operator=(const Shim&) = delete;

private:
    const char* m_name;
};

QByteArray Errno(int error) { return error == 0 ? QByteArray() : QByteArray::number(error); }

QString Folder(const ScopedStore& store) { return QFileInfo(store.iniPath()).absolutePath(); }

// The new files of saves left in a folder.
QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".Pexora.ini.*")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString Level() { return GetSetting(App, Section, QStringLiteral("Level")); }

// The message of the error a save throws, empty when it saves.
QString SaveError(const QString& key, const QString& value) {
    try {
        SaveSetting(App, Section, key, value);
    } catch (const RuntimeError& e) {
        return e.Description.isEmpty() ? QStringLiteral("error") : e.Description;
    }
    return QString();
}

bool HasShim() { return qgetenv("LD_PRELOAD").contains("storeshim"); }

}  // namespace

class StoreFileSystemsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(HasShim(), "runs with tests/kit/StoreShim.cpp preloaded"); }

    // FAT refuses modes (EPERM from the kernel's vfat, ENOSYS through FUSE);
    // exFAT through FUSE has no modes, no exchange of names and no hard links.
    void aSaveGoesOnWhereTheFileSystemLacksModesLinksOrExchange_data() {
        QTest::addColumn<int>("fchmodError");
        QTest::addColumn<int>("renameError");
        QTest::addColumn<int>("linkError");
        QTest::newRow("vfat: modes refused (EPERM)") << EPERM << 0 << 0;
        QTest::newRow("FUSE: no modes (ENOSYS)") << ENOSYS << 0 << 0;
        QTest::newRow("exFAT: no modes, exchange or hard links") << ENOSYS << EINVAL << EPERM;
    }
    void aSaveGoesOnWhereTheFileSystemLacksModesLinksOrExchange() {
        QFETCH(int, fchmodError);
        QFETCH(int, renameError);
        QFETCH(int, linkError);
        for (const bool existed : {false, true}) {
            ScopedStore store;
            const QByteArray old = "[Game%20Settings]\nLevel=1\n";
            if (existed) store.writeRaw(old);
            {
                const Shim modes("PEXORA_SHIM_FCHMOD_ERRNO", Errno(fchmodError));
                const Shim renames("PEXORA_SHIM_RENAMEAT2_ERRNO", Errno(renameError));
                const Shim links("PEXORA_SHIM_LINK_ERRNO", Errno(linkError));
                QCOMPARE(SaveError(QStringLiteral("Level"), QStringLiteral("3")), QString());
                QCOMPARE(SaveError(QStringLiteral("Level"), QStringLiteral("4")), QString());
            }
            QCOMPARE(Level(), QStringLiteral("4"));
            if (existed) QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".bak")), old);
            QCOMPARE(Leftovers(Folder(store)), QStringList());
        }
    }

    // A store of 10 KiB on a disk with 12 KiB left: the save fits, and the
    // backup takes no room before it (the exchange or a hard link keeps the
    // old file itself; without either the copy is written after the save).
    void theBackupNeverTakesTheRoomTheSaveNeeds_data() {
        QTest::addColumn<int>("renameError");
        QTest::addColumn<int>("linkError");
        QTest::newRow("exchange") << 0 << 0;
        QTest::newRow("hard links, no exchange") << EINVAL << 0;
        QTest::newRow("neither") << EINVAL << EPERM;
    }
    void theBackupNeverTakesTheRoomTheSaveNeeds() {
        QFETCH(int, renameError);
        QFETCH(int, linkError);
        ScopedStore store;
        const QByteArray old = "[Game%20Settings]\nLevel=1\n[Junk]\npad=" + QByteArray(10 * 1024, 'x') + '\n';
        store.writeRaw(old);
        {
            const Shim renames("PEXORA_SHIM_RENAMEAT2_ERRNO", Errno(renameError));
            const Shim links("PEXORA_SHIM_LINK_ERRNO", Errno(linkError));
            const Shim room("PEXORA_SHIM_ROOM", QByteArray::number(12 * 1024));
            QCOMPARE(SaveError(QStringLiteral("Level"), QStringLiteral("2")), QString());
        }
        QCOMPARE(Level(), QStringLiteral("2"));
        const QString backup = store.iniPath() + QStringLiteral(".bak");
        // Without links there was no room left for the copy: only it is missing.
        if (linkError == 0) QCOMPARE(ReadFile(backup), old);
        QVERIFY(!QFile::exists(backup) || ReadFile(backup) == old);
        QCOMPARE(Leftovers(Folder(store)), QStringList());
    }

    // The store folder is a link to elsewhere and Pexora.ini in it a relative
    // link: ".." is where the link really lies, not where its text points.
    void aStoreReachedThroughLinksIsTheFileTheKernelFinds_data() {
        QTest::addColumn<QStringList>("links");  // in the real folder: name, its target; the first is Pexora.ini
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("relative link in a linked folder") << QStringList{"Pexora.ini", "../data/Pexora.ini"} << true;
        QTest::newRow("a chain of links") << QStringList{"Pexora.ini", "../data/first.ini", "first.ini", "Pexora.ini"} << true;
        QTest::newRow("a link to a file not made yet") << QStringList{"Pexora.ini", "../data/Pexora.ini"} << false;
    }
    void aStoreReachedThroughLinksIsTheFileTheKernelFinds() {
        QFETCH(QStringList, links);
        QFETCH(bool, fileThere);
        ScopedStore store;
        const QString real = store.dir() + QStringLiteral("/elsewhere/conf/Pexora"), data = store.dir() + QStringLiteral("/elsewhere/conf/data");
        QVERIFY(QDir().mkpath(real) && QDir().mkpath(data));
        QVERIFY(QFile::link(real, Folder(store)));
        // Each link lies in the folder of the one before it.
        QString in = real;
        for (int i = 0; i < links.size(); i += 2) {
            QVERIFY(::symlink(links[i + 1].toUtf8().constData(), QFile::encodeName(in + '/' + links[i]).constData()) == 0);
            in = QFileInfo(in + '/' + links[i + 1]).absolutePath();
        }
        const QString file = data + QStringLiteral("/Pexora.ini");
        if (fileThere) QVERIFY(!WriteFile(file, "[Game%20Settings]\nLevel=3\n").isEmpty());
        QCOMPARE(Level(), fileThere ? QStringLiteral("3") : QString());
        QCOMPARE(SaveError(QStringLiteral("Player 1"), QStringLiteral("Ann")), QString());
        QCOMPARE(ReadFile(file), QByteArray(fileThere ? "[Game%20Settings]\nLevel=3\nPlayer%201=Ann\n" : "[Game%20Settings]\nPlayer%201=Ann\n"));
        QVERIFY(QFileInfo(store.iniPath()).isSymLink());
        QVERIFY(!QFileInfo::exists(store.dir() + QStringLiteral("/data")));  // where the link's text points
    }

    // XDG_CONFIG_HOME="<dir>/nonutf\xff": the folder of exactly those bytes.
    void theStoreFolderIsNamedByTheExactBytesOfXdgConfigHome() {
        ScopedStore store;
        const QByteArray home = QFile::encodeName(store.dir()) + "/nonutf\xff";
        qputenv("XDG_CONFIG_HOME", home);
        QCOMPARE(SaveError(QStringLiteral("Level"), QStringLiteral("3")), QString());
        QCOMPARE(Level(), QStringLiteral("3"));
        WriteUnsavedChanges(App);
        QVERIFY(::access((home + "/Pexora/Pexora.ini").constData(), F_OK) == 0);
        QVERIFY(::access((QFile::encodeName(store.dir()) + "/nonutf\xef\xbf\xbd").constData(), F_OK) != 0);
        QVERIFY(::rename(home.constData(), QFile::encodeName(store.dir() + QStringLiteral("/checked")).constData()) == 0);
        QCOMPARE(QDir(store.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("checked")});
    }

    // At start, the new files of saves killed earlier go: all of them when the
    // lock is free (a save writes them only under it), only those untouched
    // for long where the file system gives no locks, none while another game
    // saves. The changes kept for later and their new files are never taken.
    void theFilesKilledSavesLeftAreRemovedAtStart_data() {
        QTest::addColumn<int>("flockError");
        QTest::addColumn<bool>("heldElsewhere");
        QTest::addColumn<QStringList>("left");
        const QString unsavedNew = QStringLiteral(".Pexora.ini.unsaved.Xy12Zw");
        QTest::newRow("lock free") << 0 << false << QStringList{unsavedNew};
        QTest::newRow("no locks on the file system") << ENOLCK << false << QStringList{".Pexora.ini.Fresh1", unsavedNew};
        QTest::newRow("another game saving") << 0 << true << QStringList{".Pexora.ini.Fresh1", ".Pexora.ini.Old123", unsavedNew};
    }
    void theFilesKilledSavesLeftAreRemovedAtStart() {
        QFETCH(int, flockError);
        QFETCH(bool, heldElsewhere);
        QFETCH(QStringList, left);
        ScopedStore store;
        store.writeRaw("[Game%20Settings]\nLevel=3\n");
        const QString folder = Folder(store);
        for (const char* name : {".Pexora.ini.Fresh1", ".Pexora.ini.Old123", ".Pexora.ini.unsaved.Xy12Zw"})
            QVERIFY(!WriteFile(folder + '/' + QLatin1String(name), QByteArray(1000, 'x')).isEmpty());
        const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(folder + QStringLiteral("/.Pexora.ini.Old123")).constData(), hourAgo, 0) == 0);
        const int lock = ::open(QFile::encodeName(store.iniPath() + QStringLiteral(".lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(lock >= 0 && (!heldElsewhere || ::flock(lock, LOCK_EX) == 0));
        {
            const Shim locks("PEXORA_SHIM_FLOCK_ERRNO", Errno(flockError));
            WriteUnsavedChanges(App);
        }
        ::close(lock);
        QCOMPARE(Leftovers(folder), left);
        QCOMPARE(Level(), QStringLiteral("3"));
    }

    // Another program puts its file at the store's name between the save's
    // read and its replacement: that file is put back, or, when the exchange
    // back fails, kept beside the save under the name the error gives.
    void aFileSwappedInDuringASaveIsPutBackOrKeptBesideIt_data() {
        QTest::addColumn<bool>("backFails");
        QTest::newRow("put back") << false;
        QTest::newRow("the exchange back fails") << true;
    }
    void aFileSwappedInDuringASaveIsPutBackOrKeptBesideIt() {
        QFETCH(bool, backFails);
        ScopedStore store;
        store.writeRaw("[Game%20Settings]\nLevel=1\n");
        const QByteArray theirs = "[Game%20Settings]\nLevel=7\n";
        const QString other = WriteFile(store.dir() + QStringLiteral("/theirs.ini"), theirs);
        QString error;
        {
            const Shim swap("PEXORA_SHIM_SWAP_IN", QFile::encodeName(other));
            const Shim back("PEXORA_SHIM_RENAMEAT2_ERRNO", backFails ? QByteArray::number(EIO) + "@2" : QByteArray());
            error = SaveError(QStringLiteral("Level"), QStringLiteral("2"));
        }
        QVERIFY2(error.contains(QLatin1String("changed while it was saved")), qPrintable(error));
        const QStringList kept = Leftovers(Folder(store));
        if (!backFails) {
            QCOMPARE(store.readRaw(), theirs);
            QCOMPARE(kept, QStringList());
            return;
        }
        QCOMPARE(Level(), QStringLiteral("2"));
        QCOMPARE(kept.size(), 1);
        QVERIFY2(error.contains(kept.first()), qPrintable(error));
        QCOMPARE(ReadFile(Folder(store) + '/' + kept.first()), theirs);
    }

    // Comments, trailing notes and lines that are no key, met at any write of
    // the run, are kept in a copy first: numbered, at most five, the oldest
    // giving its place to the newest.
    void everyHandEditTheWriterDropsIsKeptInACopyFirst() {
        ScopedStore store;
        QList<QByteArray> files;
        for (int i = 1; i <= 7; ++i) {
            const QByteArray n = QByteArray::number(i);
            files << "[Game%20Settings]\n" + QByteArray(i == 1 ? "; a comment\n" : "") + "Level=" + n + (i == 2 ? "" : " ; note " + n) +
                         (i == 2 ? "\nno key here " : "") + '\n';
            store.writeRaw(files.last());
            QCOMPARE(SaveError(QStringLiteral("Player 1"), QStringLiteral("P") + QString::number(i)), QString());
            QVERIFY(!store.readRaw().contains(';'));
            QCOMPARE(Level(), QString::number(i));
        }
        QList<QByteArray> copies;
        for (const char* suffix : {".damaged", ".damaged.2", ".damaged.3", ".damaged.4", ".damaged.5"})
            copies << ReadFile(store.iniPath() + QLatin1String(suffix));
        QVERIFY(!QFile::exists(store.iniPath() + QStringLiteral(".damaged.6")));
        std::sort(copies.begin(), copies.end());
        QList<QByteArray> newest = files.mid(2);
        std::sort(newest.begin(), newest.end());
        QCOMPARE(copies, newest);
    }

    // Every character the writer escapes or quotes comes back as it went in;
    // a lone surrogate, which UTF-8 cannot hold, comes back as U+FFFD.
    void aNameComesBackAsItWentIn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("back");
        const QString escaped = QStringLiteral("a\\b\"c\ad\be\ff\ng\rh\ti\vj") + QChar(0) + QStringLiteral("1x\x01" "f;k,l=m");
        QTest::newRow("every escaped character") << escaped << escaped;
        QTest::newRow("backslashes") << "\\\\x41\\" << "\\\\x41\\";
        QTest::newRow("blanks around, @ at the start") << " @Ann " << " @Ann ";
        QTest::newRow("a surrogate pair") << "Zoë 🦊" << "Zoë 🦊";
        QTest::newRow("a lone high surrogate") << QStringLiteral("Ann") + QChar(0xD83D) << QStringLiteral("Ann\uFFFD");
        QTest::newRow("a lone low surrogate") << QChar(0xDC00) + QStringLiteral("Bo") << QStringLiteral("\uFFFDBo");
    }
    void aNameComesBackAsItWentIn() {
        QFETCH(QString, name);
        QFETCH(QString, back);
        ScopedStore store;
        QCOMPARE(SaveError(QStringLiteral("Player 1"), name), QString());
        QCOMPARE(GetSetting(App, Section, QStringLiteral("Player 1")), back);
    }
};

QTEST_GUILESS_MAIN(StoreFileSystemsTest)
#include "test_store_filesystems.moc"
