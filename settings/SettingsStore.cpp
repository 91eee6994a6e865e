#include "SettingsStore.h"

#include "ErrorTrap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStringList>

namespace {

[[noreturn]] void ThrowAccessError(const QString& path) {
    throw RuntimeError(ErrorNumbers::PathFileAccess,
                       QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(path));
}

// Whether the INI reader would carry this line's value on into the lines
// below it: a quote left open, or a backslash at the very end, joins the
// following lines (whole sections of scores among them) to this value.
bool RunsIntoNextLine(const QByteArray& line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '\\') {
            if (i + 1 >= line.size()) return true;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            return false;
        }
    }
    return quoted;
}

bool IsKeyLine(const QByteArray& line) {
    return !line.isEmpty() && !line.startsWith(';') && !line.startsWith('#') && !line.startsWith('[');
}

// A line a hand edit may have damaged: QSettings rewrites the whole file on
// the first save and would fold or drop what it cannot parse.
bool LooksDamaged(const QByteArray& contents) {
    for (const QByteArray& raw : contents.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) return true;
            continue;
        }
        if (!IsKeyLine(line)) continue;
        if (!line.contains('=')) return true;
        if (RunsIntoNextLine(line)) return true;
    }
    return false;
}

QMutex g_mutex;
QSet<QString> g_backedUp;  // files already kept this run
QSet<QString> g_checked;   // files already looked over this run

// The file as it stood is kept beside it ("Pexora.ini.bak"), so no save ever
// destroys the only copy of a player's scores. A file that looks
// hand-damaged is kept once as "Pexora.ini.damaged", which later runs never
// overwrite, and it does not replace an earlier backup: that is the last
// copy known to be whole.
void KeepCopies(const QString& path, const QByteArray& contents) {
    const QString backup = path + QStringLiteral(".bak");
    const QString damaged = path + QStringLiteral(".damaged");
    if (LooksDamaged(contents)) {
        if (!QFile::exists(damaged)) QFile::copy(path, damaged);
        if (QFile::exists(backup)) return;
    }
    QFile::remove(backup);
    QFile::copy(path, backup);
}

// Before the first write of a run, the copies above are made.
void KeepBackupBeforeFirstWrite(const QString& path) {
    QMutexLocker lock(&g_mutex);
    if (g_backedUp.contains(path)) return;
    g_backedUp.insert(path);
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly)) return;
    KeepCopies(path, original.readAll());
}

// At the first use of a file in a run, before anything is read from it: a
// line that would swallow the lines after it is taken out (the file as it
// was is kept first), so that one bad value cannot hide the score tables
// below it and have them dropped by the next save. A file that cannot be
// rewritten is read as it is.
void RepairBeforeFirstUse(const QString& path) {
    QMutexLocker lock(&g_mutex);
    if (g_checked.contains(path)) return;
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly)) return;  // looked at again once it exists
    g_checked.insert(path);
    const QByteArray contents = original.readAll();
    original.close();
    QByteArray repaired;
    bool dropped = false;
    for (const QByteArray& raw : contents.split('\n')) {
        if (IsKeyLine(raw.trimmed()) && RunsIntoNextLine(raw.trimmed())) {
            dropped = true;
            continue;
        }
        repaired += raw + '\n';
    }
    if (!dropped) return;
    repaired.chop(1);
    if (!g_backedUp.contains(path)) {
        g_backedUp.insert(path);
        KeepCopies(path, contents);
    }
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(repaired) == repaired.size()) out.commit();
}

QSettings OpenStore(const QString& appName) {
    RepairBeforeFirstUse(QSettings(QSettings::IniFormat, QSettings::UserScope, appName, appName).fileName());
    return QSettings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
}

void SyncOrThrow(QSettings& store) {
    store.sync();
    if (store.status() == QSettings::AccessError) ThrowAccessError(store.fileName());
}

}  // namespace

QString SettingsFilePath(const QString& appName) { return OpenStore(appName).fileName(); }

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultText) {
    QSettings store = OpenStore(appName);
    if (store.status() == QSettings::AccessError) ThrowAccessError(store.fileName());
    store.beginGroup(section);
    const QVariant value = store.value(key);
    if (!value.isValid()) return defaultText;
    // An unquoted hand-written value with commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
    if (value.canConvert<QString>()) return value.toString();
    return QString();
}

void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
    QSettings store = OpenStore(appName);
    const QString path = store.fileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) ThrowAccessError(path);
    KeepBackupBeforeFirstWrite(path);
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    SyncOrThrow(store);
}

void SaveSettingGroup(const QString& appName, const QString& section,
                      const QList<QPair<QString, QString>>& keysAndValues) {
    QSettings store = OpenStore(appName);
    const QString path = store.fileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) ThrowAccessError(path);
    KeepBackupBeforeFirstWrite(path);
    store.beginGroup(section);
    for (const auto& [key, value] : keysAndValues) store.setValue(key, value);
    store.endGroup();
    SyncOrThrow(store);
}

void DeleteSetting(const QString& appName, const QString& section) {
    QSettings store = OpenStore(appName);
    if (store.status() == QSettings::AccessError) ThrowAccessError(store.fileName());
    if (!store.childGroups().contains(section)) {
        throw RuntimeError(ErrorNumbers::InvalidProcedureCall,
                           QStringLiteral("Invalid procedure call or argument"));
    }
    KeepBackupBeforeFirstWrite(store.fileName());
    store.remove(section);
    SyncOrThrow(store);
}
