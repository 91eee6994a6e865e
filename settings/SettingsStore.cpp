#include "SettingsStore.h"

#include "ErrorTrap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QStringList>

namespace {

QSettings OpenStore(const QString& appName) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
}

[[noreturn]] void ThrowAccessError(const QString& path) {
    throw RuntimeError(ErrorNumbers::PathFileAccess,
                       QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(path));
}

// A line a hand edit may have damaged: QSettings rewrites the whole file on
// the first save and would fold or drop what it cannot parse.
bool LooksDamaged(const QByteArray& contents) {
    for (const QByteArray& raw : contents.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) return true;
            continue;
        }
        if (!line.contains('=')) return true;
        if (line.count('"') % 2 != 0) return true;
    }
    return false;
}

// Before the first write of a run, the file as it stood is kept beside it
// ("Pexora.ini.bak"), so no save ever destroys the only copy of a player's
// scores. A file that looks hand-damaged is also kept once as
// "Pexora.ini.damaged", which later runs never overwrite.
void KeepBackupBeforeFirstWrite(const QString& path) {
    static QMutex mutex;
    static QSet<QString> done;
    QMutexLocker lock(&mutex);
    if (done.contains(path)) return;
    done.insert(path);
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly)) return;
    const QByteArray contents = original.readAll();
    original.close();
    const QString backup = path + QStringLiteral(".bak");
    QFile::remove(backup);
    QFile::copy(path, backup);
    const QString damaged = path + QStringLiteral(".damaged");
    if (LooksDamaged(contents) && !QFile::exists(damaged)) QFile::copy(path, damaged);
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
