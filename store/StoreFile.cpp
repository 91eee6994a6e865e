#include "StoreFile.h"

#include "ErrorTrap.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SettingsStore", text); }

[[noreturn]] void ThrowAccess(const QString& path, const char* text = QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1")) {
    throw RuntimeError(ErrorNumbers::PathFileAccess, Tr(text).arg(QDir::toNativeSeparators(path)));
}

const char* const NotAFile = QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1 is not a regular file");
const char* const Unlockable = QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1 cannot be locked");

QByteArray Native(const QString& path) { return NativePath(path); }

// Closes a descriptor however the scope is left.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool WriteAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

void SyncFolder(const QString& folder) {
    const Descriptor dir(::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

// The name every new file of the store's is written under: ".<name>.XXXXXX".
QString NewFilePattern(const QString& target) {
    const qsizetype slash = target.lastIndexOf(u'/');
    return target.left(slash + 1) + u'.' + target.mid(slash + 1) + QStringLiteral(".XXXXXX");
}

// A new private file beside target holding bytes, synced; its path.
// mkostemp creates it with O_EXCL, so nothing planted there is written to.
QString WriteNewFile(const QString& target, const QByteArray& bytes, mode_t mode) {
    QByteArray name = Native(NewFilePattern(target));
    const Descriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) ThrowAccess(target);
    const QString path = PathFromNative(name);
    // Where modes cannot be set (FAT, exFAT through FUSE), the file system's stand.
    const bool modeSet = ::fchmod(fd.get(), mode) == 0 || errno == EPERM || errno == ENOSYS || errno == EOPNOTSUPP;
    if (!WriteAll(fd.get(), bytes) || !modeSet || ::fsync(fd.get()) != 0) {
        ::unlink(name.constData());
        ThrowAccess(target);
    }
    return path;
}

bool SameFile(const QByteArray& path, dev_t device, ino_t inode) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && info.st_dev == device && info.st_ino == inode;
}
bool SameFile(const QByteArray& path, const StoreBytes& read) { return SameFile(path, read.device, read.inode); }

// The failures of a file system that has not the flag or the call (FUSE, FAT).
bool NotOffered(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EPERM; }

const char* const ChangedWhileSaved = QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1 changed while it was saved");

// A second name for the file at `to`, of the new files' pattern; false
// where the file system has no hard links.
bool LinkBeside(const QString& target, const QByteArray& to, QByteArray& name) {
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = Native(NewFilePattern(target)).chopped(6);
        for (int i = 0; i < 6; ++i) name += Letters[QRandomGenerator::global()->bounded(62)];
        if (::link(to.constData(), name.constData()) == 0) return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

// The file at `from` (the old store, by now only at this name) as the backup.
bool MoveToBackup(const QByteArray& from, const QString& target) {
    if (::chmod(from.constData(), 0600) != 0 && !NotOffered(errno)) return false;
    return ::rename(from.constData(), Native(target + QStringLiteral(".bak")).constData()) == 0;
}

// The new store at a name nothing stood at: the file systems without the
// no-replace flag get a hard link, and without those an empty file of ours,
// made with O_EXCL, that the new one then replaces.
bool PlaceNew(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
    if (!NotOffered(errno)) return false;
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno == EEXIST) return false;
    struct stat mine {};
    {
        const Descriptor fd(::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.get() < 0 || ::fstat(fd.get(), &mine) != 0) return false;
    }
    if (SameFile(to, mine.st_dev, mine.st_ino) && ::rename(from.constData(), to.constData()) == 0) return true;
    if (SameFile(to, mine.st_dev, mine.st_ino)) ::unlink(to.constData());
    return false;
}

