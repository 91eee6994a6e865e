#pragma once
// Changes the store could not take while another game held its lock: kept
// in a file of their own beside it ("Pexora.ini.unsaved"), shown by every
// read as if written, and written, in the order they were made, by the next
// save or start that gets the lock. The file is read and replaced like the
// store itself (StoreFile.h).

#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

struct StoreBytes;
struct StoreContents;

struct UnsavedChange {
    enum class Kind { SetKeys, ReplaceSection, RemoveSection, Result };
    Kind kind = Kind::SetKeys;
    QString section;
    QList<QPair<QString, QString>> keys;  // SetKeys, ReplaceSection
    QString scoreKey;                     // Result: "Sets" or "Time"
    QString name;
    qint32 score = 0;

    // Makes the change in contents; false when it changes nothing.
    bool applyTo(StoreContents& contents) const;
};

// The file that keeps storePath's unsaved changes.
QString UnsavedPath(const QString& storePath);

// Adds a change to the kept ones. Throws RuntimeError when it cannot be kept.
void KeepUnsaved(const QString& storePath, const UnsavedChange& change);

// Makes every kept change in contents; true when there were any, and then
// `applied` says which file held them. What is no regular file of at most
// 16 MiB at that name is passed over.
bool ApplyUnsaved(const QString& storePath, StoreContents& contents, StoreBytes* applied = nullptr);

// Whether changes are kept: a file of them is there to be made.
bool HasUnsaved(const QString& storePath);

// Removes the kept changes once the store holds them: only the file they
// were made from. Another game keeps its changes without the lock, so a
// file kept meanwhile stays for the next save.
void ForgetUnsaved(const QString& storePath, const StoreBytes& applied);

// Ranks a result into a five-place table: the entries in stored order with
// the new one carried up past every worse score (ties keep the earlier
// above), the section then holding exactly the ranked entries. False (and
// nothing changed) when it does not enter. A stored score that is no 32-bit
// number makes its place empty, with a line on stderr, and marks contents
// hand-edited (the file is kept in a copy before it is written).
bool RankResult(StoreContents& contents, const QString& section, const QString& scoreKey, const QString& name, qint32 score);
