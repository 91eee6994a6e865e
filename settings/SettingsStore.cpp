#include "SettingsStore.h"

#include "ErrorTrap.h"
#include "StoreFile.h"
#include "StoreText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <functional>

namespace {

QMutex g_mutex;
QSet<QString> g_backedUp;  // files already kept this run

// Before the first replacement of a file in a run, the file as it stood is
// kept beside it ("Pexora.ini.bak"), so no save ever destroys the only copy
// of a player's scores. A file a hand edit left with lines the next save
// drops or reads differently is kept once as "Pexora.ini.damaged", which
// later runs never overwrite, and it does not replace an earlier backup:
// that is the last copy known to be whole.
void KeepCopiesBeforeFirstWrite(const StoreBytes& read, bool handEdited) {
    QMutexLocker lock(&g_mutex);
    if (g_backedUp.contains(read.target)) return;
    g_backedUp.insert(read.target);
    if (handEdited) {
        KeepCopy(read, CopyKind::Damaged);
        if (QFileInfo(read.target + QStringLiteral(".bak")).exists()) return;
    }
    KeepCopy(read, CopyKind::Backup);
}

StoreContents ReadContents(const QString& path) {
    return path.isEmpty() ? StoreContents() : ParseStore(ReadStoreBytes(path).bytes);
}

// One read-change-replace of the store under its lock, so that two games
// saving at once each keep the other's keys. Where nothing can be kept,
// nothing is written.
void ChangeStore(const QString& appName, const std::function<bool(StoreContents&)>& change) {
    const QString path = StorePath(appName);
    if (path.isEmpty()) return;
    MakePrivateFolder(QFileInfo(path).absolutePath());
    const StoreLock lock(path + QStringLiteral(".lock"));
    const StoreBytes read = ReadStoreBytes(path);
    StoreContents contents = ParseStore(read.bytes);
    if (!change(contents)) return;
    const QByteArray bytes = contents.toBytes();
    CheckStoreSize(bytes.size(), path);
    KeepCopiesBeforeFirstWrite(read, contents.handEdited);
    ReplaceStore(read, bytes);
}

}  // namespace

QString SettingsFilePath(const QString& appName) { return StorePath(appName); }

void ChangeSettings(const QString& appName, const std::function<bool(StoreContents&)>& change) { ChangeStore(appName, change); }

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultText) {
    const QString value = ReadContents(StorePath(appName)).value(section, key);
    return value.isNull() ? defaultText : value;
}

void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
    SaveSettingGroup(appName, section, {{key, value}});
}

void SaveSettingGroup(const QString& appName, const QString& section,
                      const QList<QPair<QString, QString>>& keysAndValues, SectionWrite how) {
    ChangeStore(appName, [&](StoreContents& contents) {
        if (how == SectionWrite::ReplaceSection) contents.removeSection(section);
        for (const auto& [key, value] : keysAndValues) contents.setValue(section, key, value);
        return true;
    });
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