// Bytes that end a run of UTF-8 at i: the sequence's length, 0 when none starts there.
int Utf8Length(QByteArrayView b, qsizetype i) {
    const uchar c = uchar(b[i]);
    if (c < 0x80) return 1;
    int n = 0;
    uchar low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c == 0xE0) n = 3, low = 0xA0;
    else if (c == 0xED) n = 3, high = 0x9F;  // no surrogates
    else if (c >= 0xE1 && c <= 0xEF) n = 3;
    else if (c == 0xF0) n = 4, low = 0x90;
    else if (c >= 0xF1 && c <= 0xF3) n = 4;
    else if (c == 0xF4) n = 4, high = 0x8F;
    else return 0;
    if (i + n > b.size()) return 0;
    for (int k = 1; k < n; ++k) {
        const uchar d = uchar(b[i + k]);
        if (d < (k == 1 ? low : 0x80) || d > (k == 1 ? high : 0xBF)) return 0;
    }
    return n;
}

// Where a name leads as the kernel follows it: each link read in the folder
// it really lies in (realpath), a relative one taken from there, up to the
// kernel's 40 links. The name itself when it is no link or its folder does
// not exist (opening says what is wrong); empty past 40 links.
QString FollowLinks(const QString& path) {
    QString current = path;
    for (int hop = 0; hop <= 40; ++hop) {
        const qsizetype slash = current.lastIndexOf(u'/');
        char real[PATH_MAX];
        if (::realpath(Native(slash <= 0 ? QStringLiteral("/") : current.left(slash)).constData(), real) == nullptr) return current;
        QString at = PathFromNative(real);
        if (!at.endsWith(u'/')) at += u'/';
        const QString folder = at;
        at += current.mid(slash + 1);
        QByteArray link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(Native(at).constData(), link.data(), size_t(link.size()));
        if (length <= 0 || length >= link.size()) return hop == 0 ? path : at;
        const QString to = PathFromNative(QByteArrayView(link).first(length));
        current = to.startsWith(u'/') ? to : folder + to;
    }
    return QString();
}

}  // namespace

QByteArray NativePath(const QString& path) {
    QByteArray out;
    for (qsizetype i = 0; i < path.size();) {
        const char16_t c = path.at(i).unicode();
        if (c >= 0xDC80 && c <= 0xDCFF) {
            out += char(c - 0xDC00);
            ++i;
            continue;
        }
        const qsizetype n = QChar::isHighSurrogate(c) && i + 1 < path.size() && path.at(i + 1).isLowSurrogate() ? 2 : 1;
        out += QStringView(path).sliced(i, n).toUtf8();
        i += n;
    }
    return out;
}

QString PathFromNative(QByteArrayView bytes) {
    QString out;
    for (qsizetype i = 0; i < bytes.size();) {
        if (Utf8Length(bytes, i) == 0) {
            out += QChar(char16_t(0xDC00 + uchar(bytes[i])));
            ++i;
            continue;
        }
        qsizetype end = i;
        for (int n; end < bytes.size() && (n = Utf8Length(bytes, end)) > 0;) end += n;
        out += QString::fromUtf8(bytes.sliced(i, end - i));
        i = end;
    }
    return out;
}

bool PathExists(const QString& path) {
    struct stat info {};
    return ::lstat(Native(path).constData(), &info) == 0;
}

QString StorePath(const QString& appName) {
    // The XDG rules: a relative path in the variable is ignored.
    QString home = PathFromNative(qgetenv("XDG_CONFIG_HOME"));
    if (!home.startsWith(QLatin1Char('/'))) {
        home = PathFromNative(qgetenv("HOME"));
        home = home.startsWith(QLatin1Char('/')) ? home + QStringLiteral("/.config") : QString();
    }
    if (home.isEmpty()) {
        static std::once_flag told;
        std::call_once(told, [] {
            std::fputs("Pexora: neither HOME nor XDG_CONFIG_HOME names a folder; options and scores cannot be kept.\n", stderr);
        });
        return QString();
    }
    return home + QLatin1Char('/') + appName + QLatin1Char('/') + appName + QStringLiteral(".ini");
}

