#pragma once
// The settings store's file on disk. Whatever stands at its name is decided
// by what is opened, never by a look at the path before: a link is followed
// once to a regular file, which is opened without blocking and checked and
// read through its descriptor within the bound. A save writes a private new
// file beside the target and puts it in the target's place by rename, only
// if the target is still the file that was read. Copies and locks are made
// with O_EXCL or by rename, never through a link. Every failure throws
// RuntimeError.

#include "ErrorTrap.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Far above any store the game writes (a few kilobytes).
inline constexpr qint64 LargestStore = 16 * 1024 * 1024;

// Where appName's store lives: under $XDG_CONFIG_HOME when it is an
// absolute path, else under $HOME/.config. Empty when neither is known:
// then nothing can be kept, which is said once on stderr.
QString StorePath(const QString& appName);

// The store as read: the regular file the name leads to, and its bytes.
struct StoreBytes {
    QString target;  // the file itself (the link's target when the name is a link)
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
// there was none), keeping its mode (0600 for a new one), then syncs the
// folder. Refused when something else stands there by now.
void ReplaceStore(const StoreBytes& read, const QByteArray& bytes);

// The file as it stood, as "<target>.bak" (replacing any earlier one by
// rename) or "<target>.damaged" (made once, never replaced).
enum class CopyKind { Backup, Damaged };
void KeepCopy(const StoreBytes& read, CopyKind kind);

// Makes the folder and any missing parents, each 0700.
void MakePrivateFolder(const QString& folder);

// How long a lock another game holds is waited for: while the game is
// played, and once it is ending (Game > Exit, the close box, a logout, an
// end signal), after which what could not be written is kept for later.
inline constexpr int PlayLockWaitMs = 5000;
inline constexpr int EndingLockWaitMs = 2000;
// From now on a lock is waited for at most EndingLockWaitMs.
void SetStoreEnding();

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
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
