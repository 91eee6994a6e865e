#pragma once
// The settings store's file on disk. Whatever stands at its name is decided
// by what is opened, never by a look at the path before: links are followed
// as the kernel follows them (each relative one from the folder it really
// lies in) to a regular file, which is opened without blocking and checked
// and read through its descriptor within the bound. A save writes a private
// new file beside the target and puts it in the target's place by rename,
// only if the target is still the file that was read. Copies and locks are
// made with O_EXCL or by rename, never through a link. Every failure throws
// RuntimeError. Paths are the system's bytes: a byte that is no UTF-8 stands
// in a QString as U+DC80..U+DCFF (NativePath gives it back).

#include "ErrorTrap.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <sys/types.h>

// Far above any store the game writes (a few kilobytes).
inline constexpr qint64 LargestStore = 16 * 1024 * 1024;

// A path as the system's bytes and back. Bytes that are no UTF-8 (a folder
// named in another encoding) are kept as the lone surrogates U+DC80..U+DCFF,
// so a folder's name goes to the system exactly as it came.
QByteArray NativePath(const QString& path);
QString PathFromNative(QByteArrayView bytes);
// Whether anything (a link included) stands at path.
bool PathExists(const QString& path);

// Where appName's store lives: under $XDG_CONFIG_HOME when it is an
// absolute path, else under $HOME/.config. Empty when neither is known:
// then nothing can be kept, which is said once on stderr.
QString StorePath(const QString& appName);

// The store as read: the regular file the name leads to, and its bytes.
struct StoreBytes {
    QString target;  // the file itself (where the links lead when the name is one)
    bool exists = false;
    QByteArray bytes;
    dev_t device = 0;
    ino_t inode = 0;
    mode_t mode = 0;
    qint64 size = 0, changedNs = 0, statusNs = 0;  // with device and inode, which file this is
    bool reused = false;  // given back as `known` below, not read
};
// Reads the store. When the file at the name is still the one `known`
// describes (same file, size and times), nothing is read and `known` is
// given back.
StoreBytes ReadStoreBytes(const QString& path, const StoreBytes* known = nullptr);
// Fills in which file stands at read.target now (after ReplaceStore).
void NoteStoreIdentity(StoreBytes& read);
// How many times a store's bytes were read from an existing file in this process.
quint64 StoreReadCount();

// Throws OutOfStringSpace for contents past the bound.
void CheckStoreSize(qint64 size, const QString& path);

// Puts bytes in the place of the file that was read (or creates it when
// there was none), keeping its mode (0600 for a new one; where modes cannot
// be set the file system's), then syncs the folder. Refused when something
// else stands there by now: that file is put back, or, when it cannot be,
// kept under the name the error gives. With keepOld the file replaced
// becomes "<target>.bak" (0600, taking an earlier one's place by rename)
// without a byte written before the save: it is the file itself, moved by
// the exchange or held by a hard link; where the file system has neither,
// the save is made first and the copy written after it.
// Where the file system cannot exchange two names, a plain rename over the
// file that was checked; a new store takes a name nothing else can take
// meanwhile (no-replace rename, a hard link, or an empty file of ours made
// with O_EXCL and then replaced).
void ReplaceStore(const StoreBytes& read, const QByteArray& bytes, bool keepOld = false);

// The file as it stood, before a save drops some of its lines (hand edits):
// "<target>.damaged", then ".damaged.2" to ".damaged.5"; with five there,
// the oldest gives its place.
inline constexpr int DamagedCopies = 5;
void KeepDamagedCopy(const StoreBytes& read);

// The new files of killed saves beside storePath (".<name>.XXXXXX", the
// pattern every save, backup and copy of the store is written under) are
// removed. A save writes them only while it holds the store's lock, so
// with the lock free none is being written; where the file system gives
// no locks, only those untouched for LeftoverAgeSeconds (a save writes
// and renames its file within seconds). With the lock held elsewhere,
// nothing is removed. Nothing else is touched: not the changes kept for
// later ("<name>.unsaved", written without the lock), nor their new files.
inline constexpr int LeftoverAgeSeconds = 15 * 60;
void RemoveLeftovers(const QString& storePath);

// Makes the folder and any missing parents, each 0700.
void MakePrivateFolder(const QString& folder);

// How long a lock another game holds is waited for. While the game is
// played it is tried once, and what it kept out is tried again for at most
// PlayLockWaitMs, the window answering meanwhile (UnsavedWriter.h); once
// the game is ending (Game > Exit, the close box, a logout, an end signal)
// it is waited for at most EndingLockWaitMs. What could not be written
// then is kept for later.
inline constexpr int PlayLockWaitMs = 5000;
inline constexpr int EndingLockWaitMs = 2000;
// While one lives (the saves of a game that is ending), a lock is waited
// for at most EndingLockWaitMs.
class StoreEnding {
public:
    StoreEnding();
    ~StoreEnding();
    StoreEnding(const StoreEnding&) = delete;
    StoreEnding& operator=(const StoreEnding&) = delete;
};

// The lock is held by another process: what was to be written can be kept
// for a later save.
class LockHeldElsewhere : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// An exclusive lock on a lock file of ours (an empty regular file), held
// for the object's lifetime and let go when the process ends, however it
// ends. Anything else at that name is set aside as "<name>.aside" with a
// warning, not waited on. A lock held by another process is waited for
// within waitMs (by default the bound above for the game's phase; a wait
// that starts within that bound of one that ran out tries once only), the
// thread sleeping meanwhile: no event runs inside it. Past that,
// LockHeldElsewhere. Where the file system gives no locks, nothing is
// locked and the save relies on ReplaceStore's check. An empty path locks
// nothing.
class StoreLock {
public:
    explicit StoreLock(const QString& path, int waitMs = -1);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    // False where the file system gave no lock.
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