void CheckStoreSize(qint64 size, const QString& path) {
    if (size <= LargestStore) return;
    throw RuntimeError(ErrorNumbers::OutOfStringSpace,
                       QCoreApplication::translate("SettingsStore", "Out of string space: %1 would be larger than 16 MiB and is left as it is")
                           .arg(QDir::toNativeSeparators(path)));
}

namespace {
std::atomic<quint64> g_reads{0};

void NoteIdentity(StoreBytes& read, const struct stat& info) {
    read.device = info.st_dev;
    read.inode = info.st_ino;
    read.mode = info.st_mode & 07777;
    read.size = info.st_size;
    read.changedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    read.statusNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
}
}  // namespace

quint64 StoreReadCount() { return g_reads.load(std::memory_order_relaxed); }

void NoteStoreIdentity(StoreBytes& read) {
    struct stat info {};
    if (::lstat(Native(read.target).constData(), &info) == 0 && S_ISREG(info.st_mode)) {
        read.exists = true;
        NoteIdentity(read, info);
    } else {
        read = StoreBytes{};  // matches no file
    }
}

StoreBytes ReadStoreBytes(const QString& path, const StoreBytes* known) {
    StoreBytes read;
    // A link that leads nowhere yet is followed: the first save makes the
    // file it names, as the player who made the link meant.
    read.target = FollowLinks(path);
    if (read.target.isEmpty()) ThrowAccess(path, NotAFile);  // a loop of links
    const Descriptor fd(::open(Native(read.target).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) return read;  // none yet: made by the first save
        ThrowAccess(path, errno == ELOOP ? NotAFile : QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1"));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) ThrowAccess(path);
    if (!S_ISREG(info.st_mode)) ThrowAccess(path, NotAFile);
    CheckStoreSize(info.st_size, path);
    StoreBytes same;
    NoteIdentity(same, info);
    if (known != nullptr && known->exists && known->target == read.target && known->device == same.device &&
        known->inode == same.inode && known->size == same.size && known->changedNs == same.changedNs &&
        known->statusNs == same.statusNs) {
        StoreBytes reused = *known;
        reused.reused = true;
        return reused;
    }
    g_reads.fetch_add(1, std::memory_order_relaxed);
    // The bound holds for the bytes read, whatever the size said.
    read.bytes.resize(qsizetype(info.st_size) + 1);
    qsizetype done = 0;
    for (ssize_t n; (n = ::read(fd.get(), read.bytes.data() + done, size_t(read.bytes.size() - done))) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowAccess(path);
        }
        done += n;
        CheckStoreSize(done, path);
        if (done == read.bytes.size()) read.bytes.resize(std::min<qsizetype>(done * 2, LargestStore + 1));
    }
    read.bytes.truncate(done);
    read.exists = true;
    NoteIdentity(read, info);
    return read;
}

void ReplaceStore(const StoreBytes& read, const QByteArray& bytes, bool keepOld) {
    CheckStoreSize(bytes.size(), read.target);
    const QString folder = QFileInfo(read.target).absolutePath();
    const QString fresh = WriteNewFile(read.target, bytes, read.exists ? read.mode : 0600);
    const QByteArray from = Native(fresh), to = Native(read.target);
    const auto refuse = [&] {
        ::unlink(from.constData());
        ThrowAccess(read.target, ChangedWhileSaved);
    };
    if (!read.exists) {
        if (!PlaceNew(from, to)) refuse();
        SyncFolder(folder);
        return;
    }
    // Exchanged, the file that stood there is at fresh's name and is checked:
    // anything swapped in since the read is put back, not replaced.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
        if (!SameFile(from, read)) {
            if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) refuse();
            // Not put back: the save stands at the name and the file found there is kept beside it.
            throw RuntimeError(ErrorNumbers::PathFileAccess,
                               Tr(QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1 changed while it was saved and could not be put back; the file found there is kept as %2"))
                                   .arg(QDir::toNativeSeparators(read.target), QDir::toNativeSeparators(fresh)));
        }
        if (!keepOld || !MoveToBackup(from, read.target)) ::unlink(from.constData());
        SyncFolder(folder);
        return;
    }
    // A file system without the exchange: a rename over the file checked,
    // the old one held by a hard link meanwhile where there are links.
    if (!NotOffered(errno) || !SameFile(to, read)) refuse();
    QByteArray held;
    const bool linked = keepOld && LinkBeside(read.target, to, held);
    if (::rename(from.constData(), to.constData()) != 0) {
        if (linked) ::unlink(held.constData());
        refuse();
    }
    SyncFolder(folder);
    if (linked) {
        if (!MoveToBackup(held, read.target)) ::unlink(held.constData());
    } else if (keepOld) {
        // No links: the save is made, then the copy, which may not fit.
        try {
            const QByteArray copy = Native(WriteNewFile(read.target, read.bytes, 0600));
            if (::rename(copy.constData(), Native(read.target + QStringLiteral(".bak")).constData()) != 0) ::unlink(copy.constData());
        } catch (const RuntimeError&) {
            // No backup, no harm to the store itself.
        }
    }
}

