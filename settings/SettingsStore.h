#pragma once
// The per-user settings store: text values addressed by application name,
// section and key. Kept in an INI file through QSettings (user scope,
// organization and application "Pexora"). The file is used only while it is
// a regular file (or a link to one) of at most 16 MiB; anything else is
// never opened, and every call on it throws RuntimeError.

#include <QList>
#include <QPair>
#include <QString>

// The stored text, or defaultText when the section or key is absent.
// Throws RuntimeError when the store cannot be read.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultText = QString());

// Creates the section and key as needed and replaces any earlier value.
// Throws RuntimeError (PathFileAccess) when the store cannot be written.
void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);

// Whether a group write keeps the section's other keys or leaves the
// section holding exactly the keys given.
enum class SectionWrite { KeepOtherKeys, ReplaceSection };

// Writes several keys of one section in a single replacement of the file,
// in the order given: a process killed meanwhile leaves either all of them
// or none. Throws like SaveSetting.
void SaveSettingGroup(const QString& appName, const QString& section,
                      const QList<QPair<QString, QString>>& keysAndValues,
                      SectionWrite how = SectionWrite::KeepOtherKeys);

// Removes a whole section. Throws RuntimeError (InvalidProcedureCall, 5)
// when the section does not exist, PathFileAccess when it cannot be written.
void DeleteSetting(const QString& appName, const QString& section);

// The store's bytes as the INI reader is given them at the first use of the
// file in a run: a store in UTF-16 or UTF-32 as UTF-8, and every line that
// would run on into the lines below it ended where it ends. Bytes that need
// no mending come back as they are.
QByteArray MendedStoreText(const QByteArray& contents);

// Path of the INI file that holds appName's settings; finding it opens nothing.
QString SettingsFilePath(const QString& appName);
