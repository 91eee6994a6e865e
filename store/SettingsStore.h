#pragma once
// The per-user settings store: text values addressed by application name,
// section and key, kept in the INI file "<app>/<app>.ini" of the user's
// configuration folder (StoreFile.h: how it is read and replaced;
// StoreText.h: its text). The file is used only while it is a regular file
// (or a link to one) of at most 16 MiB; anything else throws RuntimeError.
// Where no folder is known, reads give the defaults and writes keep nothing.

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

struct StoreContents;
struct UnsavedChange;
class LockHeldElsewhere;

// The stored text, or defaultText when the section or key is absent.
// Throws RuntimeError when the store cannot be read.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultText = QString());

// Whether a group write keeps the section's other keys or leaves the
// section holding exactly the keys given.
enum class SectionWrite { KeepOtherKeys, ReplaceSection };

// Writes keys of one section in a single replacement of the file, in the
// order given, creating the section and keys as needed and replacing any
// earlier values: a process killed meanwhile leaves either all of them or
// none. Throws RuntimeError (PathFileAccess) when the store cannot be
// written. While another game holds the store's lock past the wait
// (StoreFile.h), the change is kept for a later save instead
// (StoreUnsaved.h) and every read shows it.
void SaveSettingGroup(const QString& appName, const QString& section,
                      const QList<QPair<QString, QString>>& keysAndValues,
                      SectionWrite how = SectionWrite::KeepOtherKeys);

// Removes a whole section. Throws RuntimeError (InvalidProcedureCall, 5)
// when the section does not exist, PathFileAccess when it cannot be written.
void DeleteSetting(const QString& appName, const QString& section);

// One read-change-replace of the whole store under its lock: change sees
// the file as it stands and returns whether anything is to be written. A
// read, a decision and a write made this way cannot be undone by another
// game's save in between. Throws like SaveSettingGroup, and passes on whatever
// change throws (nothing is written then).
void ChangeSettings(const QString& appName, const std::function<bool(StoreContents&)>& change);

// The change made under the lock like SaveSettingGroup, or kept for later
// while another game holds it.
void ChangeSettingsOrKeep(const QString& appName, const UnsavedChange& change);

// Keeps a change another game's lock kept out, with a line on stderr.
void KeepForLater(const QString& appName, const UnsavedChange& change, const LockHeldElsewhere& why);

// The whole store as every read shows it (the changes kept for later made).
StoreContents ReadSettings(const QString& appName);

// Writes the changes kept for later, when the lock is free now (a start
// does not wait for it), and removes the new files killed saves left
// (RemoveLeftovers, StoreFile.h).
void WriteUnsavedChanges(const QString& appName);

// Writes the changes kept for later when the lock is free now, without
// waiting for it; true when none are kept any more. Throws like SaveSettingGroup.
bool TryWriteUnsavedChanges(const QString& appName);

// Path of the INI file that holds appName's settings; finding it opens nothing.
QString SettingsFilePath(const QString& appName);