void KeepDamagedCopy(const StoreBytes& read) {
    if (!read.exists) return;
    // The first free place, else the oldest; a copy already kept is not made twice.
    QByteArray oldest;
    struct timespec oldestTime {std::numeric_limits<time_t>::max(), 0};
    for (int n = 1; n <= DamagedCopies; ++n) {
        const QByteArray path = Native(read.target + QStringLiteral(".damaged") + (n > 1 ? u'.' + QString::number(n) : QString()));
        const Descriptor fd(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.get() >= 0) {
            if (!(WriteAll(fd.get(), read.bytes) && ::fsync(fd.get()) == 0)) ::unlink(path.constData());
            return;
        }
        struct stat info {};
        if (errno != EEXIST || ::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (info.st_size == read.bytes.size()) {
            try {
                if (ReadStoreBytes(PathFromNative(path)).bytes == read.bytes) return;
            } catch (const RuntimeError&) {
                // Unreadable: a place like any other.
            }
        }
        if (std::pair(info.st_mtim.tv_sec, info.st_mtim.tv_nsec) < std::pair(oldestTime.tv_sec, oldestTime.tv_nsec)) {
            oldest = path;
            oldestTime = info.st_mtim;
        }
    }
    if (oldest.isEmpty()) return;
    try {
        const QByteArray copy = Native(WriteNewFile(read.target, read.bytes, 0600));
        if (::rename(copy.constData(), oldest.constData()) != 0) ::unlink(copy.constData());
    } catch (const RuntimeError&) {
        // No copy: the save goes on as before one was kept.
    }
}

void MakePrivateFolder(const QString& folder) {
    const QStringList parts = QDir::cleanPath(folder).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += QLatin1Char('/') + part;
        if (::mkdir(Native(path).constData(), 0700) == 0) {
            ::chmod(Native(path).constData(), 0700);  // whatever the umask took away
        } else if (errno != EEXIST) {
            ThrowAccess(folder);
        }
    }
}

namespace {
std::atomic<int> g_endings{0};
// When the last wait for another game's lock ran out (steady clock, ms).
std::atomic<qint64> g_lastRanOut{std::numeric_limits<qint64>::min() / 2};
qint64 SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}  // namespace

StoreEnding::StoreEnding() { ++g_endings; }
StoreEnding::~StoreEnding() { --g_endings; }

