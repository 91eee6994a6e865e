#include "StoreFile.h"

#include "ErrorTrap.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

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

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

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

// A new private file beside target holding bytes, synced; its path.
// mkostemp creates it with O_EXCL, so nothing planted there is written to.
QString WriteNewFile(const QString& target, const QByteArray& bytes, mode_t mode) {
    const QFileInfo info(target);
    QByteArray name = Native(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const Descriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) ThrowAccess(target);
    const QString path = QFile::decodeName(name);
    if (!WriteAll(fd.get(), bytes) || ::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0) {
        ::unlink(name.constData());
        ThrowAccess(target);
    }
    return path;
}

bool SameFile(const QString& path, const StoreBytes& read) {
    struct stat info {};
    return ::lstat(Native(path).constData(), &info) == 0 && info.st_dev == read.device && info.st_ino == read.inode;
}

}  // namespace

QString StorePath(const QString& appName) {
    // The XDG rules: a relative path in the variable is ignored.
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!home.startsWith(QLatin1Char('/'))) {
        home = qEnvironmentVariable("HOME");
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
    read.target = path;
    QByteArray link(4096, '\0');
    const ssize_t length = ::readlink(Native(path).constData(), link.data(), size_t(link.size()));
    if (length > 0 && length < link.size()) {
        // Followed once: a link to a link is refused below like any other non-file.
        const QString to = QFile::decodeName(link.left(length));
        read.target = QDir::cleanPath(to.startsWith(QLatin1Char('/')) ? to : QFileInfo(path).absolutePath() + QLatin1Char('/') + to);
    }
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

void ReplaceStore(const StoreBytes& read, const QByteArray& bytes) {
    CheckStoreSize(bytes.size(), read.target);
    const QString folder = QFileInfo(read.target).absolutePath();
    const QString fresh = WriteNewFile(read.target, bytes, read.exists ? read.mode : 0600);
    const QByteArray from = Native(fresh), to = Native(read.target);
    // Exchanged, the file that stood there is at fresh's name and is checked:
    // anything swapped in since the read is put back, not replaced.
    bool placed = false;
    if (read.exists) {
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
            if (SameFile(fresh, read)) {
                placed = true;
            } else {
                ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE);
            }
        } else if (errno == EINVAL && SameFile(read.target, read)) {  // a file system without exchange
            placed = ::rename(from.constData(), to.constData()) == 0;
        }
    } else if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        placed = true;
    } else if (errno == EINVAL && ::link(from.constData(), to.constData()) == 0) {
        placed = true;
    }
    ::unlink(from.constData());
    if (!placed) ThrowAccess(read.target, QT_TRANSLATE_NOOP("SettingsStore", "Path/File access error: %1 changed while it was saved"));
    SyncFolder(folder);
}

void KeepCopy(const StoreBytes& read, CopyKind kind) {
    if (!read.exists) return;
    if (kind == CopyKind::Damaged) {
        const QByteArray path = Native(read.target + QStringLiteral(".damaged"));
        const Descriptor fd(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.get() >= 0 && !(WriteAll(fd.get(), read.bytes) && ::fsync(fd.get()) == 0)) ::unlink(path.constData());
        return;
    }
    // A copy is complete before it takes the old backup's place.
    try {
        const QByteArray fresh = Native(WriteNewFile(read.target, read.bytes, 0600));
        if (::rename(fresh.constData(), Native(read.target + QStringLiteral(".bak")).constData()) != 0) ::unlink(fresh.constData());
    } catch (const RuntimeError&) {
        // No backup, no harm to the store itself.
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
std::atomic<bool> g_ending{false};
// When the last wait for another game's lock ran out (steady clock, ms).
std::atomic<qint64> g_lastRanOut{std::numeric_limits<qint64>::min() / 2};
qint64 SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void SetStoreEnding() { g_ending = true; }

StoreLock::StoreLock(const QString& path, int waitMs) {
    if (path.isEmpty()) return;
    if (waitMs < 0) {
        waitMs = g_ending ? EndingLockWaitMs : PlayLockWaitMs;
        // The same game moment (both results of one game end) waits once.
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
            g_lastRanOut = SteadyMs();
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
