#include "SettingsStore.h"

#include "ErrorTrap.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "StoreUnsaved.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <cstdio>
#include <functional>
#include <optional>
#include <utility>

namespace {

QMutex g_mutex;
QSet<QString> g_backedUp;  // files already kept this run

// Before the first replacement of a file in a run, the file as it stood is
// kept beside it ("Pexora.ini.bak"), so no save ever destroys the only copy
// of a player's scores. A file a hand edit left with lines the save drops
// or reads differently is first kept as a numbered "Pexora.ini.damaged" at
// any write, and it does not replace an earlier backup: that is the last
// copy known to be whole. Whether the backup is to be made now.
bool KeepCopiesBeforeWrite(const StoreBytes& read, bool handEdited) {
    // Contents kept from this game's last write hold no bytes: the copy takes the file's own.
    if (handEdited) KeepDamagedCopy(read.reused ? ReadStoreBytes(read.target) : read);
    QMutexLocker lock(&g_mutex);
    if (read.reused || g_backedUp.contains(read.target)) return false;
    g_backedUp.insert(read.target);
    return !(handEdited && PathExists(read.target + QStringLiteral(".bak")));
}

// The store as this game last wrote it under the lock: while the file is
// still that one, a read takes the contents from here instead of reading
// and parsing the file again (the second result of a game's end, the
// high-score dialog after it). The bytes are not kept: the copies made
// before the first write are made by then.
struct Written {
    StoreBytes file;
    StoreContents contents;
};
Written g_written;

// The file and its contents, read and parsed once.
std::pair<StoreBytes, StoreContents> ReadStore(const QString& path) {
    Written known;
    {
        QMutexLocker lock(&g_mutex);
        known = g_written;
    }
    StoreBytes read = ReadStoreBytes(path, &known.file);
    if (read.reused) return {read, known.contents};
    StoreContents contents = ParseStore(read.bytes);
    return {read, contents};
}

void RememberWritten(const StoreBytes& read, StoreContents contents) {
    Written written;
    written.file.target = read.target;
    NoteStoreIdentity(written.file);
    contents.markWritten();
    written.contents = std::move(contents);
    QMutexLocker lock(&g_mutex);
    g_written = std::move(written);
}

void ForgetWritten() {
    QMutexLocker lock(&g_mutex);
    g_written = Written{};
}

// The store as a read shows it: with the changes kept for later made.
StoreContents ReadContents(const QString& path) {
    if (path.isEmpty()) return StoreContents();
    StoreContents contents = ReadStore(path).second;
    ApplyUnsaved(path, contents);
    return contents;
}

// One read-change-replace of the store under its lock, so that two games
// saving at once each keep the other's keys; the changes kept earlier are
// made first. When another game holds the lock past the wait, `keep` (the
// same change, said as data) is kept for a later save, with a line on
// stderr; without one, LockHeldElsewhere. Where nothing can be kept,
// nothing is written.
void ChangeStore(const QString& appName, const std::function<bool(StoreContents&)>& change,
                 const UnsavedChange* keep = nullptr, int waitMs = -1) {
    const QString path = StorePath(appName);
    if (path.isEmpty()) return;
    MakePrivateFolder(QFileInfo(path).absolutePath());
    std::optional<StoreLock> lock;
    try {
        lock.emplace(path + QStringLiteral(".lock"), waitMs);
    } catch (const LockHeldElsewhere& e) {
        if (keep == nullptr) throw;
        KeepForLater(appName, *keep, e);
        return;
    }
    auto [read, contents] = ReadStore(path);
    StoreBytes applied;
    const bool earlier = ApplyUnsaved(path, contents, &applied);
    if (!change(contents) && !earlier) return;
    const QByteArray bytes = contents.toBytes();
    CheckStoreSize(bytes.size(), path);
    const bool keepOld = KeepCopiesBeforeWrite(read, contents.handEdited);
    ForgetWritten();
    ReplaceStore(read, bytes, keepOld);
    if (earlier) ForgetUnsaved(path, applied);
    // Where nothing is locked, another game may have written since.
    if (lock->held()) RememberWritten(read, std::move(contents));
}

}  // namespace

void KeepForLater(const QString& appName, const UnsavedChange& change, const LockHeldElsewhere& why) {
    const QString path = StorePath(appName);
    if (path.isEmpty()) return;
    KeepUnsaved(path, change);
    std::fprintf(stderr, "Pexora: %s; the change is kept in %s and written at the next save or start.\n",
                 qPrintable(why.Description), qPrintable(UnsavedPath(path)));
}

StoreContents ReadSettings(const QString& appName) { return ReadContents(StorePath(appName)); }

QString SettingsFilePath(const QString& appName) { return StorePath(appName); }

void ChangeSettings(const QString& appName, const std::function<bool(StoreContents&)>& change) { ChangeStore(appName, change); }

void ChangeSettingsOrKeep(const QString& appName, const UnsavedChange& change) {
    ChangeStore(appName, [&](StoreContents& contents) { return change.applyTo(contents); }, &change);
}

void WriteUnsavedChanges(const QString& appName) {
    RemoveLeftovers(StorePath(appName));  // the new files of saves killed earlier
    TryWriteUnsavedChanges(appName);      // still held: the next save writes them
}

bool TryWriteUnsavedChanges(const QString& appName) {
    const QString path = StorePath(appName);
    if (path.isEmpty() || !HasUnsaved(path)) return true;
    try {
        ChangeStore(appName, [](StoreContents&) { return false; }, nullptr, 0);
    } catch (const LockHeldElsewhere&) {
        return false;
    }
    return !HasUnsaved(path);  // another game may have kept more meanwhile
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultText) {
    const QString value = ReadContents(StorePath(appName)).value(section, key);
    return value.isNull() ? defaultText : value;
}

void SaveSettingGroup(const QString& appName, const QString& section,
                      const QList<QPair<QString, QString>>& keysAndValues, SectionWrite how) {
    UnsavedChange change;
    change.kind = how == SectionWrite::ReplaceSection ? UnsavedChange::Kind::ReplaceSection : UnsavedChange::Kind::SetKeys;
    change.section = section;
    change.keys = keysAndValues;
    ChangeSettingsOrKeep(appName, change);
}

void DeleteSetting(const QString& appName, const QString& section) {
    ChangeStore(appName, [&](StoreContents& contents) {
        if (!contents.hasSection(section)) {
            throw RuntimeError(ErrorNumbers::InvalidProcedureCall,
                               QCoreApplication::translate("ErrorTrap", "Invalid procedure call or argument"));
        }
        contents.removeSection(section);
        return true;
    });
}