StoreLock::StoreLock(const QString& path, int waitMs) {
    if (path.isEmpty()) return;
    if (waitMs < 0) {
        // While the game is played the lock is only tried: what it kept out
        // is kept for later, and the window tries again (UnsavedWriter.h).
        waitMs = g_endings > 0 ? EndingLockWaitMs : 0;
        // The same game moment (both saves of one ending) waits once.
        if (SteadyMs() - g_lastRanOut < waitMs) waitMs = 0;
    }
    const QByteArray name = Native(path);
    for (int attempt = 0; m_fd < 0; ++attempt) {
        Descriptor fd(::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
        struct stat info {};
        if (fd.get() >= 0 && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 &&
            info.st_size == 0 && info.st_uid == ::geteuid()) {
            m_fd = fd.release();
            break;
        }
        // A folder that cannot be written is no planted lock.
        const bool planted = fd.get() >= 0 || errno == ELOOP || errno == EISDIR || errno == ENXIO || errno == EWOULDBLOCK;
        if (attempt > 0 || !planted) ThrowAccess(path, Unlockable);
        std::fprintf(stderr, "Pexora: %s is no lock file of ours and is set aside.\n", name.constData());
        if (::rename(name.constData(), (name + ".aside").constData()) != 0) ThrowAccess(path, Unlockable);
    }
    // A lock of ours is let go when its holder ends, so only a live holder is waited for.
    const QDeadlineTimer deadline(waitMs);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) continue;
        if (error == ENOLCK || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS) {
            // A file system that gives no locks (an NFS home without its lock
            // daemon): the save goes on without, guarded only by the check
            // before the replacement.
            static std::once_flag told;
            std::call_once(told, [&] {
                std::fprintf(stderr, "Pexora: %s cannot be locked on this file system (%s); saving without the lock.\n",
                             name.constData(), std::strerror(error));
            });
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        if (error != EWOULDBLOCK || deadline.hasExpired()) {
            ::close(m_fd);
            m_fd = -1;
            if (error != EWOULDBLOCK) {
                throw RuntimeError(ErrorNumbers::PathFileAccess,
                                   Tr(QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1 cannot be locked: %2"))
                                       .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error))));
            }
            if (waitMs > 0) g_lastRanOut = SteadyMs();
            throw LockHeldElsewhere(ErrorNumbers::PathFileAccess,
                                    Tr(QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1 is locked by another game"))
                                        .arg(QDir::toNativeSeparators(path)));
        }
        QThread::msleep(20);
    }
}

StoreLock::~StoreLock() {
    if (m_fd >= 0) ::close(m_fd);
}

namespace {

// Removes from folder the new files of name's pattern that no save is
// writing: all with the lock, those untouched for long without one. With
// remove false, only whether there is any. The lock is taken only then:
// most starts find none.
bool RemoveLeftoversIn(const QString& folder, const QString& name, bool locked, bool remove = true) {
    DIR* dir = ::opendir(Native(folder).constData());
    if (dir == nullptr) return false;
    const QByteArray prefix = '.' + Native(name) + '.';
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView leaf(entry->d_name);
        if (leaf.size() != prefix.size() + 6 || !leaf.startsWith(prefix)) continue;
        const QByteArrayView tail = leaf.sliced(prefix.size());
        if (!std::all_of(tail.begin(), tail.end(), [](char c) { return std::isalnum(uchar(c)); })) continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || (!locked && now - info.st_mtim.tv_sec < LeftoverAgeSeconds))
            continue;
        found = true;
        if (!remove) break;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
    return found;
}

}  // namespace

void RemoveLeftovers(const QString& storePath) {
    if (storePath.isEmpty()) return;
    // A store that is a link is written where it leads.
    QStringList paths{storePath};
    if (const QString target = FollowLinks(storePath); !target.isEmpty() && target != storePath) paths << target;
    const auto pass = [&](bool locked, bool remove) {
        bool found = false;
        for (const QString& path : paths) {
            const qsizetype slash = path.lastIndexOf(u'/');
            found = RemoveLeftoversIn(path.left(slash), path.mid(slash + 1), locked, remove) || found;
        }
        return found;
    };
    if (!pass(true, false)) return;
    const qint64 ranOut = g_lastRanOut;
    try {
        const StoreLock lock(storePath + QStringLiteral(".lock"), 0);
        pass(lock.held(), true);
    } catch (const RuntimeError&) {
        // Another game is saving, or there is no folder yet: nothing to remove now.
        g_lastRanOut = ranOut;
    }
}
